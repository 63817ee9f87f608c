#include "storage/database.h"
#include "storage/splitlinerepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QtTest>
#include <memory>

namespace {

SplitLine makeLine(const QString& id, const QString& categoryId)
{
    SplitLine line;
    line.id = id;
    line.transactionId = QStringLiteral("t");
    line.categoryId = categoryId;
    line.amount = -1234;
    line.memo = QStringLiteral("school shoes");
    line.createdAt = QDateTime::fromString(QStringLiteral("2024-01-02T03:04:05Z"), Qt::ISODate);
    line.updatedAt = QDateTime::fromString(QStringLiteral("2024-01-02T03:04:06Z"), Qt::ISODate);
    return line;
}

} // namespace

class SplitLineRepositoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void storesEveryField();
    void failedInsertLogs();

private:
    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<SplitLineRepository> m_lines;
};

void SplitLineRepositoryTest::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    m_test = std::make_unique<TestDatabase>();
    m_lines = std::make_unique<SplitLineRepository>(m_test->database());
    Database* database = m_test->database();
    QVERIFY(execute(database, QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'c', 'u')")));
    QVERIFY(execute(database, QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('clothes', 'Clothes', 'c', 'u')")));
    QVERIFY(execute(database,
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, is_split, created_at, updated_at) "
                       "VALUES ('t', 'a', '2024-01-02', 'Department Store', -5000, 1, 'c', 'u')")));
}

void SplitLineRepositoryTest::cleanup()
{
    m_lines.reset();
    m_test.reset();
}

void SplitLineRepositoryTest::storesEveryField()
{
    QVERIFY(m_lines->insert(makeLine(QStringLiteral("line-1"), QStringLiteral("clothes"))));

    QCOMPARE(scalar(m_test->database(), QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 1);
    QCOMPARE(scalar(m_test->database(),
                 QStringLiteral("SELECT id || '|' || transaction_id || '|' || category_id || '|' || amount || '|' || memo || '|' "
                                "|| created_at || '|' || updated_at FROM split_lines"))
                 .toString(),
        QStringLiteral("line-1|t|clothes|-1234|school shoes|2024-01-02T03:04:05Z|2024-01-02T03:04:06Z"));
}

void SplitLineRepositoryTest::failedInsertLogs()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!m_lines->insert(makeLine(QStringLiteral("line-1"), QStringLiteral("no-such-category"))));
}

QTEST_GUILESS_MAIN(SplitLineRepositoryTest)
#include "tst_splitlinerepository.moc"
