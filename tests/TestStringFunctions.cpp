// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StringFunctions.h"

#include <gtest/gtest.h>

#include <random>

using namespace kestrano;

namespace {

// The replacement loop written the slow, obvious way: edit in place, resume
// two units past each replacement's start, start over until nothing is left.
std::u16string literalReplaceAll(std::u16string text, const std::u16string& pattern,
                                 const std::u16string& replacement)
{
    for (auto pos = text.find(pattern); pos != text.npos; pos = text.find(pattern)) {
        for (; pos != text.npos; pos = text.find(pattern, pos + 2)) {
            text.replace(pos, pattern.size(), replacement);
        }
    }
    return text;
}

} // namespace

TEST(ReplaceAll, AgreesWithTheLiteralLoop)
{
    const std::pair<std::u16string, std::u16string> pairs[] = {
        {u"  ", u" "},  {u"rr", u"r"},   {u"ab", u"b"}, {u"aa", u"bab"},
        {u"aba", u"c"}, {u"ab", u"bcb"}, {u"a", u""},   {u"abc", u"cbaac"},
    };
    std::mt19937 random(7);
    for (const auto& [pattern, replacement] : pairs) {
        for (int round = 0; round < 2000; ++round) {
            std::u16string subject(random() % 24, u'a');
            for (char16_t& unit : subject) {
                unit = u"abc r"[random() % 5];
            }
            ASSERT_EQ(replaceAll(subject, pattern, replacement),
                      literalReplaceAll(subject, pattern, replacement));
        }
    }
    EXPECT_EQ(replaceAll(u"a     b", u"  ", u" "), u"a b");
    EXPECT_EQ(replaceAll(u"at a.m. and a.m.", u"a.m.", u"eyem"), u"at eyem and eyem");
}

TEST(ReplaceAll, RefusesToLoopForever)
{
    EXPECT_EQ(replaceAll(u"abc", u"", u"x"), u"abc");
    EXPECT_EQ(replaceAll(u"abab", u"ab", u"xab"), u"xabxab");
}

TEST(SplitOn, KeepsEmptyPieces)
{
    const std::pair<std::u16string, std::vector<std::u16string>> cases[] = {
        {u"a b", {u"a", u"b"}}, {u"a  b", {u"a", u"", u"b"}}, {u"", {u""}},
        {u" ", {u"", u""}},     {u" a ", {u"", u"a", u""}},
    };
    std::vector<std::u16string> pieces{u"left over"};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(splitOn(pieces, text, u' '), expected.size());
        EXPECT_EQ(pieces, expected);
    }
}

TEST(TrimSpaces, RemovesOnlyTheSpaceCharacter)
{
    EXPECT_EQ(trimSpaces(u"  word  "), u"word");
    EXPECT_EQ(trimSpaces(u"   "), u"");
    EXPECT_EQ(trimSpaces(u"\t  word  "), u"\t  word");
    EXPECT_EQ(trimSpaces(u"\u00A0word\n"), u"\u00A0word\n");
}
