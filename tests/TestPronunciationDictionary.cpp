#include "PronunciationDictionary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

using namespace kestrano;

namespace {

using Entries = std::map<std::u16string, std::u16string>;

Entries entriesOf(const PronunciationDictionary& dictionary)
{
    Entries entries;
    dictionary.forEach(
        [&](std::u16string_view key, std::u16string_view value) { entries.emplace(key, value); });
    return entries;
}

class DictionaryFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path_ = std::filesystem::temp_directory_path() /
                ("kestrano-dictionary-" + std::to_string(::getpid()) + ".txt");
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::string write(const std::string& bytes)
    {
        std::ofstream(path_, std::ios::binary) << bytes;
        return path_.string();
    }

    std::filesystem::path path_;
};

} // namespace

TEST(FromFileText, KeepsOnlyLinesOfThreeFields)
{
    const std::pair<std::string, Entries> cases[] = {
        {"1\tHello\thq'lqu\n", {{u"hello", u"hq'lqu"}}},
        {"1\thello\thq'lqu\t\n", {}},
        {"no tabs\n\none\ttab\n", {}},
        {"1\ta\tb\tc\n", {}},
        {"1\tword\t\n", {{u"word", u""}}},
        {"1\t\tempty word", {{u"", u"empty word"}}},
        {"1\t word \t code \n", {{u" word ", u" code "}}},
        {"1\tlast\tline", {{u"last", u"line"}}},
        {"", {}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(entriesOf(PronunciationDictionary::fromFileText(text)), expected) << text;
    }
}

TEST(FromFileText, LaterLinesWinAndKeysLowerOnlyAsciiLetters)
{
    const auto dictionary = PronunciationDictionary::fromFileText(
        "1\thello\tfirst\n2\tHELLO\tsecond\n3\tZ\xC3\x89\tCase\n4\t[A-Z]\tx\n");
    EXPECT_EQ(entriesOf(dictionary),
              (Entries{{u"hello", u"second"}, {u"z\uFFC3\uFF89", u"Case"}, {u"[a-z]", u"x"}}));
}

TEST(FromFileText, LineEnds)
{
    // A CR belongs to the line unless it stands right before the LF.
    const auto dictionary = PronunciationDictionary::fromFileText(
        "1\tcr\tkq\r\n2\tx\ty\r\r\n3\tlone\tc\rr\n4\tend\tz\r");
    EXPECT_EQ(entriesOf(dictionary),
              (Entries{{u"cr", u"kq"}, {u"x", u"y\r"}, {u"lone", u"c\rr"}, {u"end", u"z\r"}}));
}

TEST(FromFileText, LowersExactlyTheLettersAToZ)
{
    // Long enough to span several eight-byte chunks, with the neighbours of
    // A and Z and bytes whose low seven bits are capitals.
    const auto dictionary = PronunciationDictionary::fromFileText(
        "1\t@ABCDEFGHIJKLMNOPQRSTUVWXYZ[`az{\xC1\xDA\tx\n");
    EXPECT_EQ(entriesOf(dictionary),
              (Entries{{u"@abcdefghijklmnopqrstuvwxyz[`az{\uFFC1\uFFDA", u"x"}}));
    EXPECT_TRUE(dictionary.find(u"@abcdefghijklmnopqrstuvwxyz[`az{\uFFC1\uFFDA"));
}

TEST(FromFileText, HighBytesWidenOneByOne)
{
    const auto dictionary = PronunciationDictionary::fromFileText("1\t\x80w\xFF\t\xC3\xA9\n");
    EXPECT_EQ(dictionary.find(u"\uFF80w\uFFFF"), std::u16string_view(u"\uFFC3\uFFA9"));
    EXPECT_FALSE(dictionary.find(u"\u0080w\u00FF"));
}

TEST(FromFileText, FindsByExactKeyInUnitOrder)
{
    std::string text;
    for (int i = 999; i >= 0; --i) {
        text += "n\tw" + std::to_string(i) + "\tc" + std::to_string(i) + "\n";
    }
    const auto dictionary = PronunciationDictionary::fromFileText(text);
    EXPECT_EQ(dictionary.size(), 1000u);
    EXPECT_EQ(dictionary.find(u"w0"), std::u16string_view(u"c0"));
    EXPECT_EQ(dictionary.find(u"w999"), std::u16string_view(u"c999"));
    EXPECT_FALSE(dictionary.find(u"W1"));
    EXPECT_FALSE(dictionary.find(u"w"));
    std::u16string previous;
    bool first = true;
    dictionary.forEach([&](std::u16string_view key, std::u16string_view) {
        EXPECT_TRUE(first || previous < key);
        previous = key;
        first = false;
    });
}

TEST_F(DictionaryFile, LoadReplacesTheWholeTable)
{
    ASSERT_TRUE(loadDictionary(write("1\tcolour\tk'Alq\n2\tthe\tDJ\n")));
    EXPECT_EQ(entriesOf(pronunciationDictionary()),
              (Entries{{u"colour", u"k'Alq"}, {u"the", u"DJ"}}));

    ASSERT_TRUE(loadDictionary(write("1\tcolor\tk'Alqr\n")));
    EXPECT_EQ(entriesOf(pronunciationDictionary()), (Entries{{u"color", u"k'Alqr"}}));
}

TEST_F(DictionaryFile, UnreadableFileEmptiesTheTableAndSaysWhy)
{
    ASSERT_TRUE(loadDictionary(write("1\tthe\tDJ\n")));
    std::filesystem::remove(path_);
    const DictionaryLoadResult missing = loadDictionary(path_.string());
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.reason, "No such file or directory");
    EXPECT_TRUE(pronunciationDictionary().empty());

    ASSERT_TRUE(loadDictionary(write("1\tthe\tDJ\n")));
    const DictionaryLoadResult directory =
        loadDictionary(std::filesystem::temp_directory_path().string());
    EXPECT_FALSE(directory);
    EXPECT_EQ(directory.reason, "Is a directory");
    EXPECT_TRUE(pronunciationDictionary().empty());
}

TEST_F(DictionaryFile, LargeFileLoadsCompletely)
{
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        text += std::to_string(i) + "\tword" + std::to_string(i) + "\t'wE:d\r\n";
    }
    ASSERT_TRUE(loadDictionary(write(text)));
    EXPECT_EQ(pronunciationDictionary().size(), 200000u);
    EXPECT_EQ(pronunciationDictionary().find(u"word199999"), std::u16string_view(u"'wE:d"));
}
