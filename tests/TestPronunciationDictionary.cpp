// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PronunciationDictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <thread>

#include <sys/stat.h>
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

} // namespace

TEST(FromFileText, KeepsOnlyLinesOfThreeFields)
{
    const std::pair<std::string, Entries> cases[] = {
        {"1\tHello\thq'lqu\n", {{u"hello", u"hq'lqu"}}},
        {"1\thello\thq'lqu\t\n", {}}, // a trailing TAB makes a fourth field
        {"no tabs\n\none\ttab\n1\ta\tb\tc\n", {}},
        {"1\tword\t\n1\t\tempty word", {{u"word", u""}, {u"", u"empty word"}}},
        {"1\t word \t code \n", {{u" word ", u" code "}}},
        // A CR belongs to the line unless it stands right before the LF.
        {"1\tcr\tkq\r\n2\tx\ty\r\r\n3\tlone\tc\rr\n4\tend\tz\r",
         {{u"cr", u"kq"}, {u"x", u"y\r"}, {u"lone", u"c\rr"}, {u"end", u"z\r"}}},
        {"", {}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(entriesOf(PronunciationDictionary::fromFileText(text)), expected) << text;
    }
}

TEST(FromFileText, KeysAndBytes)
{
    // The later line wins; only A to Z are lowered (the neighbours of A and
    // Z and bytes whose low seven bits are capitals stay, across several
    // eight-byte chunks); bytes over 0x7F widen to 0xFF80-0xFFFF.
    const auto dictionary = PronunciationDictionary::fromFileText(
        "1\thello\tfirst\n2\tHELLO\tsecond\n"
        "3\t@ABCDEFGHIJKLMNOPQRSTUVWXYZ[`az{\xC1\xDA\tx\n4\t\x80w\xFF\t\xC3\xA9\n");
    EXPECT_EQ(entriesOf(dictionary),
              (Entries{{u"hello", u"second"},
                       {u"@abcdefghijklmnopqrstuvwxyz[`az{\uFFC1\uFFDA", u"x"},
                       {u"\uFF80w\uFFFF", u"\uFFC3\uFFA9"}}));
    EXPECT_EQ(dictionary.size(), 3u);
    EXPECT_EQ(dictionary.find(u"\uFF80w\uFFFF"), std::u16string_view(u"\uFFC3\uFFA9"));
    EXPECT_FALSE(dictionary.find(u"\u0080w\u00FF"));
    EXPECT_FALSE(dictionary.find(u"HELLO"));
    EXPECT_FALSE(dictionary.find(u"hell"));
}

TEST(LoadDictionary, ReplacesTheWholeTableOrEmptiesIt)
{
    const auto path = std::filesystem::temp_directory_path() / "kestrano-test-dictionary.txt";
    const auto write = [&](const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    };
    ASSERT_TRUE(loadDictionary(write("1\tcolour\tk'Alq\n2\tthe\tDJ\n")));
    EXPECT_EQ(entriesOf(pronunciationDictionary()),
              (Entries{{u"colour", u"k'Alq"}, {u"the", u"DJ"}}));
    ASSERT_TRUE(loadDictionary(write("1\tcolor\tk'Alqr\n")));
    EXPECT_EQ(entriesOf(pronunciationDictionary()), (Entries{{u"color", u"k'Alqr"}}));
    // An edit of the same length still counts at the next load.
    ASSERT_TRUE(loadDictionary(write("1\tcolor\tk'Alqx\n")));
    EXPECT_EQ(entriesOf(pronunciationDictionary()), (Entries{{u"color", u"k'Alqx"}}));

    std::filesystem::remove(path);
    const DictionaryLoadResult missing = loadDictionary(path.string());
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.reason, "No such file or directory");
    EXPECT_TRUE(pronunciationDictionary().empty());

    ASSERT_TRUE(loadDictionary(write("1\tthe\tDJ\n")));
    const DictionaryLoadResult directory =
        loadDictionary(std::filesystem::temp_directory_path().string());
    EXPECT_EQ(directory.reason, "Is a directory");
    EXPECT_TRUE(pronunciationDictionary().empty());

    // Large enough for the huge-page buffers and a table past any cache.
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        text += std::to_string(i) + "\tWord" + std::to_string(i) + "\t'wE:d\r\n";
    }
    ASSERT_TRUE(loadDictionary(write(text)));
    EXPECT_EQ(pronunciationDictionary().size(), 200000u);
    EXPECT_EQ(pronunciationDictionary().find(u"word199999"), std::u16string_view(u"'wE:d"));
    std::filesystem::remove(path);
}

