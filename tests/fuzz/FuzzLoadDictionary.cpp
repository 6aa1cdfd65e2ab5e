// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"
#include "PronunciationDictionary.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <string_view>
#include <vector>

#include <unistd.h>

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
Entries referenceEntries(std::string_view text, std::vector<std::string_view>& keys)
{
    Entries entries;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == text.npos ? text.npos : end - start);
        if (end != text.npos && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (std::count(line.begin(), line.end(), '\t') == 2) {
            const std::size_t first = line.find('\t');
            const std::size_t second = line.find('\t', first + 1);
            keys.push_back(line.substr(first + 1, second - first - 1));
            entries[widen(keys.back(), true)] = widen(line.substr(second + 1), false);
        }
        if (end == text.npos) {
            return entries;
        }
        start = end + 1;
    }
}

void checkTable(const PronunciationDictionary& table, const Entries& expected,
                const std::vector<std::string_view>& keys)
{
    FUZZ_CHECK(table.size() == expected.size());
    std::vector<std::pair<std::u16string, std::u16string>> visited;
    table.forEach([&](std::u16string key, std::u16string value) {
        visited.emplace_back(std::move(key), std::move(value));
    });
    FUZZ_CHECK(std::equal(
        visited.begin(), visited.end(), expected.begin(), expected.end(),
        [](const auto& a, const auto& b) { return a.first == b.first && a.second == b.second; }));
    for (const auto& [key, value] : expected) {
        FUZZ_CHECK(table.find(key) == value);
        FUZZ_CHECK(table.hasTranscription(key) == !value.empty());
    }
    // A key as written, its bytes taken as units without sign extension,
    // matches only when lowering and widening leave it as it is.
    for (const std::string_view key : keys) {
        std::u16string units(key.size(), u'\0');
        std::transform(key.begin(), key.end(), units.begin(),
                       [](unsigned char byte) { return char16_t{byte}; });
        FUZZ_CHECK(table.find(units).has_value() == (widen(key, true) == units));
    }
}

// One file per process, rewritten for each input and removed at exit.
const std::string& scratchFile()
{
    static const std::string path = [] {
        std::string name =
            (std::filesystem::temp_directory_path() / "kestrano-fuzz-XXXXXX").string();
        const int descriptor = ::mkstemp(name.data());
        FUZZ_CHECK(descriptor >= 0);
        ::close(descriptor);
        return name;
    }();
    static const struct Remover
    {
        ~Remover() { std::remove(path.c_str()); }
    } remover;
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> keys;
    const Entries expected = referenceEntries(text, keys);
    checkTable(PronunciationDictionary::fromFileText(text), expected, keys);

    // The loader reads the same bytes from a file; the second load finds the
    // table already built from them.
    std::FILE* file = std::fopen(scratchFile().c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(size == 0 || std::fwrite(text.data(), 1, size, file) == size);
    FUZZ_CHECK(std::fclose(file) == 0);
    for (int load = 0; load < 2; ++load) {
        FUZZ_CHECK(loadDictionary(scratchFile()));
        checkTable(pronunciationDictionary(), expected, keys);
    }
    return 0;
}
