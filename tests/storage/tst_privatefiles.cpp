#include "storage/privatefiles.h"

#include <QtTest>

// Permissions are a Unix concern: elsewhere the helpers only create.
#ifdef Q_OS_UNIX
#include <sys/stat.h>

namespace {

int modeOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return static_cast<int>(info.st_mode & 0777);
}

int changeMode(const QString& path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode);
}

} // namespace

class PrivateFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The most permissive umask: whatever is private was made so on purpose.
        m_umask = umask(0);
    }
    void cleanupTestCase()
    {
        umask(m_umask);
    }
    void createsEachMissingDirectoryForOwnerOnly()
    {
        QTemporaryDir root;
        QCOMPARE(changeMode(root.path(), 0755), 0);

        QVERIFY(makePrivateDirectory(root.filePath(QStringLiteral("share/Kestrelwood/Checkbook"))));
        QCOMPARE(modeOf(root.path()), 0755);
        for (const char* created : {"share", "share/Kestrelwood", "share/Kestrelwood/Checkbook"})
            QCOMPARE(modeOf(root.filePath(QLatin1String(created))), 0700);

        // Existing directories are the user's to arrange.
        QCOMPARE(changeMode(root.filePath(QStringLiteral("share")), 0755), 0);
        QVERIFY(makePrivateDirectory(root.filePath(QStringLiteral("share/Other"))));
        QCOMPARE(modeOf(root.filePath(QStringLiteral("share"))), 0755);
        QCOMPARE(modeOf(root.filePath(QStringLiteral("share/Other"))), 0700);
    }
    void refusesDirectoryBehindFile()
    {
        QTemporaryDir root;
        QFile blocker(root.filePath(QStringLiteral("Kestrelwood")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!makePrivateDirectory(root.filePath(QStringLiteral("Kestrelwood/Checkbook"))));
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
    }
    void createsMissingFileForOwnerOnly()
    {
        QTemporaryDir root;
        const QString path = root.filePath(QStringLiteral("Checkbook.conf"));
        QVERIFY(ensurePrivateFile(path));
        QCOMPARE(modeOf(path), 0600);
        QCOMPARE(QFileInfo(path).size(), 0);
    }
    void leavesExistingFileAlone()
    {
        QTemporaryDir root;
        const QString path = root.filePath(QStringLiteral("Checkbook.conf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[ui]\nlanguage=de\n");
        file.close();
        QCOMPARE(changeMode(path, 0644), 0);

        QVERIFY(ensurePrivateFile(path));
        QCOMPARE(modeOf(path), 0644);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[ui]\nlanguage=de\n"));
    }

private:
    mode_t m_umask = 0;
};

QTEST_GUILESS_MAIN(PrivateFilesTest)
#include "tst_privatefiles.moc"
#else
QTEST_NOOP_MAIN
#endif
