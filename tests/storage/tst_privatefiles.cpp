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

    void createsEachMissingDirectoryForOwnerOnly()
    {
        QTemporaryDir root;
        QCOMPARE(changeMode(root.path(), 0755), 0);

        QVERIFY(makePrivateDirectory(root.filePath(u"share/Kestrelwood/Checkbook"_s)));
        QCOMPARE(modeOf(root.path()), 0755);
        for (const char* created : {"share", "share/Kestrelwood", "share/Kestrelwood/Checkbook"})
            QCOMPARE(modeOf(root.filePath(QLatin1String(created))), 0700);

        // Existing directories are the user's to arrange.
        QCOMPARE(changeMode(root.filePath(u"share"_s), 0755), 0);
        QVERIFY(makePrivateDirectory(root.filePath(u"share/Other"_s)));
        QCOMPARE(modeOf(root.filePath(u"share"_s)), 0755);
        QCOMPARE(modeOf(root.filePath(u"share/Other"_s)), 0700);
    }

    void refusesDirectoryBehindFile()
    {
        QTemporaryDir root;
        QFile blocker(root.filePath(u"Kestrelwood"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!makePrivateDirectory(root.filePath(u"Kestrelwood/Checkbook"_s)));
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
    }

    // A missing file is created empty for its owner only; an existing one is
    // the user's, contents and permissions alike.
    void createsOnlyAMissingFileForOwnerOnly()
    {
        QTemporaryDir root;
        const QString created = root.filePath(u"Checkbook.conf"_s);
        QVERIFY(ensurePrivateFile(created));
        QCOMPARE(modeOf(created), 0600);
        QCOMPARE(QFileInfo(created).size(), 0);

        QFile existing(root.filePath(u"Other.conf"_s));
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
