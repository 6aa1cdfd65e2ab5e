// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Appcast.h"

#include <QCoreApplication>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>

namespace kestrano::updater {

namespace {

// A feed decides what the user's browser opens, so only web addresses are
// taken from it: a file: or other local address could start anything.
QUrl webAddress(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        return {};
    }
    return url;
}

QString elementText(QXmlStreamReader& xml)
{
    return xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
}

AppcastItem readItem(QXmlStreamReader& xml)
{
    AppcastItem item;
    QString version;
    QString shortVersion;
    QString enclosureVersion;
    QString enclosureShortVersion;
    QUrl link;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("enclosure")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            for (const QXmlStreamAttribute& attribute : attributes) {
                const QStringView attributeName = attribute.name();
                const QString value = attribute.value().trimmed().toString();
                if (attributeName == QLatin1String("url")) {
                    item.downloadUrl = webAddress(value);
                } else if (attributeName == QLatin1String("version")) {
                    enclosureVersion = value;
                } else if (attributeName == QLatin1String("shortVersionString")) {
                    enclosureShortVersion = value;
                } else if (attributeName == QLatin1String("os")) {
                    item.operatingSystem = value.toLower();
                }
            }
            xml.skipCurrentElement();
        } else if (name == QLatin1String("title") && xml.namespaceUri().isEmpty()) {
            item.title = elementText(xml);
        } else if (name == QLatin1String("link") && xml.namespaceUri().isEmpty()) {
            link = webAddress(elementText(xml));
        } else if (name == QLatin1String("version")) {
            version = elementText(xml);
        } else if (name == QLatin1String("shortVersionString")) {
            shortVersion = elementText(xml);
        } else if (name == QLatin1String("releaseNotesLink")) {
            item.releaseNotesUrl = webAddress(elementText(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
    // The item's own elements are the newer way of writing the same facts,
    // so they win over the enclosure's attributes.
    const QString display = !shortVersion.isEmpty() ? shortVersion : enclosureShortVersion;
    item.version = !version.isEmpty()            ? version
                   : !enclosureVersion.isEmpty() ? enclosureVersion
                                                 : display;
    item.displayVersion = display.isEmpty() ? item.version : display;
    if (item.releaseNotesUrl.isEmpty()) {
        item.releaseNotesUrl = link;
    }
    return item;
}

void readChannel(QXmlStreamReader& xml, Appcast& appcast)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("item")) {
            AppcastItem item = readItem(xml);
            if (!item.version.isEmpty()) {
                appcast.items.append(std::move(item));
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

struct VersionPart
{
    QStringView digits; // without leading zeros
    QStringView rest;
};

VersionPart splitPart(QStringView part)
{
    qsizetype end = 0;
    while (end < part.size() && part[end].isDigit()) {
        ++end;
    }
    QStringView digits = part.first(end);
    while (!digits.isEmpty() && digits.front() == u'0') {
        digits = digits.sliced(1);
    }
    return {digits, part.sliced(end)};
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

Appcast parseAppcast(const QByteArray& feed)
{
    Appcast appcast;
    QXmlStreamReader xml(feed);
    bool sawChannel = false;
    if (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("rss")) {
            appcast.error = QCoreApplication::translate("kestrano::updater",
                                                        "it is not an RSS feed but a <%1> document")
                                .arg(xml.name().toString());
            return appcast;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("channel")) {
                sawChannel = true;
                readChannel(xml, appcast);
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    // Reading to the end catches damage after the last item too.
    while (!xml.atEnd()) {
        xml.readNext();
    }
    if (xml.hasError()) {
        appcast.error = QCoreApplication::translate("kestrano::updater", "%1 (line %2, column %3)")
                            .arg(xml.errorString())
                            .arg(xml.lineNumber())
                            .arg(xml.columnNumber());
        appcast.items.clear();
    } else if (!sawChannel) {
        appcast.error = QCoreApplication::translate("kestrano::updater", "it has no channel");
    }
    return appcast;
}

int compareVersions(const QString& a, const QString& b)
{
    const QStringList partsA = a.trimmed().split(u'.');
    const QStringList partsB = b.trimmed().split(u'.');
    const qsizetype count = std::max(partsA.size(), partsB.size());
    for (qsizetype i = 0; i < count; ++i) {
        // A missing part counts as 0, so "2.7" and "2.7.0" are the same.
        const VersionPart partA =
            splitPart(i < partsA.size() ? QStringView(partsA[i]) : QStringView(u"0"));
        const VersionPart partB =
            splitPart(i < partsB.size() ? QStringView(partsB[i]) : QStringView(u"0"));
        // Digit strings compare by length first, so any length of number
        // compares correctly without overflowing an integer.
        if (partA.digits.size() != partB.digits.size()) {
            return partA.digits.size() < partB.digits.size() ? -1 : 1;
        }
        if (const int digits = partA.digits.compare(partB.digits); digits != 0) {
            return sign(digits);
        }
        if (partA.rest.isEmpty() != partB.rest.isEmpty()) {
            return partA.rest.isEmpty() ? 1 : -1;
        }
        if (const int rest = partA.rest.compare(partB.rest, Qt::CaseInsensitive); rest != 0) {
            return sign(rest);
        }
    }
    return 0;
}

QString currentOperatingSystem()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macos");
#else
    return QStringLiteral("linux");
#endif
}

UpdateCheckResult evaluateAppcast(const QByteArray& feed, const QString& currentVersion,
                                  const QString& operatingSystem)
{
    UpdateCheckResult result;
    result.currentVersion = currentVersion;
    const Appcast appcast = parseAppcast(feed);
    if (!appcast.error.isEmpty()) {
        result.failure = QCoreApplication::translate("kestrano::updater",
                                                     "The update feed could not be read: %1.")
                             .arg(appcast.error);
        return result;
    }
    if (appcast.items.isEmpty()) {
        result.failure = QCoreApplication::translate(
            "kestrano::updater", "The update feed lists no release with a version number.");
        return result;
    }

    const AppcastItem* newest = nullptr;
    for (const AppcastItem& item : appcast.items) {
        const bool forThisSystem =
            item.operatingSystem.isEmpty() || item.operatingSystem == operatingSystem;
        if (forThisSystem && (!newest || compareVersions(item.version, newest->version) > 0)) {
            newest = &item;
        }
    }
    // Releases for other systems only: nothing newer to install here.
    if (!newest) {
        result.outcome = UpdateCheckResult::Outcome::UpToDate;
        return result;
    }
    result.newest = *newest;
    result.outcome = compareVersions(newest->version, currentVersion) > 0
                         ? UpdateCheckResult::Outcome::UpdateAvailable
                         : UpdateCheckResult::Outcome::UpToDate;
    return result;
}

} // namespace kestrano::updater
