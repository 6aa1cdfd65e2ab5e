// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFolder.h"

#include "DictionaryPaths.h"

#include <QDir>
#include <QFileInfo>

namespace kestrano {

QString installedDataParent(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(KESTRANO_DATA_FROM_BIN)));
}

QStringList dataFolderCandidates(const QString& installedDataParent)
{
    QStringList folders{QDir::currentPath()};
    if (!installedDataParent.isEmpty()) {
        folders += QDir(installedDataParent).absolutePath();
    }
    return folders;
}

QString dataFolderFor(const QStringList& dictionaryPaths, const QString& installedDataParent)
{
    const QStringList folders = dataFolderCandidates(installedDataParent);
    const QDir working(folders.first());
    for (const QString& path : dictionaryPaths) {
        if (QFileInfo::exists(working.filePath(path))) {
            return {};
        }
    }
    if (folders.size() < 2 ||
        !QFileInfo(QDir(folders[1]).filePath(QStringLiteral("data"))).isDir()) {
        return {};
    }
    return folders[1];
}

bool enterInstalledDataFolder(const QString& installedDataParent)
{
    const QString folder = dataFolderFor(
        {QString::fromLatin1(britishDictionaryPath), QString::fromLatin1(americanDictionaryPath)},
        installedDataParent);
    return !folder.isEmpty() && QDir::setCurrent(folder);
}

} // namespace kestrano
