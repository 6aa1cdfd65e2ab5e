// Checks the shipped dictionary files themselves: their format, a set of
// well-known words against the transcriptions a pronouncing dictionary gives,
// and that the words the engine's rules are written for carry the codes those
// rules expect.

#include "PronunciationDictionary.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

using kestrano::PronunciationDictionary;
using kestrano::TranscriptionEngine;

namespace {

const std::string britishPath = std::string(KESTRANO_DATA_DIR) + "/lexora_eng_transcription.txt";
const std::string americanPath =
    std::string(KESTRANO_DATA_DIR) + "/american_transcription-abridged.txt";

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Loaded once: each file is several megabytes.
const PronunciationDictionary& british()
{
    static const PronunciationDictionary dictionary =
        PronunciationDictionary::fromFileText(readFile(britishPath));
    return dictionary;
}

const PronunciationDictionary& american()
{
    static const PronunciationDictionary dictionary =
        PronunciationDictionary::fromFileText(readFile(americanPath));
    return dictionary;
}

std::u16string widen(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::string narrow(std::u16string_view codes)
{
    std::string result;
    for (char16_t unit : codes) {
        result += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return result;
}

std::string lookup(const PronunciationDictionary& dictionary, std::string_view word)
{
    const auto found = dictionary.find(widen(word));
    return found ? narrow(*found) : "<missing>";
}

bool isWordCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || c == '\'';
}

// PhonemeCode letters that have an IPA rendering, plus the length and stress marks.
bool isCodeCharacter(char c)
{
    static const std::string_view alphabet = "pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\"";
    return alphabet.find(c) != std::string_view::npos;
}

} // namespace

class DictionaryFileFormat : public testing::TestWithParam<std::string>
{
};

TEST_P(DictionaryFileFormat, EveryLineIsSourceWordAndCodeSortedByWord)
{
    const std::string text = readFile(GetParam());
    ASSERT_FALSE(text.empty()) << GetParam();
    ASSERT_EQ(text.back(), '\n');

    std::istringstream lines(text);
    std::string line;
    std::string previousWord;
    std::size_t count = 0;
    while (std::getline(lines, line)) {
        ++count;
        const std::size_t firstTab = line.find('\t');
        const std::size_t secondTab = line.find('\t', firstTab + 1);
        ASSERT_NE(firstTab, std::string::npos) << "line " << count << ": " << line;
        ASSERT_NE(secondTab, std::string::npos) << "line " << count << ": " << line;
        ASSERT_EQ(line.find('\t', secondTab + 1), std::string::npos) << "line " << count;

        const std::string source = line.substr(0, firstTab);
        const std::string word = line.substr(firstTab + 1, secondTab - firstTab - 1);
        const std::string code = line.substr(secondTab + 1);
        ASSERT_FALSE(source.empty()) << "line " << count;
        for (char c : source) {
            ASSERT_TRUE(c > 0x20 && c < 0x7F) << "line " << count << ": " << line;
        }
        ASSERT_NE(word.find_first_not_of('\''), std::string::npos) << "line " << count;
        for (char c : word) {
            ASSERT_TRUE(isWordCharacter(c)) << "line " << count << ": " << line;
        }
        ASSERT_FALSE(code.empty()) << "line " << count << ": " << line;
        for (char c : code) {
            ASSERT_TRUE(isCodeCharacter(c)) << "line " << count << ": " << line;
        }
        // Strictly ascending bytes: one line per word, and a stable order
        // that makes regenerated files comparable byte for byte.
        ASSERT_LT(previousWord, word) << "line " << count;
        previousWord = word;
    }
    EXPECT_GE(count, 100000u);
}

INSTANTIATE_TEST_SUITE_P(BothFiles, DictionaryFileFormat,
                         testing::Values(britishPath, americanPath));

TEST(DictionaryFiles, LoadWithEveryLineAsAnEntry)
{
    EXPECT_GE(british().size(), 100000u);
    EXPECT_GE(american().size(), 100000u);
}

struct KnownWord
{
    const char* word;
    const char* british;
    const char* american;
};

// British as in an RP pronouncing dictionary, American as CMUdict has them,
// both in the PhonemeCode of the files. One-syllable words carry no stress
// mark; a mark stands before the stressed syllable's onset.
const KnownWord knownWords[] = {
    {"hello", "hq'lqu", "hq'lou"},
    {"water", "'wLtq", "'wLtqr"},
    {"car", "kR", "kRr"},
    {"better", "'betq", "'betqr"},
    {"thought", "TLt", "TLt"},
    {"measure", "'meZq", "'meZqr"},
    {"usually", "'jHZuqli", "'jHZqwqli"},
    {"banana", "bq'nRnq", "bq'nxnq"},
    {"caring", "'keqrIN", "'kerIN"},
    {"cat", "kxt", "kxt"},
    {"hot", "hPt", "hRt"},
    {"cup", "kAp", "kAp"},
    {"foot", "fut", "fut"},
    {"food", "fHd", "fHd"},
    {"see", "sJ", "sJ"},
    {"happy", "'hxpi", "'hxpi"},
    {"nurse", "nE:s", "nE:rs"},
    {"bird", "bE:d", "bE:rd"},
    {"goat", "gqut", "gout"},
    {"time", "taIm", "taIm"},
    {"house", "haus", "haus"},
    {"boy", "bOI", "bOI"},
    {"day", "deI", "deI"},
    {"near", "nIq", "nIr"},
    {"hair", "heq", "her"},
    {"tour", "tuq", "tur"},
    {"father", "'fRDq", "'fRDqr"},
    {"mother", "'mADq", "'mADqr"},
    {"church", "CE:C", "CE:rC"},
    {"judge", "GAG", "GAG"},
    {"thing", "TIN", "TIN"},
    {"vision", "'vIZqn", "'vIZqn"},
    {"yes", "jes", "jes"},
    {"about", "q'baut", "q'baut"},
    {"away", "q'weI", "q'weI"},
    {"mistake", "mI'steIk", "mI'steIk"},
    {"create", "kri'eIt", "kri'eIt"},
    {"situation", "\"sICu'eISqn", "\"sICu'eISqn"},
    {"computer", "kqm'pjHtq", "kqm'pjHtqr"},
    {"photography", "fq'tPgrqfi", "fq'tRgrqfi"},
    {"bigger", "'bIgq", "'bIgqr"},
    {"boxes", "'bPksIz", "'bRksIz"},
    {"wanted", "'wPntId", "'wLntId"},
    {"really", "'rIqli", "'rIli"},
};

class KnownWords : public testing::TestWithParam<KnownWord>
{
};

TEST_P(KnownWords, HaveTheirDictionaryTranscription)
{
    const KnownWord& known = GetParam();
    EXPECT_EQ(lookup(british(), known.word), known.british) << known.word;
    EXPECT_EQ(lookup(american(), known.word), known.american) << known.word;
}

INSTANTIATE_TEST_SUITE_P(WellKnown, KnownWords, testing::ValuesIn(knownWords));

// The weak-vowel rule looks for exactly DJ and tu, the linking-r rule for fq
// and L; the American forms end in their r and need no linking.
const KnownWord ruleWords[] = {
    {"the", "DJ", "DJ"},
    {"to", "tu", "tu"},
    {"for", "fq", "fqr"},
    {"or", "L", "Lr"},
    {"eyem", "\"eI'em", "\"eI'em"},
    {"a", "q", "q"},
    {"of", "qv", "qv"},
    {"and", "qnd", "qnd"},
};

INSTANTIATE_TEST_SUITE_P(ContextRuleWords, KnownWords, testing::ValuesIn(ruleWords));

struct SentenceCase
{
    const char16_t* sentence;
    const char16_t* british;
    const char16_t* american;
};

class Sentences : public testing::TestWithParam<SentenceCase>
{
};

TEST_P(Sentences, ComeOutWithTheContextRulesApplied)
{
    const SentenceCase& c = GetParam();
    EXPECT_EQ(TranscriptionEngine(british()).transcribeSentence(c.sentence), c.british);
    EXPECT_EQ(TranscriptionEngine(american()).transcribeSentence(c.sentence), c.american);
}

INSTANTIATE_TEST_SUITE_P(RealWords, Sentences,
                         testing::Values(SentenceCase{u"The cat.", u"/ðə kæt/", u"/ðə kæt/"},
                                         SentenceCase{u"The apple", u"/ðiː ˈæpəl/", u"/ðiː ˈæpəl/"},
                                         SentenceCase{u"to go", u"/tə ɡəʊ/", u"/tə ɡoʊ/"},
                                         SentenceCase{u"to eat", u"/tʊ iːt/", u"/tʊ iːt/"},
                                         SentenceCase{u"far away", u"/fɑːr əˈweɪ/",
                                                      u"/fɑːr əˈweɪ/"},
                                         SentenceCase{u"for ever", u"/fər ˈevə/", u"/fər ˈevər/"},
                                         SentenceCase{u"or else", u"/ɔːr els/", u"/ɔːr els/"},
                                         SentenceCase{u"At 7 a.m. sharp", u"/ət (7) ˌeɪˈem ʃɑːp/",
                                                      u"/ət (7) ˌeɪˈem ʃɑːrp/"}));

struct DerivedForm
{
    const char* stem;
    const char* suffix;
    const char* british;
    const char* american;
};

class DerivedForms : public testing::TestWithParam<DerivedForm>
{
};

// The endings are chosen by the last code of the stem, so the stems' real
// codes must end in the right class of letter for these to come out right.
TEST_P(DerivedForms, FollowFromTheRealStems)
{
    const DerivedForm& form = GetParam();
    const std::u16string stem = widen(form.stem);
    const std::u16string suffix = widen(form.suffix);
    EXPECT_EQ(narrow(TranscriptionEngine(british()).transcribeFromStem(stem, suffix)),
              form.british);
    EXPECT_EQ(narrow(TranscriptionEngine(american()).transcribeFromStem(stem, suffix)),
              form.american);
}

// The engine's -er ending is a bare schwa in both varieties.
INSTANTIATE_TEST_SUITE_P(RealStems, DerivedForms,
                         testing::Values(DerivedForm{"cat", "s", "kxts", "kxts"},
                                         DerivedForm{"dog", "s", "dPgz", "dLgz"},
                                         DerivedForm{"box", "s", "'bPksIz", "'bRksIz"},
                                         DerivedForm{"want", "d", "'wPntId", "'wRntId"},
                                         DerivedForm{"play", "d", "'pleId", "'pleId"},
                                         DerivedForm{"stop", "d", "stPpt", "stRpt"},
                                         DerivedForm{"care", "ing", "'keqrIN", "'kerIN"},
                                         DerivedForm{"big", "er", "'bIgq", "'bIgq"},
                                         DerivedForm{"happy", "ly", "'hxpili", "'hxpili"},
                                         DerivedForm{"cool", "ly", "'kHli", "'kHli"}));

TEST(DerivedForms, AWordMissingFromTheFileIsFoundThroughItsStem)
{
    // "caring" taken out of a copy of the British file comes back through
    // "care" with the linking r, as the file itself has it.
    std::string text = readFile(britishPath);
    const std::string line = "espeak-en-gb\tcaring\t'keqrIN\n";
    const std::size_t at = text.find(line);
    ASSERT_NE(at, std::string::npos);
    text.erase(at, line.size());
    const PronunciationDictionary withoutCaring = PronunciationDictionary::fromFileText(text);
    ASSERT_FALSE(withoutCaring.find(u"caring"));
    EXPECT_EQ(narrow(TranscriptionEngine(withoutCaring).transcribeWord(u"Caring")), "'keqrIN");
}
