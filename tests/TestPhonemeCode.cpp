#include "PhonemeCode.h"

#include <gtest/gtest.h>

using namespace kestrano;

TEST(CodesToIpa, ConvertsEachUnitOnItsOwn)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"", u""},
        {u"hq'lqu", u"h\u0259\u02C8l\u0259\u028A"},
        {u"'CJz", u"\u02C8t\u0283i\u02D0z"},
        {u"g", u"\u0261"},
        {u"CG", u"t\u0283d\u0292"},
        {u"JRLH", u"i\u02D0\u0251\u02D0\u0254\u02D0u\u02D0"},
        {u"J:", u"i\u02D0\u02D0"},
        {u":", u"\u02D0"},
        {u"E:", u"\u025C\u02D0"},
        {u"_Qy7", u""},
        {u"D_q", u"\u00F0\u0259"},
        {u"(ab)", u"(ab)"},
        {u" [],;()-", u" [],;()-"},
        {u"\"", u"\u02CC"},
        {u"BFKMQUVWXYcy", u""},
        {u"\u00E9\uFF80", u""},
        {u"TDSZNIxPAOoa", u"\u03B8\u00F0\u0283\u0292\u014B\u026A\u00E6\u0252\u028C\u0254oa"},
    };
    for (const auto& [codes, ipa] : cases) {
        EXPECT_EQ(codesToIpa(codes), ipa);
    }
}

TEST(ClassifyLetter, SortsEveryAsciiUnitIntoItsSet)
{
    const std::u16string vowels = u":qeuioaxQWERIOPAFHJLV";
    const std::u16string voiced = u"wrdgjlzvbnmDGZN";
    const std::u16string voiceless = u"tspfhkTSC";
    for (char16_t unit = 0; unit < 0x180; ++unit) {
        LetterClass expected = LetterClass::NoClass;
        if (vowels.find(unit) != std::u16string::npos) {
            expected = LetterClass::Vowel;
        } else if (voiced.find(unit) != std::u16string::npos) {
            expected = LetterClass::VoicedConsonant;
        } else if (voiceless.find(unit) != std::u16string::npos) {
            expected = LetterClass::VoicelessConsonant;
        }
        EXPECT_EQ(classifyLetter(unit), expected) << "unit " << int(unit);
    }
    EXPECT_EQ(classifyLetter(u'\uFF3A'), LetterClass::NoClass);
}

TEST(ClassifyLetter, TableLettersHaveTheirClass)
{
    // Every consonant row is a consonant and every vowel row a vowel, or the
    // context rules would misjudge words the dictionary holds.
    for (char16_t c : std::u16string(u"pbtdkgfvTDszSZhCGmnNwlrj")) {
        EXPECT_NE(classifyLetter(c), LetterClass::Vowel) << char(c);
        EXPECT_NE(classifyLetter(c), LetterClass::NoClass) << char(c);
    }
    for (char16_t c : std::u16string(u"IexPAuqiJRLHEOoa")) {
        EXPECT_EQ(classifyLetter(c), LetterClass::Vowel) << char(c);
    }
}
