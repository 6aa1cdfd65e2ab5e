// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kestrano {

// Tells the desktop which installed launcher the windows belong to, and gives
// every window Kestrano's icon for its title bar and the task switcher where
// the executable file carries none: on Windows its icon resource does this,
// on macOS the bundle's icon. Needs the application object.
void setDesktopIdentity();

} // namespace kestrano
