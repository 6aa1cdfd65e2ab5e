// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The dictionary generator's rules for a word that espeak-ng says, ported
// from tools/dictionaries/ (espeak_words.py, phonemes.py, british.py,
// inflections.py); each function names the one it follows. Left out, as a
// guess cannot have what they need: the RP vowels of the en-gb-x-rp voice (a
// second voice for every British word), and the rules that read another
// entry of the file (a stem in -y, an inflected form's stem, the parts of a
// word): a guessed word's stem is unknown, or the engine would have derived
// the word from it.

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

bool isConsonant(const Phonemes& phonemes, std::size_t i, std::string_view code)
{
    return i < phonemes.size() && !phonemes[i].vowel && phonemes[i].code == code;
}

bool isUVowel(const Phoneme& phoneme)
{
    return phoneme.code == "H" || phoneme.code == "u" || phoneme.code == "uq";
}

// Removes the phonemes for which the predicate, given the index, holds.
template <typename Predicate> void dropWhere(Phonemes& phonemes, Predicate drop)
{
    Phonemes kept;
    for (std::size_t i = 0; i < phonemes.size(); ++i) {
        if (!drop(i)) {
            kept.push_back(phonemes[i]);
        }
    }
    phonemes = std::move(kept);
}

// espeak_words.silent_rrh: the h of -rrh- is silent (arrhythmia).
void silentRrh(std::string_view word, Phonemes& phonemes)
{
    if (word.find("rrh") != std::string_view::npos) {
        dropWhere(phonemes, [&](std::size_t i) {
            return !phonemes[i].vowel && phonemes[i].code == "h" && i > 0 &&
                   isConsonant(phonemes, i - 1, "r");
        });
    }
}

