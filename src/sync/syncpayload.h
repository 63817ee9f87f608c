#pragma once

#include "storage/account.h"
#include "storage/category.h"
#include "storage/reconciliation.h"
#include "storage/recurringtransaction.h"
#include "storage/syncstamp.h"
#include "storage/transaction.h"

#include <QJsonObject>

// The sync wire format: a local row as the change object "/sync/push"
// takes, and a row of a "/sync/pull" page as a local record. References
// between rows carry local ids both ways and are never translated.
class SyncPayload
{
public:
    static QJsonObject change(const Account& account);
    static QJsonObject change(const Category& category);
    static QJsonObject change(const RecurringTransaction& rule);
    static QJsonObject change(const Transaction& transaction);
    static QJsonObject change(const Reconciliation& reconciliation);

    // The state of the row a change object was built from.
    static SyncStamp stampOf(const QJsonObject& change);

    // A server row as a synced record under its "client_id" (empty when the
    // row has none), with the server's id.
    static Account account(const QJsonObject& row);
    static Category category(const QJsonObject& row);
    static RecurringTransaction recurring(const QJsonObject& row);
    static Transaction transaction(const QJsonObject& row);
    static Reconciliation reconciliation(const QJsonObject& row);

    // An ISO date, or the date of an ISO date-time; invalid for anything else.
    static QDate lenientDate(const QString& text);
};
