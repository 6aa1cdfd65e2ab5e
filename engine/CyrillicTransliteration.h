// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kestrano {

// Rewrites an IPA transcription in Cyrillic letters, one unit at a time;
// units without a Cyrillic counterpart (digits, capitals, "-", c, q, x, y,
// unlisted IPA) are dropped, and the "t" + "ʃ" pair becomes "ч".
std::u16string transliterateToCyrillic(std::u16string ipa);

} // namespace kestrano
