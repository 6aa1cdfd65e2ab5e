// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kestrano {

// The window reads its dictionaries from data/ under the working directory.
// A desktop menu starts the program in the home folder, where there is no
// such folder; then the working directory becomes `installedDataParent`,
// the folder that holds the installed data/, if there is one. A working
// directory that holds either dictionary is kept, so a data/ beside the
// user's own work still wins. Returns whether the directory was changed.
bool enterInstalledDataFolder(const QString& installedDataParent);

} // namespace kestrano
