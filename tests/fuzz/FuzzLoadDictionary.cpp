// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"
#include "PronunciationDictionary.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <string_view>
#include <vector>

using namespace kestrano;

namespace {

using Entries = std::map<std::u16string, std::u16string>;

std::u16string widen(std::string_view bytes, bool lower)
{
    std::u16string units;
    for (const unsigned char byte : bytes) {
        const bool capital = lower && byte >= 'A' && byte <= 'Z';
        units += static_cast<char16_t>(byte >= 0x80 ? 0xFF00 | byte : capital ? byte + 32 : byte);
    }
    return units;
}

// The file format read the slow and obvious way, as the table's reference.
// `keys` gets every entry line's key as written.
Entries referenceEntries(const std::string& text, std::vector<std::string>& keys)
{
    Entries entries;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!lines.eof() && line.ends_with('\r')) { // a CR right before the LF
            line.pop_back();
        }
        if (std::count(line.begin(), line.end(), '\t') == 2) {
            const std::size_t first = line.find('\t'), second = line.find('\t', first + 1);
            keys.push_back(line.substr(first + 1, second - first - 1));
            entries[widen(keys.back(), true)] = widen(line.substr(second + 1), false);
        }
    }
    return entries;
}

void checkTable(const PronunciationDictionary& table, const Entries& expected,
                const std::vector<std::string>& keys)
{
    using Visits = std::vector<std::pair<std::u16string, std::u16string>>;
    Visits visited;
    table.forEach([&](std::u16string key, std::u16string value) {
        FUZZ_CHECK(table.find(key) == value && table.hasTranscription(key) == !value.empty());
        visited.emplace_back(key, value);
    });
    FUZZ_CHECK(table.size() == expected.size() &&
               visited == Visits(expected.begin(), expected.end()));
    // A key as written, its bytes taken as units without sign extension,
    // matches only when lowering and widening leave it as it is.
    for (const std::string& key : keys) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(key.data());
        const std::u16string units(bytes, bytes + key.size());
        FUZZ_CHECK(table.find(units).has_value() == (widen(key, true) == units));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> keys;
    const Entries expected = referenceEntries(text, keys);
    checkTable(PronunciationDictionary::fromFileText(text), expected, keys);

    // The loader reads the same bytes from a file; the second load finds the
    // table already built from them. The file has no name and goes with the process.
    std::FILE* file = std::tmpfile();
    FUZZ_CHECK(file != nullptr && std::fwrite(text.data(), 1, size, file) == size &&
               std::fflush(file) == 0);
    for (int load = 0; load < 2; ++load) {
        FUZZ_CHECK(loadDictionary("/proc/self/fd/" + std::to_string(::fileno(file))));
        checkTable(pronunciationDictionary(), expected, keys);
    }
    std::fclose(file);
    return 0;
}
