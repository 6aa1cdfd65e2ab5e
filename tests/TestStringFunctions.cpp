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
    std::size_t pos = text.find(pattern);
    while (pos != std::u16string::npos) {
        while (pos != std::u16string::npos) {
            text.replace(pos, pattern.size(), replacement);
            pos = text.find(pattern, pos + 2);
        }
        pos = text.find(pattern);
    }
    return text;
}

struct ReplaceCase
{
    std::u16string subject, pattern, replacement, expected;
};

} // namespace

TEST(ReplaceAll, FixedCases)
{
    const ReplaceCase cases[] = {
        {u"a     b", u"  ", u" ", u"a b"},
        {u"rrr", u"rr", u"r", u"r"},
        {u"kRr", u"rr", u"r", u"kRr"},
        {u"kRrr", u"rr", u"r", u"kRr"},
        {u"no match", u"xy", u"z", u"no match"},
        {u"", u"  ", u" ", u""},
        {u"at 7 a.m. and a.m.", u"a.m.", u"eyem", u"at 7 eyem and eyem"},
        {u"тшитш", u"тш", u"ч", u"чич"},
        {u"aaaa", u"aa", u"b", u"bb"},
        {u"aaa", u"aa", u"bbb", u"bbba"},
    };
    for (const ReplaceCase& c : cases) {
        EXPECT_EQ(replaceAll(c.subject, c.pattern, c.replacement), c.expected);
    }
}

TEST(ReplaceAll, AgreesWithTheLiteralLoopOnRandomText)
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
                      literalReplaceAll(subject, pattern, replacement))
                << "pattern " << pattern.size() << " round " << round;
        }
    }
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
        {u" ", {u"", u""}},     {u" a ", {u"", u"a", u""}},   {u"one", {u"one"}},
    };
    std::vector<std::u16string> pieces{u"left over"};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(splitOn(pieces, text, u' '), expected.size());
        EXPECT_EQ(pieces, expected);
    }
}

TEST(TrimSpaces, RemovesOnlyTheSpaceCharacter)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"  word  ", u"word"},
        {u"   ", u""},
        {u"", u""},
        {u"\t  word  ", u"\t  word"},
        {u"\u00A0word\n", u"\u00A0word\n"},
        {u" a b ", u"a b"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(trimSpaces(text), expected);
    }
}
