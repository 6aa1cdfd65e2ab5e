// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UpdateChecker.h"

#include <QCoreApplication>
#include <QLocale>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <utility>

namespace kestrano::updater {

namespace {

using namespace std::chrono_literals;

// Long enough for a slow line, short enough that a dead server does not
// leave the user looking at "Checking" for minutes.
constexpr std::chrono::milliseconds defaultTimeout = 30s;
// The silence allowed, twice over: a server that answers just before the
// timeout still has the time to send a feed of real size on a slow line.
constexpr std::chrono::milliseconds defaultDeadline = 60s;

UpdateCheckResult failed(const QString& currentVersion, const QString& why)
{
    UpdateCheckResult result;
    result.outcome = UpdateCheckResult::Outcome::Failed;
    result.currentVersion = currentVersion;
    result.failure = why;
    return result;
}

} // namespace

UpdateChecker::UpdateChecker(QObject* parent)
    : QObject(parent), timeout(defaultTimeout), deadline(defaultDeadline)
{
    deadlineTimer.setSingleShot(true);
    // A coarse timer may end the check a twentieth early.
    deadlineTimer.setTimerType(Qt::PreciseTimer);
    connect(&deadlineTimer, &QTimer::timeout, this, [this] {
        const auto seconds = std::chrono::ceil<std::chrono::seconds>(deadline).count();
        fail(seconds == 1 ? tr("The update server did not send the whole feed within a second.")
                          : tr("The update server did not send the whole feed within %1 seconds.")
                                .arg(seconds));
    });
}

UpdateChecker::~UpdateChecker()
{
    cancel();
}

void UpdateChecker::setFeedUrl(const QUrl& url)
{
    feed = url;
}

void UpdateChecker::setCurrentVersion(const QString& currentVersion)
{
    version = currentVersion;
}

void UpdateChecker::setTimeout(std::chrono::milliseconds limit)
{
    timeout = limit;
}

void UpdateChecker::setDeadline(std::chrono::milliseconds limit)
{
    deadline = limit;
}

void UpdateChecker::check()
{
    if (reply) {
        return;
    }
    if (!feed.isValid() || feed.isRelative()) {
        emit finished(failed(version, tr("No valid update feed address is set.")));
        return;
    }

    QNetworkRequest request(feed);
    request.setTransferTimeout(int(timeout.count()));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // HTTP/2 goes on taking data from the server however much waits to be
    // read; HTTP/1.1 stops reading while the read buffer set below is full.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // Uncompressed, the announced length is the feed's own size, and a small
    // compressed body cannot unpack into a large one inside Qt, where the
    // size limit does not reach.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2").arg(QCoreApplication::applicationName(), version));
    reply = network.get(request);
    // While the GUI thread is busy (a long transcription), Qt stops reading
    // from the network once this much waits, instead of piling up a stream.
    reply->setReadBufferSize(maximumFeedSize);
    connect(reply, &QNetworkReply::metaDataChanged, this, &UpdateChecker::headerArrived);
    connect(reply, &QNetworkReply::readyRead, this, &UpdateChecker::readArrived);
    connect(reply, &QNetworkReply::finished, this, &UpdateChecker::replyFinished);
    deadlineTimer.start(deadline);
}

void UpdateChecker::cancel()
{
    if (!reply) {
        return;
    }
    deadlineTimer.stop();
    body.clear();
    QNetworkReply* abandoned = std::exchange(reply, nullptr);
    abandoned->disconnect(this);
    abandoned->abort();
    abandoned->deleteLater();
}

void UpdateChecker::fail(const QString& why)
{
    cancel();
    emit finished(failed(version, why));
}

void UpdateChecker::refuseTooLarge()
{
    fail(tr("The update feed is too large (over %1).")
             .arg(QLocale().formattedDataSize(maximumFeedSize, 0,
                                              QLocale::DataSizeTraditionalFormat)));
}

void UpdateChecker::headerArrived()
{
    // The announced length alone refuses the feed, before any of it is read.
    bool announced = false;
    const qint64 length =
        reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&announced);
    if (announced && length > maximumFeedSize) {
        refuseTooLarge();
    }
}

bool UpdateChecker::readArrived()
{
    // One byte past the limit is enough to know that it was passed.
    if (const qint64 wanted = std::min(reply->bytesAvailable(), maximumFeedSize + 1 - body.size());
        wanted > 0) {
        body += reply->read(wanted);
    }
    if (body.size() > maximumFeedSize) {
        refuseTooLarge();
        return false;
    }
    return true;
}

void UpdateChecker::replyFinished()
{
    if (!readArrived()) {
        return;
    }
    deadlineTimer.stop();
    const QByteArray downloaded = std::exchange(body, {});
    QNetworkReply* done = std::exchange(reply, nullptr);
    done->deleteLater();

    const QVariant status = done->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    UpdateCheckResult result;
    if (done->error() == QNetworkReply::OperationCanceledError) {
        // cancel() disconnects before it aborts, so a cancelled reply that
        // still reports here was stopped by the transfer timeout.
        const auto seconds = std::chrono::ceil<std::chrono::seconds>(timeout).count();
        result = failed(
            version, seconds == 1
                         ? tr("The update server did not answer within a second.")
                         : tr("The update server did not answer within %1 seconds.").arg(seconds));
    } else if (status.isValid() && status.toInt() >= 400) {
        const QString reason =
            done->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        result = failed(
            version, tr("The update server answered with HTTP status %1%2.")
                         .arg(status.toInt())
                         .arg(reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason)));
    } else if (done->error() != QNetworkReply::NoError) {
        result = failed(
            version, tr("The update feed could not be downloaded: %1.").arg(done->errorString()));
    } else {
        result = evaluateAppcast(downloaded, version);
    }
    emit finished(result);
}

} // namespace kestrano::updater
