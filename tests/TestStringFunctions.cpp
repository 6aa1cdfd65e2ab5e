// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StringFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace kestrano;

// Random text against the slow, obvious versions.
TEST(StringFunctions, ReplaceAllAndSplitOnAgreeWithTheLiteralLoops)
{
    // Edit in place, resume two units past each replacement's start, start
    // over until no pattern is left.
    const auto literalReplaceAll = [](std::u16string text, const std::u16string& pattern,
                                      const std::u16string& replacement) {
        for (auto pos = text.find(pattern); pos != text.npos; pos = text.find(pattern)) {
            for (; pos != text.npos; pos = text.find(pattern, pos + 2)) {
                text.replace(pos, pattern.size(), replacement);
            }
        }
        return text;
    };
    const std::pair<std::u16string, std::u16string> pairs[] = {
        {u"  ", u" "},  {u"rr", u"r"},   {u"aa", u"b"}, {u"ab", u"b"},      {u"aa", u"bab"},
        {u"aba", u"c"}, {u"ab", u"bcb"}, {u"a", u""},   {u"abc", u"cbaac"},
    };
    std::mt19937 random(7);
    std::vector<std::u16string> pieces;
    for (const auto& [pattern, replacement] : pairs) {
        for (int round = 0; round < 2000; ++round) {
            std::u16string subject(random() % 24, u'a');
            for (char16_t& unit : subject) {
                unit = u"abc r"[random() % 5];
            }
            ASSERT_EQ(replaceAll(subject, pattern, replacement),
                      literalReplaceAll(subject, pattern, replacement));
            // One piece more than separators, empty ones kept, and nothing else changed.
            ASSERT_EQ(std::ptrdiff_t(splitOn(pieces, subject, u' ')),
                      std::ranges::count(subject, u' ') + 1);
            std::u16string joined;
            for (const std::u16string& piece : pieces) {
                joined += piece + u' ';
            }
            ASSERT_EQ(joined, subject + u' ');
        }
    }
    // Where the loop would never end: no pattern, or the replacement brings it back.
    EXPECT_EQ(replaceAll(u"abc", u"", u"x"), u"abc");
    EXPECT_EQ(replaceAll(u"abab", u"ab", u"xab"), u"xabxab");
}

TEST(TrimSpaces, RemovesOnlyTheSpaceCharacter)
{
    EXPECT_EQ(trimSpaces(u"   "), u"");
    EXPECT_EQ(trimSpaces(u"\t  word \t  "), u"\t  word \t");
    EXPECT_EQ(trimSpaces(u" \u00A0word\n "), u"\u00A0word\n");
}
