// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryEstimate.h"

#include <QFile>

namespace {

// Measured with Qt 6.4 on documents of short and of long sentences.
constexpr qint64 bytesPerTag = 640;
constexpr qint64 bytesPerCharacter = 10;

} // namespace

qint64 estimatedBytesToShow(const QString& document)
{
    return bytesPerTag * document.count(QLatin1Char('<')) + bytesPerCharacter * document.size();
}

std::optional<qint64> availableMemoryBytes(const QString& meminfoPath)
{
    QFile meminfo(meminfoPath);
    if (!meminfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    // A line reads "MemAvailable:   20189396 kB". The kernel's files report a
    // size of 0, so they are read whole rather than line by line to the end.
    const QList<QByteArray> lines = meminfo.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() == 3 && fields[0] == "MemAvailable:" && fields[2] == "kB") {
            bool ok = false;
            const qint64 kilobytes = fields[1].toLongLong(&ok);
            if (ok) {
                return kilobytes * 1024;
            }
        }
    }
    return std::nullopt;
}

bool tooLargeToShow(const QString& document, const QString& meminfoPath)
{
    const std::optional<qint64> available = availableMemoryBytes(meminfoPath);
    return available && estimatedBytesToShow(document) > *available;
}
