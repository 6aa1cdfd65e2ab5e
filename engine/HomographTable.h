// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Variety.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrano {

// One pronunciation of a word spelt like others, and what calls for it.
struct HomographReading
{
    // "verb", "noun", "past", "name", "strong", "main", "before-to", or a
    // name of its own ("metal", "fish") that only its cue words choose.
    std::u16string name;
    std::array<std::u16string, 2> codes; // British, American PhonemeCode
    std::vector<std::u16string> after;   // the word before is one of these
    std::vector<std::u16string> before;  // the word after is one of these

    const std::u16string& code(Variety variety) const
    {
        return codes[variety == Variety::British ? 0 : 1];
    }
};

// Words with more than one pronunciation, each with its readings, from the
// table file beside the dictionaries. Its lines are TAB-separated: the word,
// the reading's name, its British and its American code, its cue words
// ("prev=of,red next=pipes,poisoning") and the reason for the row; lines
// starting with "#" and lines of other shapes are skipped.
class HomographTable
{
public:
    static HomographTable fromFileText(std::string_view text);

    // The readings of a word of ASCII letters and apostrophes, any case; null
    // for a word the table does not hold. Most words are turned away by
    // their first letter and length alone.
    const std::vector<HomographReading>* find(std::u16string_view word) const;

    // Whether the word may have a reading that its context chooses inside a
    // sentence, not only at its end (as the strong forms of "to" and "of"
    // are): false is certain, true only likely. Asked of every word.
    bool mayReadInside(std::u16string_view word) const;

    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }

private:
    // Looked up by a view, without a string made for each word asked about.
    struct KeyHash
    {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view key) const
        {
            return std::hash<std::u16string_view>()(key);
        }
    };
    std::unordered_map<std::u16string, std::vector<HomographReading>, KeyHash, std::equal_to<>>
        entries_;
    // Per first letter a to z, a bit for each word length up to 31 held and
    // a bit for each last letter: asked of every word of every sentence.
    struct Filter
    {
        std::array<std::uint32_t, 26> lengths{};
        std::array<std::uint32_t, 26> lastLetters{};
        void add(std::u16string_view word);
        bool mayHold(std::u16string_view word) const;
    };
    Filter all_;
    Filter inside_; // words with a reading other than "strong"
};

// The table in the file at `path` (UTF-8), or an empty table when there is
// no such file or it cannot be read: the table is optional, and without it
// the words keep the dictionary's reading.
HomographTable loadHomographTable(const std::string& path);

} // namespace kestrano
