// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Appcast.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <chrono>

class QNetworkReply;

namespace kestrano::updater {

// Downloads the appcast feed in the background and tells, through
// finished(), whether a newer release than the running one exists. The
// event loop keeps running meanwhile; nothing here waits.
class UpdateChecker : public QObject
{
    Q_OBJECT

public:
    // The largest feed that is read. Real feeds are a few kilobytes, and one
    // that lists years of releases with their notes stays far below this;
    // anything larger comes from a broken or tampered server, and reading it
    // on would only cost the user's memory.
    static constexpr qint64 maximumFeedSize = 1024 * 1024;

    explicit UpdateChecker(QObject* parent = nullptr);
    ~UpdateChecker() override;

    void setFeedUrl(const QUrl& url);
    QUrl feedUrl() const { return feed; }
    void setCurrentVersion(const QString& version);
    QString currentVersion() const { return version; }
    // How long the server may stay silent before the check fails.
    void setTimeout(std::chrono::milliseconds timeout);
    // How long the whole check may take from its start, however steadily
    // the server sends.
    void setDeadline(std::chrono::milliseconds deadline);

    bool isChecking() const { return reply != nullptr; }

public slots:
    // Starts a check; one already under way goes on instead. Without a
    // usable feed address it fails at once, before returning.
    void check();
    // Abandons the check under way, if any; finished() is not emitted for it.
    void cancel();

signals:
    void finished(const kestrano::updater::UpdateCheckResult& result);

private:
    void headerArrived();
    // Takes what has arrived; false when it passed the size limit and the
    // check has failed.
    bool readArrived();
    void replyFinished();
    // Abandons the check and reports why.
    void fail(const QString& why);
    void refuseTooLarge();

    QNetworkAccessManager network;
    QNetworkReply* reply = nullptr;
    QByteArray body; // of the reply under way, read as it arrives
    QUrl feed;
    QString version;
    std::chrono::milliseconds timeout;
    std::chrono::milliseconds deadline;
    QTimer deadlineTimer;
};

} // namespace kestrano::updater
