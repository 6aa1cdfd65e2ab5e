// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineTestSupport.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

using namespace kestrano;

namespace {

const PronunciationDictionary& stems()
{
    static const PronunciationDictionary dictionary = makeDictionary({
        {"cat", "kxt"},      {"box", "bPks"},  {"want", "'wPnt"}, {"play", "pleI"},
        {"care", "keq"},     {"cool", "kHl"},  {"big", "bIg"},    {"run", "rAn"},
        {"see", "sJ"},       {"make", "meIk"}, {"try", "traI"},   {"stop", "stPp"},
        {"happy", "'hxpi"},  {"nice", "naIs"}, {"large", "lRG"},  {"quick", "kwIk"},
        {"hello", "hq'lqu"}, {"sing", "sIN"},  {"fly", "flaI"},   {"quiz", "kwIz"},
        {"john", "GPn"},     {"far", "fRr"},   {"easy", "'Jzi"},  {"love", "lAv"},
        {"a", "q"},          {"n", "en"},      {"blank", ""},     {"judge", "GAG"},
        {"go", "gqu"},       {"star", "stR"},
    });
    return dictionary;
}

using Cases = std::vector<std::pair<std::u16string, std::u16string>>;

void expectWords(const TranscriptionEngine& engine, const Cases& cases)
{
    for (const auto& [word, expected] : cases) {
        EXPECT_EQ(engine.transcribeWord(word), expected) << std::string(word.begin(), word.end());
    }
}

} // namespace

TEST(TranscribeWord, DirectHitsAndNotFoundForms)
{
    expectWords(TranscriptionEngine(stems()),
                {
                    {u"HeLLo", u"hq'lqu"}, // as stored, whatever the case, no mark added
                    {u"Qx", u"(Qx)"},      // too short to try an ending
                    {u"", u"()"},
                    {u"Xyzzy", u"(Xyzzy)"},   // no ending: capitals kept
                    {u"Zorbly", u"(zorbly)"}, // -er, -est, -ly fail in lower case
                    {u"Zorbed", u"(Zorbed)"},
                    {u"ZORBING", u"(ZORBING)"},
                    {u"blank", u"(blank)"}, // an empty transcription counts as absent
                    {u"blanks", u"(blanks)"},
                    {u"ner", u"(ner)"}, // -er needs two units before it
                    {u"best", u"(best)"},
                });
}

TEST(TranscribeWord, DerivedFromStems)
{
    expectWords(TranscriptionEngine(stems()),
                {
                    {u"Cats", u"kxts"},       {u"boxes", u"'bPksIz"},   {u"wanted", u"'wPntId"},
                    {u"played", u"'pleId"},   {u"caring", u"'keqrIN"},  {u"coolly", u"'kHli"},
                    {u"bigger", u"'bIgq"},    {u"biggest", u"'bIgIst"}, {u"running", u"'rAnIN"},
                    {u"seeing", u"'sJIN"},    {u"making", u"'meIkIN"},  {u"playing", u"'pleIIN"},
                    {u"tried", u"'traId"},    {u"flies", u"'flaIz"},    {u"stopped", u"stPpt"},
                    {u"quizzes", u"'kwIzIz"}, {u"john's", u"GPnz"},     {u"happily", u"'hxpili"},
                    {u"easier", u"'Jziq"},    {u"nicer", u"'naIsq"},    {u"largest", u"'lRGIst"},
                    {u"quickly", u"'kwIkli"}, {u"sings", u"sINz"},      {u"loved", u"lAvd"},
                    {u"judges", u"'GAGIz"},   {u"farer", u"'fRrq"},     {u"starring", u"'stRrIN"},
                    {u"goes", u"gquz"},
                });
}

TEST(TranscribeWord, LaddersWithoutTheirStem)
{
    // The undoubled stem is trusted without asking the dictionary.
    const Cases withStems = {{u"zapping", u"'IN"},     {u"zabbest", u"'Ist"}, {u"zabbly", u"'li"},
                             {u"zabing", u"(zabing)"}, {u"xing", u"(xing)"},  {u"ing", u"(ing)"}};
    expectWords(TranscriptionEngine(stems()), withStems);
    const PronunciationDictionary nothing;
    expectWords(TranscriptionEngine(nothing),
                {{u"bigger", u"'q"}, {u"cats", u"(cats)"}, {u"happily", u"(happily)"}});
}

TEST(TranscribeFromStem, ShortStemsAndEdgeEndings)
{
    const TranscriptionEngine engine(stems());
    const std::tuple<std::u16string, std::u16string, std::u16string> cases[] = {
        {u"a", u"s", u"q"},     // one-unit stem: nothing for d or s
        {u"a", u"ing", u"qIN"}, // and no stress mark
        {u"care", u"est", u"'keqrIst"},
        {u"star", u"ly", u"'stRli"},
        {u"go", u"d", u"gqud"},
        {u"zzz", u"s", u""}, // unknown stem, NoClass end: nothing added
    };
    for (const auto& [stem, suffix, expected] : cases) {
        EXPECT_EQ(engine.transcribeFromStem(stem, suffix), expected);
    }
}

TEST(EnsureStressMark, AddsOneMarkOnlyWhereNone)
{
    const TranscriptionEngine engine(stems());
    EXPECT_EQ(engine.ensureStressMark(u"kxt"), u"'kxt");
    EXPECT_EQ(engine.ensureStressMark(u"hq'lqu"), u"hq'lqu");
    EXPECT_EQ(engine.ensureStressMark(u""), u"'");
    EXPECT_EQ(engine.ensureStressMark(u"\"kx"), u"'\"kx");
}
