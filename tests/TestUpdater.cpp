#include "Appcast.h"
#include "LocalHttpServer.h"
#include "UpdateChecker.h"
#include "UpdateDialog.h"
#include "winsparkle.h"

#include <QApplication>
#include <QDesktopServices>
#include <QNetworkProxy>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using kestrano::updater::UpdateChecker;
using kestrano::updater::UpdateCheckResult;
using kestrano::updater::UpdateDialog;
using Outcome = kestrano::updater::UpdateCheckResult::Outcome;

namespace {

// An appcast around the given items. The prefix is bound to a namespace of
// the test's own: the reader goes by local names only.
QByteArray appcast(const QByteArray& items)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<rss version=\"2.0\" xmlns:sparkle=\"urn:kestrano-test:appcast\">\n"
           "<channel><title>Kestrano</title>\n" +
           items + "</channel></rss>\n";
}

QByteArray enclosureItem(const QByteArray& version, const QByteArray& extra = {})
{
    return "<item><title>Version " + version +
           "</title><enclosure url=\"https://downloads.example.org/kestrano-" + version +
           ".exe\" sparkle:version=\"" + version + "\" length=\"1000\" " + extra +
           " type=\"application/octet-stream\"/></item>\n";
}

const QByteArray newerFeed =
    appcast(enclosureItem("2.7.0") + enclosureItem("2.8.0") + enclosureItem("2.7.1"));
const QByteArray olderFeed = appcast(enclosureItem("2.7.1") + enclosureItem("2.6"));
const QByteArray malformedFeed = appcast("<item><title>Version 2.8</item>");

template <typename T> T* findTopLevel()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* match = qobject_cast<T*>(widget)) {
            return match;
        }
    }
    return nullptr;
}

} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

public slots:
    void receiveUrl(const QUrl& url) { openedUrls << url; }

private slots:
    void initTestCase();

    void compareVersions_data();
    void compareVersions();
    void evaluateAppcast_data();
    void evaluateAppcast();
    void itemDetails();

    void checkerReports_data();
    void checkerReports();
    void silentServerTimesOut();
    void cancelAbandonsTheDownload();

    void dialogOffersWhatTheResultHas();
    void closingWhileCheckingCancels();

    void interfaceChecksInItsOwnDialog();
    void cleanupCancelsACheckInFlight();

private:
    LocalHttpServer server;
    QList<QUrl> openedUrls;
};

void TestUpdater::initTestCase()
{
    // Whatever proxy the environment names, the local server is reached
    // directly.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QCoreApplication::setApplicationName(QStringLiteral("Kestrano"));
    QVERIFY(server.listen());
    server.route("/newer.xml", {200, "OK", newerFeed, false});
    server.route("/older.xml", {200, "OK", olderFeed, false});
    server.route("/malformed.xml", {200, "OK", malformedFeed, false});
    server.route("/silent.xml", {200, "OK", {}, true});
}

void TestUpdater::compareVersions_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("same") << "2.7.1"
                          << "2.7.1" << 0;
    QTest::newRow("missing parts are zero") << "2.7.1"
                                            << "2.7.1.0" << 0;
    QTest::newRow("leading zeros") << "02.07.1"
                                   << "2.7.1" << 0;
    QTest::newRow("surrounding space") << " 2.8 "
                                       << "2.8" << 0;
    QTest::newRow("more parts") << "2.7"
                                << "2.7.1" << -1;
    QTest::newRow("numeric, not textual") << "2.7.10"
                                          << "2.7.9" << 1;
    QTest::newRow("earlier part decides") << "3.0"
                                          << "2.99.99" << 1;
    QTest::newRow("pre-release before release") << "2.8beta"
                                                << "2.8" << -1;
    QTest::newRow("pre-release after the previous") << "2.8-rc1"
                                                    << "2.7.9" << 1;
    QTest::newRow("pre-releases in order") << "2.8-rc2"
                                           << "2.8-rc1" << 1;
    QTest::newRow("no overflow") << "2.123456789012345678901234567890"
                                 << "2.123456789012345678901234567889" << 1;
}

