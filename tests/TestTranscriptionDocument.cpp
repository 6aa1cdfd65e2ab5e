// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CyrillicTransliteration.h"
#include "EngineTestSupport.h"
#include "SentenceSplitter.h"
#include "TranscribedSentences.h"
#include "TranscriptionDocument.h"

#include <gtest/gtest.h>

#include <random>

using namespace kestrano;

namespace {

const QString header = QStringLiteral(
    "<html>\n<header><style type=\"text/css\">\n.original {\n    font-weight:bold  }\n"
    ".transcr {\n    font-family: Lucida Sans Unicode;\n    font-size: smaller;\n"
    "    color: #333333;\n  }\n</style>\n</header>\n<body>\n");
const QString footer = QStringLiteral("</body>\n</html>");

QString paragraph(const QString& original, const QString& transcription)
{
    return "<p><span class=\"original\">" + original + "</span><br>\n<span class=\"transcr\">" +
           transcription + "</span></p>\n";
}

QString bareParagraph(const QString& transcription)
{
    return "<p><span class=\"transcr\">" + transcription + "</span></p>\n";
}

const PronunciationDictionary& words()
{
    static const PronunciationDictionary dictionary = makeDictionary({{"hello", "hq'lqu"},
                                                                      {"world", "wE:ld"},
                                                                      {"good", "gud"},
                                                                      {"night", "naIt"},
                                                                      {"it's", "Its"},
                                                                      {"cheese", "'CJz"}});
    return dictionary;
}

} // namespace

