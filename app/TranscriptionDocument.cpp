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

void append(std::u16string& document, const QString& text)
{
    document.append(reinterpret_cast<const char16_t*>(text.utf16()),
                    static_cast<std::size_t>(text.size()));
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
    std::u16string document(documentHeader);
    document.reserve(static_cast<std::size_t>(inputText.size()) * 4 + 256);
    for (const QString& piece : pieces) {
        document += u"<p>";
        if (options.includeOriginalText) {
            document += u"<span class=\"original\">";
            append(document, piece.trimmed());
            document += u"</span><br>\n";
        }
        document += u"<span class=\"transcr\">";
        document += transcribePiece(engine, piece, options.transliterate);
        document += u"</span></p>\n";
    }
    document += documentFooter;
    return QString::fromStdU16String(document);
}
