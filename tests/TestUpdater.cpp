// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LocalHttpServer.h"
#include "UpdateChecker.h"
#include "winsparkle.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

#include <unistd.h>

using namespace kestrano::updater;
using namespace std::chrono_literals;
using Outcome = UpdateCheckResult::Outcome;

namespace {

// Checks the feed at `url` to the end, which is a failure saying so when it
// does not come within a few seconds.
UpdateCheckResult checkOnce(UpdateChecker& checker, const QUrl& url)
{
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    checker.setCurrentVersion("2.7.1");
    checker.setFeedUrl(url);
    checker.check();
    if (finished.isEmpty() && !finished.wait(5000)) {
        UpdateCheckResult none;
        none.failure = "no result within 5 seconds";
        return none;
    }
    return finished.first().first().value<UpdateCheckResult>();
}

// The memory that the system gives the process, as it counts it.
qint64 residentBytes()
{
    QFile statm("/proc/self/statm");
    return statm.open(QIODevice::ReadOnly)
               ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE)
               : -1;
}

} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

    LocalHttpServer server;
    LocalHttpServer secureServer;

private slots:
    void initTestCase()
    {
        // Whatever proxy the environment names, the local server is reached directly.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QSslCertificate certificate = secureServer.useTls();
        QVERIFY(!certificate.isNull());
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        trusting.addCaCertificate(certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        QVERIFY(secureServer.listen(QHostAddress::LocalHost));
    }

    void init()
    {
        for (LocalHttpServer* each : {&server, &secureServer}) {
            each->routes.clear();
            each->redirects.clear();
            each->streams.clear();
            each->holdStreams = false;
            each->requests = 0;
        }
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
            const auto result =
                checkOnce(checker, server.url(items.isNull() ? "/gone.xml" : "/feed.xml"));
            QCOMPARE(result.outcome, outcome);
            QCOMPARE(result.newest.version, newest);
            // Only web addresses are ever offered for download.
            QVERIFY(QStringList({"", "https"}).contains(result.newest.downloadUrl.scheme()));
            QVERIFY2(result.failure.contains(failure), qPrintable(result.failure));
        }
    }

    void endlessFeedStopsAtTheSizeLimit()
    {
        // The body starts only once the test's thread is held up, as a long
        // transcription holds it: what Qt takes in meanwhile stays in memory.
        server.streams = {{"/endless.xml", {QByteArray(64 * 1024, ' ')}}};
        server.holdStreams = true;
        UpdateChecker checker;
        checker.setDeadline(3s); // a check that reads on fails sooner
        QSignalSpy finished(&checker, &UpdateChecker::finished);
        checker.setFeedUrl(server.url("/endless.xml"));
        checker.check();
        QTRY_COMPARE(server.requests.load(), 1);
        const qint64 before = residentBytes();
        server.holdStreams = false;
        QThread::msleep(500);
        const qint64 grown = residentBytes() - before;

        QVERIFY(finished.wait(5000));
        const auto result = finished.first().first().value<UpdateCheckResult>();
        QVERIFY2(result.failure.contains("too large"), qPrintable(result.failure));
        // Held: the limit's worth and what one read from the socket brought,
        // 2 to 3 MB here. Unbounded: 600 to 750 MB.
        QVERIFY2(before > 0 && grown < 16 * UpdateChecker::maximumFeedSize,
                 qPrintable(QString("grew by %1 bytes").arg(grown)));
    }

    void slowOrLargeFeeds()
    {
        const QByteArray release =
            "<item><enclosure sparkle:version=\"2.9\"/></item></channel></rss>";
        const QByteArray start = "<rss xmlns:sparkle=\"urn:kestrano-test\"><channel>";
        const struct
        {
            QByteArray body; // a whole feed, else the stream is sent
            LocalHttpServer::Stream stream;
            QString failure; // a piece of the reason; none for a feed that is read
            std::chrono::milliseconds atLeast;
        } cases[] = {
            // Exactly at the limit, the newest release in its last bytes.
            {start +
                 QByteArray(UpdateChecker::maximumFeedSize - start.size() - release.size(), ' ') +
                 release,
             {},
             "",
             0ms},
            // Refused from the header alone: no body is ever sent.
            {{}, {{}, 0ms, 64 * UpdateChecker::maximumFeedSize}, "too large", 0ms},
            // A byte at a time, too often for the silence allowed ever to run out.
            {{}, {" ", 200ms}, "whole feed", 1s},
        };
        for (const auto& [body, stream, failure, atLeast] : cases) {
            server.routes = {{"/feed.xml", body}};
            server.streams = {{"/stream.xml", stream}};
            UpdateChecker checker;
            checker.setTimeout(600ms);
            checker.setDeadline(1s);
            QElapsedTimer clock;
            clock.start();
            const auto result =
                checkOnce(checker, server.url(body.isNull() ? "/stream.xml" : "/feed.xml"));
            QCOMPARE(result.outcome,
                     failure.isEmpty() ? Outcome::UpdateAvailable : Outcome::Failed);
            QVERIFY2(result.failure.contains(failure), qPrintable(result.failure));
            QCOMPARE_GE(clock.elapsed(), atLeast.count());
        }
    }

    void redirectsNeverLeaveHttps()
    {
        const QByteArray feed =
            "<rss><channel><item><enclosure version=\"2.7.1\"/></item></channel></rss>";
        server.routes = secureServer.routes = {{"/feed.xml", feed}};
        secureServer.redirects = {{"/moved.xml", secureServer.url("/feed.xml")},
                                  {"/insecure.xml", server.url("/feed.xml")}};
        const struct
        {
            const char* path;
            Outcome outcome;
            QString failure;
        } cases[] = {
            {"/moved.xml", Outcome::UpToDate, ""},
            {"/insecure.xml", Outcome::Failed, "redirect"},
        };
        for (const auto& [path, outcome, failure] : cases) {
            UpdateChecker checker;
            const auto result = checkOnce(checker, secureServer.url(path));
            QCOMPARE(result.outcome, outcome);
            QVERIFY2(result.failure.contains(failure, Qt::CaseInsensitive),
                     qPrintable(result.failure));
        }
        QCOMPARE(server.requests.load(), 0);
    }

    void cleanupCancelsACheckInFlight()
    {
        server.routes = {{"/silent.xml", QByteArray()}};
        win_sparkle_set_appcast_url(server.url("/silent.xml").toEncoded().constData());
        win_sparkle_init();
        win_sparkle_check_update_with_ui();
        QTRY_COMPARE(server.waiting.load(), 1);
        win_sparkle_check_update_with_ui(); // asking again only brings the dialog forward
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        QPointer<QWidget> dialog = QApplication::topLevelWidgets().first();
        QVERIFY(dialog->isVisible());

        win_sparkle_cleanup();
        QVERIFY(!dialog);
        QTRY_COMPARE(server.waiting.load(), 0);
    }
};

QTEST_MAIN(TestUpdater)
#include "TestUpdater.moc"
