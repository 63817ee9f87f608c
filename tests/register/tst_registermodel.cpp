#include "register/registermodel.h"
#include "support/testworld.h"

#include <QSignalSpy>

namespace {

RegisterRow storedRow(const QString& id, const QDate& date, qint64 amount, qint64 balance)
{
    RegisterRow row;
    row.transaction.id = id;
    row.transaction.date = date;
    row.transaction.payee = QStringLiteral("Payee %1").arg(id);
    row.transaction.memo = QStringLiteral("Memo %1").arg(id);
    row.transaction.amount = amount;
    row.transaction.categoryId = QStringLiteral("cat-%1").arg(id);
    row.categoryName = QStringLiteral("Category %1").arg(id);
    row.runningBalance = balance;
    return row;
}

// Three rows, oldest first: a payment, a zero amount and a deposit.
QList<RegisterRow> threeRows(bool newestFirst = false)
{
    QList<RegisterRow> rows{storedRow(QStringLiteral("a"), QDate(2024, 3, 1), -123456, -123456),
        storedRow(QStringLiteral("b"), QDate(2024, 3, 2), 0, -123456), storedRow(QStringLiteral("c"), QDate(2024, 3, 3), 123461, 5)};
    if (newestFirst)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

QString text(const RegisterModel& model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role).toString();
}

bool editable(const RegisterModel& model, int row, int column)
{
    return model.flags(model.index(row, column)).testFlag(Qt::ItemIsEditable);
}

} // namespace

class TestRegisterModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(TestWorld::now()); }
    void cleanup() { Clock::reset(); }

    void entryRowForBothOrders_data()
    {
        QTest::addColumn<bool>("newestFirst");
        QTest::addColumn<int>("entryRow");
        QTest::addColumn<int>("firstStoredRow");
        QTest::addColumn<QString>("firstStoredId");
        QTest::newRow("oldest first") << false << 3 << 0 << QStringLiteral("a");
        QTest::newRow("newest first") << true << 0 << 1 << QStringLiteral("c");
    }

    void entryRowForBothOrders()
    {
        QFETCH(bool, newestFirst);
        QFETCH(int, entryRow);
        QFETCH(int, firstStoredRow);
        QFETCH(QString, firstStoredId);
        RegisterModel model;
        model.setRows(threeRows(newestFirst), newestFirst);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.entryRow(), entryRow);
        QVERIFY(!model.rowAt(entryRow));
        QCOMPARE(model.rowAt(firstStoredRow)->transaction.id, firstStoredId);
        QCOMPARE(model.rowForTransactionId(firstStoredId), firstStoredRow);
        QCOMPARE(model.rowForTransactionId(QString()), -1);
        QVERIFY(!model.rowAt(4));
        // The date of a fresh row is never empty: it starts today.
        QCOMPARE(text(model, entryRow, RegisterModel::DateColumn), QStringLiteral("5/20/2024"));
        QVERIFY(editable(model, entryRow, RegisterModel::PayeeColumn));
        QVERIFY(!editable(model, entryRow, RegisterModel::BalanceColumn));
        QVERIFY(!editable(model, firstStoredRow, RegisterModel::PayeeColumn));
    }

    void showsPaymentsDepositsAndBalances()
    {
        RegisterModel model;
        model.setRows(threeRows(), false);
        const QStringList row0{text(model, 0, RegisterModel::PaymentColumn), text(model, 0, RegisterModel::DepositColumn),
            text(model, 0, RegisterModel::BalanceColumn)};
        QCOMPARE(row0, (QStringList{QStringLiteral("1,234.56"), QString(), QStringLiteral("-1,234.56")}));
        // A zero amount is a deposit of 0.00.
        QCOMPARE(text(model, 1, RegisterModel::PaymentColumn), QString());
        QCOMPARE(text(model, 1, RegisterModel::DepositColumn), QStringLiteral("0.00"));
        QCOMPARE(text(model, 2, RegisterModel::BalanceColumn), QStringLiteral("0.05"));
        QVERIFY(!model.data(model.index(2, RegisterModel::BalanceColumn), Qt::EditRole).isValid());

        model.setCurrency(Currency::JPY);
        model.setRows({storedRow(QStringLiteral("y"), QDate(2024, 3, 1), -1500, 1234567)}, false);
        QCOMPARE(text(model, 0, RegisterModel::PaymentColumn), QStringLiteral("1,500"));
        QCOMPARE(text(model, 0, RegisterModel::BalanceColumn), QStringLiteral("1,234,567"));
        model.loadRowIntoBuffer(0);
        QCOMPARE(model.buffer().paymentText, QStringLiteral("1,500"));
    }

    void editsGoOnlyIntoTheBuffer()
    {
        RegisterModel model;
        model.setRows(threeRows(), false);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!model.setData(model.index(3, RegisterModel::PayeeColumn), QStringLiteral("Display"), Qt::DisplayRole));
        QVERIFY(model.setData(model.index(3, RegisterModel::PayeeColumn), QStringLiteral("Grocer"), Qt::EditRole));
        QCOMPARE(model.buffer().payeeText, QStringLiteral("Grocer"));
        QCOMPARE(text(model, 3, RegisterModel::PayeeColumn), QStringLiteral("Grocer"));
        QCOMPARE(changed.count(), 1);
        // A stored row is never written through setData.
        QVERIFY(model.setData(model.index(0, RegisterModel::MemoColumn), QStringLiteral("note"), Qt::EditRole));
        QCOMPARE(text(model, 0, RegisterModel::MemoColumn), QStringLiteral("Memo a"));

        // Editing a stored row shows the buffer there, and the entry row is no buffer row then.
        model.loadRowIntoBuffer(0);
        model.setEditingRow(0);
        QCOMPARE(model.buffer().dateText, QStringLiteral("3/1/2024"));
        QCOMPARE(model.buffer().paymentText, QStringLiteral("1,234.56"));
        QCOMPARE(model.buffer().categoryIdText, QStringLiteral("cat-a"));
        model.setData(model.index(0, RegisterModel::PayeeColumn), QStringLiteral("Edited"), Qt::EditRole);
        QCOMPARE(text(model, 0, RegisterModel::PayeeColumn), QStringLiteral("Edited"));
        QVERIFY(!editable(model, 3, RegisterModel::PayeeColumn));
        QVERIFY(editable(model, 0, RegisterModel::PayeeColumn));
        // A reload ends the edit.
        model.setRows(threeRows(), false);
        QCOMPARE(model.editingRow(), -1);
        QCOMPARE(model.buffer().payeeText, QString());
    }

    void stickyDateStartsTheNextRow()
    {
        RegisterModel model;
        model.setStickyDate(QStringLiteral("3/15/2024"));
        model.setData(model.index(0, RegisterModel::PayeeColumn), QStringLiteral("x"), Qt::EditRole);
        model.setCategoryIdText(QStringLiteral("cat"));
        model.clearBuffer();
        QCOMPARE(model.buffer().dateText, QStringLiteral("3/15/2024"));
        QCOMPARE(model.buffer().payeeText, QString());
        QCOMPARE(model.buffer().categoryIdText, QString());
        model.setRows({}, false);
        QCOMPARE(model.buffer().dateText, QStringLiteral("3/15/2024"));
    }
};

QTEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
