// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFolder.h"

#include "DictionaryPaths.h"

#include <QDir>
#include <QFileInfo>

namespace kestrano {

namespace {

const char* const dictionaryPaths[] = {britishDictionaryPath, americanDictionaryPath};

bool holdsADictionary(const QDir& folder)
{
    for (const char* path : dictionaryPaths) {
        if (QFileInfo::exists(folder.filePath(QString::fromLatin1(path)))) {
            return true;
        }
    }
    return false;
}

} // namespace

bool enterInstalledDataFolder(const QString& installedDataParent)
{
    if (installedDataParent.isEmpty() || holdsADictionary(QDir::current())) {
        return false;
    }
    const QDir installed(installedDataParent);
    // Even without dictionaries the installed folder is the right place: a
    // missing dictionary is then reported where it belongs.
    if (!QFileInfo(installed.filePath(QStringLiteral("data"))).isDir()) {
        return false;
    }
    return QDir::setCurrent(installed.absolutePath());
}

} // namespace kestrano
