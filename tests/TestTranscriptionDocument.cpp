// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineTestSupport.h"
#include "SentenceSplitter.h"
#include "TableData.h"
#include "TranscriptionDocument.h"
#include "fuzz/RegexSentenceSplit.h"

#include <gtest/gtest.h>

namespace {

const QString header = QStringLiteral(
    "<html>\n<header><style type=\"text/css\">\n.original {\n    font-weight:bold  }\n"
    ".transcr {\n    font-family: Lucida Sans Unicode;\n    font-size: smaller;\n"
    "    color: #333333;\n  }\n</style>\n</header>\n<body>\n");
const QString footer = QStringLiteral("</body>\n</html>");

const kestrano::PronunciationDictionary& words()
{
    static const auto dictionary = kestrano::PronunciationDictionary::fromFileText(
        "0\thello\thq'lqu\n0\tworld\twE:ld\n0\tgood\tgud\n0\tnight\tnaIt\n"
        "0\tit's\tIts\n0\tcheese\t'CJz\n");
    return dictionary;
}

} // namespace

// Every text of up to four characters drawn from sentence marks, the kinds of
// whitespace that do and do not cut, line breaks and a letter.
TEST(SplitIntoSentences, AgreesWithTheRegularExpressionOnEveryShortText)
{
    const QString alphabet = QStringLiteral("a.!? \t\v\f\r\n\u00A0\u2028");
    QStringList texts{QString()};
    for (qsizetype i = 0; texts[i].size() < 4; ++i) {
        for (const QChar c : alphabet) {
            texts.append(texts[i] + c);
        }
    }
    for (const QString& text : texts) {
        EXPECT_EQ(splitIntoSentences(text), regexSplit(text)) << text.toStdString();
    }
}

TEST(ComposeTranscriptionDocument, AsTheTableSays)
{
    const kestrano::TranscriptionEngine engine(words());
    for (const TableRow& row : readTable("transcription-document.tsv")) {
        const QString text = QString::fromStdString(row[2]);
        EXPECT_EQ(composeTranscriptionDocument(text, {row[0] == "1", row[1] == "1"}, engine),
                  header + QString::fromStdString(row[3]) + footer)
            << row[2];
    }
}
