// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The file format is checked against a reference reader by the
// FuzzLoadDictionary replay; these tests cover what its small inputs cannot:
// errors, pipes and large files.

#include "PronunciationDictionary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <tuple>

#include <sys/stat.h>

using namespace kestrano;

namespace {

// Each test writes into a folder of its own, so that parallel runs never
// share a file.
class LoadDictionary : public testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(::mkdtemp(folder.data()), nullptr) << folder; }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string write(const std::string& bytes, const std::string& name = "dictionary.txt") const
    {
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
        return folder + "/" + name;
    }

    std::string folder = std::filesystem::temp_directory_path() / "kestrano-XXXXXX";
};

} // namespace

TEST_F(LoadDictionary, ReplacesTheWholeTableOrEmptiesIt)
{
    // An edit of the same length still counts at the next load.
    ASSERT_TRUE(loadDictionary(write("1\tcolour\tk'Alq\n2\tthe\tDJ\n")));
    ASSERT_TRUE(loadDictionary(write("1\tcolour\tk'Alx\n2\tthe\tDJ\n")));
    EXPECT_EQ(pronunciationDictionary().find(u"colour"), u"k'Alx");

    const std::pair<std::string, std::string> failures[] = {
        {folder + "/missing", "No such file or directory"},
        {folder, "Is a directory"},
        // Opens, then fails at the first read: the page at address 0 is not mapped.
        {"/proc/self/mem", "Input/output error"},
    };
    for (const auto& [path, reason] : failures) {
        ASSERT_TRUE(loadDictionary(write("1\tthe\tDJ\n")));
        const DictionaryLoadResult result = loadDictionary(path);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.reason, reason);
        EXPECT_TRUE(pronunciationDictionary().empty()) << path;
    }
}

TEST_F(LoadDictionary, ReadsPipesAndLargeFiles)
{
    const std::string fifo = folder + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo) << "1\tpiped\tpaIpt\n"; });
    EXPECT_TRUE(loadDictionary(fifo));
    writer.join();
    EXPECT_EQ(pronunciationDictionary().find(u"piped"), u"paIpt");

    // A line of two megabytes, NUL bytes, and enough lines for the huge-page
    // buffers and a table past any cache.
    std::string text = "1\t" + std::string(1 << 20, 'W') + "\t" + std::string(1 << 20, 'v') +
                       std::string("\n1\tn\0l\tv\0\n", 10);
    for (int i = 0; i < 200000; ++i) {
        text += std::to_string(i) + "\tWord" + std::to_string(i) + "\t'wE:d\r\n";
    }
    ASSERT_TRUE(loadDictionary(write(text)));
    EXPECT_EQ(pronunciationDictionary().size(), 200002u);
    EXPECT_EQ(pronunciationDictionary().find(std::u16string(1 << 20, u'w')),
              std::u16string(1 << 20, u'v'));
    EXPECT_EQ(pronunciationDictionary().find(std::u16string(u"n\0l", 3)),
              std::u16string(u"v\0", 2));
    EXPECT_EQ(pronunciationDictionary().find(u"word199999"), u"'wE:d");
}

// Word lists lie over the dictionary as if appended to its file, the later
// list winning, until the next load of a dictionary.
TEST_F(LoadDictionary, WordListsAddToAndOverrideTheDictionaryUntilTheNextLoad)
{
    const std::string dictionary = write("1\thello\thq'lqu\n2\tworld\twE:ld\n");
    EXPECT_EQ(loadDictionary(dictionary).entries, 2u);
    const auto find = [](std::u16string_view word) {
        return pronunciationDictionary().find(word).value_or(u"(none)");
    };
    // Each row: a list's text, the entries read from it, then a word and
    // what the table gives for it afterwards.
    const std::tuple<std::string, std::size_t, std::u16string, std::u16string> lists[] = {
        {"1\tOkafor\tqu'kRfL\n2\tWORLD\twLld\n", 2, u"world", u"wLld"},
        {"", 0, u"okafor", u"qu'kRfL"},
        {"1\tokafor\tqu'kRfq", 1, u"okafor", u"qu'kRfq"},
        {"1\tcolour\tk'Alq\r\n", 1, u"okafor", u"qu'kRfq"}, // no line runs into the next
        {"1\thello\t\n", 1, u"hello", u""},
        {"hello\thq'lqu\nhello hq'lqu\n", 0, u"hello", u""},
    };
    int n = 0;
    for (const auto& [text, entries, word, code] : lists) {
        const DictionaryLoadResult added = addWordList(write(text, std::to_string(++n) + ".txt"));
        EXPECT_TRUE(added) << text;
        EXPECT_EQ(added.entries, entries) << text;
        EXPECT_EQ(find(word), code) << text;
    }
    EXPECT_EQ(find(u"colour"), u"k'Alq");
    EXPECT_FALSE(pronunciationDictionary().hasTranscription(u"hello"));
    EXPECT_EQ(pronunciationDictionary().size(), 2u); // the dictionary's own words

    // A list that cannot be read changes nothing.
    const DictionaryLoadResult missing = addWordList(folder + "/missing.txt");
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.reason, "No such file or directory");
    EXPECT_EQ(find(u"okafor"), u"qu'kRfq");

    // Loading the same dictionary again, whose table is kept, drops the lists.
    EXPECT_TRUE(loadDictionary(dictionary));
    EXPECT_EQ(find(u"okafor"), u"(none)");
    EXPECT_EQ(find(u"world"), u"wE:ld");
    EXPECT_EQ(find(u"hello"), u"hq'lqu");
}
