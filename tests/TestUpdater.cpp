// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LocalHttpServer.h"
#include "TableData.h"
#include "UpdateChecker.h"
#include "UpdateDialog.h"
#include "winsparkle.h"

#include <QtTest>
#include <QtWidgets>

#include <unistd.h>

using namespace kestrano::updater;
using namespace std::chrono_literals;
using Outcome = UpdateCheckResult::Outcome;

namespace {

// The prefix is bound to a namespace of the test's own: the reader goes by local names.
const QByteArray feedStart = "<rss xmlns:sparkle=\"urn:kestrano-test\"><channel>\n";
const QByteArray feedEnd = "</channel></rss>\n";

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
        server.requests = 0;
        server.hold = false;
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

    void feeds()
    {
        const QStringList outcomes{"up to date", "update", "failed"};
        for (TableRow row : readTable("update-feeds.tsv")) {
            row.resize(4);
            const QByteArray items = QByteArray::fromStdString(row[0]).replace(
                "THIS-OS", currentOperatingSystem().toUpper().toUtf8());
            server.answers = {{"/feed.xml", {.body = feedStart + items + feedEnd}}};
            UpdateChecker checker;
            const auto result = checkOnce(checker, server.url("/feed.xml"));
            QCOMPARE(result.outcome, Outcome(outcomes.indexOf(QString::fromStdString(row[1]))));
            QCOMPARE(result.newest.version, QString::fromStdString(row[2]));
            // Only web addresses are ever offered for download.
            QVERIFY(QStringList({"", "https"}).contains(result.newest.downloadUrl.scheme()));
            QVERIFY2(result.failure.contains(QString::fromStdString(row[3])),
                     qPrintable(result.failure));
        }
    }

    void serverAnswers()
    {
        const QByteArray release = "<item><enclosure sparkle:version=\"2.9\"/></item>" + feedEnd;
        const QByteArray padding(UpdateChecker::maximumFeedSize - feedStart.size() - release.size(),
                                 ' ');
        server.answers = {
            {"/full.xml", {.body = feedStart + padding + release}},
            {"/huge.xml", {.endless = true, .length = 64 * UpdateChecker::maximumFeedSize}},
            {"/over.xml", {.endless = true, .length = UpdateChecker::maximumFeedSize + 1}},
            {"/trickle.xml", {.body = " ", .endless = true, .interval = 200ms}}};
        secureServer.answers = {
            {"/feed.xml",
             {.body = feedStart + "<item><enclosure version=\"2.7.1\"/></item>" + feedEnd}},
            {"/moved.xml", {"302 Found\r\nLocation: " + secureServer.url("/feed.xml").toEncoded()}},
            {"/insecure.xml", {"302 Found\r\nLocation: " + server.url("/full.xml").toEncoded()}}};
        // Each case: the feed, the outcome, a piece of the reason, and the
        // least and the most time taken.
        const std::tuple<QUrl, Outcome, QString, std::chrono::milliseconds,
                         std::chrono::milliseconds>
            cases[] = {
                // Exactly at the limit, the newest release in its last bytes.
                {server.url("/full.xml"), Outcome::UpdateAvailable, "", 0ms, 1s},
                // Refused from the header alone: no body is ever sent, so
                // only the announced length can stop these.
                {server.url("/huge.xml"), Outcome::Failed, "too large", 0ms, 1s},
                {server.url("/over.xml"), Outcome::Failed, "too large", 0ms, 1s},
                // A byte at a time, too often for the silence allowed ever to
                // run out: the deadline of 1 s ends it, and not much later.
                {server.url("/trickle.xml"), Outcome::Failed, "whole feed", 1s, 2s},
                {server.url("/gone.xml"), Outcome::Failed, "404 (Not Found)", 0ms, 1s},
                {secureServer.url("/moved.xml"), Outcome::UpToDate, "", 0ms, 1s},
                {secureServer.url("/insecure.xml"), Outcome::Failed, "redirect", 0ms, 1s},
            };
        for (const auto& [url, outcome, failure, atLeast, atMost] : cases) {
            UpdateChecker checker;
            checker.setTimeout(600ms);
            checker.setDeadline(1s);
            QElapsedTimer clock;
            clock.start();
            const auto result = checkOnce(checker, url);
            QCOMPARE(result.outcome, outcome);
            QVERIFY2(result.failure.contains(failure, Qt::CaseInsensitive),
                     qPrintable(result.failure));
            QCOMPARE_GE(clock.elapsed(), atLeast.count());
            QCOMPARE_LE(clock.elapsed(), atMost.count());
        }
        // Redirects never leave https: the plain server saw only its own five checks.
        QCOMPARE(server.requests.load(), 5);
    }

    void endlessFeedStopsAtTheSizeLimit()
    {
        // The body starts only once the test's thread is held up, as a long
        // transcription holds it: what Qt takes in meanwhile stays in memory.
        server.answers = {{"/endless.xml", {.body = QByteArray(64 * 1024, ' '), .endless = true}}};
        server.hold = true;
        UpdateChecker checker;
        checker.setDeadline(3s); // a check that reads on fails sooner
        QSignalSpy finished(&checker, &UpdateChecker::finished);
        checker.setFeedUrl(server.url("/endless.xml"));
        checker.check();
        QTRY_COMPARE(server.requests.load(), 1);
        const qint64 before = residentBytes();
        server.hold = false;
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

    // The check's own window, as the program's menu opens it.
    void updateWindow()
    {
        server.answers = {
            {"/silent.xml", {.status = {}}},
            {"/bare.xml",
             {.body = feedStart + "<item><sparkle:version>99</sparkle:version></item>" + feedEnd}}};
        const auto checkWithWindow = [&](const QString& path) {
            win_sparkle_set_appcast_url(server.url(path).toEncoded().constData());
            win_sparkle_check_update_with_ui();
        };
        win_sparkle_init();
        // A release without a download address gets no button to one.
        checkWithWindow("/bare.xml");
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        QPointer dialog = qobject_cast<UpdateDialog*>(QApplication::topLevelWidgets().first());
        QTRY_COMPARE(dialog->state(), UpdateDialog::State::UpdateAvailable);
        QVERIFY(dialog->details().contains("no address"));
        QVERIFY(dialog->findChild<QPushButton*>("downloadButton")->isHidden());
        // Closing the window while it checks abandons the check.
        checkWithWindow("/silent.xml");
        QTRY_COMPARE(server.waiting.load(), 1);
        QVERIFY(dialog->close());
        QTRY_COMPARE(server.waiting.load(), 0);
        // Asking again while a check runs only brings the window forward;
        // the clean-up ends both.
        checkWithWindow("/silent.xml");
        QTRY_COMPARE(server.waiting.load(), 1);
        win_sparkle_check_update_with_ui();
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        QVERIFY(dialog->isVisible());
        win_sparkle_cleanup();
        QVERIFY(!dialog);
        QTRY_COMPARE(server.waiting.load(), 0);
    }
};

QTEST_MAIN(TestUpdater)
#include "TestUpdater.moc"