TEST(SplitIntoSentences, CutsAtMarksBeforeWhitespaceAndAtLineFeeds)
{
    const std::pair<QString, QStringList> cases[] = {
        {"One. Two? Three! Four", {"One.", "Two?", "Three!", "Four"}},
        {"Dr.Smith arrived.", {"Dr.Smith arrived."}},
        {"First line\nSecond line", {"First line\n", "Second line"}},
        {"First line\n\nSecond line", {"First line\n", "\n", "Second line"}},
        {"Stop.  Go", {"Stop.", "Go"}},
        {"Yes? Yes! Yes.", {"Yes?", "Yes!", "Yes."}},
        {"Hello. ", {"Hello.", ""}},
        {"", {""}},
        {"Tab.\tVT.\vFF.\fCR.\rend", {"Tab.", "VT.", "FF.", "CR.", "end"}},
        {"Why?!  Because", {"Why?!", "Because"}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(splitIntoSentences(text), expected) << text.toStdString();
    }
}

TEST(ComposeTranscriptionDocument, OriginalAboveEachTranscription)
{
    const TranscriptionEngine engine(words());
    EXPECT_EQ(composeTranscriptionDocument("Hello world. Good night", {true, false}, engine),
              header + paragraph("Hello world.", "/h\u0259\u02C8l\u0259\u028A w\u025C\u02D0ld/") +
                  paragraph("Good night", "/\u0261\u028Ad na\u026At/") + footer);
}

TEST(ComposeTranscriptionDocument, Options)
{
    const TranscriptionEngine engine(words());
    EXPECT_EQ(composeTranscriptionDocument("Good night", {false, false}, engine),
              header + bareParagraph("/\u0261\u028Ad na\u026At/") + footer);
    EXPECT_EQ(composeTranscriptionDocument("cheese", {true, true}, engine),
              header + paragraph("cheese", "/\u02C8\u0447\u0438:\u0437/") + footer);
}

TEST(ComposeTranscriptionDocument, PiecesAsTheyStand)
{
    const TranscriptionEngine engine(words());
    EXPECT_EQ(composeTranscriptionDocument("It\u2019s", {true, false}, engine),
              header + paragraph("It's", "/\u026Ats/") + footer);
    EXPECT_EQ(composeTranscriptionDocument("", {true, false}, engine),
              header + paragraph("", "/()/") + footer);
    EXPECT_EQ(composeTranscriptionDocument("  Hello <b>&amp;\n\nworld. ", {true, false}, engine),
              header + paragraph("Hello <b>&amp;", "/h\u0259\u02C8l\u0259\u028A (bamp)/") +
                  paragraph("", "/()/") + paragraph("world.", "/w\u025C\u02D0ld/") +
                  paragraph("", "/()/") + footer);
}

TEST(ComposeTranscriptionDocument, HostileText)
{
    const TranscriptionEngine engine(words());
    const QString surrogates =
        QStringLiteral("Hello ") + QChar(0xD800) +
        QStringLiteral("world\U0001F600 \u0645\u0631\u062D\u0628\u0627 good") + QChar(0xDC00) +
        QChar(0) + "night";
    const QString hostile[][2] = {
        // Sentence marks and whitespace only: every piece is a paragraph of no words.
        {QStringLiteral("?! .\u00A0.\t!\n?"), paragraph("?!", "/()/") +
                                                  paragraph(".\u00A0.", "/()/") +
                                                  paragraph("!", "/()/") + paragraph("?", "/()/")},
        // Lone surrogates, characters beyond the BMP, right-to-left letters
        // and NUL are dropped from the words but kept in the original.
        {surrogates,
         paragraph(surrogates, "/h\u0259\u02C8l\u0259\u028A w\u025C\u02D0ld (goodnight)/")},
        // A lone CR does not end a sentence, but it does separate words.
        {QStringLiteral("Good\rnight. Hello"),
         paragraph("Good\rnight.", "/\u0261\u028Ad na\u026At/") +
             paragraph("Hello", "/h\u0259\u02C8l\u0259\u028A/")},
    };
    for (const auto& [text, paragraphs] : hostile) {
        EXPECT_EQ(composeTranscriptionDocument(text, {true, false}, engine),
                  header + paragraphs + footer);
    }
}

TEST(ComposeTranscriptionDocument, TenMegabytesOfText)
{
    const TranscriptionEngine engine(words());
    const QString sentences = QStringLiteral("Hello world, good night! It\u2019s cheese?\n");
    const qsizetype repeats = (10 << 20) / sentences.size();
    const QString document =
        composeTranscriptionDocument(sentences.repeated(repeats), {true, false}, engine);
    EXPECT_TRUE(document.startsWith(
        header +
        paragraph("Hello world, good night!",
                  "/h\u0259\u02C8l\u0259\u028A w\u025C\u02D0ld \u0261\u028Ad na\u026At/")));
    EXPECT_TRUE(document.endsWith(paragraph("", "/()/") + footer));
    EXPECT_EQ(document.count(QStringLiteral("<p>")), 2 * repeats + 1);
}

TEST(TranscribeSentences, HoldWhatTheDocumentHoldsOnRandomText)
{
    // Codes with spaces, "_", a leading "(" and the rules' own words.
    const auto dictionary = makeDictionary({{"the", "DJ"},
                                            {"far", "fR"},
                                            {"away", "q'weI"},
                                            {"over", "'ou_vq_kR"},
                                            {"21", "'twenti 'wAn"},
                                            {"odd", "(Pd_d"},
                                            {"cheese", "'CJz"},
                                            {"run", "rAn"}});
    const TranscriptionEngine engine(dictionary);
    const QString fragments[] = {"the",  "far",  "away", "over",    "21",   "odd",  "cheese",
                                 "runs", "Xyz",  " ",    "  ",      ". ",   "! ",   "?",
                                 "\n",   "\t",   "-",    "\u2019s", "a.m.", "<b>",  "\u00E9",
                                 "_",    "\r\n", "\\",   "\"",      "(",    "ring", "er"};
    std::mt19937 random(13);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(fragments) - 1);
    for (int round = 0; round < 300; ++round) {
        QString text;
        for (int i = std::uniform_int_distribution<int>(0, 30)(random); i > 0; --i) {
            text += fragments[pick(random)];
        }
        for (const bool transliterate : {false, true}) {
            QString paragraphs;
            for (const TranscribedSentence& sentence :
                 transcribeSentences(text, transliterate, engine)) {
                std::u16string joined;
                for (const WordTranscription& word : sentence.words) {
                    joined += transliterate ? transliterateToCyrillic(word.ipa) : word.ipa;
                    joined += u' ';
                }
                joined.pop_back();
                EXPECT_EQ(joined, sentence.transcription);
                paragraphs +=
                    paragraph(sentence.original,
                              "/" + QString::fromStdU16String(sentence.transcription) + "/");
            }
            EXPECT_EQ(composeTranscriptionDocument(text, {true, transliterate}, engine),
                      header + paragraphs + footer)
                << text.toStdString();
        }
    }
}
