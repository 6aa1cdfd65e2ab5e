// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

std::string dataPath(const char* fileName)
{
    const QByteArray overridden = qgetenv("KESTRANO_DATA_DIR");
    const std::string dir = overridden.isEmpty() ? std::string(KESTRANO_SOURCE_DIR) + "/data"
                                                 : overridden.toStdString();
    return dir + "/" + fileName;
}

QString sampleText(int minimumWords)
{
    static const QString licences = [] {
        QString text;
        const QDir dir(QStringLiteral("/usr/share/common-licenses"));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            // Symbolic links (GPL -> GPL-3) would only repeat a text.
            if (!file.symLinkTarget().isEmpty() || !file.open(QIODevice::ReadOnly)) {
                continue;
            }
            text += QString::fromUtf8(file.readAll());
        }
        return text;
    }();
    const qsizetype words =
        licences.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
    QString text = licences;
    for (qsizetype total = words; total < minimumWords; total += words) {
        text += licences;
    }
    return text;
}

QString sampleTextOfWords(int words)
{
    const QString text = sampleText(words);
    static const QRegularExpression wordStart(QStringLiteral("(?<=\\s)\\S"));
    qsizetype cut = 0;
    int seen = 0;
    for (const QRegularExpressionMatch& match : wordStart.globalMatch(text)) {
        if (++seen == words) {
            cut = match.capturedStart();
            break;
        }
    }
    return cut > 0 ? text.left(cut) : text;
}
