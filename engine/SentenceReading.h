// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Variety.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrano {

class TranscriptionEngine;

// A sentence's words as the dictionary lookup receives them.
struct ReadWords
{
    std::vector<std::u16string> words;
    // Per word: the text it was read from (such as "£25.50"), or empty for a
    // word that stands as the normaliser leaves it.
    std::vector<std::u16string> sources;
};

// The reading step: what the sentence normaliser would destroy, read as a
// teacher reads it aloud, in the words and digit strings that the
// dictionaries hold. Numbers, money, per cent, temperatures, units, times,
// ranges and scores, fractions, years, telephone numbers, ordinals past 100,
// tokens of letters and digits, regnal numbers, and words joined by hyphens,
// slashes or dashes that no dictionary holds joined. Every other word is the
// normaliser's.
class SentenceReader
{
public:
    // The engine normalises the words and says whether its dictionary holds
    // a spelling, joined or whole, that is then left to it.
    SentenceReader(Variety variety, const TranscriptionEngine& engine);

    // Whether the sentence holds anything this step reads. When it does not,
    // its words are exactly the normaliser's.
    static bool needsReading(std::u16string_view sentence);

    // The sentence's words: the normaliser's, cut at spaces, except where read.
    // A sentence without words gives the one empty word, as the split does.
    ReadWords read(std::u16string_view sentence) const;

private:
    Variety variety_;
    const TranscriptionEngine& engine_;
};

} // namespace kestrano