// espeak_words.drop_yod_after_r: no j after an r that begins its syllable
// before a u-vowel (pruner ˈpruːnə).
void dropYodAfterR(Phonemes& phonemes)
{
    dropWhere(phonemes, [&](std::size_t i) {
        return !phonemes[i].vowel && phonemes[i].code == "j" && i > 0 &&
               isConsonant(phonemes, i - 1, "r") && i + 1 < phonemes.size() &&
               isUVowel(phonemes[i + 1]) && (i < 2 || !phonemes[i - 2].vowel);
    });
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

// espeak_words.one_stress_of_a_run: of secondary stresses on successive
// syllables only the first stays (http ˌeɪtʃtiːtiːˈpiː), but for a vowel
// right before another; the main stress is the last primary.
void oneStressOfARun(Phonemes& phonemes)
{
    onePrimary(phonemes);
    int previous = Phoneme::Unstressed;
    for (std::size_t i = 0; i < phonemes.size(); ++i) {
        Phoneme& phoneme = phonemes[i];
        if (phoneme.vowel) {
            const int stress = phoneme.stress;
            const bool beforeVowel = i + 1 < phonemes.size() && phonemes[i + 1].vowel;
            if (stress == Phoneme::Secondary && previous == Phoneme::Secondary && !beforeVowel) {
                phoneme.stress = Phoneme::Unstressed;
            }
            previous = stress;
        }
    }
}

// espeak_words.drop_r_before_consonant: RP says r only before a vowel.
void dropRBeforeConsonant(Phonemes& phonemes)
{
    dropWhere(phonemes, [&](std::size_t i) {
        return !phonemes[i].vowel && phonemes[i].code == "r" &&
               (i + 1 == phonemes.size() || !phonemes[i + 1].vowel);
    });
}

// espeak_words.drop_h_before_consonant: h only before a vowel or j.
void dropHBeforeConsonant(Phonemes& phonemes)
{
    dropWhere(phonemes, [&](std::size_t i) {
        return !phonemes[i].vowel && phonemes[i].code == "h" &&
               (i + 1 == phonemes.size() ||
                (!phonemes[i + 1].vowel && phonemes[i + 1].code != "j"));
    });
}

// espeak_words.irish_agh: an unstressed -agh is a weak vowel, its gh silent.
void irishAgh(std::string_view word, Phonemes& phonemes)
{
    std::string_view stem = withoutPossessive(word);
    if (stem.ends_with("aghs")) {
        stem.remove_suffix(1);
    }
    if (!stem.ends_with("agh")) {
        return;
    }
    std::size_t last = phonemes.size();
    while (last > 0 && !phonemes[last - 1].vowel &&
           (phonemes[last - 1].code == "s" || phonemes[last - 1].code == "z")) {
        --last;
    }
    if (last >= 2 && phonemes[last - 1].code == "g" && phonemes[last - 2].vowel &&
        phonemes[last - 2].stress == Phoneme::Unstressed) {
        phonemes[last - 2].code.assign(1, 'q');
        phonemes.erase(phonemes.begin() + static_cast<std::ptrdiff_t>(last - 1));
    }
}

// espeak_words.prefix_nasal: the n of an unstressed in-, con-, en-, un- or
// non- before k or g stays n (including ɪnˈkluːdɪŋ).
void prefixNasal(std::string_view word, Phonemes& phonemes)
{
    static constexpr std::string_view prefixes[] = {"in", "con", "en", "un", "non"};
    const auto prefix = std::find_if(std::begin(prefixes), std::end(prefixes),
                                     [&](std::string_view p) { return word.starts_with(p); });
    if (prefix == std::end(prefixes) || word.size() <= prefix->size() ||
        std::string_view("cgkqx").find(word[prefix->size()]) == std::string_view::npos) {
        return;
    }
    const std::vector<std::size_t> vowels = vowelIndexes(phonemes);
    if (vowels.empty() || vowels[0] + 2 >= phonemes.size() ||
        phonemes[vowels[0]].stress == Phoneme::Primary) {
        return;
    }
    Phoneme& nasal = phonemes[vowels[0] + 1];
    const std::string& next = phonemes[vowels[0] + 2].code;
    if (nasal.code == "N" && (next == "k" || next == "g")) {
        nasal.code.assign(1, 'n');
    }
}

// espeak_words.mend and mend_any: the corrections of one espeak-ng word
// from its spelling and phonemes alone. False for a word left without a
// vowel, which the generator spells out and a guess leaves alone.
bool mend(std::string_view word, Phonemes& phonemes, EspeakVoice voice)
{
    silentRrh(word, phonemes);
    dropYodAfterR(phonemes);
    oneStressOfARun(phonemes);
    if (voice == EspeakVoice::EnGb) {
        dropRBeforeConsonant(phonemes);
    }
    dropHBeforeConsonant(phonemes);
    irishAgh(word, phonemes);
    prefixNasal(word, phonemes);
    return !vowelIndexes(phonemes).empty();
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

// inflections.ending, with_ending and without_s: the engine's -s ending.
std::string withS(std::string code)
{
    const auto endsIn = [&](std::string_view letters) {
        return code.empty() || letters.find(code.back()) != std::string_view::npos;
    };
    const bool syllabic = endsIn(sibilants);
    code += syllabic ? "Iz" : endsIn(voiceless) ? "s" : "z";
    // A mark before a word that the ending makes two syllables long; the
    // files mark no word of one syllable.
    if (syllabic && code.find('\'') == std::string::npos) {
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

// inflections.inflected, for a possessive whose stem has no entry: the 's
// ends as the engine's -s rule ends it (Kate's keɪts, not keɪtz).
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
    if (!mend(word, phonemes, voice)) {
        return {};
    }
    // british.choose, without the en-gb-x-rp voice.
    if (voice == EspeakVoice::EnGb) {
        weakSchwa(word, phonemes);
        initialWeakE(phonemes);
        pretonicStress(phonemes);
    }
    // generate-dictionaries' Variety.add: normalise, then no stress after the
    // primary, then the weak vowels once more.
    onePrimary(phonemes);
    mergeDoubleR(phonemes);
    tenseWeakVowels(phonemes);
    dropStressAfterPrimary(phonemes);
    tenseWeakVowels(phonemes);
    return regularisePossessive(word, render(phonemes));
}

} // namespace kestrano
