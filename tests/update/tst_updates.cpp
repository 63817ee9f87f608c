#include "app/mainwindow.h"
#include "app/updatewatch.h"
#include "storage/preferencesrepository.h"
#include "support/referenceserver.h"
#include "support/testworld.h"
#include "update/client.h"
#include "update/manifest.h"
#include "update/notesbrowser.h"
#include "update/releasenotesfetcher.h"
#include "update/updatedialog.h"
#include "update/whatsnewdialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <memory>

using namespace Qt::StringLiterals;
using namespace KestUpdate;

namespace {

const QString sha = QString(64, u'a');

QJsonObject artifactJson(const QString& version, const QString& minUpgradableFrom = QString())
{
    QJsonObject artifact{{u"version"_s, version}, {u"released_at"_s, u"2026-11-30T10:00:00Z"_s},
        {u"url"_s, u"https://downloads.example.org/checkbook-%1.tar.gz"_s.arg(version)}, {u"size"_s, 1234},
        {u"sha256"_s, sha}};
    if (!minUpgradableFrom.isEmpty())
        artifact.insert(u"min_upgradable_from"_s, minUpgradableFrom);
    return artifact;
}

QByteArray manifestJson(const QJsonObject& artifacts)
{
    return QJsonDocument(QJsonObject{{u"schema"_s, 1}, {u"app"_s, u"checkbook"_s}, {u"channel"_s, u"stable"_s},
                                    {u"artifacts"_s, artifacts}})
        .toJson();
}

QByteArray withMember(const QString& key, const QJsonValue& value)
{
    QJsonObject root = QJsonDocument::fromJson(manifestJson({{u"linux-x64"_s, artifactJson(u"1.1.0"_s)}})).object();
    if (value.isUndefined())
        root.remove(key);
    else
        root.insert(key, value);
    return QJsonDocument(root).toJson();
}

QByteArray withArtifactMember(const QString& key, const QJsonValue& value)
{
    QJsonObject artifact = artifactJson(u"1.1.0"_s);
    if (value.isUndefined())
        artifact.remove(key);
    else
        artifact.insert(key, value);
    return manifestJson({{u"linux-x64"_s, artifact}});
}

// The reference server serving a release feed from a folder of its own.
class FeedServer
{
public:
    bool start() { return m_server.start({u"--feed-dir"_s, m_feed.path()}); }

    // Writes `bytes` to `path` under the feed folder.
    void put(const QString& path, const QByteArray& bytes)
    {
        const QString file = m_feed.filePath(path);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    UpdateConfig config(const QString& running) const
    {
        QUrl feed = m_server.baseUrl();
        feed.setPath(u"/downloads/checkbook/stable/"_s);
        return {u"checkbook"_s, u"stable"_s, feed, running, QUrl()};
    }

private:
    QTemporaryDir m_feed;
    ReferenceServer m_server{QStringLiteral(KESTRELWOOD_SERVER)};
};

// Records the URLs the program asks the system browser to open.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    BrowserStandIn()
    {
        for (const QString& scheme : {u"https"_s, u"http"_s, u"file"_s, u"smb"_s})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~BrowserStandIn() override
    {
        for (const QString& scheme : {u"https"_s, u"http"_s, u"file"_s, u"smb"_s})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

QString outcomeOf(Client& client)
{
    QString outcome;
    QObject::connect(&client, &Client::updateAvailable, &client,
        [&outcome](const Artifact& artifact) { outcome = u"update "_s + artifact.version; });
    QObject::connect(&client, &Client::upToDate, &client, [&outcome] { outcome = u"up to date"_s; });
    QObject::connect(&client, &Client::checkFailed, &client, [&outcome](const QString& reason) { outcome = reason; });
    client.check();
    if (!QTest::qWaitFor([&outcome] { return !outcome.isEmpty(); }, 20000))
        return u"no answer"_s;
    return outcome;
}

QString notesOf(ReleaseNotesFetcher& fetcher)
{
    QString notes;
    QObject::connect(&fetcher, &ReleaseNotesFetcher::notesReady, &fetcher, [&notes](const QString& text) { notes = text; });
    QObject::connect(&fetcher, &ReleaseNotesFetcher::notesUnavailable, &fetcher, [&notes] { notes = u"unavailable"_s; });
    fetcher.fetch();
    if (!QTest::qWaitFor([&notes] { return !notes.isEmpty(); }, 20000))
        return u"no answer"_s;
    return notes;
}

template<typename Dialog>
QList<Dialog*> openDialogs()
{
    QList<Dialog*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible())
            dialogs.append(dialog);
    }
    return dialogs;
}

} // namespace

class TestUpdates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void manifestIsChecked_data();
    void manifestIsChecked();
    void checkDecides_data();
    void checkDecides();
    void notesInTheInterfaceLanguage_data();
    void notesInTheInterfaceLanguage();
    void onlySafeUrlsOpen_data();
    void onlySafeUrlsOpen();
    void notesShowNoRawHtmlAndCheckLinks();
    void updateOfferedOncePerVersion();
    void whatsNewShownOnceAfterUpgrade();
    void helpMenuSaysUpToDate();

private:
    FeedServer m_server;
};

