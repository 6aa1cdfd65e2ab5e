// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TranscriptionDocument.h"

#include "CyrillicTransliteration.h"
#include "SentenceSplitter.h"

#include <string_view>

namespace {

constexpr std::u16string_view documentHeader = u"<html>\n<header>"
                                               u"<style type=\"text/css\">\n"
                                               u".original {\n"
                                               u"    font-weight:bold  }\n"
                                               u".transcr {\n"
                                               u"    font-family: Lucida Sans Unicode;\n"
                                               u"    font-size: smaller;\n"
                                               u"    color: #333333;\n"
                                               u"  }\n"
                                               u"</style>\n"
                                               u"</header>\n<body>\n";
constexpr std::u16string_view documentFooter = u"</body>\n</html>";

void append(QString& document, std::u16string_view text)
{
    document.append(reinterpret_cast<const QChar*>(text.data()),
                    static_cast<qsizetype>(text.size()));
}

} // namespace

QStringList transcriptionPieces(QString inputText)
{
    inputText.replace(QChar(0x2019), QChar(u'\''));
    return splitIntoSentences(inputText);
}

std::u16string transcribePiece(const kestrano::TranscriptionEngine& engine, const QString& piece,
                               bool transliterate)
{
    std::u16string transcription = engine.transcribeSentence(piece.toStdU16String());
    if (transliterate) {
        return kestrano::transliterateToCyrillic(std::move(transcription));
    }
    return transcription;
}

QString composeTranscriptionDocument(const QString& inputText, const TranscriptionOptions& options,
                                     const kestrano::TranscriptionEngine& engine)
{
    const QStringList pieces = transcriptionPieces(inputText);
    QString document;
    document.reserve(inputText.size() * 4 + pieces.size() * 80 + 256);
    append(document, documentHeader);
    for (const QString& piece : pieces) {
        document += u"<p>";
        if (options.includeOriginalText) {
            document += u"<span class=\"original\">";
            document += piece.trimmed();
            document += u"</span><br>\n";
        }
        document += u"<span class=\"transcr\">";
        append(document, transcribePiece(engine, piece, options.transliterate));
        document += u"</span></p>\n";
    }
    append(document, documentFooter);
    return document;
}
