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

#include <algorithm>

using namespace kestrano;

namespace {

// Letters (those of the test homographs and Roman numbers among them),
// spaces, line ends and the punctuation of prose: text of these reads as
// typed unless it holds a homograph or a Roman number.
constexpr std::u16string_view prose = u"readlhvingtowsIVXA .,;:!?'\"()\n";

std::u16string asProse(std::u16string units)
{
    for (char16_t& unit : units) {
        unit = prose[unit % prose.size()];
    }
    return units;
}

// Whether a word of the text is in the homograph table or a Roman number.
bool holdsReadableWord(const TranscriptionEngine& literal, const HomographTable& homographs,
                       const QString& text)
{
    const std::vector<WordTranscription> words = literal.transcribeWords(text.toStdU16String());
    for (std::size_t i = 0; i < words.size(); ++i) {
        // Apostrophes are quotes around a Roman number (II') or its
        // possessive (II's'); a lone I is the pronoun but after a capitalised
        // word (Henry I of England).
        std::u16string letters = words[i].word;
        while (letters.ends_with(u'\'')) {
            letters.pop_back();
        }
        if (letters.ends_with(u"'s")) {
            letters.resize(letters.size() - 2);
        }
        std::erase(letters, u'\'');
        const std::u16string before = i > 0 ? words[i - 1].word : std::u16string();
        const bool capitalBefore = before.size() > 1 && before[0] >= u'A' && before[0] <= u'Z';
        const bool roman = !letters.empty() && (letters != u"I" || capitalBefore) &&
                           letters.find_first_not_of(u"IVX") == letters.npos;
        if (roman || homographs.find(words[i].word) != nullptr) {
            return true;
        }
    }
    return false;
}

} // namespace

// The first byte picks the options (1: original text, 2: Cyrillic, 4: the
// reading step, 8: American, 16: the text mapped onto prose), the rest is the
// text as 16-bit units.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    static const HomographTable homographs =
        loadHomographTable(KESTRANO_TEST_DATA_DIR "/engine-homographs.txt");
    static const TranscriptionEngine literal(engineDictionary());
    const Variety variety = (data[0] & 8) != 0 ? Variety::American : Variety::British;
    const TranscriptionEngine reading(engineDictionary(), {variety, &homographs});
    const TranscriptionEngine& engine = (data[0] & 4) != 0 ? reading : literal;
    const TranscriptionOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
    std::u16string units = unitsOf(data + 1, size - 1);
    if ((data[0] & 16) != 0) {
        units = asProse(std::move(units));
    }
    const QString text(reinterpret_cast<const QChar*>(units.data()),
                       static_cast<qsizetype>(units.size()));
    const QString document = composeTranscriptionDocument(text, options, engine);

    // Text with no digit, no symbol and no homograph gives the same document
    // in both modes.
    const bool plain = std::all_of(units.begin(), units.end(), [](char16_t unit) {
        return prose.find(unit) != prose.npos || unit == u'\r' || (unit >= u'a' && unit <= u'z') ||
               (unit >= u'A' && unit <= u'Z');
    });
    if (plain && !holdsReadableWord(literal, homographs, text)) {
        FUZZ_CHECK(document == composeTranscriptionDocument(
                                   text, options, &engine == &literal ? reading : literal));
    }

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
