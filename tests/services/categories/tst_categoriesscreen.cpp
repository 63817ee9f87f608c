// The categories screen builds the tree two levels deep, refuses names it
// cannot keep apart while keeping the dialog and its text, deletes after a
// question that defaults to No, and keeps the selection and scroll position.

#include "services/categories/categoriesscreen.h"
#include "services/categories/categorytreemodel.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/testworld.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeView>

using namespace testworld;
using namespace Qt::StringLiterals;

using Buttons = QList<QMessageBox::StandardButton>;

class CategoriesScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_screen = std::make_unique<CategoriesScreen>(&m_world->appState);
        m_screen->resize(600, 300);
        showActive(m_screen.get());
        m_tree = child<QTreeView>(m_screen.get(), "categoryTree");
        m_model = qobject_cast<CategoryTreeModel*>(m_tree->model());
    }

    void cleanup()
    {
        m_screen.reset();
        m_world.reset();
    }

    void namesCategories_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<CategoryType>("type");
        // Ctrl+N creates beside or under the selected category, F2 renames it.
        const auto create = [](const char* name, const QString& selected, const QString& parent, CategoryType type) {
            QTest::newRow(name) << selected << Qt::Key_N << u" Garden "_s << QString() << parent << type;
        };
        create("nothing selected: top level", QString(), QString(), CategoryType::Expense);
        create("top level: its child", u"Housing"_s, u"Housing"_s, CategoryType::Expense);
        create("child: top level", u"Housing > HOA"_s, QString(), CategoryType::Expense);
        create("income parent: income child", u"Refunds"_s, u"Refunds"_s, CategoryType::Income);
        const auto refuse = [](const char* name, const QString& selected, Qt::Key key, const QString& typed,
                                const QString& refusal) {
            QTest::newRow(name) << selected << key << typed << refusal << QString() << CategoryType::Expense;
        };
        refuse("new, blank", QString(), Qt::Key_N, u"   "_s, u"Type a name for the category."_s);
        refuse("new, top-level twin", QString(), Qt::Key_N, u"groceries"_s,
            u"There is already a top-level category named \"groceries\"."_s);
        refuse("new, sibling twin", u"Housing"_s, Qt::Key_N, u"hoa"_s, u"\"Housing\" already has a category named \"hoa\"."_s);
        refuse("rename, sibling twin", u"Utilities > Gas"_s, Qt::Key_F2, u"Water"_s,
            u"\"Utilities\" already has a category named \"Water\"."_s);
        refuse("rename, blank", u"Pets"_s, Qt::Key_F2, u"  "_s, u"Type a name for the category."_s);
    }

    void namesCategories()
    {
        QFETCH(QString, selected);
        QFETCH(Qt::Key, key);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(QString, parent);
        QFETCH(CategoryType, type);
        clickCategory(selected);
        const QString selectedName = m_model->categoryAt(m_tree->currentIndex()).name;
        const int categories = m_world->appState.categories()->count();
        bool stayedOpen = false;
        QString shownRefusal;
        QString keptText;
        // Keys go to the dialog's field itself, whichever window the window
        // system has made active by then.
        whenDialogShown([&](QDialog* dialog) {
            auto* field = child<QLineEdit>(dialog, "categoryNameField");
            typeInto(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
            stayedOpen = dialog->isVisible();
            if (const auto* label = child<QLabel>(dialog, "refusalLabel"); label->isVisible())
                shownRefusal = label->text();
            keptText = field->text();
            if (stayedOpen)
                QTest::keyClick(field, Qt::Key_Escape);
        });
        press(key, key == Qt::Key_N ? Qt::ControlModifier : Qt::NoModifier);

        QCOMPARE(shownRefusal, refusal);
        QCOMPARE(stayedOpen, !refusal.isEmpty());
        if (stayedOpen) {
            QCOMPARE(keptText, typed);
            QCOMPARE(m_world->appState.categories()->count(), categories);
            QCOMPARE(m_model->categoryAt(m_tree->currentIndex()).name, selectedName);
            return;
        }
        const std::optional<Category> created = m_world->appState.categories()->byName(u"Garden"_s);
        QVERIFY(created);
        QCOMPARE(created->parentId, parent.isEmpty() ? QString() : m_world->categoryId(parent));
        QCOMPARE(created->type, type);
        QVERIFY(!created->isDefault);
        QCOMPARE(m_model->categoryAt(m_tree->currentIndex()).id, created->id);
    }

    void deletesAParentAfterAsking_data()
    {
        QTest::addColumn<Buttons>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("Yes") << Buttons{QMessageBox::Yes} << true;
        QTest::newRow("Enter takes the default No") << Buttons{QMessageBox::NoButton} << false;
    }

    void deletesAParentAfterAsking()
    {
        QFETCH(Buttons, answer);
        QFETCH(bool, deleted);
        const QString utilities = m_world->categoryId(u"Utilities"_s);
        const QString electric = m_world->categoryId(u"Electric"_s);
        const QString account = m_world->addAccount(u"Checking"_s).id;
        m_world->addTransaction(account, QDate(2024, 5, 1), u"City"_s, -4000, utilities);
        m_world->addTransaction(account, QDate(2024, 5, 2), u"Power Co"_s, -6000, electric);
        clickCategory(u"Utilities"_s);
        const QModelIndex current = m_tree->currentIndex();
        const QString nextSibling = m_model->categoryAt(current.sibling(current.row() + 1, 0)).id;

        QStringList shown;
        ModalAnswer::pressInTurn(answer, &shown);
        press(Qt::Key_Delete);

        QCOMPARE(shown, QStringList{u"Delete \"Utilities\"? Transactions using this category will become uncategorized."_s});
        QCOMPARE(m_model->indexOf(utilities).isValid(), !deleted);
        QCOMPARE(m_model->categoryAt(m_tree->currentIndex()).id, deleted ? nextSibling : utilities);
        // The children stand at the top, still naming their parent.
        QCOMPARE(m_model->indexOf(electric).parent(), deleted ? QModelIndex() : m_model->indexOf(utilities));
        QCOMPARE(m_world->appState.categories()->byId(electric)->parentId, utilities);
        // The register shows the deleted category as none; the rows keep its id.
        const QList<RegisterRow> rows = m_world->appState.transactions()->registerRows(account);
        QCOMPARE(rows.at(0).categoryName, deleted ? QString() : u"Utilities"_s);
        QCOMPARE(rows.at(0).transaction.categoryId, utilities);
        QCOMPARE(rows.at(1).categoryName, u"Electric"_s);
    }

    void renameKeepsSelectionAndScroll()
    {
        // Scrolled to the end, with the category a few rows above the bottom.
        m_tree->setFocus();
        press(Qt::Key_End);
        for (int row = 0; row < 3; ++row)
            press(Qt::Key_Up);
        const QString id = m_model->categoryAt(m_tree->currentIndex()).id;
        const int scrolled = m_tree->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);
        whenDialogShown([](QDialog* dialog) {
            auto* field = child<QLineEdit>(dialog, "categoryNameField");
            typeInto(field, u"Car"_s);
            QTest::keyClick(field, Qt::Key_Return);
        });
        press(Qt::Key_F2);

        const Category renamed = m_model->categoryAt(m_tree->currentIndex());
        QCOMPARE(renamed.id, id);
        QCOMPARE(renamed.name, u"Car"_s);
        QCOMPARE(renamed.version, 2);
        QCOMPARE(renamed.updatedAt, TestWorld::now());
        QCOMPARE(m_tree->verticalScrollBar()->value(), scrolled);
    }

private:
    // Clicks the category named by "Name" or "Parent > Name"; an empty path
    // leaves the tree with nothing selected.
    void clickCategory(const QString& path)
    {
        m_tree->setFocus();
        if (path.isEmpty())
            return;
        const QStringList names = path.split(u" > "_s);
        const QModelIndex index = m_model->indexOf(m_world->categoryId(names.last(), names.size() == 2 ? names.first() : QString()));
        m_tree->scrollTo(index);
        QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, Qt::NoModifier, m_tree->visualRect(index).center());
        QCOMPARE(m_model->categoryAt(m_tree->currentIndex()).name, names.last());
    }

    std::unique_ptr<TestWorld> m_world;
    std::unique_ptr<CategoriesScreen> m_screen;
    QTreeView* m_tree = nullptr;
    CategoryTreeModel* m_model = nullptr;
};

QTEST_MAIN(CategoriesScreenTest)
#include "tst_categoriesscreen.moc"