void TestUpdates::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_server.start());
}

void TestUpdates::manifestIsChecked_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");

    QTest::newRow("valid") << manifestJson({{u"linux-x64"_s, artifactJson(u"1.1.0"_s)}}) << QString();
    QTest::newRow("not JSON") << QByteArray("<html>") << u"JSON parse error: illegal value"_s;
    QTest::newRow("array") << QByteArray("[]") << u"manifest root is not a JSON object"_s;
    QTest::newRow("no schema") << withMember(u"schema"_s, QJsonValue::Undefined) << u"missing or non-integer field: schema"_s;
    QTest::newRow("schema as text") << withMember(u"schema"_s, u"1"_s) << u"missing or non-integer field: schema"_s;
    QTest::newRow("schema 2") << withMember(u"schema"_s, 2) << u"unsupported manifest schema: 2 (expected 1)"_s;
    QTest::newRow("no app") << withMember(u"app"_s, QJsonValue::Undefined) << u"missing or non-string field: app"_s;
    QTest::newRow("channel a number") << withMember(u"channel"_s, 3) << u"missing or non-string field: channel"_s;
    QTest::newRow("empty app") << withMember(u"app"_s, u""_s) << u"manifest failed validation"_s;
    QTest::newRow("no artifacts") << withMember(u"artifacts"_s, QJsonValue::Undefined)
                                  << u"missing or non-object field: artifacts"_s;
    QTest::newRow("artifacts empty") << withMember(u"artifacts"_s, QJsonObject()) << u"manifest failed validation"_s;
    QTest::newRow("artifact not an object") << withMember(u"artifacts"_s, QJsonObject{{u"linux-x64"_s, 1}})
                                            << u"artifact linux-x64 is not an object"_s;
    QTest::newRow("no url") << withArtifactMember(u"url"_s, QJsonValue::Undefined) << u"missing or non-string field: url"_s;
    const QString failed = u"artifact linux-x64 failed validation"_s;
    QTest::newRow("sha256 of 63") << withArtifactMember(u"sha256"_s, QString(63, u'a')) << failed;
    QTest::newRow("size 0") << withArtifactMember(u"size"_s, 0) << failed;
    QTest::newRow("no size") << withArtifactMember(u"size"_s, QJsonValue::Undefined) << failed;
    QTest::newRow("bad date") << withArtifactMember(u"released_at"_s, u"yesterday"_s) << failed;
    QTest::newRow("bad url") << withArtifactMember(u"url"_s, u"http://exa mple.org/%zz"_s) << failed;
    QTest::newRow("version not a number") << withArtifactMember(u"version"_s, u"next"_s) << failed;
    QTest::newRow("bad minimum") << withArtifactMember(u"min_upgradable_from"_s, u"1.x"_s) << failed;
}

void TestUpdates::manifestIsChecked()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString found;
    const std::optional<Manifest> manifest = Manifest::parse(json, &found);
    QCOMPARE(found, error);
    QCOMPARE(manifest.has_value(), error.isEmpty());
}

