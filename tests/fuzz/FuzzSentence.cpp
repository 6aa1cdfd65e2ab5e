// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EspeakGuesser.h"
#include "FuzzSupport.h"
#include "PhonemeCode.h"
#include "SentenceReading.h"
#include "StringFunctions.h"
#include "TranscriptionEngine.h"

#include <algorithm>

using namespace kestrano;

namespace {

bool isWordUnit(char16_t unit)
{
    return std::u16string_view(u"'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")
               .find(unit) != std::u16string_view::npos;
}

// The reading step on any text: its words are words the lookup can take,
// each says where it came from, and they are the sentence's transcription.
void checkReading(const TranscriptionEngine& literal, const std::u16string& sentence,
                  Variety variety)
{
    static const HomographTable homographs =
        loadHomographTable(KESTRANO_TEST_DATA_DIR "/engine-homographs.txt");
    const TranscriptionEngine engine(engineDictionary(), {variety, &homographs});
    const std::vector<WordTranscription> entries = engine.transcribeWords(sentence);
    FUZZ_CHECK(!entries.empty() &&
               joinTranscription(entries) == engine.transcribeSentence(sentence));
    const bool read = SentenceReader::needsReading(sentence);
    const std::vector<WordTranscription> typed = literal.transcribeWords(sentence);
    FUZZ_CHECK(read || entries.size() == typed.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const WordTranscription& entry = entries[i];
        FUZZ_CHECK(std::all_of(entry.word.begin(), entry.word.end(), isWordUnit));
        FUZZ_CHECK(!entry.word.empty() || entries.size() == 1);
        // What a word was read from is text of the sentence, and only the
        // reading step reads.
        FUZZ_CHECK(entry.from.empty() || (read && sentence.find(entry.from) != sentence.npos));
        FUZZ_CHECK(entry.source != WordSource::Read || !entry.from.empty());
        FUZZ_CHECK(read || entry.word == typed[i].word);
        if (entry.source == WordSource::Context) {
            const std::vector<HomographReading>* readings = homographs.find(entry.word);
            FUZZ_CHECK(readings != nullptr &&
                       std::any_of(readings->begin(), readings->end(), [&](const auto& reading) {
                           // The linking r goes by the part's place, not its word.
                           const std::u16string code(reading.code(variety));
                           return reading.name == entry.reading &&
                                  (entry.code == code ||
                                   entry.code == replaceAll(code + u'r', u"rr", u"r"));
                       }));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TranscriptionEngine engine(engineDictionary());
    const std::u16string sentence = unitsOf(data, size);

    // Only letters, digits, apostrophes and single inner spaces are left, and
    // a second pass changes nothing.
    const std::u16string normalized = engine.normalizeSentence(sentence);
    FUZZ_CHECK(normalized.find_first_not_of(
                   u" 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") ==
               normalized.npos);
    FUZZ_CHECK(normalized.find(u"  ") == normalized.npos && !normalized.starts_with(u' ') &&
               !normalized.ends_with(u' ') && engine.normalizeSentence(normalized) == normalized);

    // Each word of the words' view has the code its origin gives, and the
    // context rules applied to those codes joined by "_" give the sentence.
    std::vector<std::u16string> words;
    splitOn(words, normalized, u' ');
    const std::vector<WordTranscription> entries = engine.transcribeWords(sentence);
    FUZZ_CHECK(entries.size() == words.size());
    std::u16string joinedCodes;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const WordTranscription& entry = entries[i];
        const std::u16string code = engine.transcribeWord(words[i]);
        std::u16string lowered = words[i];
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), lowerAsciiLetter);
        FUZZ_CHECK(entry.word == words[i]);
        FUZZ_CHECK(entry.source == WordSource::NotFound
                       ? entry.code == code && code.starts_with(u'(')
                   : entry.source == WordSource::Derived
                       ? engine.transcribeFromStem(entry.stem, entry.suffix) == code
                       : engineDictionary().find(lowered) == code);
        joinedCodes += code + u'_';
    }
    joinedCodes.pop_back();
    FUZZ_CHECK(u'/' + engine.applySentenceRules(words, joinedCodes) + u'/' ==
               engine.transcribeSentence(sentence));

    // With guessing on, the words stay aligned; only words that the
    // dictionary could not transcribe are guessed, and a guess's code is the
    // guesser's, as the context rules leave it, its IPA in brackets.
    static const EspeakGuesser guesser(EspeakVoice::EnGb);
    static const TranscriptionEngine guessing(engineDictionary(), &guesser);
    const std::vector<WordTranscription> guessed = guessing.transcribeWords(sentence);
    FUZZ_CHECK(guessed.size() == entries.size());
    for (std::size_t i = 0; i < guessed.size(); ++i) {
        const WordTranscription& entry = guessed[i];
        FUZZ_CHECK(entry.word == words[i]);
        if (entry.source != WordSource::Guessed) {
            FUZZ_CHECK(entry.source == entries[i].source);
            continue;
        }
        FUZZ_CHECK(entries[i].source == WordSource::NotFound);
        const std::u16string guess = guesser.guess(words[i]);
        const bool weakened =
            (guess == u"DJ" || guess == u"tu") && entry.code == guess.substr(0, 1) + u'q';
        FUZZ_CHECK(entry.code == guess || entry.code == replaceAll(guess + u'r', u"rr", u"r") ||
                   weakened);
        FUZZ_CHECK(entry.ipa == u'(' + codesToIpa(entry.code) + u')');
    }
    FUZZ_CHECK(joinTranscription(guessed) == guessing.transcribeSentence(sentence));

    checkReading(engine, sentence, size % 2 == 0 ? Variety::British : Variety::American);
    return 0;
}
