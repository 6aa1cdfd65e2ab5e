// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UpdateChecker.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace kestrano::updater {

namespace {

using namespace std::chrono_literals;

// Long enough for a slow line, short enough that a dead server does not
// leave the user looking at "Checking" for minutes.
constexpr std::chrono::milliseconds defaultTimeout = 30s;

UpdateCheckResult failed(const QString& currentVersion, const QString& why)
{
    UpdateCheckResult result;
    result.outcome = UpdateCheckResult::Outcome::Failed;
    result.currentVersion = currentVersion;
    result.failure = why;
    return result;
}

} // namespace

UpdateChecker::UpdateChecker(QObject* parent) : QObject(parent), timeout(defaultTimeout) {}

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
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2").arg(QCoreApplication::applicationName(), version));
    reply = network.get(request);
    connect(reply, &QNetworkReply::finished, this, &UpdateChecker::replyFinished);
}

void UpdateChecker::cancel()
{
    if (!reply) {
        return;
    }
    QNetworkReply* abandoned = std::exchange(reply, nullptr);
    abandoned->disconnect(this);
    abandoned->abort();
    abandoned->deleteLater();
}

void UpdateChecker::replyFinished()
{
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
        result = evaluateAppcast(done->readAll(), version);
    }
    emit finished(result);
}

} // namespace kestrano::updater