void TestUpdater::compareVersions()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    QCOMPARE(kestrano::updater::compareVersions(a, b), expected);
    QCOMPARE(kestrano::updater::compareVersions(b, a), -expected);
}

void TestUpdater::evaluateAppcast_data()
{
    QTest::addColumn<QByteArray>("feed");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("newest");  // the release picked, if any
    QTest::addColumn<QString>("failure"); // a piece of the reason, if failed

    QTest::newRow("newer, not listed first") << newerFeed << Outcome::UpdateAvailable << "2.8.0"
                                             << "";
    QTest::newRow("older and same") << olderFeed << Outcome::UpToDate << "2.7.1"
                                    << "";
    QTest::newRow("version as item elements")
        << appcast("<item><sparkle:version>2.9</sparkle:version>"
                   "<sparkle:shortVersionString>2.9 beta</sparkle:shortVersionString>"
                   "<enclosure url=\"https://example.org/k.exe\" sparkle:version=\"2.0\"/></item>")
        << Outcome::UpdateAvailable << "2.9"
        << "";
    QTest::newRow("short version only")
        << appcast("<item><enclosure url=\"https://example.org/k.exe\" "
                   "sparkle:shortVersionString=\"2.7.2\"/></item>")
        << Outcome::UpdateAvailable << "2.7.2"
        << "";
    QTest::newRow("releases for other systems do not count")
        << appcast(enclosureItem("3.0", "sparkle:os=\"windows\"") + enclosureItem("2.7.1"))
        << Outcome::UpToDate << "2.7.1"
        << "";
    QTest::newRow("release for this system")
        << appcast(enclosureItem("3.0", "sparkle:os=\"Linux\"")) << Outcome::UpdateAvailable
        << "3.0"
        << "";
    QTest::newRow("only other systems")
        << appcast(enclosureItem("3.0", "sparkle:os=\"macos\"")) << Outcome::UpToDate << ""
        << "";
    QTest::newRow("item without version is skipped")
        << appcast("<item><title>News</title></item>" + enclosureItem("2.7.1")) << Outcome::UpToDate
        << "2.7.1"
        << "";
    QTest::newRow("malformed") << malformedFeed << Outcome::Failed << ""
                               << "line 4";
    QTest::newRow("damage after the items")
        << QByteArray(newerFeed).replace("</rss>", "</rss><rss>") << Outcome::Failed << ""
        << "could not be read";
    QTest::newRow("web page") << QByteArray("<html><body>Moved</body></html>") << Outcome::Failed
                              << ""
                              << "not an RSS feed";
    QTest::newRow("no channel") << QByteArray("<rss version=\"2.0\"/>") << Outcome::Failed << ""
                                << "no channel";
    QTest::newRow("no releases") << appcast("") << Outcome::Failed << ""
                                 << "no release";
}

void TestUpdater::evaluateAppcast()
{
    QFETCH(QByteArray, feed);
    QFETCH(Outcome, outcome);
    QFETCH(QString, newest);
    QFETCH(QString, failure);
    const UpdateCheckResult result =
        kestrano::updater::evaluateAppcast(feed, QStringLiteral("2.7.1"), QStringLiteral("linux"));
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.currentVersion, QStringLiteral("2.7.1"));
    QCOMPARE(result.newest.version, newest);
    QVERIFY2(result.failure.contains(failure), qPrintable(result.failure));
    QCOMPARE(result.failure.isEmpty(), failure.isEmpty());
}