void TestUpdates::checkDecides_data()
{
    QTest::addColumn<QString>("running");
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<QString>("outcome");

    const auto forLinux = [](const QString& version, const QString& minimum = QString()) {
        return manifestJson({{u"linux-x64"_s, artifactJson(version, minimum)}});
    };
    QTest::newRow("same version") << u"1.0.7"_s << forLinux(u"1.0.7"_s) << u"up to date"_s;
    QTest::newRow("older published") << u"1.0.7"_s << forLinux(u"1.0.6"_s) << u"up to date"_s;
    QTest::newRow("numbers, not text") << u"1.0.7"_s << forLinux(u"1.0.10"_s) << u"update 1.0.10"_s;
    QTest::newRow("running pre-release") << u"1.0.7-beta"_s << forLinux(u"1.0.1"_s) << u"update 1.0.1"_s;
    QTest::newRow("too old to upgrade") << u"1.0.7"_s << forLinux(u"1.2.0"_s, u"1.1.0"_s)
                                        << u"current version 1.0.7 is older than min_upgradable_from 1.1.0; please "
                                           "upgrade to an intermediate release first"_s;
    QTest::newRow("old enough to upgrade") << u"1.1.0"_s << forLinux(u"1.2.0"_s, u"1.1.0"_s) << u"update 1.2.0"_s;
    // The Windows build is never offered to this platform.
    QTest::newRow("only for Windows") << u"1.0.7"_s
                                      << manifestJson({{u"windows-x64"_s, artifactJson(u"9.0.0"_s)}}) << u"up to date"_s;
    QTest::newRow("schema 2") << u"1.0.7"_s << withMember(u"schema"_s, 2)
                              << u"manifest invalid: unsupported manifest schema: 2 (expected 1)"_s;
    QTest::newRow("over 1 MB") << u"1.0.7"_s << QByteArray(1100 * 1024, ' ') + forLinux(u"9.0.0"_s)
                               << u"network error: the manifest is larger than 1 MB"_s;
}

void TestUpdates::checkDecides()
{
    QFETCH(QString, running);
    QFETCH(QByteArray, manifest);
    QFETCH(QString, outcome);
    QCOMPARE(platformKey(), u"linux-x64"_s);
    m_server.put(u"checkbook/stable/latest.json"_s, manifest);
    Client client(m_server.config(running));
    QCOMPARE(outcomeOf(client), outcome);
}

void TestUpdates::notesInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("notes");

    QTest::newRow("German notes") << u"de_DE"_s << u"Neu: Kategorien"_s;
    QTest::newRow("French missing") << u"fr_FR"_s << u"New: categories"_s;
    QTest::newRow("Japanese blank") << u"ja_JP"_s << u"New: categories"_s;
    QTest::newRow("English") << u"en_US"_s << u"New: categories"_s;
}

void TestUpdates::notesInTheInterfaceLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, notes);
    m_server.put(u"checkbook/1.0.7/release-notes.md"_s, "New: categories\n");
    m_server.put(u"checkbook/1.0.7/release-notes.de.md"_s, "Neu: Kategorien\n");
    m_server.put(u"checkbook/1.0.7/release-notes.ja.md"_s, "  \n");
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    ReleaseNotesFetcher fetcher(m_server.config(u"1.0.7"_s));
    const QString fetched = notesOf(fetcher);
    QLocale::setDefault(previous);
    QCOMPARE(fetched, notes);
}

void TestUpdates::onlySafeUrlsOpen_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("opens");

    QTest::newRow("https") << QUrl(u"https://downloads.example.org/checkbook.tar.gz"_s) << true;
    QTest::newRow("http on loopback") << QUrl(u"http://127.0.0.1:8080/checkbook.tar.gz"_s) << true;
    QTest::newRow("http to localhost") << QUrl(u"http://localhost:8080/x"_s) << true;
    QTest::newRow("http elsewhere") << QUrl(u"http://downloads.example.org/checkbook.tar.gz"_s) << false;
    QTest::newRow("local file") << QUrl(u"file:///tmp/setup.sh"_s) << false;
    QTest::newRow("network share") << QUrl(u"smb://server/share/setup.exe"_s) << false;
    QTest::newRow("empty") << QUrl() << false;
}

