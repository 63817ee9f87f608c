// scripts/make-feed.sh: the update feed made from CHANGELOG.md for the
// version in CMakeLists.txt, served by the reference server and read by the
// program's own update check, so What's New shows the changelog's section
// word for word. A changelog that does not describe the version as built
// makes no feed.

#include "app/buildinfo.h"
#include "support/referenceserver.h"
#include "update/client.h"
#include "update/releasenotesfetcher.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace KestUpdate;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The lines under the version's "## [VERSION] - date" heading up to the next
// release's, read here independently of the script.
QString changelogSection(const QString& changelog, const QString& version)
{
    const QStringList lines = changelog.split(u'\n');
    QStringList section;
    bool inside = false;
    for (const QString& line : lines) {
        if (line.startsWith(u"## ["_s + version + u"] - "_s)) {
            inside = true;
            continue;
        }
        if (inside && line.startsWith(u"## "_s))
            break;
        if (inside)
            section.append(line);
    }
    return section.join(u'\n').trimmed();
}

} // namespace

class TestReleaseFeed : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void feedFromTheChangelog_data()
    {
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("by");
        QTest::addColumn<bool>("made");
        const QString heading = u"## ["_s + QStringLiteral(CHECKBOOK_VERSION) + u"] - "_s;
        QTest::newRow("this release") << QString() << QString() << true;
        QTest::newRow("no section for this version") << heading << u"## [0.0.1] - "_s << false;
        QTest::newRow("dated otherwise than the build") << heading << heading + u"1999-01-01 "_s << false;
    }
    void feedFromTheChangelog()
    {
        QFETCH(QString, replace);
        QFETCH(QString, by);
        QFETCH(bool, made);
        // The script finds the changelog and the version beside itself.
        QTemporaryDir tree;
        const QString source = QStringLiteral(CHECKBOOK_SOURCE_DIR);
        QString changelog = QString::fromUtf8(readFile(source + u"/CHANGELOG.md"_s));
        if (!replace.isEmpty())
            changelog.replace(replace, by);
        QVERIFY(writeFile(tree.filePath(u"CHANGELOG.md"_s), changelog.toUtf8()));
        QVERIFY(writeFile(tree.filePath(u"CMakeLists.txt"_s), readFile(source + u"/CMakeLists.txt"_s)));
        QVERIFY(writeFile(tree.filePath(u"scripts/make-feed.sh"_s), readFile(source + u"/scripts/make-feed.sh"_s)));
        const QByteArray package("a package of this release\n");
        QVERIFY(writeFile(tree.filePath(u"kestrelwood-checkbook_amd64.deb"_s), package));

        QTemporaryDir feed;
        ReferenceServer server(QStringLiteral(KESTRELWOOD_SERVER));
        QVERIFY(server.start({u"--feed-dir"_s, feed.path()}));
        QUrl downloads = server.baseUrl();
        downloads.setPath(u"/downloads/checkbook"_s);
        QProcess script;
        script.start(u"bash"_s, {tree.filePath(u"scripts/make-feed.sh"_s), u"--url-base"_s, downloads.toString(),
                                    feed.path(), tree.filePath(u"kestrelwood-checkbook_amd64.deb"_s)});
        QVERIFY(script.waitForFinished(30000));
        QCOMPARE(script.exitCode() == 0, made);
        if (!made) {
            QVERIFY(!script.readAllStandardError().isEmpty());
            QCOMPARE(QDir(feed.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
            return;
        }

        QUrl stable = downloads;
        stable.setPath(u"/downloads/checkbook/stable/"_s);
        Client client({u"checkbook"_s, u"stable"_s, stable, u"1.0.0"_s, QUrl()});
        QSignalSpy offered(&client, &Client::updateAvailable);
        client.check();
        QVERIFY(offered.wait(20000));
        const Artifact artifact = offered.constFirst().constFirst().value<Artifact>();
        QCOMPARE(artifact.version, QStringLiteral(CHECKBOOK_VERSION));
        QCOMPARE(artifact.size, package.size());
        QCOMPARE(artifact.sha256, QString::fromLatin1(QCryptographicHash::hash(package, QCryptographicHash::Sha256).toHex()));

        // What's New after the upgrade asks beside the manifest for the running version's notes.
        const UpdateConfig upgraded{u"checkbook"_s, u"stable"_s, stable, QStringLiteral(CHECKBOOK_VERSION), QUrl()};
        QCOMPARE(artifact.releaseNotesUrl, ReleaseNotesFetcher::englishUrlFor(upgraded));
        ReleaseNotesFetcher fetcher(upgraded);
        QSignalSpy notes(&fetcher, &ReleaseNotesFetcher::notesReady);
        fetcher.fetch();
        QVERIFY(notes.wait(20000));
        const QString section = changelogSection(changelog, QStringLiteral(CHECKBOOK_VERSION));
        QVERIFY(section.contains(u"### Added"_s));
        QCOMPARE(notes.constFirst().constFirst().toString().trimmed(), section);
    }
};

QTEST_GUILESS_MAIN(TestReleaseFeed)
#include "tst_releasefeed.moc"
