// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The dictionary generator's rules for a word that espeak-ng says, ported
// from tools/dictionaries/ (phonemes.py, british.py, endings.py); each
// function names the one it follows. Left out, as a guess cannot have what
// they need: the RP vowels of the en-gb-x-rp voice (a second voice for every
// British word), and the rules that read another entry of the file (a stem
// in -y, a plural's singular, a possessive's stem): a guessed word's stem is
// unknown, or the engine would have derived the word from it.

#include "GeneratorRules.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>

namespace kestrano {
namespace {

constexpr std::string_view consonantCodes = "pbtdkgfvTDszSZhCGmnNwlrj";
constexpr std::string_view sibilants = "GCzsSZ";
constexpr std::string_view voiceless = "tspfhkTSC";
constexpr std::string_view weakVowels[] = {"q", "I", "i", "u"};

// phonemes.LEGAL_ONSETS: the clusters an English syllable may begin with.
bool isLegalOnset(std::string_view cluster)
{
    static const std::set<std::string, std::less<>> onsets = [] {
        std::set<std::string, std::less<>> all{""};
        for (const char consonant : consonantCodes) {
            if (consonant != 'N') {
                all.insert(std::string(1, consonant));
            }
        }
        for (const char* cluster :
             {"pl", "pr", "pj",  "bl",  "br",  "bj",  "tr",  "tw",  "tj",  "dr",  "dw", "dj", "kl",
              "kr", "kw", "kj",  "gl",  "gr",  "gw",  "gj",  "fl",  "fr",  "fj",  "vj", "Tr", "Tw",
              "Tj", "Sr", "mj",  "nj",  "hj",  "lj",  "sj",  "sp",  "st",  "sk",  "sm", "sn", "sl",
              "sw", "sf", "spl", "spr", "spj", "str", "stj", "skr", "skw", "skl", "skj"}) {
            all.insert(cluster);
        }
        return all;
    }();
    return onsets.contains(cluster);
}

std::string codesOf(Phonemes::const_iterator begin, Phonemes::const_iterator end)
{
    std::string codes;
    for (auto it = begin; it != end; ++it) {
        codes += it->code;
    }
    return codes;
}

std::vector<std::size_t> vowelIndexes(const Phonemes& phonemes)
{
    std::vector<std::size_t> indexes;
    for (std::size_t i = 0; i < phonemes.size(); ++i) {
        if (phonemes[i].vowel) {
            indexes.push_back(i);
        }
    }
    return indexes;
}

std::string_view withoutPossessive(std::string_view word)
{
    return word.ends_with("'s") ? word.substr(0, word.size() - 2) : word;
}

// british.weak_schwa: the weak ɪ of -ity and -ible as ə (ability
// əˈbɪləti, possible ˈpɒsəbəl), as current learners' dictionaries print it.
void weakSchwa(std::string_view word, Phonemes& phonemes)
{
    struct Ending
    {
        std::vector<std::string_view> spellings;
        std::vector<std::vector<std::string_view>> tails;
    };
    static const Ending endings[] = {
        {{"ity", "ities"}, {{"I", "t", "i"}, {"I", "t", "i", "z"}}},
        {{"ible", "ibly", "ibles"},
         {{"I", "b", "q", "l"}, {"I", "b", "l", "i"}, {"I", "b", "q", "l", "z"}}},
    };
    const std::string_view stem = withoutPossessive(word);
    const Phonemes said = phonemes;
    for (const Ending& ending : endings) {
        if (std::none_of(ending.spellings.begin(), ending.spellings.end(),
                         [&](std::string_view spelling) { return stem.ends_with(spelling); })) {
            continue;
        }
        for (const auto& tail : ending.tails) {
            if (tail.size() > said.size()) {
                continue;
            }
            const std::size_t at = said.size() - tail.size();
            const bool matches = std::equal(
                tail.begin(), tail.end(), said.begin() + at,
                [](std::string_view code, const Phoneme& phoneme) { return code == phoneme.code; });
            if (matches && phonemes[at].stress == Phoneme::Unstressed) {
                phonemes[at].code.assign(1, 'q');
            }
        }
    }
}

// british.initial_weak_e: an unstressed e that begins the word in an open
// syllable right before the stress is ɪ (effect ɪˈfekt, exalt).
void initialWeakE(Phonemes& phonemes)
{
    const std::vector<std::size_t> vowels = vowelIndexes(phonemes);
    if (vowels.size() < 2 || vowels[0] != 0 || phonemes[vowels[1]].stress == Phoneme::Unstressed) {
        return;
    }
    const std::string cluster = codesOf(phonemes.begin() + 1, phonemes.begin() + vowels[1]);
    if (phonemes[0].code == "e" && phonemes[0].stress == Phoneme::Unstressed &&
        (isLegalOnset(cluster) || cluster.starts_with("ks") || cluster.starts_with("gz"))) {
        phonemes[0].code.assign(1, 'I');
    }
}

// british.pretonic_stress: a full first vowel two or more syllables before
// the main stress takes secondary stress (conversation ˌkɒnvəˈseɪʃən).
void pretonicStress(Phonemes& phonemes)
{
    const std::vector<std::size_t> vowels = vowelIndexes(phonemes);
    std::size_t primary = 0;
    for (std::size_t i = 0; i < vowels.size(); ++i) {
        if (phonemes[vowels[i]].stress == Phoneme::Primary) {
            primary = i;
            break;
        }
    }
    if (primary < 2) {
        return;
    }
    Phoneme& first = phonemes[vowels[0]];
    const bool weak =
        std::find(std::begin(weakVowels), std::end(weakVowels), first.code) != std::end(weakVowels);
    if (first.stress == Phoneme::Unstressed && phonemes[vowels[1]].stress == Phoneme::Unstressed &&
        !weak) {
        first.stress = Phoneme::Secondary;
    }
}

// phonemes.one_primary: of two primary stresses the last is the main one.
void onePrimary(Phonemes& phonemes)
{
    Phoneme* last = nullptr;
    for (Phoneme& phoneme : phonemes) {
        if (phoneme.vowel && phoneme.stress == Phoneme::Primary) {
            if (last != nullptr) {
                last->stress = Phoneme::Secondary;
            }
            last = &phoneme;
        }
    }
}

// phonemes.merge_double_r: an r-coloured vowel and a linking r keep one r.
void mergeDoubleR(Phonemes& phonemes)
{
    const auto isR = [](const Phoneme& phoneme) { return !phoneme.vowel && phoneme.code == "r"; };
    Phonemes merged;
    for (Phoneme& phoneme : phonemes) {
        if (!(isR(phoneme) && !merged.empty() && isR(merged.back()))) {
            merged.push_back(std::move(phoneme));
        }
    }
    phonemes = std::move(merged);
}

// phonemes.tense_weak_vowels: unstressed FLEECE or KIT before a vowel and a
// final unstressed KIT are the happY i (create, really), unstressed GOOSE
// before a vowel is u (situation).
void tenseWeakVowels(Phonemes& phonemes)
{
    const std::size_t vowelCount = vowelIndexes(phonemes).size();
    for (std::size_t i = 0; i < phonemes.size(); ++i) {
        Phoneme& phoneme = phonemes[i];
        if (!phoneme.vowel || phoneme.stress != Phoneme::Unstressed) {
            continue;
        }
        const bool last = i + 1 == phonemes.size();
        if (!last && phonemes[i + 1].vowel) {
            if (phoneme.code == "J" || phoneme.code == "I") {
                phoneme.code.assign(1, 'i');
            } else if (phoneme.code == "H") {
                phoneme.code.assign(1, 'u');
            }
        } else if (last && phoneme.code == "I" && vowelCount > 1) {
            phoneme.code.assign(1, 'i');
        }
    }
}

// phonemes.drop_stress_after_primary: no secondary stress after the primary.
void dropStressAfterPrimary(Phonemes& phonemes)
{
    bool seenPrimary = false;
    for (Phoneme& phoneme : phonemes) {
        if (phoneme.vowel && phoneme.stress == Phoneme::Secondary && seenPrimary) {
            phoneme.stress = Phoneme::Unstressed;
        }
        seenPrimary = seenPrimary || (phoneme.vowel && phoneme.stress == Phoneme::Primary);
    }
}

// phonemes.longest_onset
std::size_t longestOnset(std::string_view cluster)
{
    for (std::size_t length = std::min<std::size_t>(cluster.size(), 3); length > 0; --length) {
        if (isLegalOnset(cluster.substr(cluster.size() - length))) {
            return length;
        }
    }
    return 0;
}

// phonemes.render: each stress mark before its syllable's onset; a word of
// one syllable carries none.
std::string render(const Phonemes& phonemes)
{
    const std::vector<std::size_t> nuclei = vowelIndexes(phonemes);
    std::vector<char> marks(phonemes.size(), '\0');
    if (nuclei.size() > 1) {
        bool first = true;
        std::size_t previous = 0;
        for (const std::size_t index : nuclei) {
            if (const int stress = phonemes[index].stress; stress != Phoneme::Unstressed) {
                const std::size_t from = first ? 0 : previous + 1;
                const std::string cluster =
                    codesOf(phonemes.begin() + from, phonemes.begin() + index);
                const std::size_t onset = first ? index - from : longestOnset(cluster);
                marks[index - onset] = stress == Phoneme::Primary ? '\'' : '"';
            }
            first = false;
            previous = index;
        }
    }
    std::string code;
    for (std::size_t i = 0; i < phonemes.size(); ++i) {
        if (marks[i] != '\0') {
            code += marks[i];
        }
        code += phonemes[i].code;
    }
    return code;
}

// endings.s_ending, with_s and without_s: the engine's -s ending.
std::string withS(std::string code)
{
    const auto endsIn = [&](std::string_view letters) {
        return code.empty() || letters.find(code.back()) != std::string_view::npos;
    };
    code += endsIn(sibilants) ? "Iz" : endsIn(voiceless) ? "s" : "z";
    if (code[code.size() - 2] == 'I' && code.find('\'') == std::string::npos) {
        code.insert(0, 1, '\'');
    }
    return code;
}

std::string withoutS(std::string_view code)
{
    if (code.ends_with("Iz") &&
        (code.size() < 3 || sibilants.find(code[code.size() - 3]) != code.npos)) {
        return std::string(code.substr(0, code.size() - 2));
    }
    if (code.empty() || code.back() == 's' || code.back() == 'z') {
        return std::string(code.substr(0, code.empty() ? 0 : code.size() - 1));
    }
    return {};
}

// endings.regularise_possessives, for a word whose stem has no entry: the
// 's ends as the engine's -s rule ends it (Kate's keɪts, not keɪtz).
std::string regularisePossessive(std::string_view word, std::string code)
{
    if (word.size() < 3 || !word.ends_with("'s")) {
        return code;
    }
    std::string stem = withoutS(code);
    return stem.empty() ? code : withS(std::move(stem));
}

} // namespace

std::string generatedEntryCode(std::string_view word, Phonemes phonemes, EspeakVoice voice)
{
    // british.choose, without the en-gb-x-rp voice.
    if (voice == EspeakVoice::EnGb) {
        weakSchwa(word, phonemes);
        initialWeakE(phonemes);
        pretonicStress(phonemes);
    }
    // generate-dictionaries' Variety.add: normalise, then no stress after the primary.
    onePrimary(phonemes);
    mergeDoubleR(phonemes);
    tenseWeakVowels(phonemes);
    dropStressAfterPrimary(phonemes);
    return regularisePossessive(word, render(phonemes));
}

} // namespace kestrano
