// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HomographTable.h"

#include "StringFunctions.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace kestrano {
namespace {

// The table is ASCII; any other byte keeps its value and matches nothing.
std::u16string widened(std::string_view bytes)
{
    return {bytes.begin(), bytes.end()};
}

std::vector<std::string_view> fieldsOf(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string_view::npos) {
            return fields;
        }
        start = end + 1;
    }
}

// "prev=of,red next=pipes" into the reading's two lists.
void readCues(std::string_view cues, HomographReading& reading)
{
    for (std::string_view cue : fieldsOf(cues, ' ')) {
        const std::size_t equals = cue.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view side = cue.substr(0, equals);
        std::vector<std::u16string>* words = side == "prev"   ? &reading.after
                                             : side == "next" ? &reading.before
                                                              : nullptr;
        if (words == nullptr) {
            continue;
        }
        for (std::string_view word : fieldsOf(cue.substr(equals + 1), ',')) {
            if (!word.empty()) {
                words->push_back(widened(word));
            }
        }
    }
}

std::size_t letterIndex(char16_t first)
{
    return static_cast<std::size_t>(lowerAsciiLetter(first) - u'a');
}

bool isLetter(char16_t unit)
{
    const char16_t lower = lowerAsciiLetter(unit);
    return lower >= u'a' && lower <= u'z';
}

bool indexable(std::u16string_view word)
{
    return !word.empty() && isLetter(word.front()) && isLetter(word.back()) && word.size() < 32;
}

} // namespace

HomographTable HomographTable::fromFileText(std::string_view text)
{
    HomographTable table;
    for (std::string_view line : fieldsOf(text, '\n')) {
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const std::vector<std::string_view> fields = fieldsOf(line, '\t');
        if (line.starts_with('#') || fields.size() != 6 || fields[2].empty() || fields[3].empty()) {
            continue;
        }
        std::u16string word = lowerAsciiLetters(widened(fields[0]));
        if (!indexable(word)) {
            continue;
        }
        HomographReading reading;
        reading.name = widened(fields[1]);
        reading.codes = {widened(fields[2]), widened(fields[3])};
        readCues(fields[4], reading);
        table.all_.add(word);
        if (reading.name != u"strong") {
            table.inside_.add(word);
        }
        table.entries_[std::move(word)].push_back(std::move(reading));
    }
    return table;
}

const std::vector<HomographReading>* HomographTable::find(std::u16string_view word) const
{
    if (!all_.mayHold(word)) {
        return nullptr;
    }
    const bool lower = std::none_of(word.begin(), word.end(),
                                    [](char16_t unit) { return unit >= u'A' && unit <= u'Z'; });
    const std::u16string lowered = lower ? std::u16string() : lowerAsciiLetters(word);
    const auto found = entries_.find(lower ? word : std::u16string_view(lowered));
    return found == entries_.end() ? nullptr : &found->second;
}

bool HomographTable::mayReadInside(std::u16string_view word) const
{
    return inside_.mayHold(word);
}

void HomographTable::Filter::add(std::u16string_view word)
{
    lengths[letterIndex(word[0])] |= std::uint32_t{1} << word.size();
    lastLetters[letterIndex(word[0])] |= std::uint32_t{1} << letterIndex(word.back());
}

bool HomographTable::Filter::mayHold(std::u16string_view word) const
{
    return indexable(word) && (lengths[letterIndex(word[0])] >> word.size() & 1) != 0 &&
           (lastLetters[letterIndex(word[0])] >> letterIndex(word.back()) & 1) != 0;
}

HomographTable loadHomographTable(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {};
    }
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    return file.bad() ? HomographTable() : HomographTable::fromFileText(text);
}

} // namespace kestrano
