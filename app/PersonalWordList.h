// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kestrano {

// The user's own words for a variety, in the dictionaries' format, read after
// the shipped dictionary at every press: my-words-british.txt or
// my-words-american.txt in the kestrano folder of the user's data folder (on
// Linux $XDG_DATA_HOME, by default ~/.local/share).
QString personalWordListPath(bool british);

} // namespace kestrano
