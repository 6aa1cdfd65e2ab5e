#include "CommandLine.h"
#include "InputText.h"

#include <QDir>
#include <QFile>
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

// Runs the real executable in `workingDirectory`, feeding `input` on stdin.
CliRun runCli(const QStringList& arguments, const QString& workingDirectory,
              const QByteArray& input = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(KESTRANO_CLI_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QByteArray header = "<html>\n<header><style type=\"text/css\">\n.original {\n"
                          "    font-weight:bold  }\n.transcr {\n"
                          "    font-family: Lucida Sans Unicode;\n    font-size: smaller;\n"
                          "    color: #333333;\n  }\n</style>\n</header>\n<body>\n";
const QByteArray footer = "</body>\n</html>";

QByteArray paragraph(const QByteArray& original, const QByteArray& transcription)
{
    return "<p><span class=\"original\">" + original + "</span><br>\n<span class=\"transcr\">" +
           transcription + "</span></p>\n";
}

class CliProcess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkdir("data");
        write("data/american_transcription-abridged.txt", "1\tcar\tkRr\n2\tthe\tDJ\n");
        write("data/lexora_eng_transcription.txt", "1\tcar\tkR\r\n2\tthe\tDJ\r\n");
        write("dict.txt", "1\thello\thq'lqu\n2\tworld\twE:ld\n3\tcheese\t'CJz\n");
    }

    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    CliRun run(const QStringList& arguments, const QByteArray& input = {})
    {
        return runCli(arguments, dir_.path(), input);
    }

    QTemporaryDir dir_;
};

} // namespace

TEST(FindInvalidUtf8, RejectsWhatIsNotUtf8)
{
    const std::pair<std::string, std::optional<std::size_t>> cases[] = {
        {"plain ASCII", std::nullopt},
        {"caf\xC3\xA9 \xE2\x80\x99 \xF0\x9F\x98\x80", std::nullopt},
        {"\xEF\xBF\xBF", std::nullopt},
        {"ab\xC3", 2},           // truncated
        {"ab\xE9t\xC3\xA9", 2},  // Latin-1
        {"\xC0\x80", 0},         // overlong NUL
        {"x\xE0\x80\xAF", 1},    // overlong slash
        {"\xED\xA0\x80", 0},     // surrogate
        {"\xF4\x90\x80\x80", 0}, // past U+10FFFF
        {"ok\x80", 2},           // stray continuation
        {"\xF8\x88\x80\x80\x80", 0},
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(findInvalidUtf8(bytes), expected) << bytes;
    }
}

TEST(NormalizeLineEnds, AsThePastedTextBecomes)
{
    EXPECT_EQ(normalizeLineEnds(QString::fromUtf8("a\r\nb\rc\nd\u2028e\u2029f\r\r\ng\n\r")),
              QString("a\nb\nc\nd\ne\nf\n\ng\n\n"));
    EXPECT_EQ(normalizeLineEnds(QString::fromUtf8("no\u00A0change\u0085")),
              QString::fromUtf8("no\u00A0change\u0085"));
}

TEST(ParseCommandLine, OptionsAndInputs)
{
    CommandLine line = parseCommandLine({});
    EXPECT_EQ(line.dictionaryPath, americanDictionaryPath);
    EXPECT_TRUE(line.includeOriginalText);
    EXPECT_FALSE(line.transliterate);
    EXPECT_EQ(line.inputs, std::vector<std::string>{"-"});

    line = parseCommandLine({"--british", "--no-original", "--cyrillic", "--text", "a", "-", "b"});
    EXPECT_EQ(line.dictionaryPath, britishDictionaryPath);
    EXPECT_FALSE(line.includeOriginalText);
    EXPECT_TRUE(line.transliterate);
    EXPECT_TRUE(line.plainText);
    EXPECT_EQ(line.inputs, (std::vector<std::string>{"a", "-", "b"}));

    EXPECT_EQ(parseCommandLine({"--british", "--american"}).dictionaryPath, americanDictionaryPath);
    EXPECT_EQ(parseCommandLine({"--dictionary", "x.txt", "--british"}).dictionaryPath, "x.txt");
    EXPECT_EQ(parseCommandLine({"--dictionary=y.txt"}).dictionaryPath, "y.txt");
    EXPECT_EQ(parseCommandLine({"--", "--british"}).inputs, std::vector<std::string>{"--british"});

    EXPECT_FALSE(parseCommandLine({"--dictionary"}).error.empty());
    EXPECT_FALSE(parseCommandLine({"--frobnicate"}).error.empty());
    EXPECT_FALSE(parseCommandLine({"-x"}).error.empty());
}

TEST_F(CliProcess, WritesTheDocument)
{
    const CliRun result = run({"--dictionary", "dict.txt"}, "Hello world. Cheese\xE2\x80\x99s");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(
        result.out,
        header +
            paragraph("Hello world.", "/h\xC9\x99\xCB\x88l\xC9\x99\xCA\x8A w\xC9\x9C\xCB\x90ld/") +
            paragraph("Cheese's", "/\xCB\x88t\xCA\x83i\xCB\x90z\xC9\xAAz/") + footer);
}

TEST_F(CliProcess, ReadsTheVarietyFileFromTheWorkingDirectory)
{
    const QByteArray expectedAmerican =
        header + paragraph("the car", "/\xC3\xB0\xC9\x99 k\xC9\x91\xCB\x90r/") + footer;
    EXPECT_EQ(run({}, "the car").out, expectedAmerican);
    EXPECT_EQ(run({"--american"}, "the car").out, expectedAmerican);
    EXPECT_EQ(run({"--british"}, "the car").out,
              header + paragraph("the car", "/\xC3\xB0\xC9\x99 k\xC9\x91\xCB\x90/") + footer);
}

TEST_F(CliProcess, JoinsFilesAsPastedOneAfterTheOther)
{
    // A CR ending one file and an LF starting the next are two line breaks.
    write("one.txt", "hello\r");
    write("two.txt", "\nworld\r\n");
    const CliRun result =
        run({"--dictionary", "dict.txt", "--text", "--no-original", "one.txt", "two.txt"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, QByteArray("/h\xC9\x99\xCB\x88l\xC9\x99\xCA\x8A/\n\n/()/\n\n"
                                     "/w\xC9\x9C\xCB\x90ld/\n\n/()/\n"));
}

TEST_F(CliProcess, PlainTextAndCyrillic)
{
    const CliRun result =
        run({"--dictionary", "dict.txt", "--text", "--cyrillic"}, "\xEF\xBB\xBF  Cheese!  Hello\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(result.out),
              QString::fromUtf8("Cheese!\n/ˈчи:з/\n\nHello\n/хэˈлэу/\n\n\n/()/\n"));
}

TEST_F(CliProcess, ReportsUnreadableFiles)
{
    CliRun result = run({"--dictionary", "missing.txt"}, "hello");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "kestrano-cli: cannot read dictionary 'missing.txt': No such file or directory\n");

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
    CliRun result = run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.startsWith("Usage: kestrano-cli"));

    result = run({"--bogus"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err.contains("unknown option '--bogus'"));
    EXPECT_TRUE(result.err.contains("Usage: kestrano-cli"));
}
