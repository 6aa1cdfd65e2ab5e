#include "LocalHttpServer.h"
#include "UpdateChecker.h"
#include "UpdateDialog.h"
#include "winsparkle.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

using namespace kestrano::updater;
using Outcome = UpdateCheckResult::Outcome;

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

} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

    LocalHttpServer server;

private slots:
    void initTestCase()
    {
        // Whatever proxy the environment names, the local server is reached directly.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        QVERIFY(server.listen(QHostAddress::LocalHost));
    }

    void versionOrder()
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

    void checkAgainstServer_data()
    {
        QTest::addColumn<QByteArray>("feed"); // none for a 404
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("newest");  // the release picked, if any
        QTest::addColumn<QString>("failure"); // a piece of the reason, if failed
        const auto row = [](const char* name, const QByteArray& feed, Outcome outcome,
                            const char* newest, const char* failure = "") {
            QTest::newRow(name) << feed << outcome << QString(newest) << QString(failure);
        };
        const QByteArray here = "sparkle:os=\"" + currentOperatingSystem().toUpper().toUtf8() + '"';
        const QByteArray elsewhere = enclosureItem("3.0", "sparkle:os=\"beos\"");
        using enum Outcome;
        row("newer, not listed first",
            appcast(enclosureItem("2.7.0") + enclosureItem("2.8.0") + enclosureItem("2.7.1")),
            UpdateAvailable, "2.8.0");
        row("older", appcast(enclosureItem("2.7.1") + enclosureItem("2.6")), UpToDate, "2.7.1");
        row("only releases for this system, and with a version, count",
            appcast(elsewhere + "<item><title>News</title></item>" + enclosureItem("2.9", here)),
            UpdateAvailable, "2.9");
        row("only other systems", appcast(elsewhere), UpToDate, "");
        row("local file",
            appcast("<item><enclosure url=\"file:///bin/sh\" sparkle:version=\"2.9\"/></item>"),
            UpdateAvailable, "2.9");
        row("malformed", appcast("<item><title>2.8</item>"), Failed, "", "line 2");
        row("no releases", appcast(""), Failed, "", "no release");
        row("404", QByteArray(), Failed, "", "404 (Not Found)");
    }

    void checkAgainstServer()
    {
        QFETCH(QByteArray, feed);
        QFETCH(Outcome, outcome);
        QFETCH(QString, newest);
        QFETCH(QString, failure);
        server.routes = {{"/feed.xml", feed}};
        UpdateChecker checker;
        checker.setCurrentVersion("2.7.1");
        checker.setFeedUrl(server.url(feed.isNull() ? "/gone.xml" : "/feed.xml"));
        QSignalSpy finished(&checker, &UpdateChecker::finished);
        checker.check();
        QVERIFY(finished.wait(5000));
        const auto result = finished.first().first().value<UpdateCheckResult>();
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.newest.version, newest);
        // Only web addresses are ever offered for download.
        QVERIFY(QStringList({"", "https"}).contains(result.newest.downloadUrl.scheme()));
        QVERIFY2(result.failure.contains(failure), qPrintable(result.failure));
        QCOMPARE(result.failure.isEmpty(), failure.isEmpty());
    }

    void cleanupCancelsACheckInFlight()
    {
        server.routes = {{"/silent.xml", QByteArray()}};
        win_sparkle_set_appcast_url(server.url("/silent.xml").toEncoded().constData());
        win_sparkle_init();
        win_sparkle_check_update_with_ui();
        QTRY_COMPARE(server.waiting, 1);
        win_sparkle_check_update_with_ui(); // asking again only brings the dialog forward
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        QPointer<QWidget> dialog = QApplication::topLevelWidgets().first();
        QVERIFY(qobject_cast<UpdateDialog*>(dialog) && dialog->isVisible());

        win_sparkle_cleanup();
        QVERIFY(!dialog);
        QTRY_COMPARE(server.waiting, 0);
    }
};

QTEST_MAIN(TestUpdater)
#include "TestUpdater.moc"
