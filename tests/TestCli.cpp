// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"
#include "JsonOutput.h"
#include "TableData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <tuple>

#include <gtest/gtest.h>

// Every case of cli.tsv runs the real executable in a fresh folder holding the
// files of cli-files.tsv, and compares all it answers.
TEST(CliProcess, AnswersAsTheTableSays)
{
    const QString installed =
        QDir::cleanPath(QFileInfo(KESTRANO_CLI_PATH).absolutePath() + "/" KESTRANO_DATA_FROM_BIN);
    for (TableRow row : readTable("cli.tsv")) {
        row.resize(5); // empty fields at the end may be left out
        SCOPED_TRACE(row[0] + " <- " + row[1]);
        QTemporaryDir dir;
        for (const TableRow& file : readTable("cli-files.tsv")) {
            const QString path = dir.filePath(QString::fromStdString(file[0]));
            QFile out(path);
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()) && out.open(QIODevice::WriteOnly));
            out.write(QByteArray::fromStdString(file[1]));
        }
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(KESTRANO_CLI_PATH,
                      QString::fromStdString(row[0]).split(u' ', Qt::SkipEmptyParts));
        process.write(QByteArray::fromStdString(row[1]));
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        const auto expected = [&](const std::string& field) {
            return QString::fromStdString(field)
                .replace("{usage}", QString::fromStdString(usageText()))
                .replace("{here}", QFileInfo(dir.path()).canonicalFilePath())
                .replace("{installed}", installed)
                .toStdString();
        };
        EXPECT_EQ(process.exitCode(), std::stoi(row[2]));
        EXPECT_EQ(process.readAllStandardOutput().toStdString(), expected(row[3]));
        EXPECT_EQ(process.readAllStandardError().toStdString(), expected(row[4]));
    }
}

// Without espeak-ng's data, --guess fails at the first word that needs a
// guess, rather than writing the not-found forms it promised away; a text of
// known words never loads the library.
TEST(CliProcess, GuessingWithoutEspeakDataFails)
{
    QTemporaryDir noData;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ESPEAK_DATA_PATH", noData.path());
    const QString dictionary = QStringLiteral(KESTRANO_DATA_DIR "/lexora_eng_transcription.txt");
    for (const auto& [text, status, error] :
         {std::tuple{"hello", 0, QString()},
          {"hello Okafor", 1,
           "kestrano-cli: cannot guess pronunciations: espeak-ng could not load its data from " +
               noData.path() + ": No such file or directory\n"}}) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(KESTRANO_CLI_PATH, {"--guess", "--words", "--dictionary", dictionary});
        process.write(text);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), status) << text;
        EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()), error);
        EXPECT_EQ(process.readAllStandardOutput().isEmpty(), status != 0);
    }
}

// Any text, control characters and lone surrogates included, reads back
// whole through the toolkit's JSON parser, from a string that holds no raw
// control character and survives the trip through UTF-8.
TEST(JsonString, ReadsBackAsTheText)
{
    QString every;
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        every += QChar(static_cast<char16_t>(unit));
    }
    const QString json = jsonString(every);
    EXPECT_EQ(QJsonDocument::fromJson(('[' + json + ']').toUtf8()).array()[0].toString(), every);
    EXPECT_FALSE(json.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1F]"))));
    EXPECT_EQ(QString::fromUtf8(json.toUtf8()), json);
}
