// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CyrillicTransliteration.h"
#include "FuzzSupport.h"

using namespace kestrano;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string ipa = unitsOf(data, size);
    const std::u16string cyrillic = transliterateToCyrillic(ipa);
    FUZZ_CHECK(cyrillic.find(u"тш") == cyrillic.npos);
    // Latin letters and digits either have a Cyrillic counterpart or vanish.
    FUZZ_CHECK(
        cyrillic.find_first_of(u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") ==
        cyrillic.npos);

    // The whole text equals its units transliterated one by one, with each
    // "т" + "ш" then fused into "ч" from left to right: "ч" is neither
    // letter, so fusing never makes a new pair.
    std::u16string expected;
    for (const char16_t unit : ipa) {
        for (const char16_t letter : transliterateToCyrillic(std::u16string(1, unit))) {
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
