// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kestrano {

// The two pronunciations the program has dictionaries for. Reading running
// text depends on it too: British says "two hundred and five", "nought
// point five" and "kilometres"; American "two hundred five", "zero point
// five" and "kilometers".
enum class Variety
{
    British,
    American
};

} // namespace kestrano
