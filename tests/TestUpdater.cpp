// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LocalHttpServer.h"
#include "UpdateChecker.h"
#include "winsparkle.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

using namespace kestrano::updater;
using Outcome = UpdateCheckResult::Outcome;

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

    void checkAgainstServer()
    {
        // The other attributes include the address, so that a release can have another or none.
        const auto item = [](const QByteArray& version,
                             const QByteArray& others = "url=\"https://example.org/k.exe\"") {
            return "<item><enclosure sparkle:version=\"" + version + "\" " + others + "/></item>";
        };
        const QByteArray here = "sparkle:os=\"" + currentOperatingSystem().toUpper().toUtf8() + '"';
        const QByteArray elsewhere = item("3.0", "sparkle:os=\"beos\"");
        using enum Outcome;
        const struct
        {
            QByteArray items; // of the channel; none for a 404
            Outcome outcome;
            QString newest;  // the release picked, if any
            QString failure; // a piece of the reason, if failed
        } cases[] = {
            // The newest for this system, with a version, not listed first; an address
            // that is not a web page is not offered.
            {elsewhere + "<item><title>News</title></item>" + item("2.7.0") +
                 item("2.9", here + " url=\"ftp://example.org/k.exe\"") + item("2.7.1"),
             UpdateAvailable, "2.9", ""},
            {item("2.7.1") + item("2.6"), UpToDate, "2.7.1", ""},
            {elsewhere, UpToDate, "", ""},
            {"<item><title>2.8</item>", Failed, "", "line 2"},
            {"", Failed, "", "no release"},
            {QByteArray(), Failed, "", "404 (Not Found)"},
        };
        for (const auto& [items, outcome, newest, failure] : cases) {
            // The prefix is bound to a namespace of the test's own: the reader goes by local names.
            server.routes = {{"/feed.xml", "<rss xmlns:sparkle=\"urn:kestrano-test\"><channel>\n" +
                                               items + "</channel></rss>\n"}};
            UpdateChecker checker;
            checker.setCurrentVersion("2.7.1");
            checker.setFeedUrl(server.url(items.isNull() ? "/gone.xml" : "/feed.xml"));
            QSignalSpy finished(&checker, &UpdateChecker::finished);
            checker.check();
            QVERIFY(finished.wait(5000));
            const auto result = finished.first().first().value<UpdateCheckResult>();
            QCOMPARE(result.outcome, outcome);
            QCOMPARE(result.newest.version, newest);
            // Only web addresses are ever offered for download.
            QVERIFY(QStringList({"", "https"}).contains(result.newest.downloadUrl.scheme()));
            QVERIFY2(result.failure.contains(failure), qPrintable(result.failure));
        }
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
        QVERIFY(dialog->isVisible());

        win_sparkle_cleanup();
        QVERIFY(!dialog);
        QTRY_COMPARE(server.waiting, 0);
    }
};

QTEST_MAIN(TestUpdater)
#include "TestUpdater.moc"
