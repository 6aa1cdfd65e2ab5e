// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kestrano::updater {

// What the program has told the updater so far.
struct UpdaterState
{
    std::string appcastUrl;
    bool initialized = false;
    int interactiveChecks = 0; // win_sparkle_check_update_with_ui() calls since start-up
};

UpdaterState updaterState();

} // namespace kestrano::updater
