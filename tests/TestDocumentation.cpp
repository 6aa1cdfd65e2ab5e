// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TableData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sstream>

#include <gtest/gtest.h>

// The commands that README.md and docs/ tell a reader to type are run here,
// so that a changed option, program or output shows as a failing test rather
// than as a reader's surprise. The README's set-up and package lines are run
// by .ci/run itself (through tools/documented-command).

namespace {

// A ```console block: a shell session as a terminal shows it. Lines that
// start with "$ " are commands (a command whose line ends in a backslash
// goes on in the next line); the other lines are what they print, standard
// output and standard error together.
struct ConsoleExample
{
    std::string where;
    std::string script;
    std::string output;
};

std::vector<ConsoleExample> consoleExamples(const QString& file)
{
    std::vector<ConsoleExample> examples;
    std::istringstream lines(readFile(file.toStdString()));
    const std::string name = QDir(KESTRANO_SOURCE_DIR).relativeFilePath(file).toStdString();
    ConsoleExample* block = nullptr;
    bool continued = false;
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!block) {
            if (line == "```console") {
                block = &examples.emplace_back();
                block->where = name + ":" + std::to_string(number);
            }
        } else if (line == "```") {
            block = nullptr;
        } else if (continued || line.starts_with("$ ")) {
            block->script += (continued ? line : line.substr(2)) + '\n';
            continued = line.ends_with('\\');
        } else {
            block->output += line + '\n';
        }
    }
    return examples;
}

QStringList documentationFiles()
{
    QStringList files{QStringLiteral(KESTRANO_SOURCE_DIR "/README.md")};
    const QDir docs(QStringLiteral(KESTRANO_SOURCE_DIR "/docs"));
    for (const QString& name : docs.entryList({QStringLiteral("*.md")}, QDir::Files)) {
        files += docs.filePath(name);
    }
    return files;
}

// A shell in a folder like the top of the source tree after the README's
// build: data/ and build/ (this build, whatever its folder is called) are
// there, and the built programs are on PATH as the installed ones would be.
// HOME is the folder too, so that an example may write under ~. A document is
// read as one session: what an example writes, the later ones find.
class Session
{
public:
    Session()
    {
        QFile::link(QStringLiteral(KESTRANO_SOURCE_DIR "/data"), folder.filePath("data"));
        QFile::link(QStringLiteral(KESTRANO_BINARY_DIR), folder.filePath("build"));
        environment.insert("HOME", folder.path());
        environment.remove("XDG_DATA_HOME");
        environment.insert("PATH", QFileInfo(KESTRANO_CLI_PATH).absolutePath() + ":" +
                                       environment.value("PATH"));
    }

    std::string run(const std::string& script)
    {
        QProcess shell;
        shell.setProcessEnvironment(environment);
        shell.setWorkingDirectory(folder.path());
        shell.setProcessChannelMode(QProcess::MergedChannels);
        shell.start("bash", {"-c", QString::fromStdString(script)});
        shell.closeWriteChannel(); // a command reading its input finds it empty, not waiting
        if (!shell.waitForFinished(120000)) {
            return "(still running after two minutes)";
        }
        return shell.readAll().toStdString();
    }

private:
    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// The anchors that GitHub gives a document's headings: lower case, without
// punctuation, a hyphen for each space.
QStringList headingAnchors(const QString& file)
{
    static const QRegularExpression heading(QStringLiteral("^#+ (.+)$"),
                                            QRegularExpression::MultilineOption);
    static const QRegularExpression dropped(QStringLiteral("[^\\w\\- ]"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    QStringList anchors;
    const QString text = QString::fromStdString(readFile(file.toStdString()));
    for (const QRegularExpressionMatch& match : heading.globalMatch(text)) {
        anchors += match.captured(1).toLower().remove(dropped).replace(u' ', u'-');
    }
    return anchors;
}

std::string documentedCommand(const char* name)
{
    QProcess tool;
    tool.start(KESTRANO_SOURCE_DIR "/tools/documented-command", {name});
    tool.waitForFinished();
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return tool.readAllStandardOutput().trimmed().toStdString();
}

} // namespace

TEST(Documentation, ConsoleExamplesPrintWhatTheyShow)
{
    std::size_t count = 0;
    for (const QString& file : documentationFiles()) {
        Session session;
        for (const ConsoleExample& example : consoleExamples(file)) {
            SCOPED_TRACE(example.where);
            EXPECT_EQ(session.run(example.script), example.output) << example.script;
            ++count;
        }
    }
    EXPECT_GE(count, 10u) << "the console blocks are no longer found";
}

// The start line cannot run here and the install line needs root, so they
// are held to what can be checked: the start line builds as the test line
// that CI runs does and starts the program that the build makes; the
// install line names the file that cpack writes (test_package checks that
// it does).
TEST(Documentation, StartAndInstallLinesNameWhatTheBuildMakes)
{
    const std::string test = documentedCommand("test");
    const std::string build = test.substr(0, test.rfind(" && "));
    const QString program = QDir(KESTRANO_BINARY_DIR).relativeFilePath(KESTRANO_APP_PATH);
    EXPECT_EQ(documentedCommand("start"), build + " && build/" + program.toStdString());

    QProcess dpkg;
    dpkg.start("dpkg", {"--print-architecture"});
    ASSERT_TRUE(dpkg.waitForFinished());
    EXPECT_EQ(documentedCommand("install"), "sudo apt install ./build/kestrano_" KESTRANO_VERSION
                                            "_" +
                                                dpkg.readAll().trimmed().toStdString() + ".deb");
}

// Every link between the documents, pictures included, leads to a file that
// exists and, with an anchor, to one of its headings, so that renaming or
// moving a section cannot strand a link to it.
TEST(Documentation, LinksLeadToWhatTheyName)
{
    static const QRegularExpression link(QStringLiteral(R"(\]\(([^)#\s:]*)(?:#([^)\s]+))?\))"));
    for (const QString& file : documentationFiles()) {
        const QString text = QString::fromStdString(readFile(file.toStdString()));
        for (const QRegularExpressionMatch& match : link.globalMatch(text)) {
            const QString target =
                match.captured(1).isEmpty()
                    ? file
                    : QDir::cleanPath(QFileInfo(file).dir().filePath(match.captured(1)));
            SCOPED_TRACE(file.toStdString() + " -> " + match.captured(0).toStdString());
            ASSERT_TRUE(QFileInfo::exists(target));
            if (match.hasCaptured(2)) {
                EXPECT_TRUE(headingAnchors(target).contains(match.captured(2)));
            }
        }
    }
}
