// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

namespace kestrano::updater {

// One release as an appcast feed announces it.
struct AppcastItem
{
    QString title;
    QString version;        // what is compared with the running version
    QString displayVersion; // what the user is shown; the version when the feed gives none
    QUrl downloadUrl;       // the enclosure's address
    QUrl releaseNotesUrl;
    QString operatingSystem; // empty when the release is for every system
};

struct Appcast
{
    QList<AppcastItem> items; // in feed order; items without a version are left out
    QString error;            // set when the feed is not a readable appcast
};

// Reads an appcast: an RSS 2.0 document whose channel items announce
// releases. The version, short version, operating system and release notes
// link are recognised by their local names, whatever namespace the feed binds
// their prefix to, on the enclosure or as elements of the item.
Appcast parseAppcast(const QByteArray& feed);

// Compares dotted version numbers part by part, numerically: negative when
// `a` is older than `b`, zero when they are the same ("2.7" equals "2.7.0"),
// positive when `a` is newer. Text after a part's digits marks a pre-release
// of that part: "2.8beta" is older than "2.8" and newer than "2.7.9".
int compareVersions(const QString& a, const QString& b);

// How an enclosure's operating system attribute names the system this
// program was built for.
QString currentOperatingSystem();

struct UpdateCheckResult
{
    enum class Outcome
    {
        UpToDate,
        UpdateAvailable,
        Failed
    };

    Outcome outcome = Outcome::Failed;
    QString currentVersion;
    AppcastItem newest; // the newest release for this system, when the feed has one
    QString failure;    // why the check failed, in a sentence for the user
};

// Decides what a downloaded feed means for a program at `currentVersion` on
// `operatingSystem`: releases for other systems do not count, and the newest
// of the rest is compared, wherever it stands in the feed.
UpdateCheckResult evaluateAppcast(const QByteArray& feed, const QString& currentVersion,
                                  const QString& operatingSystem = currentOperatingSystem());

} // namespace kestrano::updater
