// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineTestSupport.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

using namespace kestrano;

namespace {

const PronunciationDictionary& words()
{
    static const PronunciationDictionary dictionary = makeDictionary({
        {"the", "DJ"},       {"to", "tu"},    {"cat", "'kxt"},        {"apple", "'xpl"},
        {"ant", "\"xnt"},    {"tick", "'"},   {"each", "JC"},         {"far", "fR"},
        {"away", "q'weI"},   {"for", "fq"},   {"ever", "'evq"},       {"sure", "Suq"},
        {"about", "q'baut"}, {"car", "kRr"},  {"is", "Iz"},           {"m", "m"},
        {"a", "q"},          {"b", "bJ"},     {"over", "'ou_vq_kR"},  {"hello", "hq'lqu"},
        {"world", "wE:ld"},  {"it's", "Its"}, {"seven", "'sevn"},     {"eyem", "\"eI'em"},
        {"now", "nau"},      {"run", "rAn"},  {"21", "'twenti 'wAn"},
    });
    return dictionary;
}

// One word of the view as "word|code|ipa|source", with "|stem|suffix" when derived.
std::u16string describe(const WordTranscription& word)
{
    const std::u16string sources[] = {u"dictionary", u"derived", u"not found"};
    std::u16string row = word.word + u'|' + word.code + u'|' + word.ipa + u'|' +
                         sources[static_cast<int>(word.source)];
    if (word.source == WordSource::Derived) {
        row += u'|' + word.stem + u'|' + word.suffix;
    }
    return row;
}

} // namespace

TEST(TranscribeSentence, ContextRulesAndWholeSentences)
{
    const TranscriptionEngine engine(words());
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"the cat", u"/\u00F0\u0259 \u02C8k\u00E6t/"},
        {u"the apple", u"/\u00F0i\u02D0 \u02C8\u00E6pl/"},
        {u"the ant", u"/\u00F0i\u02D0 \u02CC\u00E6nt/"},
        {u"to the tick", u"/t\u0259 \u00F0i\u02D0 \u02C8/"}, // a lone mark: no next letter
        {u"the Xyzzy", u"/\u00F0i\u02D0 (Xyzzy)/"},
        {u"to each", u"/t\u028A i\u02D0t\u0283/"},
        {u"cat the", u"/\u02C8k\u00E6t \u00F0i\u02D0/"}, // the last word never changes
        {u"far away", u"/f\u0251\u02D0r \u0259\u02C8we\u026A/"},
        {u"FAR away", u"/f\u0251\u02D0 \u0259\u02C8we\u026A/"},
        {u"for ever", u"/f\u0259r \u02C8ev\u0259/"},
        {u"sure about", u"/\u0283\u028A\u0259r \u0259\u02C8ba\u028At/"},
        {u"car is", u"/k\u0251\u02D0r \u026Az/"},
        {u"far Xyzzy", u"/f\u0251\u02D0 (Xyzzy)/"},
        {u"the m", u"/\u00F0i\u02D0 m/"}, // too short for the rules
        {u"a b", u"/\u0259 bi\u02D0/"},
        {u"Qx", u"/(Qx)/"},
        // A code holding "_" makes more parts than words; the extra ones have
        // no word to end in "r".
        {u"over away", u"/\u02C8o\u028A v\u0259 k\u0251\u02D0 \u0259\u02C8we\u026A/"},
        // Whole sentences as the Transcribe command passes them.
        {u"", u"/()/"},
        {u"Hello world.\n", u"/h\u0259\u02C8l\u0259\u028A w\u025C\u02D0ld/"},
        {u"It's seven a.m. now.", u"/\u026Ats \u02C8sevn \u02CCe\u026A\u02C8em na\u028A/"},
        {u"Hello Xyzzy world", u"/h\u0259\u02C8l\u0259\u028A (Xyzzy) w\u025C\u02D0ld/"},
    };
    for (const auto& [sentence, expected] : cases) {
        EXPECT_EQ(engine.transcribeSentence(sentence), expected)
            << std::string(sentence.begin(), sentence.end());
    }
}

TEST(TranscribeWords, EachWordWithItsCodeAndOrigin)
{
    const TranscriptionEngine engine(words());
    const std::pair<std::u16string, std::vector<std::u16string>> cases[] = {
        {u"It's 21 cars, far away!",
         {u"It's|Its|\u026Ats|dictionary",
          u"21|'twenti 'wAn|\u02C8twenti \u02C8w\u028Cn|dictionary",
          u"cars|kRrz|k\u0251\u02D0rz|derived|car|s", u"far|fRr|f\u0251\u02D0r|dictionary",
          u"away|q'weI|\u0259\u02C8we\u026A|dictionary"}},
        // A code holding "_" stays with its word, its pieces shown apart.
        {u"Running over the cat's Xyzzy",
         {u"Running|'rAnIN|\u02C8r\u028Cn\u026A\u014B|derived|run|ing",
          u"over|'ou_vq_kR|\u02C8o\u028A v\u0259 k\u0251\u02D0|dictionary",
          u"the|Dq|\u00F0\u0259|dictionary", u"cat's|'kxts|\u02C8k\u00E6ts|derived|cat|s",
          u"Xyzzy|(Xyzzy)|(Xyzzy)|not found"}},
        {u"a b", {u"a|q|\u0259|dictionary", u"b|bJ|bi\u02D0|dictionary"}},
        {u"?", {u"|()|()|not found"}},
    };
    for (const auto& [sentence, expected] : cases) {
        const std::vector<WordTranscription> transcribed = engine.transcribeWords(sentence);
        std::vector<std::u16string> rows;
        for (const WordTranscription& word : transcribed) {
            rows.push_back(describe(word));
        }
        EXPECT_EQ(rows, expected);
    }
}

TEST(NormalizeSentence, KeepsWordsAndSingleSpaces)
{
    const TranscriptionEngine engine(words());
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"It's 7 a.m. now.", u"It's 7 eyem now"},
        {u"well-known", u"wellknown"},
        {u"a\tb/c\u2014d", u"abcd"},
        {u"one\r\ntwo\nthree\rfour", u"one two three four"},
        {u"   spaced    out   ", u"spaced out"},
        {u"\U0001F600 smile", u"smile"},
    };
    for (const auto& [sentence, expected] : cases) {
        EXPECT_EQ(engine.normalizeSentence(sentence), expected);
    }
}
