// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The four calls of the WinSparkle update library that Kestrano makes, with
// the library's own names and signatures.

#ifdef __cplusplus
extern "C" {
#endif

// Sets the address of the appcast feed that lists the released versions.
// Must come before win_sparkle_init().
void win_sparkle_set_appcast_url(const char* url);

// Starts the updater with the settings made so far.
void win_sparkle_init(void);

// Checks for updates now, showing the library's own dialogs.
void win_sparkle_check_update_with_ui(void);

// Stops the updater; called once as the program shuts down.
void win_sparkle_cleanup(void);

#ifdef __cplusplus
}
#endif
