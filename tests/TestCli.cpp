// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"
#include "InputText.h"
#include "TranscriptionDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The document the window would show for `text` with the dictionary `entries`.
QByteArray composed(const QString& text, const std::string& entries, TranscriptionOptions options)
{
    const auto dictionary = kestrano::PronunciationDictionary::fromFileText(entries);
    return composeTranscriptionDocument(text, options, kestrano::TranscriptionEngine(dictionary))
        .toUtf8();
}

const std::string american = "1\tcar\tkRr\n2\tthe\tDJ\n";
const std::string british = "1\tcar\tkR\r\n2\tthe\tDJ\r\n";
const std::string entries = "1\thello\thq'lqu\n2\tworld\twE:ld\n3\tcheese\t'CJz\n";

class CliProcess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkdir("data");
        write("data/american_transcription-abridged.txt", QByteArray::fromStdString(american));
        write("data/lexora_eng_transcription.txt", QByteArray::fromStdString(british));
        write("dict.txt", QByteArray::fromStdString(entries));
    }

    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Runs the real executable in the folder, feeding `input` on stdin.
    CliRun run(const QStringList& arguments, const QByteArray& input = {})
    {
        QProcess process;
        process.setWorkingDirectory(dir_.path());
        process.start(QStringLiteral(KESTRANO_CLI_PATH), arguments);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(60000);
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QTemporaryDir dir_;
};

} // namespace

TEST(FindInvalidUtf8, RejectsWhatIsNotUtf8)
{
    const std::pair<std::string, std::optional<std::size_t>> cases[] = {
        {"plain ASCII", std::nullopt},
        {"caf\xC3\xA9 \xE2\x80\x99 \xF0\x9F\x98\x80", std::nullopt},
        {"ab\xC3", 2},           // truncated
        {"ab\xE9t\xC3\xA9", 2},  // Latin-1
        {"\xC0\x80", 0},         // overlong NUL
        {"\xED\xA0\x80", 0},     // surrogate
        {"\xF4\x90\x80\x80", 0}, // past U+10FFFF
        {"ok\x80", 2},           // stray continuation
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(findInvalidUtf8(bytes), expected) << bytes;
    }
}

TEST(NormalizeLineEnds, AsThePastedTextBecomes)
{
    EXPECT_EQ(normalizeLineEnds(QString::fromUtf8("a\r\nb\rc\nd\u2028e\u2029f\r\r\ng\n\r")),
              QString("a\nb\nc\nd\ne\nf\n\ng\n\n"));
}

TEST(ParseCommandLine, OptionsAndInputs)
{
    const CommandLine line = parseCommandLine({"--no-original", "--cyrillic", "--text", "a", "-"});
    EXPECT_FALSE(line.includeOriginalText);
    EXPECT_TRUE(line.transliterate && line.plainText);
    EXPECT_EQ(line.inputs, (std::vector<std::string>{"a", "-"}));
    EXPECT_EQ(parseCommandLine({}).inputs, std::vector<std::string>{"-"});
    EXPECT_EQ(parseCommandLine({"--british", "--american"}).dictionaryPath,
              kestrano::americanDictionaryPath);
    EXPECT_EQ(parseCommandLine({"--dictionary=x.txt", "--british"}).dictionaryPath, "x.txt");
    EXPECT_EQ(parseCommandLine({"--", "--british"}).inputs, std::vector<std::string>{"--british"});
    EXPECT_FALSE(parseCommandLine({"--dictionary"}).error.empty());
    EXPECT_FALSE(parseCommandLine({"-x"}).error.empty());
}

TEST_F(CliProcess, WritesTheDocumentTheWindowComposes)
{
    const CliRun result =
        run({"--dictionary", "dict.txt"}, "\xEF\xBB\xBFHello world.\r\nCheese\xE2\x80\x99s");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              composed(QString::fromUtf8("Hello world.\nCheese\u2019s"), entries, {true, false}));
    EXPECT_EQ(run({"--dictionary", "dict.txt", "--no-original", "--cyrillic"}, "cheese").out,
              composed("cheese", entries, {false, true}));
    EXPECT_EQ(run({"--dictionary", "dict.txt"}, "Hello.\n").out, composed("Hello.", entries, {}));
    // The variety's file is read relative to the working directory.
    EXPECT_EQ(run({}, "the car").out, composed("the car", american, {}));
    EXPECT_EQ(run({"--british"}, "the car").out, composed("the car", british, {}));
}

TEST_F(CliProcess, PlainTextOfFilesJoinedAsPasted)
{
    // A CR ending one file and an LF starting the next are two line breaks;
    // the line feed that ends the input makes no sentence.
    write("one.txt", "hello\r");
    write("two.txt", "\nworld\r\n");
    EXPECT_EQ(
        run({"--dictionary", "dict.txt", "--text", "--no-original", "one.txt", "two.txt"}).out,
        QByteArray("/h\xC9\x99\xCB\x88l\xC9\x99\xCA\x8A/\n\n/()/\n\n"
                   "/w\xC9\x9C\xCB\x90ld/\n"));
    EXPECT_EQ(
        QString::fromUtf8(
            run({"--dictionary", "dict.txt", "--text", "--cyrillic"}, "  Cheese!  Hello").out),
        QString::fromUtf8("Cheese!\n/ˈчи:з/\n\nHello\n/хэˈлэу/\n"));
}

TEST_F(CliProcess, ReportsUnreadableFiles)
{
    CliRun result = run({"--dictionary", "missing.txt"}, "hello");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "kestrano-cli: cannot read dictionary 'missing.txt': No such file or directory\n");

    // Without its own American file the working directory gives way to the
    // installed data, which a build tree does not have.
    QFile::remove(dir_.filePath("data/american_transcription-abridged.txt"));
    result = run({}, "hello");
    EXPECT_EQ(result.exitCode, 1);
    const QString installed =
        QDir::cleanPath(QFileInfo(KESTRANO_CLI_PATH).absolutePath() + "/" KESTRANO_DATA_FROM_BIN);
    EXPECT_EQ(QString::fromUtf8(result.err),
              "kestrano-cli: cannot find dictionary 'data/american_transcription-abridged.txt', "
              "looked for " +
                  QFileInfo(dir_.path()).canonicalFilePath() +
                  "/data/american_transcription-abridged.txt and " + installed +
                  "/data/american_transcription-abridged.txt; "
                  "name a dictionary file with --dictionary FILE\n");

    result = run({"--dictionary", "dict.txt", "dict.txt", "nowhere.txt"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              "kestrano-cli: cannot open input 'nowhere.txt': No such file or directory\n");

    result = run({"--dictionary", "dict.txt"}, "caf\xE9");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "kestrano-cli: input standard input is not valid UTF-8 (byte 3)\n");
}

TEST_F(CliProcess, UsageAndBadOptions)
{
    EXPECT_TRUE(run({"--help"}).out.startsWith("Usage: kestrano-cli"));
    const CliRun result = run({"--bogus"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err.contains("unknown option '--bogus'"));
    EXPECT_TRUE(result.err.contains("Usage: kestrano-cli"));
}
