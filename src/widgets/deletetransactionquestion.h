#pragma once

#include "storage/enums.h"
#include "storage/transaction.h"

#include <QCoreApplication>

class QWidget;

// The question asked before a transaction is deleted, wherever it is
// deleted from: it names the payee and amount, says that both sides of a
// transfer go, and Enter keeps the row.
class DeleteTransactionQuestion
{
    Q_DECLARE_TR_FUNCTIONS(DeleteTransactionQuestion)

public:
    // True when the user chose Yes.
    static bool ask(QWidget* parent, const Transaction& transaction, Currency currency);
};
