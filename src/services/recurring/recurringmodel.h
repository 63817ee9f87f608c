#pragma once

#include "storage/enums.h"
#include "storage/recurringtransaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

class AccountRepository;

// The recurring rules as a read-only table: account, payee, amount,
// frequency, next due date, auto-post and status.
class RecurringModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        AccountColumn,
        PayeeColumn,
        AmountColumn,
        FrequencyColumn,
        NextDueColumn,
        AutoColumn,
        StatusColumn,
        ColumnCount
    };

    explicit RecurringModel(AccountRepository* accounts, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Shows `rules`; account names and currencies are read again on use.
    void setRules(const QList<RecurringTransaction>& rules);
    // The rule of `row`, or null outside the table.
    const RecurringTransaction* ruleAt(int row) const;

private:
    struct AccountInfo
    {
        QString name;
        Currency currency = Currency::USD;
    };

    QVariant displayText(const RecurringTransaction& rule, int column) const;
    QVariant foreground(const RecurringTransaction& rule, int column) const;
    // An account the repository cannot find shows no name.
    const AccountInfo& account(const QString& accountId) const;

    AccountRepository* m_accounts;
    QList<RecurringTransaction> m_rules;
    mutable QHash<QString, AccountInfo> m_accountCache;
};
