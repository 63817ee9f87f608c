// The import window as a user drives it: a bank's semicolon file read with
// the proposed mapping and previewed as it will be imported, the mapping
// remembered for the account, two QIF files whose transfer is linked, bank
// statements that find their account again and add only new rows, a new
// account made on the way, and a cancel that leaves nothing.

#include "services/import/importscreen.h"
#include "ofxstatements.h"
#include "register/accountformdialog.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/testworld.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// A bank's export: two lines about the account above a header, semicolons
// and decimal commas.
const QByteArray semicolonFile = "Kontoauszug AT12 3456\n"
                                 "Zeitraum 01.01.2024 - 31.01.2024\n"
                                 "Datum;Text;Betrag;Notiz\n"
                                 "02.01.2024;Bäckerei;-18,00;Frühstück\n"
                                 "15.01.2024;Gehalt;2.500,00;Jänner\n"
                                 "16.01.2024;Bäckerei;-4,50;\n";

QPushButton* button(QWidget* parent, const QString& text)
{
    for (QPushButton* candidate : parent->findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

QStringList column(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return texts;
}

QStringList payees(TestWorld& world, const QString& accountId)
{
    QStringList names;
    for (const Transaction& transaction : world.stored(accountId))
        names.prepend(transaction.payee);
    return names;
}

QString accountNamed(TestWorld& world, const QString& name)
{
    for (const Account& account : world.appState.accounts()->all()) {
        if (account.name == name)
            return account.id;
    }
    return QString();
}

} // namespace

class TestImportScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The preview shows amounts and dates as an English-speaking user reads them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void semicolonFileIsReadAsProposedAndRemembered()
    {
        TestWorld world;
        const Account giro = world.addAccount(u"Girokonto"_s, Currency::EUR);
        QTemporaryDir files;
        const QString path = writeFile(files, u"export.csv"_s, semicolonFile);
        ImportScreen screen(&world.appState);
        screen.chooseFiles({path});

        QCOMPARE(child<QComboBox>(&screen, "separatorCombo")->currentText(), u"Semicolon (;)"_s);
        QCOMPARE(child<QSpinBox>(&screen, "preambleSpin")->value(), 2);
        QCOMPARE(child<QComboBox>(&screen, "dateFormatCombo")->currentText(), u"dd.MM.yyyy"_s);
        auto* preview = child<QTableWidget>(&screen, "previewTable");
        QCOMPARE(column(preview, 1), (QStringList{u"Bäckerei"_s, u"Gehalt"_s, u"Bäckerei"_s}));
        QCOMPARE(column(preview, 2), (QStringList{u"-€18.00"_s, u"€2,500.00"_s, u"-€4.50"_s}));

        // The user points the memo at the fourth column and imports.
        auto* memo = child<QComboBox>(&screen, "memoColumnCombo");
        memo->setCurrentIndex(memo->findData(3));
        QStringList shown;
        ModalAnswer::pressInTurn({QMessageBox::Ok}, &shown);
        button(&screen, u"Import"_s)->click();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.constFirst().contains(u"3 transaction(s) imported"_s), qPrintable(shown.constFirst()));
        QCOMPARE(payees(world, giro.id), (QStringList{u"Bäckerei"_s, u"Gehalt"_s, u"Bäckerei"_s}));
        QCOMPARE(world.stored(giro.id).constLast().memo, u"Frühstück"_s);

        // Next month the same file reads with the memo column chosen before.
        ImportScreen again(&world.appState);
        again.chooseFiles({path});
        QCOMPARE(again.csvMapping().memoColumn, 3);
    }

    void changingTheSeparatorReReadsTheFile()
    {
        TestWorld world;
        world.addAccount(u"Checking"_s);
        QTemporaryDir files;
        ImportScreen screen(&world.appState);
        screen.chooseFiles({writeFile(files, u"plain.csv"_s, "Date,Payee,Amount\n01/15/2024,Market,-12.50\n")});
        QCOMPARE(child<QComboBox>(&screen, "separatorCombo")->currentText(), u"Comma (,)"_s);
        QCOMPARE(column(child<QTableWidget>(&screen, "previewTable"), 2), QStringList{u"-$12.50"_s});

        // Read with semicolons each line is one cell: the preview says the row cannot be read.
        auto* separator = child<QComboBox>(&screen, "separatorCombo");
        separator->setCurrentIndex(1);
        QCOMPARE(screen.csvMapping().separator, QChar(u';'));
        auto* preview = child<QTableWidget>(&screen, "previewTable");
        QCOMPARE(column(preview, 2), QStringList{QString()});
        QVERIFY(!column(preview, 1).constFirst().isEmpty());

        separator->setCurrentIndex(0);
        QCOMPARE(column(preview, 2), QStringList{u"-$12.50"_s});
    }

    void qifFilesLinkTheirTransfer()
    {
        TestWorld world;
        QTemporaryDir files;
        const QString checking = writeFile(files, u"checking.qif"_s,
            "!Account\nNChecking\nTBank\n^\n!Type:Bank\nD01/05/2024\nT-100.00\nPTo savings\nL[Savings]\n^\n"
            "D01/06/2024\nT-25.00\nPMarket\nLGroceries\n^\n");
        const QString savings = writeFile(files, u"savings.qif"_s,
            "!Account\nNSavings\nTBank\n^\n!Type:Bank\nD01/05/2024\nT100.00\nPFrom checking\nL[Checking]\n^\n");
        ImportScreen screen(&world.appState);
        for (QRadioButton* format : screen.findChildren<QRadioButton*>()) {
            if (format->text() == u"QIF"_s)
                format->click();
        }
        screen.chooseFiles({checking, savings});
        const QList<QComboBox*> targets = screen.findChildren<QComboBox*>(u"qifTarget"_s);
        QCOMPARE(targets.size(), 2);

        QStringList shown;
        ModalAnswer::pressInTurn({QMessageBox::Ok}, &shown);
        button(&screen, u"Import"_s)->click();
        QVERIFY2(shown.value(0).contains(u"3 transaction(s) imported"_s), qPrintable(shown.value(0)));
        QVERIFY2(shown.value(0).contains(u"1 transfer(s) linked across accounts"_s), qPrintable(shown.value(0)));
        QCOMPARE(world.appState.accounts()->all().size(), 2);
        const Transaction out = world.stored(accountNamed(world, u"Checking"_s)).constLast();
        const Transaction in = world.stored(accountNamed(world, u"Savings"_s)).constFirst();
        QCOMPARE(out.payee, u"To savings"_s);
        QCOMPARE(out.transferLinkId, in.id);
        QCOMPARE(in.transferLinkId, out.id);
        QCOMPARE(out.transferDestAccountId, in.accountId);
        QCOMPARE(in.transferDestAccountId, out.accountId);
        QCOMPARE(out.memo, QString());
        // Importing the same files again would go to the accounts just made.
        QStringList chosen;
        for (const QComboBox* target : screen.findChildren<QComboBox*>(u"qifTarget"_s))
            chosen << target->currentText();
        QCOMPARE(chosen, (QStringList{u"Checking"_s, u"Savings"_s}));
    }

    void statementsGoWhereChosenAndAddOnlyNewRows()
    {
        TestWorld world;
        const Account everyday = world.addAccount(u"Everyday"_s);
        QTemporaryDir files;
        const QDate day(2024, 5, 2);
        ImportScreen screen(&world.appState);
        for (QRadioButton* format : screen.findChildren<QRadioButton*>()) {
            if (format->text() == u"OFX / QFX"_s)
                format->click();
        }
        screen.chooseFiles({writeFile(files, u"may.ofx"_s,
            ofxStatement({{day, "-3.50", "COFFEE", "c1"}, {day, "-3.50", "COFFEE", "c2"}}))});
        QComboBox* target = screen.findChild<QComboBox*>(u"ofxTarget"_s);
        QVERIFY(target);
        QCOMPARE(target->currentText(), u"— Create new account \"021000021 5678\" —"_s);
        target->setFocus();
        target->setCurrentIndex(target->findText(u"Everyday"_s));
        QStringList shown;
        ModalAnswer::pressInTurn({QMessageBox::Ok}, &shown);
        button(&screen, u"Import"_s)->click();
        QVERIFY2(shown.value(0).contains(u"2 transaction(s) imported"_s), qPrintable(shown.value(0)));

        // Next month's statement overlaps; its account is found again.
        screen.chooseFiles({writeFile(files, u"june.ofx"_s,
            ofxStatement({{day, "-3.50", "COFFEE", "c2"}, {day.addDays(30), "-3.50", "COFFEE", "c3"}}))});
        QCOMPARE(screen.findChild<QComboBox*>(u"ofxTarget"_s)->currentText(), u"Everyday"_s);
        ModalAnswer::pressInTurn({QMessageBox::Ok}, &shown);
        button(&screen, u"Import"_s)->click();
        QVERIFY2(shown.value(1).contains(u"1 transaction(s) imported\n1 duplicate(s) skipped"_s), qPrintable(shown.value(1)));

        // A statement in euros is refused with its reason, and adds nothing.
        screen.chooseFiles({writeFile(files, u"euro.ofx"_s, ofxStatement({{day, "-9.00", "BAKERY", "e1"}}, "EUR"))});
        ModalAnswer::pressInTurn({QMessageBox::Ok}, &shown);
        button(&screen, u"Import"_s)->click();
        QVERIFY2(shown.value(2).contains(u"is in EUR, but the account \"Everyday\" is kept in USD"_s), qPrintable(shown.value(2)));
        QCOMPARE(world.stored(everyday.id).size(), 3);
        QCOMPARE(world.appState.accounts()->all().size(), 1);
    }

    void withoutAnAccountOneIsCreatedFirst()
    {
        TestWorld world;
        QTemporaryDir files;
        ImportScreen screen(&world.appState);
        screen.chooseFiles({writeFile(files, u"plain.csv"_s, "Date,Payee,Amount\n01/15/2024,Market,-12.50\n")});
        // "No target account" is answered Yes, then the new-account form is filled.
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, poll, [poll] {
            auto* dialog = qobject_cast<AccountFormDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->findChild<QLineEdit*>()->setText(u"Everyday"_s);
            dialog->accept();
            poll->deleteLater();
        });
        poll->start(20);
        QStringList shown;
        ModalAnswer::pressInTurn({QMessageBox::Yes}, &shown);
        QTimer::singleShot(300, [&shown] { ModalAnswer::pressInTurn({QMessageBox::Ok}, &shown); });
        button(&screen, u"Import"_s)->click();
        QCOMPARE(shown.size(), 2);
        const QList<Account> accounts = world.appState.accounts()->all();
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.constFirst().name, u"Everyday"_s);
        QCOMPARE(payees(world, accounts.constFirst().id), QStringList{u"Market"_s});
    }

    void cancelLeavesNothing()
    {
        TestWorld world;
        const Account checking = world.addAccount(u"Checking"_s);
        QByteArray rows = "Date,Payee,Amount\n";
        for (int row = 0; row < 1000; ++row)
            rows += "01/15/2024,Payee " + QByteArray::number(row) + ",-1.00\n";
        QTemporaryDir files;
        ImportScreen screen(&world.appState);
        screen.chooseFiles({writeFile(files, u"long.csv"_s, rows)});
        // Meanwhile keys typed elsewhere are held back, and Cancel is clicked.
        QLineEdit elsewhere;
        elsewhere.show();
        QMetaObject::Connection cancelling = connect(world.appState.importService(), &ImportService::importProgress,
            this, [&screen, &elsewhere](int current) {
                if (current < 300)
                    return;
                QTest::keyClicks(&elsewhere, u"lost"_s);
                for (QProgressDialog* progress : screen.findChildren<QProgressDialog*>())
                    QTest::mouseClick(button(progress, u"Cancel"_s), Qt::LeftButton);
            });
        QStringList shown;
        ModalAnswer::pressInTurn({QMessageBox::Ok}, &shown);
        button(&screen, u"Import"_s)->click();
        disconnect(cancelling);
        QVERIFY2(shown.value(0).contains(u"Import cancelled."_s), qPrintable(shown.value(0)));
        QVERIFY(world.stored(checking.id).isEmpty());
        QCOMPARE(elsewhere.text(), QString());
    }
};

QTEST_MAIN(TestImportScreen)
#include "tst_importscreen.moc"