TEST(LoadDictionary, ReadsStreamsOfUnknownSize)
{
    const auto fifo = std::filesystem::temp_directory_path() / "kestrano-test-fifo";
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo) << "1\tpiped\tpaIpt\n"; });
    EXPECT_TRUE(loadDictionary(fifo.string()));
    writer.join();
    EXPECT_EQ(entriesOf(pronunciationDictionary()), (Entries{{u"piped", u"paIpt"}}));
    std::filesystem::remove(fifo);
}

TEST(LoadDictionary, HostileFilesLoadWhatTheirEntryLinesSay)
{
    struct Case
    {
        const char* what;
        std::string bytes;
        std::size_t entries; // 0 where only the probe is known
        std::u16string probe;
        std::u16string value;
    };
    std::string binary(1 << 20, '\0');
    std::mt19937 random(5);
    for (char& byte : binary) {
        byte = static_cast<char>(random()); // TABs, LFs, CRs and NULs among them
    }
    std::string fiftyMegabytes;
    std::size_t lines = 0;
    while (fiftyMegabytes.size() < 50u << 20) {
        fiftyMegabytes += "1\tword" + std::to_string(lines++) + "\t'wE:d\n";
    }
    const Case cases[] = {
        {"empty", "", 0, u"", u""},
        {"CR-only line ends: one line of five fields", "1\ta\tb\r1\tc\td\r", 0, u"", u""},
        {"binary", binary + "\n1\tplanted\tv\n" + binary, 0, u"planted", u"v"},
        {"1 MB line", "1\t" + std::string(1 << 20, 'W') + "\t" + std::string(1 << 20, 'v') + "\n",
         1, std::u16string(1 << 20, u'w'), std::u16string(1 << 20, u'v')},
        {"NUL bytes", std::string("1\tn\0l\tv\0\n", 9), 1, std::u16string(u"n\0l", 3),
         std::u16string(u"v\0", 2)},
        {"50 MB", fiftyMegabytes, lines, u"word0", u"'wE:d"},
    };
    const auto path = std::filesystem::temp_directory_path() / "kestrano-hostile-dictionary.txt";
    for (const Case& file : cases) {
        SCOPED_TRACE(file.what);
        std::ofstream(path, std::ios::binary) << file.bytes;
        ASSERT_TRUE(loadDictionary(path.string()));
        if (file.entries > 0 || file.probe.empty()) {
            EXPECT_EQ(pronunciationDictionary().size(), file.entries);
        }
        if (!file.probe.empty()) {
            EXPECT_EQ(pronunciationDictionary().find(file.probe), file.value);
        }
    }
    std::filesystem::remove(path);
}

TEST(LoadDictionary, ReadErrorsEmptyTheTableWithTheirReason)
{
    const auto path = std::filesystem::temp_directory_path() / "kestrano-unreadable.txt";
    std::ofstream(path) << "1\tthe\tDJ\n";
    // Opens, then fails at the first read: the page at address 0 is not mapped.
    ASSERT_TRUE(loadDictionary(path.string()));
    const DictionaryLoadResult readError = loadDictionary("/proc/self/mem");
    EXPECT_FALSE(readError);
    EXPECT_EQ(readError.reason, "Input/output error");
    EXPECT_TRUE(pronunciationDictionary().empty());

    if (::geteuid() != 0) { // root reads any file whatever its mode
        std::filesystem::permissions(path, std::filesystem::perms::none);
        EXPECT_EQ(loadDictionary(path.string()).reason, "Permission denied");
    }
    std::filesystem::remove(path);
}
