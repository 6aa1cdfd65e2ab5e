// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"
#include "InputText.h"
#include "JsonOutput.h"
#include "TranscriptionDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    EXPECT_EQ(parseCommandLine({"--british"}).variety, "british");
    EXPECT_EQ(parseCommandLine({"--british", "--dictionary", "x.txt"}).variety, "");
    // Output formats exclude each other; the JSON and the word list always
    // show the original.
    for (const auto& conflict : {std::vector<std::string>{"--json", "--text"},
                                 {"--words", "--json"},
                                 {"--text", "--words"},
                                 {"--json", "--no-original"},
                                 {"--no-original", "--words"}}) {
        EXPECT_FALSE(parseCommandLine(conflict).error.empty()) << conflict[0] << conflict[1];
    }
    EXPECT_TRUE(parseCommandLine({"--json", "--cyrillic", "--british"}).error.empty());
}

TEST(JsonString, EscapesWhatJsonRequires)
{
    const QString text =
        QStringLiteral("a\"b\\c\n\t\x01\x1F/é😀") + QChar(0xD800) + "x" + QChar(0xDC00);
    EXPECT_EQ(jsonString(text),
              QStringLiteral("\"a\\\"b\\\\c\\n\\t\\u0001\\u001f/é😀\\ud800x\\udc00\""));
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

TEST_F(CliProcess, JsonHoldsTheDocumentsSentencesWithTheirWords)
{
    const QByteArray input = "  Hello \"world\".\x01\nThe car, Xyzzy cheeses! ";
    const QString document = QString::fromUtf8(composed(input, american, {false, false}));
    const CliRun result = run({"--json"}, input);
    EXPECT_EQ(result.exitCode, 0);
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(result.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
    EXPECT_EQ(json["dictionary"], "data/american_transcription-abridged.txt");
    EXPECT_EQ(json["variety"], "american");

    // Every transcription is the document's, between the slashes, and its
    // words' IPA joined by spaces.
    const QJsonArray sentences = json["sentences"].toArray();
    ASSERT_EQ(sentences.size(), 3);
    EXPECT_EQ(sentences[0]["original"], "Hello \"world\".\x01");
    EXPECT_EQ(sentences[2]["original"], "");
    for (const QJsonValue sentence : sentences) {
        const QString transcription = sentence["transcription"].toString();
        EXPECT_TRUE(document.contains("\"transcr\">/" + transcription + "/<"))
            << transcription.toStdString();
        QStringList ipa;
        for (const QJsonValue word : sentence["words"].toArray()) {
            ipa.append(word["ipa"].toString());
        }
        EXPECT_EQ(ipa.join(u' '), transcription);
    }
    EXPECT_EQ(sentences[1]["words"][1].toObject(), (QJsonObject{{"word", "car"},
                                                                {"code", "kRr"},
                                                                {"ipa", "k\u0251\u02D0r"},
                                                                {"source", "dictionary"}}));
    EXPECT_EQ(sentences[1]["words"][2]["source"], "not-found");

    const QJsonObject cyrillic =
        QJsonDocument::fromJson(
            run({"--json", "--cyrillic", "--dictionary", "dict.txt"}, "cheeses").out)
            .object();
    EXPECT_EQ(cyrillic["variety"], QJsonValue::Null);
    EXPECT_EQ(cyrillic["sentences"][0]["transcription"], "ˈчи:зиз");
    EXPECT_EQ(cyrillic["sentences"][0]["words"][0].toObject(), (QJsonObject{{"word", "cheeses"},
                                                                            {"code", "'CJzIz"},
                                                                            {"ipa", "ˈtʃiːzɪz"},
                                                                            {"cyrillic", "ˈчи:зиз"},
                                                                            {"source", "derived"},
                                                                            {"stem", "cheese"},
                                                                            {"suffix", "s"}}));
}

TEST_F(CliProcess, WordListOfFilesAndStandardInput)
{
    // The last entry of a file without a final line feed stays on its own.
    write("one.txt", "hello\r\n\n  \t \nhello world  \nXyzzy");
    write("two.txt", "cheese\n\"hello\"\tworld\n");
    EXPECT_EQ(
        QString::fromUtf8(run({"--dictionary", "dict.txt", "--words", "one.txt", "two.txt"}).out),
        QString::fromUtf8("hello\thəˈləʊ\n"
                          "hello world\thəˈləʊ wɜːld\n"
                          "Xyzzy\t(Xyzzy)\n"
                          "cheese\tˈtʃiːz\n"
                          "“hello” world\thəˈləʊ wɜːld\n"));
    EXPECT_EQ(QString::fromUtf8(
                  run({"--dictionary", "dict.txt", "--words", "--cyrillic"}, "cheese\u2019s").out),
              QString::fromUtf8("cheese\u2019s\tˈчи:зиз\n"));
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
    EXPECT_EQ(run({"--words", "--no-original"}, "hello").exitCode, 2);
}
