#include "register/registermodel.h"
#include "storage/clock.h"

#include <QApplication>
#include <QFont>
#include <QSignalSpy>
#include <QtTest>

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
QList<RegisterRow> threeRows()
{
    return {
        storedRow(QStringLiteral("a"), QDate(2024, 3, 1), -123456, -123456),
        storedRow(QStringLiteral("b"), QDate(2024, 3, 2), 0, -123456),
        storedRow(QStringLiteral("c"), QDate(2024, 3, 3), 123461, 5),
    };
}

QList<RegisterRow> reversed(QList<RegisterRow> rows)
{
    std::reverse(rows.begin(), rows.end());
    return rows;
}

QString text(const RegisterModel& model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role).toString();
}

QVariant colour(const RegisterModel& model, int row, int column)
{
    return model.data(model.index(row, column), Qt::ForegroundRole);
}

} // namespace

class TestRegisterModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(QDateTime(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC)); }
    void cleanup() { Clock::reset(); }

    void emptyRegisterIsOnlyTheEntryRowWithPlaceholders()
    {
        RegisterModel model;
        model.setRows({}, false);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.columnCount(), 9);
        QVERIFY(model.isEntryRow(0));
        // The date is never empty: a fresh row starts today.
        QCOMPARE(text(model, 0, RegisterModel::DateColumn), QStringLiteral("5/20/2024"));
        QCOMPARE(text(model, 0, RegisterModel::PayeeColumn), QStringLiteral("Payee"));
        QCOMPARE(text(model, 0, RegisterModel::PayeeColumn, Qt::EditRole), QString());
        QCOMPARE(text(model, 0, RegisterModel::ClearedColumn), QStringLiteral("Clr"));
        QCOMPARE(colour(model, 0, RegisterModel::PayeeColumn).value<QColor>(), QColor(QStringLiteral("#6E8A7E")));
        QVERIFY(!colour(model, 0, RegisterModel::DateColumn).isValid());
        QVERIFY(!model.data(model.index(0, RegisterModel::BalanceColumn)).isValid());
        QCOMPARE(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(QStringLiteral("#E8F5E9")));
    }

    void geometryForBothOrders_data()
    {
        QTest::addColumn<bool>("newestFirst");
        QTest::addColumn<int>("entryRow");
        QTest::addColumn<int>("firstStoredRow");
        QTest::addColumn<QString>("firstStoredId");
        QTest::newRow("oldest first") << false << 3 << 0 << QStringLiteral("a");
        QTest::newRow("newest first") << true << 0 << 1 << QStringLiteral("c");
    }

    void geometryForBothOrders()
    {
        QFETCH(bool, newestFirst);
        QFETCH(int, entryRow);
        QFETCH(int, firstStoredRow);
        QFETCH(QString, firstStoredId);

        RegisterModel model;
        model.setRows(newestFirst ? reversed(threeRows()) : threeRows(), newestFirst);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.entryRow(), entryRow);
        QVERIFY(model.isEntryRow(entryRow));
        QVERIFY(!model.rowAt(entryRow));
        QCOMPARE(model.rowAt(firstStoredRow)->transaction.id, firstStoredId);
        QCOMPARE(model.rowForTransactionId(firstStoredId), firstStoredRow);
        QCOMPARE(model.rowForTransactionId(QString()), -1);
        QCOMPARE(model.rowForTransactionId(QStringLiteral("missing")), -1);
        QVERIFY(!model.rowAt(-1));
        QVERIFY(!model.rowAt(4));
        QCOMPARE(text(model, entryRow, RegisterModel::PayeeColumn), QStringLiteral("Payee"));
        QCOMPARE(text(model, firstStoredRow, RegisterModel::PayeeColumn), QStringLiteral("Payee %1").arg(firstStoredId));

        QCOMPARE(model.flags(model.index(entryRow, RegisterModel::PayeeColumn)) & Qt::ItemIsEditable, Qt::ItemIsEditable);
        QCOMPARE(model.flags(model.index(entryRow, RegisterModel::BalanceColumn)) & Qt::ItemIsEditable, Qt::NoItemFlags);
        QCOMPARE(model.flags(model.index(firstStoredRow, RegisterModel::PayeeColumn)) & Qt::ItemIsEditable, Qt::NoItemFlags);
        QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    }

    void moneyTextsAndColours()
    {
        RegisterModel model;
        model.setRows(threeRows(), false);
        const QColor red(QStringLiteral("#C62828"));
        const QColor green(QStringLiteral("#2E7D32"));

        // -123,456 cents is a payment of 1,234.56, in red.
        QCOMPARE(text(model, 0, RegisterModel::PaymentColumn), QStringLiteral("1,234.56"));
        QCOMPARE(text(model, 0, RegisterModel::DepositColumn), QString());
        QCOMPARE(colour(model, 0, RegisterModel::PaymentColumn).value<QColor>(), red);
        QVERIFY(!colour(model, 0, RegisterModel::DepositColumn).isValid());
        QCOMPARE(text(model, 0, RegisterModel::BalanceColumn), QStringLiteral("-1,234.56"));
        QCOMPARE(colour(model, 0, RegisterModel::BalanceColumn).value<QColor>(), red);

        // A zero amount is a deposit of 0.00.
        QCOMPARE(text(model, 1, RegisterModel::PaymentColumn), QString());
        QCOMPARE(text(model, 1, RegisterModel::DepositColumn), QStringLiteral("0.00"));
        QCOMPARE(colour(model, 1, RegisterModel::DepositColumn).value<QColor>(), green);

        QCOMPARE(text(model, 2, RegisterModel::DepositColumn), QStringLiteral("1,234.61"));
        QCOMPARE(text(model, 2, RegisterModel::BalanceColumn), QStringLiteral("0.05"));
        QVERIFY(!colour(model, 2, RegisterModel::BalanceColumn).isValid());
        QCOMPARE(colour(model, 2, RegisterModel::MemoColumn).value<QColor>(), QColor(QStringLiteral("#6E8A7E")));

        // Balance has no edit text; money columns are right aligned in a
        // monospace font.
        QVERIFY(!model.data(model.index(2, RegisterModel::BalanceColumn), Qt::EditRole).isValid());
        QCOMPARE(model.data(model.index(2, RegisterModel::PaymentColumn), Qt::TextAlignmentRole).value<Qt::Alignment>(),
            Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(model.data(model.index(2, RegisterModel::ClearedColumn), Qt::TextAlignmentRole).value<Qt::Alignment>(),
            Qt::Alignment(Qt::AlignCenter));
        QCOMPARE(model.data(model.index(2, RegisterModel::BalanceColumn), Qt::FontRole).value<QFont>().family(),
            QStringLiteral("monospace"));
        QVERIFY(!model.data(model.index(2, RegisterModel::PayeeColumn), Qt::FontRole).isValid());

        // A balance of minus five cents is red too.
        QList<RegisterRow> small = {storedRow(QStringLiteral("d"), QDate(2024, 1, 1), -5, -5)};
        model.setRows(small, false);
        QCOMPARE(text(model, 0, RegisterModel::BalanceColumn), QStringLiteral("-0.05"));
        QCOMPARE(colour(model, 0, RegisterModel::BalanceColumn).value<QColor>(), red);
    }

    void moneyTextsFollowTheAccountCurrency()
    {
        RegisterModel model;
        model.setCurrency(Currency::JPY);
        model.setRows({storedRow(QStringLiteral("y"), QDate(2024, 3, 1), -1500, 1234567)}, false);
        QCOMPARE(text(model, 0, RegisterModel::PaymentColumn), QStringLiteral("1,500"));
        QCOMPARE(text(model, 0, RegisterModel::BalanceColumn), QStringLiteral("1,234,567"));
        model.loadRowIntoBuffer(0);
        QCOMPARE(model.buffer().paymentText, QStringLiteral("1,500"));
    }

    void setDataGoesOnlyIntoTheBuffer()
    {
        RegisterModel model;
        model.setRows(threeRows(), false);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const QModelIndex payee = model.index(3, RegisterModel::PayeeColumn);

        QVERIFY(!model.setData(payee, QStringLiteral("Display"), Qt::DisplayRole));
        QCOMPARE(model.buffer().payeeText, QString());
        QCOMPARE(changed.count(), 0);

        QVERIFY(model.setData(payee, QStringLiteral("Grocer"), Qt::EditRole));
        QCOMPARE(model.buffer().payeeText, QStringLiteral("Grocer"));
        QCOMPARE(text(model, 3, RegisterModel::PayeeColumn), QStringLiteral("Grocer"));
        QCOMPARE(changed.count(), 1);

        const RegisterModel::EditBuffer before = model.buffer();
        QVERIFY(model.setData(model.index(3, RegisterModel::BalanceColumn), QStringLiteral("99.00"), Qt::EditRole));
        QCOMPARE(model.buffer().payeeText, before.payeeText);
        QCOMPARE(model.buffer().dateText, before.dateText);
        QCOMPARE(model.buffer().depositText, before.depositText);
        QVERIFY(!model.data(model.index(3, RegisterModel::BalanceColumn)).isValid());

        // setData does not care which row it is given: the buffer is the
        // only place edits go.
        QVERIFY(model.setData(model.index(0, RegisterModel::MemoColumn), QStringLiteral("note"), Qt::EditRole));
        QCOMPARE(model.buffer().memoText, QStringLiteral("note"));
        QCOMPARE(text(model, 0, RegisterModel::MemoColumn), QStringLiteral("Memo a"));
    }

    void editingAStoredRowShowsTheBufferThere()
    {
        RegisterModel model;
        model.setRows(threeRows(), false);
        model.loadRowIntoBuffer(0);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setEditingRow(0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.buffer().dateText, QStringLiteral("3/1/2024"));
        QCOMPARE(model.buffer().paymentText, QStringLiteral("1,234.56"));
        QCOMPARE(model.buffer().depositText, QString());
        QCOMPARE(model.buffer().categoryText, QStringLiteral("Category a"));
        QCOMPARE(model.buffer().categoryIdText, QStringLiteral("cat-a"));

        model.setData(model.index(0, RegisterModel::PayeeColumn), QStringLiteral("Edited"), Qt::EditRole);
        QCOMPARE(text(model, 0, RegisterModel::PayeeColumn), QStringLiteral("Edited"));
        // Colours stay those of the stored row; the background marks the edit.
        QCOMPARE(colour(model, 0, RegisterModel::PaymentColumn).value<QColor>(), QColor(QStringLiteral("#C62828")));
        QCOMPARE(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(QStringLiteral("#E8F5E9")));
        // The entry row is no buffer row now: no placeholders, not editable.
        QVERIFY(!model.data(model.index(3, RegisterModel::PayeeColumn)).isValid());
        QCOMPARE(model.flags(model.index(3, RegisterModel::PayeeColumn)) & Qt::ItemIsEditable, Qt::NoItemFlags);
        QCOMPARE(model.flags(model.index(0, RegisterModel::PayeeColumn)) & Qt::ItemIsEditable, Qt::ItemIsEditable);

        // Two-line mode paints its own background.
        model.setTwoLine(true);
        QVERIFY(!model.data(model.index(0, 0), Qt::BackgroundRole).isValid());
        QCOMPARE(model.headerData(RegisterModel::PayeeColumn, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));

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