void TestUpdates::onlySafeUrlsOpen()
{
    QFETCH(QUrl, url);
    QFETCH(bool, opens);
    BrowserStandIn browser;
    Artifact artifact;
    artifact.version = u"1.1.0"_s;
    artifact.url = url;
    UpdateDialog dialog(artifact, u"1.0.7"_s, u"Kestrelwood Checkbook"_s, QUrl());
    dialog.findChild<QDialogButtonBox*>()->buttons().constFirst()->click();
    QCOMPARE(browser.opened, opens ? QList<QUrl>{url} : QList<QUrl>());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestUpdates::notesShowNoRawHtmlAndCheckLinks()
{
    BrowserStandIn browser;
    WhatsNewDialog dialog(u"**Faster** <b>raw</b><img src=\"file:///etc/passwd\">\n\n[site](https://kestrelwood.app/) "
                          "[run](file:///tmp/setup.sh)"_s,
        u"Kestrelwood Checkbook"_s, u"1.0.7"_s, u"1.0.7"_s);
    auto* notes = dialog.findChild<NotesBrowser*>(u"releaseNotes"_s);
    QVERIFY(!notes->toHtml().contains(u"<img"_s));
    QVERIFY(!notes->toHtml().contains(u"passwd\""_s));
    for (const QString& link : {u"https://kestrelwood.app/"_s, u"file:///tmp/setup.sh"_s})
        Q_EMIT notes->anchorClicked(QUrl(link));
    QCOMPARE(browser.opened, QList<QUrl>{QUrl(u"https://kestrelwood.app/"_s)});
}

void TestUpdates::updateOfferedOncePerVersion()
{
    TestWorld world;
    QWidget window;
    UpdateWatch watch(m_server.config(u"1.0.7"_s), world.appState.preferences(), &window);
    Artifact artifact;
    artifact.version = u"1.1.0"_s;
    artifact.url = QUrl(u"https://downloads.example.org/x"_s);
    artifact.mandatory = true;

    watch.offerUpdate(artifact);
    QList<UpdateDialog*> shown = openDialogs<UpdateDialog>();
    QCOMPARE(shown.size(), 1);
    // A release that must be taken has no Later.
    QCOMPARE(shown.constFirst()->findChild<QDialogButtonBox*>()->buttons().size(), 1);
    shown.constFirst()->close();
    QCOMPARE(world.appState.preferences()->get(u"update_dismissed_version"_s, QString()), u"1.1.0"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    watch.offerUpdate(artifact);
    QVERIFY(openDialogs<UpdateDialog>().isEmpty());
    artifact.version = u"1.1.1"_s;
    watch.offerUpdate(artifact);
    QCOMPARE(openDialogs<UpdateDialog>().size(), 1);
    openDialogs<UpdateDialog>().constFirst()->close();
}

void TestUpdates::whatsNewShownOnceAfterUpgrade()
{
    TestWorld world;
    QSettings().setValue(u"whatsNew/lastShownVersion"_s, u"1.0.6"_s);
    m_server.put(u"checkbook/1.0.7/release-notes.md"_s, "New: categories\n");
    QWidget window;
    UpdateWatch watch(m_server.config(u"1.0.7"_s), world.appState.preferences(), &window);

    watch.showWhatsNewWhenUpgraded();
    QVERIFY(QTest::qWaitFor([] { return openDialogs<WhatsNewDialog>().size() == 1; }, 20000));
    QCOMPARE(QSettings().value(u"whatsNew/lastShownVersion"_s).toString(), u"1.0.7"_s);
    // A newer release found while the notes are open is offered once they are closed.
    Artifact newer;
    newer.version = u"1.1.0"_s;
    newer.url = QUrl(u"https://downloads.example.org/x"_s);
    watch.offerUpdate(newer);
    QVERIFY(openDialogs<UpdateDialog>().isEmpty());
    openDialogs<WhatsNewDialog>().constFirst()->close();
    QCOMPARE(openDialogs<UpdateDialog>().size(), 1);
    openDialogs<UpdateDialog>().constFirst()->close();

    // The same version again: the notes were seen.
    watch.showWhatsNewWhenUpgraded();
    QCoreApplication::processEvents();
    QCOMPARE(QSettings().value(u"whatsNew/lastShownVersion"_s).toString(), u"1.0.7"_s);
}

void TestUpdates::helpMenuSaysUpToDate()
{
    TestWorld world;
    m_server.put(u"checkbook/stable/latest.json"_s, manifestJson({{u"linux-x64"_s, artifactJson(u"1.0.7"_s)}}));
    qputenv("CHECKBOOK_UPDATE_URL", m_server.config(QString()).manifestBaseUrl.toString().toUtf8());
    QCoreApplication::setApplicationVersion(u"1.0.7"_s);
    MainWindow window(&world.appState);
    testworld::menuAction(window, u"&Help"_s, u"Check for &Updates..."_s)->trigger();
    QVERIFY(QTest::qWaitFor(
        [&window] { return window.statusBar()->currentMessage() == u"Kestrelwood Checkbook is up to date (version 1.0.7)"_s; },
        20000));
    qunsetenv("CHECKBOOK_UPDATE_URL");
}

QTEST_MAIN(TestUpdates)
#include "tst_updates.moc"
