// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace kestrano {

// The folder that holds the installed data/, seen from the folder that the
// running program lies in, so that an installation can be moved as a whole.
QString installedDataParent(const QString& programFolder);

// The folders whose data/ may hold the dictionaries, in the order they are
// tried: the working directory, then `installedDataParent` when there is one.
QStringList dataFolderCandidates(const QString& installedDataParent);

// The folder that the relative `dictionaryPaths` are read from, or an empty
// string for the working directory. A working directory that holds any of
// them is kept, so a data/ beside the user's own work wins. Otherwise, as
// when a desktop menu starts the program in the home folder, it is
// `installedDataParent` if that has a data/ folder: even without the
// dictionaries it is the right place, since a missing one is then reported
// where it belongs.
QString dataFolderFor(const QStringList& dictionaryPaths, const QString& installedDataParent);

// The window reads its dictionaries relative to the working directory, and
// either variety may be chosen at any press; so it moves to the folder that
// dataFolderFor gives for both. Returns whether the directory was changed.
bool enterInstalledDataFolder(const QString& installedDataParent);

} // namespace kestrano
