#include "LocalHttpServer.h"
#include "UpdateChecker.h"
#include "UpdateDialog.h"
#include "winsparkle.h"

#include <QApplication>
#include <QNetworkProxy>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using kestrano::updater::compareVersions;
using Outcome = kestrano::updater::UpdateCheckResult::Outcome;

namespace {

// An appcast around the given items. The prefix is bound to a namespace of
// the test's own: the reader goes by local names only.
QByteArray appcast(const QByteArray& items)
{
    return "<rss xmlns:sparkle=\"urn:kestrano-test\"><channel>\n" + items + "</channel></rss>\n";
}

QByteArray enclosureItem(const QByteArray& version, const QByteArray& extra = {})
{
    return "<item><enclosure url=\"https://example.org/k-" + version + ".exe\" sparkle:version=\"" +
           version + "\" " + extra + "/></item>\n";
}

const QByteArray newerFeed =
    appcast(enclosureItem("2.7.0") + enclosureItem("2.8.0") + enclosureItem("2.7.1"));
const QByteArray olderFeed = appcast(enclosureItem("2.7.1") + enclosureItem("2.6"));

} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void versionOrder();
    void evaluateAppcast_data();
    void evaluateAppcast();
    void localFilesAreNotOffered();
    void checkAgainstServer_data();
    void checkAgainstServer();
    void cleanupCancelsACheckInFlight();

private:
    LocalHttpServer server;
};

void TestUpdater::initTestCase()
{
    // Whatever proxy the environment names, the local server is reached directly.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(server.listen(QHostAddress::LocalHost));
    server.routes = {{"/newer.xml", newerFeed},
                     {"/older.xml", olderFeed},
                     {"/malformed.xml", appcast("<item><title>2.8</item>")},
                     {"/silent.xml", QByteArray()}};
}

void TestUpdater::versionOrder()
{
    // Ascending: numeric part by part, with no limit on a part's length, and
    // pre-releases of a part before the part itself.
    const QStringList ascending = QString("2.6 2.7.1 2.7.9 2.7.10 2.8-rc1 2.8-rc2 2.8 2.99.99 "
                                          "2.100000000000000000001 2.100000000000000000002 3.0")
                                      .split(' ');
    for (qsizetype i = 1; i < ascending.size(); ++i) {
        const QString &older = ascending[i - 1], &newer = ascending[i];
        QVERIFY2(compareVersions(older, newer) < 0 && compareVersions(newer, older) > 0,
                 qPrintable(older + " < " + newer));
    }
    // Missing parts count as zero; leading zeros and surrounding space do not count.
    QCOMPARE(compareVersions("2.7", "2.7.0.0"), 0);
    QCOMPARE(compareVersions(" 02.07.1 ", "2.7.1"), 0);
}

void TestUpdater::evaluateAppcast_data()
{
    QTest::addColumn<QByteArray>("feed");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("newest");  // the release picked, if any
    QTest::addColumn<QString>("failure"); // a piece of the reason, if failed
    const auto row = [](const char* name, const QByteArray& feed, Outcome outcome,
                        const char* newest, const char* failure = "") {
        QTest::newRow(name) << feed << outcome << QString(newest) << QString(failure);
    };
    using enum Outcome;
    row("newer, not listed first", newerFeed, UpdateAvailable, "2.8.0");
    row("item elements win over the enclosure",
        appcast("<item><sparkle:version>2.9</sparkle:version>"
                "<enclosure url=\"https://example.org/k.exe\" sparkle:version=\"2.0\"/></item>"),
        UpdateAvailable, "2.9");
    row("only releases for this system, and with a version, count",
        appcast(enclosureItem("3.0", "sparkle:os=\"windows\"") +
                "<item><title>News</title></item>" + enclosureItem("2.9", "sparkle:os=\"Linux\"")),
        UpdateAvailable, "2.9");
    row("only other systems", appcast(enclosureItem("3.0", "sparkle:os=\"macos\"")), UpToDate, "");
    row("damage after the items", QByteArray(newerFeed).replace("</rss>", "</rss><rss>"), Failed,
        "", "could not be read");
    row("no releases", appcast(""), Failed, "", "no release");
}

void TestUpdater::evaluateAppcast()
{
    QFETCH(QByteArray, feed);
    QFETCH(Outcome, outcome);
    QFETCH(QString, newest);
    QFETCH(QString, failure);
    const auto result = kestrano::updater::evaluateAppcast(feed, "2.7.1", "linux");
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.newest.version, newest);
    QVERIFY2(result.failure.contains(failure), qPrintable(result.failure));
    QCOMPARE(result.failure.isEmpty(), failure.isEmpty());
}

void TestUpdater::localFilesAreNotOffered()
{
    const QByteArray feed =
        appcast("<item><enclosure url=\"file:///usr/bin/xterm\" sparkle:version=\"2.9\"/></item>" +
                enclosureItem("2.8"));
    const auto items = kestrano::updater::parseAppcast(feed).items;
    QVERIFY(items.value(0).downloadUrl.isEmpty());
    QCOMPARE(items.value(1).downloadUrl, QUrl("https://example.org/k-2.8.exe"));
}

void TestUpdater::checkAgainstServer_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("failure");
    QTest::newRow("newer") << "/newer.xml" << Outcome::UpdateAvailable << "";
    QTest::newRow("older") << "/older.xml" << Outcome::UpToDate << "";
    QTest::newRow("malformed") << "/malformed.xml" << Outcome::Failed << "line 2";
    QTest::newRow("404") << "/gone.xml" << Outcome::Failed << "404 (Not Found)";
}

void TestUpdater::checkAgainstServer()
{
    QFETCH(QString, path);
    QFETCH(Outcome, outcome);
    QFETCH(QString, failure);
    kestrano::updater::UpdateChecker checker;
    checker.setCurrentVersion("2.7.1");
    checker.setFeedUrl(server.url(path));
    QSignalSpy finished(&checker, &kestrano::updater::UpdateChecker::finished);
    checker.check();
    QVERIFY(finished.wait(5000));
    QVERIFY(!checker.isChecking());
    const auto result = finished.first().first().value<kestrano::updater::UpdateCheckResult>();
    QCOMPARE(result.outcome, outcome);
    QVERIFY2(result.failure.contains(failure), qPrintable(result.failure));
}

void TestUpdater::cleanupCancelsACheckInFlight()
{
    win_sparkle_set_appcast_url(server.url("/silent.xml").toEncoded().constData());
    win_sparkle_init();
    win_sparkle_check_update_with_ui();
    QTRY_COMPARE(server.waiting, 1);
    win_sparkle_check_update_with_ui(); // asking again only brings the dialog forward
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    QPointer<QWidget> dialog = QApplication::topLevelWidgets().first();
    QVERIFY(qobject_cast<kestrano::updater::UpdateDialog*>(dialog) && dialog->isVisible());

    win_sparkle_cleanup();
    QVERIFY(!dialog);
    QTRY_COMPARE(server.waiting, 0);
}

QTEST_MAIN(TestUpdater)
#include "TestUpdater.moc"
