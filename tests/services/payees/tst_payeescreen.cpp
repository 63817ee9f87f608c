// The payee screen renames and merges payees by rewriting the transactions
// that use them, in one database transaction, stamped like every other
// write; it asks before payees become one and refuses visibly.

#include "services/payees/payeescreen.h"
#include "storage/payeelist.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

using namespace testworld;
using namespace Qt::StringLiterals;

using Buttons = QList<QMessageBox::StandardButton>;

class PayeeScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        const QString checking = m_world->addAccount(u"Checking"_s).id;
        const QString savings = m_world->addAccount(u"Savings"_s).id;
        for (const QString& payee : {u"Bakery"_s, u"Bakery"_s, u"Cafe"_s, u"Cafe"_s, u"Grocer"_s})
            m_world->addTransaction(checking, QDate(2024, 5, 1), payee, -500);
        m_world->addTransaction(savings, QDate(2024, 5, 2), u"Cafe"_s, -700);
        QVERIFY(m_world->appState.transactions()->softDelete(m_world->addTransaction(savings, QDate(2024, 5, 3), u"Cafe"_s, -900).id));

        m_screen = std::make_unique<PayeeScreen>(&m_world->appState);
        showActive(m_screen.get());
        m_list = child<QListWidget>(m_screen.get(), "payeeList");
    }

    void cleanup()
    {
        m_screen.reset();
        m_world.reset();
    }

    void rewritesPayees_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Buttons>("answers");
        QTest::addColumn<QStringList>("shownTexts");
        QTest::addColumn<QStringList>("payeesAfter");
        QTest::addColumn<int>("rewrittenRows");

        // Each row: the payees selected, the name typed, the button, the
        // answers to the boxes, the texts shown (boxes, then a refusal), the
        // payees afterwards and the number of rows rewritten.
        const QStringList all{u"Bakery"_s, u"Cafe"_s, u"Grocer"_s};
        const QString rename = u"renameButton"_s;
        const QString merge = u"mergeButton"_s;
        QTest::newRow("rename across accounts") << QStringList{u"Cafe"_s} << u" Corner Cafe "_s << rename
            << Buttons{QMessageBox::Ok} << QStringList{u"Renamed 3 transaction(s)."_s}
            << QStringList{u"Bakery"_s, u"Corner Cafe"_s, u"Grocer"_s} << 3;
        QTest::newRow("rename into an existing payee asks") << QStringList{u"Grocer"_s} << u"Bakery"_s << rename
            << Buttons{QMessageBox::Yes, QMessageBox::Ok}
            << QStringList{u"Merge 2 payees into \"Bakery\"?"_s, u"Renamed 1 transaction(s)."_s}
            << QStringList{u"Bakery"_s, u"Cafe"_s} << 1;
        QTest::newRow("merge into the typed name") << QStringList{u"Cafe"_s, u"Grocer"_s} << u"Bakery"_s << merge
            << Buttons{QMessageBox::Yes, QMessageBox::Ok}
            << QStringList{u"Merge 2 payees into \"Bakery\"?"_s, u"Merged 4 transaction(s)."_s} << QStringList{u"Bakery"_s} << 4;
        QTest::newRow("merge into the first selected") << QStringList{u"Bakery"_s, u"Grocer"_s} << QString() << merge
            << Buttons{QMessageBox::Yes, QMessageBox::Ok}
            << QStringList{u"Merge 2 payees into \"Bakery\"?"_s, u"Merged 1 transaction(s)."_s}
            << QStringList{u"Bakery"_s, u"Cafe"_s} << 1;
        QTest::newRow("Enter takes the default No") << QStringList{u"Cafe"_s, u"Grocer"_s} << u"Bakery"_s << merge
            << Buttons{QMessageBox::NoButton} << QStringList{u"Merge 2 payees into \"Bakery\"?"_s} << all << 0;
        QTest::newRow("merge needs two") << QStringList{u"Cafe"_s} << u"Bakery"_s << merge << Buttons{QMessageBox::Ok}
            << QStringList{u"Select 2 or more payees to merge."_s} << all << 0;
        QTest::newRow("rename needs a name") << QStringList{u"Cafe"_s} << u"   "_s << rename << Buttons{}
            << QStringList{u"Type the new name under \"Rename to:\" first."_s} << all << 0;
        QTest::newRow("rename needs a payee") << QStringList{} << u"Corner Cafe"_s << rename << Buttons{}
            << QStringList{u"Select the payees to rename first."_s} << all << 0;
    }

    void rewritesPayees()
    {
        QFETCH(QStringList, selected);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(Buttons, answers);
        QFETCH(QStringList, shownTexts);
        QFETCH(QStringList, payeesAfter);
        QFETCH(int, rewrittenRows);
        QSignalSpy changed(m_screen.get(), &PayeeScreen::payeesChanged);

        for (const QString& payee : selected) {
            QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                m_list->visualItemRect(m_list->findItems(payee, Qt::MatchExactly).first()).center());
        }
        auto* field = child<QLineEdit>(m_screen.get(), "renameField");
        typeInto(field, typed);
        QStringList shown;
        ModalAnswer::pressInTurn(answers, &shown);
        QTest::mouseClick(m_screen->findChild<QPushButton*>(button), Qt::LeftButton);
        if (const auto* refusal = child<QLabel>(m_screen.get(), "refusalLabel"); refusal->isVisible())
            shown.append(refusal->text());

        QCOMPARE(shown, shownTexts);
        QCOMPARE(field->text(), typed);
        QCOMPARE(m_world->appState.transactions()->payees(), payeesAfter);
        // The register's payee completion follows the repository's change signal.
        QCOMPARE(m_world->appState.payees()->completions(), payeesAfter);
        QCOMPARE(changed.count(), rewrittenRows > 0 ? 1 : 0);
        const QString target = typed.trimmed().isEmpty() ? selected.value(0) : typed.trimmed();
        QCOMPARE(selectedTexts(), rewrittenRows > 0 ? QStringList{target} : selected);

        // Rewritten rows, and only they (not the deleted Cafe), carry the
        // clock's ISO stamp, a raised version and are pending.
        Database* database = m_world->appState.database();
        QCOMPARE(scalar(database, u"SELECT COUNT(*) FROM transactions WHERE version = 2 AND updated_at = ? "
                                  "AND sync_status = 'pending'"_s, {u"2024-05-20T12:00:00Z"_s}).toInt(), rewrittenRows);
        QCOMPARE(scalar(database, u"SELECT COUNT(*) FROM transactions WHERE version != 1"_s).toInt(), rewrittenRows);
        QCOMPARE(scalar(database, u"SELECT COUNT(*) FROM transactions WHERE updated_at NOT LIKE '____-__-__T__:__:__%Z'"_s)
                     .toInt(), 0);
    }

private:
    QStringList selectedTexts() const
    {
        QStringList texts;
        for (int row = 0; row < m_list->count(); ++row) {
            if (m_list->item(row)->isSelected())
                texts.append(m_list->item(row)->text());
        }
        return texts;
    }

    std::unique_ptr<TestWorld> m_world;
    std::unique_ptr<PayeeScreen> m_screen;
    QListWidget* m_list = nullptr;
};

QTEST_MAIN(PayeeScreenTest)
#include "tst_payeescreen.moc"
