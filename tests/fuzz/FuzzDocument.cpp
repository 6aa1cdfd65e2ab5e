// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CyrillicTransliteration.h"
#include "FuzzSupport.h"
#include "RegexSentenceSplit.h"
#include "SentenceSplitter.h"
#include "TranscribedSentences.h"
#include "TranscriptionDocument.h"

#include <QStringView>

using namespace kestrano;

// The first byte picks the options, the rest is the text as 16-bit units.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    static const TranscriptionEngine engine(engineDictionary());
    const TranscriptionOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
    const std::u16string units = unitsOf(data + 1, size - 1);
    const QString text(reinterpret_cast<const QChar*>(units.data()),
                       static_cast<qsizetype>(units.size()));
    const QString document = composeTranscriptionDocument(text, options, engine);

    // Header, one paragraph per piece in order, footer. Originals go in
    // unescaped and may hold any markup; transcriptions hold no "<".
    FUZZ_CHECK(document.startsWith(u"<html>\n<header>"));
    constexpr QStringView bodyStart = u"</header>\n<body>\n";
    const qsizetype body = document.indexOf(bodyStart);
    FUZZ_CHECK(body > 0);
    QStringView rest = QStringView(document).mid(body + bodyStart.size());
    const auto take = [&](QStringView expected) {
        FUZZ_CHECK(rest.startsWith(expected));
        rest = rest.mid(expected.size());
    };
    // The sentences with their words hold what the document holds, and the
    // words joined by spaces are the transcription.
    const std::vector<TranscribedSentence> sentences =
        transcribeSentences(text, options.transliterate, engine);
    const QStringList pieces = transcriptionPieces(text);
    FUZZ_CHECK(sentences.size() == static_cast<std::size_t>(pieces.size()));
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        const QString original = pieces[k].trimmed();
        const TranscribedSentence& sentence = sentences[static_cast<std::size_t>(k)];
        std::u16string joined;
        for (const WordTranscription& word : sentence.words) {
            joined += (options.transliterate ? transliterateToCyrillic(word.ipa) : word.ipa) + u' ';
        }
        FUZZ_CHECK(sentence.original == original && joined == sentence.transcription + u' ');
        FUZZ_CHECK(sentence.transcription.find(u'<') == std::u16string::npos);
        take(u"<p>");
        if (options.includeOriginalText) {
            take(u"<span class=\"original\">");
            take(original);
            take(u"</span><br>\n");
        }
        take(u"<span class=\"transcr\">/");
        take(sentence.transcription);
        take(u"/</span></p>\n");
    }
    take(u"</body>\n</html>");
    FUZZ_CHECK(rest.isEmpty());

    // The regular expression is slow, so it checks the splitter on short
    // texts only; it matches nothing at all in text that is not valid UTF-16.
    if (text.size() <= 64 && text.isValidUtf16()) {
        FUZZ_CHECK(splitIntoSentences(text) == regexSplit(text));
    }
    return 0;
}