void TestUpdater::itemDetails()
{
    const kestrano::updater::Appcast parsed = kestrano::updater::parseAppcast(
        appcast("<item><title>Kestrano 2.8</title>"
                "<sparkle:releaseNotesLink>https://example.org/notes/2.8</sparkle:releaseNotesLink>"
                "<enclosure url=\"https://example.org/k-2.8.exe\" sparkle:version=\"2800\" "
                "sparkle:shortVersionString=\"2.8\"/></item>"
                "<item><link>https://example.org/news/2.9</link>"
                "<enclosure url=\"file:///usr/bin/xterm\" sparkle:version=\"2.9\"/></item>"));
    QVERIFY(parsed.error.isEmpty());
    QCOMPARE(parsed.items.size(), 2);
    const auto& first = parsed.items[0];
    QCOMPARE(first.title, QStringLiteral("Kestrano 2.8"));
    QCOMPARE(first.version, QStringLiteral("2800"));
    QCOMPARE(first.displayVersion, QStringLiteral("2.8"));
    QCOMPARE(first.downloadUrl, QUrl("https://example.org/k-2.8.exe"));
    QCOMPARE(first.releaseNotesUrl, QUrl("https://example.org/notes/2.8"));
    // The item's link stands in for release notes; no local file is offered.
    const auto& second = parsed.items[1];
    QCOMPARE(second.displayVersion, QStringLiteral("2.9"));
    QCOMPARE(second.releaseNotesUrl, QUrl("https://example.org/news/2.9"));
    QVERIFY(second.downloadUrl.isEmpty());
}

void TestUpdater::checkerReports_data()
{
    QTest::addColumn<QUrl>("feed");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("failure");
    QTest::newRow("newer") << server.url("/newer.xml") << Outcome::UpdateAvailable << "";
    QTest::newRow("older") << server.url("/older.xml") << Outcome::UpToDate << "";
    QTest::newRow("malformed") << server.url("/malformed.xml") << Outcome::Failed
                               << "could not be read";
    QTest::newRow("404") << server.url("/gone.xml") << Outcome::Failed << "404 (Not Found)";
    QTest::newRow("refused") << QUrl("http://127.0.0.1:1/appcast.xml") << Outcome::Failed
                             << "could not be downloaded";
    QTest::newRow("no address") << QUrl() << Outcome::Failed << "No valid update feed";
}

void TestUpdater::checkerReports()
{
    QFETCH(QUrl, feed);
    QFETCH(Outcome, outcome);
    QFETCH(QString, failure);
    UpdateChecker checker;
    checker.setCurrentVersion(QStringLiteral("2.7.1"));
    checker.setFeedUrl(feed);
    QSignalSpy finished(&checker, &UpdateChecker::finished);

    checker.check();
    if (feed.isValid()) {
        // The answer comes later, through the event loop.
        QVERIFY(checker.isChecking());
        QCOMPARE(finished.count(), 0);
        QVERIFY(finished.wait(5000));
    }
    QCOMPARE(finished.count(), 1);
    QVERIFY(!checker.isChecking());
    const auto result = finished.first().first().value<UpdateCheckResult>();
    QCOMPARE(result.outcome, outcome);
    QVERIFY2(result.failure.contains(failure), qPrintable(result.failure));
}

void TestUpdater::silentServerTimesOut()
{
    UpdateChecker checker;
    checker.setFeedUrl(server.url("/silent.xml"));
    checker.setTimeout(200ms);
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    checker.check();
    QVERIFY(finished.wait(5000));
    const auto result = finished.first().first().value<UpdateCheckResult>();
    QCOMPARE(result.outcome, Outcome::Failed);
    QVERIFY2(result.failure.contains("did not answer within a second"), qPrintable(result.failure));
}

void TestUpdater::cancelAbandonsTheDownload()
{
    UpdateChecker checker;
    checker.setFeedUrl(server.url("/silent.xml"));
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    const int requestsBefore = server.requests;
    const int droppedBefore = server.droppedSilentConnections;
    checker.check();
    QTRY_COMPARE(server.requests, requestsBefore + 1);

    checker.cancel();
    QVERIFY(!checker.isChecking());
    QTRY_COMPARE(server.droppedSilentConnections, droppedBefore + 1);
    QTest::qWait(50);
    QCOMPARE(finished.count(), 0);
}

