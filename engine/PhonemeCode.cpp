// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhonemeCode.h"

#include <array>

namespace kestrano {
namespace {

constexpr std::u16string_view vowels = u":qeuioaxQWERIOPAFHJLV";
constexpr std::u16string_view voicedConsonants = u"wrdgjlzvbnmDGZN";
constexpr std::u16string_view voicelessConsonants = u"tspfhkTSC";

struct IpaRow
{
    char code;
    std::u16string_view ipa;
};

constexpr IpaRow ipaRows[] = {
    // consonants
    {'p', u"p"},
    {'b', u"b"},
    {'t', u"t"},
    {'d', u"d"},
    {'k', u"k"},
    {'g', u"\u0261"},
    {'f', u"f"},
    {'v', u"v"},
    {'T', u"\u03B8"},
    {'D', u"\u00F0"},
    {'s', u"s"},
    {'z', u"z"},
    {'S', u"\u0283"},
    {'Z', u"\u0292"},
    {'h', u"h"},
    {'C', u"t\u0283"},
    {'G', u"d\u0292"},
    {'m', u"m"},
    {'n', u"n"},
    {'N', u"\u014B"},
    {'w', u"w"},
    {'l', u"l"},
    {'r', u"r"},
    {'j', u"j"},
    // vowels; J, R, L and H carry their own length mark
    {'I', u"\u026A"},
    {'e', u"e"},
    {'x', u"\u00E6"},
    {'P', u"\u0252"},
    {'A', u"\u028C"},
    {'u', u"\u028A"},
    {'q', u"\u0259"},
    {'i', u"i"},
    {'J', u"i\u02D0"},
    {'R', u"\u0251\u02D0"},
    {'L', u"\u0254\u02D0"},
    {'H', u"u\u02D0"},
    {'E', u"\u025C"},
    {'O', u"\u0254"},
    {'o', u"o"},
    {'a', u"a"},
    // length and stress marks
    {':', u"\u02D0"},
    {'\'', u"\u02C8"},
    {'"', u"\u02CC"},
    // passed through
    {' ', u" "},
    {'[', u"["},
    {']', u"]"},
    {',', u","},
    {';', u";"},
    {'(', u"("},
    {')', u")"},
    {'-', u"-"},
};

struct AsciiTables
{
    std::array<std::u16string_view, 128> ipa{};
    std::array<LetterClass, 128> letterClass{};
};

constexpr AsciiTables makeTables()
{
    AsciiTables tables;
    tables.letterClass.fill(LetterClass::NoClass);
    // Filled in reverse of the lookup order so that the first set wins,
    // although the three sets share no letter.
    for (char16_t c : voicelessConsonants) {
        tables.letterClass[c] = LetterClass::VoicelessConsonant;
    }
    for (char16_t c : voicedConsonants) {
        tables.letterClass[c] = LetterClass::VoicedConsonant;
    }
    for (char16_t c : vowels) {
        tables.letterClass[c] = LetterClass::Vowel;
    }
    for (const IpaRow& row : ipaRows) {
        tables.ipa[static_cast<unsigned char>(row.code)] = row.ipa;
    }
    return tables;
}

constexpr AsciiTables tables = makeTables();

} // namespace

LetterClass classifyLetter(char16_t letter)
{
    return letter < tables.letterClass.size() ? tables.letterClass[letter] : LetterClass::NoClass;
}

void appendIpa(std::u16string& out, std::u16string_view codes)
{
    for (char16_t unit : codes) {
        if (unit < tables.ipa.size()) {
            out.append(tables.ipa[unit]);
        }
    }
}

std::u16string codesToIpa(std::u16string codes)
{
    std::u16string ipa;
    ipa.reserve(codes.size() + codes.size() / 2);
    appendIpa(ipa, codes);
    return ipa;
}

} // namespace kestrano
