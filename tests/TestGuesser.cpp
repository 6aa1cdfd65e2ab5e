// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Guesses through the engine, as kestrano-cli --guess makes them: names and
// new words, reviewed in guesses.tsv, and what never reaches espeak-ng.

#include "EngineTestSupport.h"
#include "EspeakGuesser.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

using namespace kestrano;

namespace {

// Answers every word alike and counts the questions, to see which words the
// engine asks about and what it makes of answers that are no codes.
class FixedGuesser final : public PronunciationGuesser
{
public:
    explicit FixedGuesser(std::u16string answer) : answer_(std::move(answer)) {}
    std::u16string guess(std::u16string_view word) const override
    {
        asked.emplace_back(word);
        return answer_;
    }
    mutable std::vector<std::u16string> asked;

private:
    std::u16string answer_;
};

std::string between(const std::string& text, char open, char close)
{
    const std::size_t start = text.find(open);
    return text.substr(start, text.find(close, start) - start + 1);
}

} // namespace

// Each row comes out as reviewed; a row whose note says the guess was
// corrected still comes out as the note says the guesser gives it.
TEST(Guesser, NamesAndNewWordsComeOutAsReviewed)
{
    const EspeakGuesser guessers[] = {EspeakGuesser(EspeakVoice::EnGb),
                                      EspeakGuesser(EspeakVoice::EnUs)};
    int rows = 0, corrected = 0;
    for (TableRow row : readTable("guesses.tsv")) {
        row.resize(5);
        for (int variety = 0; variety < 2; ++variety) {
            const TranscriptionEngine engine(engineDictionary(), &guessers[variety]);
            const std::string got = u8(engine.transcribeSentence(u16(row[0])));
            const std::string& note = row[3 + variety];
            const std::string expected = note.empty() ? row[1 + variety] : between(note, '(', ')');
            EXPECT_EQ(got, "/" + expected + "/") << row[0] << (variety ? " American" : " British");
            EXPECT_TRUE(note.empty() || row[1 + variety] != expected) << row[0] << ": a stale note";
            corrected += !note.empty();
        }
        ++rows;
    }
    EXPECT_GE(rows, 60);
    std::cout << rows << " rows, " << corrected << " of " << 2 * rows << " guesses corrected\n";
}

// espeak-ng hears nothing but a word: letters and apostrophes, at most 64.
TEST(Guesser, GuessesWordsOnly)
{
    const EspeakGuesser guesser(EspeakVoice::EnGb);
    std::u16string longest;
    while (longest.size() < EspeakGuesser::longestWord) {
        longest += u"banana";
    }
    longest.resize(EspeakGuesser::longestWord);
    EXPECT_NE(guesser.guess(u"O'Hara"), u"");
    EXPECT_NE(guesser.guess(longest), u"");
    for (const std::u16string& word :
         {std::u16string(), std::u16string(u"'"), std::u16string(u"''"), longest + u'a',
          std::u16string(u"b4"), std::u16string(u"two words"), std::u16string(u"caf\u00e9"),
          std::u16string(u"\u043a\u0430\u0444"), std::u16string(u"a\0b", 3),
          std::u16string(u"x-ray"), std::u16string(u"\xd800")}) {
        EXPECT_EQ(guesser.guess(word), u"") << u8(word);
    }
    EXPECT_EQ(guesser.unavailableReason(), "");
}

// Only words that the dictionary cannot transcribe are asked about, and an
// answer that would not read as a word's code leaves the not-found form.
TEST(Guesser, TheEngineAsksOnlyForWordsItCannotTranscribe)
{
    const FixedGuesser guesser(u"'gesd");
    const TranscriptionEngine engine(engineDictionary(), &guesser);
    const std::vector<WordTranscription> words =
        engine.transcribeWords(u"The cats ran to Xyzzy Zorbly 21b");
    EXPECT_EQ(guesser.asked, (std::vector<std::u16string>{u"ran", u"Xyzzy", u"Zorbly", u"21b"}));
    EXPECT_EQ(words[1].source, WordSource::Derived);
    EXPECT_EQ(words[4].source, WordSource::Guessed);
    EXPECT_EQ(words[4].code, u"'gesd");
    EXPECT_EQ(u8(words[4].ipa), "(ˈɡesd)");

    for (const std::u16string answer : {u"", u"(Xyzzy)", u"ge_sd"}) {
        const FixedGuesser odd(answer);
        const WordTranscription word =
            TranscriptionEngine(engineDictionary(), &odd).transcribeWords(u"Xyzzy").front();
        EXPECT_EQ(word.source, WordSource::NotFound) << u8(answer);
        EXPECT_EQ(word.ipa, u"(Xyzzy)");
    }
}
