#include "services/search/searchexport.h"

#include "storage/csvtext.h"
#include "storage/storedtime.h"

#include <QHash>

QByteArray SearchExport::csv(const QList<RegisterRow>& rows, const QList<Account>& accounts)
{
    QHash<QString, const Account*> accountsById;
    for (const Account& account : accounts)
        accountsById.insert(account.id, &account);
    QString csv = csvRecord({csvTextCell(tr("Date")), csvTextCell(tr("Account")), csvTextCell(tr("Payee")),
        csvTextCell(tr("Category")), csvTextCell(tr("Memo")), csvTextCell(tr("Amount"))});
    for (const RegisterRow& row : rows) {
        const Transaction& t = row.transaction;
        const Account* account = accountsById.value(t.accountId);
        csv += csvRecord({dateToText(t.date), csvTextCell(account ? account->name : QString()), csvTextCell(t.payee),
            csvTextCell(row.categoryName), csvTextCell(t.memo),
            csvAmountCell(t.amount, account ? account->currency : Currency::USD)});
    }
    return csv.toUtf8();
}
