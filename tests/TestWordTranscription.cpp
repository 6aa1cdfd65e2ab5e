#include "EngineTestSupport.h"
#include "TranscriptionEngine.h"

#include <gtest/gtest.h>

using namespace kestrano;

namespace {

struct WordCase
{
    std::u16string word;
    std::u16string expected;
};

const PronunciationDictionary& stems()
{
    static const PronunciationDictionary dictionary = makeDictionary({
        {"cat", "kxt"},      {"box", "bPks"},  {"want", "'wPnt"}, {"play", "pleI"},
        {"care", "keq"},     {"cool", "kHl"},  {"big", "bIg"},    {"run", "rAn"},
        {"see", "sJ"},       {"make", "meIk"}, {"try", "traI"},   {"stop", "stPp"},
        {"happy", "'hxpi"},  {"nice", "naIs"}, {"large", "lRG"},  {"quick", "kwIk"},
        {"hello", "hq'lqu"}, {"dog", "dPg"},   {"sing", "sIN"},   {"fly", "flaI"},
        {"quiz", "kwIz"},    {"john", "GPn"},  {"far", "fRr"},    {"fast", "fRst"},
        {"easy", "'Jzi"},    {"love", "lAv"},  {"n", "en"},       {"a", "q"},
        {"blank", ""},       {"judge", "GAG"}, {"go", "gqu"},     {"star", "stR"},
    });
    return dictionary;
}

void expectWords(const TranscriptionEngine& engine, const std::vector<WordCase>& cases)
{
    for (const WordCase& c : cases) {
        EXPECT_EQ(engine.transcribeWord(c.word), c.expected)
            << std::string(c.word.begin(), c.word.end());
    }
}

} // namespace

TEST(TranscribeWord, DirectHitsAndNotFoundForms)
{
    expectWords(TranscriptionEngine(stems()),
                {
                    {u"hello", u"hq'lqu"}, // as stored, no mark added
                    {u"HeLLo", u"hq'lqu"},
                    {u"dog", u"dPg"},
                    {u"Qx", u"(Qx)"}, // too short to try an ending
                    {u"", u"()"},
                    {u"Xyzzy", u"(Xyzzy)"}, // no ending: capitals kept
                    {u"Zorbly", u"(zorbly)"},
                    {u"Zorbed", u"(Zorbed)"},
                    {u"ZORBING", u"(ZORBING)"},
                    {u"blank", u"(blank)"}, // an empty transcription counts as absent
                    {u"blanks", u"(blanks)"},
                    {u"ner", u"(ner)"},   // -er needs two units before it
                    {u"best", u"(best)"}, // -est needs two units before it
                    {u"7th", u"(7th)"},
                });
}

TEST(TranscribeWord, DerivedFromStems)
{
    expectWords(TranscriptionEngine(stems()),
                {
                    {u"cats", u"kxts"},       {u"Cats", u"kxts"},        {u"boxes", u"'bPksIz"},
                    {u"wanted", u"'wPntId"},  {u"played", u"'pleId"},    {u"caring", u"'keqrIN"},
                    {u"coolly", u"'kHli"},    {u"bigger", u"'bIgq"},     {u"biggest", u"'bIgIst"},
                    {u"running", u"'rAnIN"},  {u"seeing", u"'sJIN"},     {u"making", u"'meIkIN"},
                    {u"playing", u"'pleIIN"}, {u"tried", u"'traId"},     {u"flies", u"'flaIz"},
                    {u"stopped", u"stPpt"},   {u"quizzes", u"'kwIzIz"},  {u"john's", u"GPnz"},
                    {u"happily", u"'hxpili"}, {u"easier", u"'Jziq"},     {u"nicer", u"'naIsq"},
                    {u"largest", u"'lRGIst"}, {u"quickly", u"'kwIkli"},  {u"faster", u"'fRstq"},
                    {u"sings", u"sINz"},      {u"loved", u"lAvd"},       {u"judges", u"'GAGIz"},
                    {u"farer", u"'fRrq"},     {u"starring", u"'stRrIN"}, {u"goes", u"gquz"},
                });
}

