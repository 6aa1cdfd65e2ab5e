// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CyrillicTransliteration.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <optional>
#include <vector>

using namespace kestrano;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string ipa = unitsOf(data, size);
    const std::u16string cyrillic = transliterateToCyrillic(ipa);
    FUZZ_CHECK(cyrillic.find(u"тш") == cyrillic.npos);
    // Latin letters and digits either have a Cyrillic counterpart or vanish.
    FUZZ_CHECK(std::none_of(cyrillic.begin(), cyrillic.end(), [](char16_t unit) {
        return (unit >= u'0' && unit <= u'9') || (unit >= u'A' && unit <= u'Z') ||
               (unit >= u'a' && unit <= u'z');
    }));

    // The whole text equals its units transliterated one by one, with each
    // "т" + "ш" then fused into "ч" from left to right: "ч" is neither
    // letter, so fusing never makes a new pair.
    static std::vector<std::optional<std::u16string>> single(0x10000);
    std::u16string expected;
    for (const char16_t unit : ipa) {
        std::optional<std::u16string>& one = single[unit];
        if (!one) {
            one = transliterateToCyrillic(std::u16string(1, unit));
        }
        for (const char16_t letter : *one) {
            if (letter == u'ш' && expected.ends_with(u'т')) {
                expected.back() = u'ч';
            } else {
                expected += letter;
            }
        }
    }
    FUZZ_CHECK(cyrillic == expected);
    return 0;
}
