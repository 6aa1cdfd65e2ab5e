// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordTranscription.h"

#include "PhonemeCode.h"

namespace kestrano {

void appendGuessedIpa(std::u16string& out, std::u16string_view code)
{
    out += u'(';
    appendIpa(out, code);
    out += u')';
}

std::u16string joinTranscription(const std::vector<WordTranscription>& words)
{
    std::size_t length = 2 + words.size();
    for (const WordTranscription& entry : words) {
        length += entry.ipa.size();
    }
    std::u16string result;
    result.reserve(length);
    result += u'/';
    for (const WordTranscription& entry : words) {
        if (&entry != &words.front()) {
            result += u' ';
        }
        result += entry.ipa;
    }
    result += u'/';
    return result;
}

} // namespace kestrano