TEST(TranscribeWord, LaddersWithoutTheirStem)
{
    expectWords(TranscriptionEngine(stems()),
                {
                    {u"zapping", u"'IN"}, // the undoubled stem is trusted unasked
                    {u"zabbest", u"'Ist"},
                    {u"zabbly", u"'li"},
                    {u"zabber", u"'q"},
                    {u"zabing", u"(zabing)"},
                    {u"happier", u"'hxpiq"},
                    {u"xing", u"(xing)"}, // a one-unit stem has no doubled letter
                    {u"ing", u"(ing)"},
                });
    const PronunciationDictionary nothing;
    expectWords(TranscriptionEngine(nothing), {
                                                  {u"running", u"'IN"},
                                                  {u"bigger", u"'q"},
                                                  {u"cats", u"(cats)"},
                                                  {u"happily", u"(happily)"},
                                              });
}

TEST(TranscribeFromStem, EndingsLinkingRAndStress)
{
    const TranscriptionEngine engine(stems());
    const std::tuple<std::u16string, std::u16string, std::u16string> cases[] = {
        {u"a", u"s", u"q"},     // one-unit stem: no ending for d or s
        {u"a", u"ing", u"qIN"}, // and no stress mark
        {u"n", u"d", u"en"},
        {u"far", u"er", u"'fRrq"}, // one r, not two
        {u"care", u"est", u"'keqrIst"},
        {u"star", u"ly", u"'stRli"},
        {u"cool", u"ly", u"'kHli"},
        {u"want", u"d", u"'wPntId"},
        {u"stop", u"d", u"stPpt"},
        {u"go", u"d", u"gqud"},
        {u"zzz", u"s", u""}, // unknown stem, NoClass end: nothing added
        {u"zzz", u"ing", u"'IN"},
    };
    for (const auto& [stem, suffix, expected] : cases) {
        EXPECT_EQ(engine.transcribeFromStem(stem, suffix), expected)
            << std::string(stem.begin(), stem.end()) << "+"
            << std::string(suffix.begin(), suffix.end());
    }
}

TEST(SuffixEnding, ByLetterClass)
{
    const TranscriptionEngine engine(stems());
    const std::tuple<char16_t, std::u16string, std::u16string> cases[] = {
        {u'd', u"d", u"Id"}, {u't', u"d", u"Id"},   {u'p', u"d", u"t"},   {u'k', u"d", u"t"},
        {u':', u"d", u"d"},  {u'n', u"d", u"d"},    {u'I', u"d", u"d"},   {u' ', u"d", u""},
        {u'S', u"s", u"Iz"}, {u'Z', u"s", u"Iz"},   {u'G', u"s", u"Iz"},  {u'C', u"s", u"Iz"},
        {u's', u"s", u"Iz"}, {u'z', u"s", u"Iz"},   {u'p', u"s", u"s"},   {u'T', u"s", u"s"},
        {u'h', u"s", u"s"},  {u'f', u"s", u"s"},    {u'R', u"s", u"z"},   {u'm', u"s", u"z"},
        {u'\'', u"s", u""},  {u'x', u"ing", u"IN"}, {u'x', u"ly", u"li"}, {u'x', u"est", u"Ist"},
        {u'x', u"er", u"q"}, {u'x', u"", u""},      {u'x', u"ab", u""},
    };
    for (const auto& [letter, suffix, expected] : cases) {
        EXPECT_EQ(engine.suffixEnding(letter, suffix), expected) << char(letter);
    }
}

TEST(EnsureStressMark, AddsOneMarkOnlyWhereNone)
{
    const TranscriptionEngine engine(stems());
    EXPECT_EQ(engine.ensureStressMark(u"kxt"), u"'kxt");
    EXPECT_EQ(engine.ensureStressMark(u"hq'lqu"), u"hq'lqu");
    EXPECT_EQ(engine.ensureStressMark(u""), u"'");
    EXPECT_EQ(engine.ensureStressMark(u"\"Ak'si"), u"\"Ak'si");
    EXPECT_EQ(engine.ensureStressMark(u"\"kx"), u"'\"kx");
}

TEST(IsKnownWord, ExactNonEmptyEntriesOnly)
{
    const TranscriptionEngine engine(stems());
    EXPECT_TRUE(engine.isKnownWord(u"cat"));
    EXPECT_FALSE(engine.isKnownWord(u"Cat"));
    EXPECT_FALSE(engine.isKnownWord(u"blank"));
    EXPECT_FALSE(engine.isKnownWord(u"cats"));
}
