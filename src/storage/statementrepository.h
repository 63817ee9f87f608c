#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <optional>

class Database;

// This device's memory of imported bank statements: the bank's transaction
// ids (FITID) per account, and which account each statement account goes
// to. Neither is synchronised nor backed up.
class StatementRepository : public QObject
{
    Q_OBJECT

public:
    // A live transaction of an account that no remembered id points at.
    struct UnclaimedRow
    {
        QString id;
        QDate date;
        qint64 amount = 0;
        QString payee;
    };

    // A bank's transaction id and the transaction it stands for.
    struct Claim
    {
        QString fitid;
        QString transactionId;
    };

    StatementRepository(Database* database, QObject* parent = nullptr);

    // The remembered ids of `accountId` whose transaction still exists
    // (deleted or not), each with that transaction's id.
    QHash<QString, QString> rememberedIds(const QString& accountId);
    // The live transactions of `accountId` dated from `from` to `to` that no
    // remembered id claims.
    QList<UnclaimedRow> unclaimedRows(const QString& accountId, const QDate& from, const QDate& to);
    // Remembers each claim whose transaction exists; an id remembered
    // before now points at the new transaction.
    [[nodiscard]] bool remember(const QString& accountId, const QList<Claim>& claims);

    // The live account the statement account `accountHash` went to last.
    std::optional<QString> mappedAccount(const QString& accountHash);
    [[nodiscard]] bool rememberAccount(const QString& accountHash, const QString& accountId);

private:
    Database* m_database;
};
