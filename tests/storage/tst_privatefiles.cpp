#include "storage/privatefiles.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// Permissions are a Unix concern: elsewhere the helpers only create.
#ifdef Q_OS_UNIX
#include <sys/stat.h>

namespace {

int modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

int changeMode(const QString& path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode);
}

} // namespace

class PrivateFilesTest : public QObject
{
    Q_OBJECT

    mode_t m_umask = 0;

private Q_SLOTS:
    // The most permissive umask: whatever is private was made so on purpose.
    void initTestCase() { m_umask = umask(0); }
    void cleanupTestCase() { umask(m_umask); }

    // What a first start creates is its owner's only (the application test
    // checks every file and directory of one); what already exists is the
    // user's to arrange, permissions and contents alike.
    void leavesWhatExistsAsItIs()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkdir(u"share"_s));
        QCOMPARE(changeMode(root.filePath(u"share"_s), 0755), 0);
        QVERIFY(makePrivateDirectory(root.filePath(u"share/Kestrelwood"_s)));
        QCOMPARE(modeOf(root.filePath(u"share"_s)), 0755);
        QCOMPARE(modeOf(root.filePath(u"share/Kestrelwood"_s)), 0700);

        QFile existing(root.filePath(u"Checkbook.conf"_s));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("[ui]\nlanguage=de\n");
        existing.close();
        QCOMPARE(changeMode(existing.fileName(), 0644), 0);
        QVERIFY(ensurePrivateFile(existing.fileName()));
        QCOMPARE(modeOf(existing.fileName()), 0644);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("[ui]\nlanguage=de\n"));
    }
};

QTEST_GUILESS_MAIN(PrivateFilesTest)
#include "tst_privatefiles.moc"
#else
QTEST_NOOP_MAIN
#endif
