// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Appcast.h"

#include <QNetworkAccessManager>
#include <QObject>
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
    explicit UpdateChecker(QObject* parent = nullptr);
    ~UpdateChecker() override;

    void setFeedUrl(const QUrl& url);
    QUrl feedUrl() const { return feed; }
    void setCurrentVersion(const QString& version);
    QString currentVersion() const { return version; }
    // How long the server may stay silent before the check fails.
    void setTimeout(std::chrono::milliseconds timeout);

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
    void replyFinished();

    QNetworkAccessManager network;
    QNetworkReply* reply = nullptr;
    QUrl feed;
    QString version;
    std::chrono::milliseconds timeout;
};

} // namespace kestrano::updater
