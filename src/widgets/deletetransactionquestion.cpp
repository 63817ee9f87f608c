#include "widgets/deletetransactionquestion.h"

#include "storage/money.h"

#include <QMessageBox>

bool DeleteTransactionQuestion::ask(QWidget* parent, const Transaction& transaction, Currency currency)
{
    const QString amount = formatCurrency(qAbs(transaction.amount), currency, AmountFormat::shown());
    const QString question = transaction.transferLinkId.isEmpty()
        ? tr("Delete \"%1\" for %2?").arg(transaction.payee, amount)
        : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.").arg(transaction.payee, amount);
    return QMessageBox::question(parent, tr("Delete Transaction"), question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No)
        == QMessageBox::Yes;
}
