// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"
#include "StringFunctions.h"
#include "TranscriptionEngine.h"

#include <algorithm>
#include <string_view>
#include <vector>

using namespace kestrano;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TranscriptionEngine engine(fuzzDictionary());
    const std::u16string sentence = unitsOf(data, size);

    constexpr std::u16string_view allowed =
        u" 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::u16string normalized = engine.normalizeSentence(sentence);
    FUZZ_CHECK(std::all_of(normalized.begin(), normalized.end(),
                           [&](char16_t unit) { return allowed.find(unit) != allowed.npos; }));
    FUZZ_CHECK(normalized.find(u"  ") == normalized.npos);
    FUZZ_CHECK(!normalized.starts_with(u' ') && !normalized.ends_with(u' '));
    FUZZ_CHECK(engine.normalizeSentence(normalized) == normalized);

    const std::u16string ipa = engine.transcribeSentence(sentence);
    FUZZ_CHECK(ipa.size() >= 2 && ipa.front() == u'/' && ipa.back() == u'/');

    // One part per word, or one per "_"-separated piece of its code, none of
    // them empty; a word that is not found comes back in its not-found form.
    std::vector<std::u16string> words;
    std::vector<std::u16string> parts;
    splitOn(words, normalized, u' ');
    splitOn(parts, ipa.substr(1, ipa.size() - 2), u' ');
    std::size_t part = 0;
    for (const std::u16string& word : words) {
        const std::u16string code = engine.transcribeWord(word);
        FUZZ_CHECK(part < parts.size());
        FUZZ_CHECK(!code.starts_with(u'(') || parts[part] == code);
        part += 1 + static_cast<std::size_t>(std::count(code.begin(), code.end(), u'_'));
    }
    FUZZ_CHECK(part == parts.size());
    FUZZ_CHECK(std::none_of(parts.begin(), parts.end(), [](const auto& p) { return p.empty(); }));
    return 0;
}
