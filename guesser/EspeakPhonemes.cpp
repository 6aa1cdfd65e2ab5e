// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EspeakPhonemes.h"

#include "EspeakPhonemeTable.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>

namespace kestrano {
namespace {

constexpr std::string_view primaryMark = "ˈ";
constexpr std::string_view secondaryMark = "ˌ";
constexpr std::string_view flapSymbol = "ɾ";

// What one symbol stands for in one variety.
struct Mapping
{
    Phonemes stressed;
    std::optional<Phonemes> unstressed; // where it differs
};

using SymbolTable = std::map<std::string, Mapping, std::less<>>;

// Calls `onPiece` for each piece of `text` between `separators`, empty
// pieces included.
template <typename OnPiece>
void forEachPiece(std::string_view text, std::string_view separators, OnPiece&& onPiece)
{
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find_first_of(separators, start);
        onPiece(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return;
        }
        start = end + 1;
    }
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "V:x C:r": a vowel x and a consonant r.
Phonemes parsePhonemes(std::string_view cell)
{
    Phonemes phonemes;
    forEachPiece(trimmed(cell), " ", [&](std::string_view item) {
        if (item.size() > 2 && item[1] == ':' && (item[0] == 'V' || item[0] == 'C')) {
            phonemes.push_back({std::string(item.substr(2)), item[0] == 'V', Phoneme::Unstressed});
        }
    });
    return phonemes;
}

// The compiled-in table, for British (index 0) and American (index 1).
const std::array<SymbolTable, 2>& symbolTables()
{
    static const std::array<SymbolTable, 2> tables = [] {
        std::array<SymbolTable, 2> parsed;
        forEachPiece(espeakPhonemeTableText, "\n", [&](std::string_view line) {
            if (line.empty() || line.starts_with('#')) {
                return;
            }
            std::vector<std::string_view> cells;
            forEachPiece(line, "\t", [&](std::string_view cell) { cells.push_back(cell); });
            for (std::size_t variety = 0; variety < 2 && variety + 1 < cells.size(); ++variety) {
                const std::string_view cell = cells[variety + 1];
                if (cell == "-") {
                    continue;
                }
                const std::size_t bar = cell.find('|');
                Mapping& mapping = parsed[variety][std::string(cells[0])];
                mapping.stressed = parsePhonemes(cell.substr(0, bar));
                if (bar != std::string_view::npos) {
                    mapping.unstressed = parsePhonemes(cell.substr(bar + 1));
                }
            }
        });
        return parsed;
    }();
    return tables;
}

bool isRomanNumeral(std::string_view word)
{
    return !word.empty() && word.find_first_not_of("ivxlcdm") == std::string_view::npos;
}

// Takes the stress marks off the front of `token` and returns its stress.
int takeStress(std::string_view& token)
{
    int stress = Phoneme::Unstressed;
    for (;;) {
        if (token.starts_with(primaryMark)) {
            stress = Phoneme::Primary;
            token.remove_prefix(primaryMark.size());
        } else if (token.starts_with(secondaryMark)) {
            stress = Phoneme::Secondary;
            token.remove_prefix(secondaryMark.size());
        } else {
            return stress;
        }
    }
}

} // namespace

std::optional<Phonemes> espeakPhonemes(std::string_view word, std::string_view ipa,
                                       EspeakVoice voice)
{
    const SymbolTable& table = symbolTables()[voice == EspeakVoice::EnGb ? 0 : 1];
    // espeak-ng reads "ii" as "roman two"; in running text it is "two".
    if (const std::size_t space = ipa.find(' ');
        space != std::string_view::npos && isRomanNumeral(word)) {
        ipa.remove_prefix(space + 1);
    }
    // The flap stands for t or d, as the spelling says.
    const bool flapIsD = word.find('d') != word.npos && word.find('t') == word.npos;

    Phonemes phonemes;
    bool known = true;
    forEachPiece(ipa, "_ ", [&](std::string_view token) {
        const int stress = takeStress(token);
        if (token.empty() || !known) {
            return;
        }
        const auto found = table.find(token);
        if (found == table.end()) {
            known = false;
            return;
        }
        const Mapping& mapping = found->second;
        Phonemes parts = stress == Phoneme::Unstressed && mapping.unstressed ? *mapping.unstressed
                                                                             : mapping.stressed;
        if (token == flapSymbol) {
            parts = {{flapIsD ? "d" : "t", false, Phoneme::Unstressed}};
        }
        const auto firstVowel =
            std::find_if(parts.begin(), parts.end(), [](const Phoneme& p) { return p.vowel; });
        if (firstVowel != parts.end()) {
            firstVowel->stress = stress;
        }
        phonemes.insert(phonemes.end(), parts.begin(), parts.end());
    });
    if (!known || phonemes.empty()) {
        return std::nullopt;
    }
    return phonemes;
}

} // namespace kestrano