void TestUpdater::dialogOffersWhatTheResultHas()
{
    UpdateDialog dialog;
    dialog.show();
    QCOMPARE(dialog.state(), UpdateDialog::State::Checking);
    auto* download = dialog.findChild<QPushButton*>("downloadButton");
    auto* notes = dialog.findChild<QPushButton*>("releaseNotesButton");
    QVERIFY(!download->isVisible());

    UpdateCheckResult result =
        kestrano::updater::evaluateAppcast(newerFeed, QStringLiteral("2.7.1"));
    result.newest.releaseNotesUrl = QUrl("https://example.org/notes");
    dialog.showResult(result);
    QCOMPARE(dialog.state(), UpdateDialog::State::UpdateAvailable);
    QCOMPARE(dialog.heading(), QStringLiteral("A new version of Kestrano is available."));
    QCOMPARE(dialog.details(), QStringLiteral("Kestrano 2.8.0 is now available; you have 2.7.1."));

    QDesktopServices::setUrlHandler("https", this, "receiveUrl");
    openedUrls.clear();
    QTest::mouseClick(notes, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(download, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(openedUrls, QList<QUrl>({QUrl("https://example.org/notes"),
                                      QUrl("https://downloads.example.org/kestrano-2.8.0.exe")}));
    QVERIFY(!dialog.isVisible());

    dialog.show();
    dialog.showResult(kestrano::updater::evaluateAppcast(olderFeed, QStringLiteral("2.7.1")));
    QCOMPARE(dialog.heading(), QStringLiteral("You're up to date."));
    QCOMPARE(dialog.details(), QStringLiteral("Kestrano 2.7.1 is the newest version available."));
    QVERIFY(!download->isVisible());
    QVERIFY(!notes->isVisible());
}

void TestUpdater::closingWhileCheckingCancels()
{
    UpdateDialog dialog;
    QSignalSpy cancelled(&dialog, &UpdateDialog::cancelRequested);
    dialog.show();
    dialog.close();
    QCOMPARE(cancelled.count(), 1);

    dialog.show();
    dialog.showResult(kestrano::updater::evaluateAppcast(malformedFeed, QStringLiteral("2.7.1")));
    QCOMPARE(dialog.state(), UpdateDialog::State::Failed);
    dialog.close();
    QCOMPARE(cancelled.count(), 1);
}

void TestUpdater::interfaceChecksInItsOwnDialog()
{
    const QByteArray newer = server.url("/newer.xml").toEncoded();
    win_sparkle_set_appcast_url(newer.constData());
    win_sparkle_init();
    win_sparkle_check_update_with_ui();
    QPointer<UpdateDialog> dialog = findTopLevel<UpdateDialog>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->state(), UpdateDialog::State::Checking);
    QTRY_COMPARE(dialog->state(), UpdateDialog::State::UpdateAvailable);
    QVERIFY(dialog->details().contains("2.8.0"));

    // A second check reuses the one dialog.
    const QByteArray missing = server.url("/gone.xml").toEncoded();
    win_sparkle_set_appcast_url(missing.constData());
    win_sparkle_check_update_with_ui();
    QCOMPARE(findTopLevel<UpdateDialog>(), dialog.data());
    QTRY_COMPARE(dialog->state(), UpdateDialog::State::Failed);
    QVERIFY(dialog->details().contains("404"));

    win_sparkle_cleanup();
    QVERIFY(!dialog);
}

void TestUpdater::cleanupCancelsACheckInFlight()
{
    const QByteArray silent = server.url("/silent.xml").toEncoded();
    win_sparkle_set_appcast_url(silent.constData());
    win_sparkle_init();
    const int requestsBefore = server.requests;
    const int droppedBefore = server.droppedSilentConnections;
    win_sparkle_check_update_with_ui();
    QTRY_COMPARE(server.requests, requestsBefore + 1);
    // Asking again while waiting does not start a second download.
    win_sparkle_check_update_with_ui();
    QPointer<UpdateDialog> dialog = findTopLevel<UpdateDialog>();
    QVERIFY(dialog);

    win_sparkle_cleanup();
    QVERIFY(!dialog);
    QTRY_COMPARE(server.droppedSilentConnections, droppedBefore + 1);
    QCOMPARE(server.requests, requestsBefore + 1);
}

QTEST_MAIN(TestUpdater)
#include "TestUpdater.moc"
