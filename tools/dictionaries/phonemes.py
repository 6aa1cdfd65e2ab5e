# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Pronunciations as phoneme lists, and their rendering as PhonemeCode text.

A pronunciation is built as a list of phonemes before it becomes text, so
that stress marks can be moved to the start of their syllable afterwards and
compounds can be put together from their parts. Each phoneme is
[code, is_vowel, stress] with stress 0 (none), 1 (primary) or 2 (secondary).
Diphthongs are one vowel with a two-letter code; the r of an American
r-coloured vowel is a consonant of its own. In a compound, the first phoneme
of each part after the first carries a fourth item that marks where the part
begins.
"""

PRIMARY = 1
SECONDARY = 2
STRESS_MARK = {PRIMARY: "'", SECONDARY: '"'}

CONSONANTS = "pbtdkgfvTDszSZhCGmnNwlrj"

# Onsets that an English syllable may begin with, as PhonemeCode. A stress
# mark goes before the longest of these that ends the consonants between
# the previous vowel and the stressed one.
LEGAL_ONSETS = {""} | set(CONSONANTS.replace("N", "")) | {
    "pl", "pr", "pj", "bl", "br", "bj", "tr", "tw", "tj", "dr", "dw", "dj",
    "kl", "kr", "kw", "kj", "gl", "gr", "gw", "gj", "fl", "fr", "fj", "vj",
    "Tr", "Tw", "Tj", "Sr", "mj", "nj", "hj", "lj", "sj",
    "sp", "st", "sk", "sm", "sn", "sl", "sw", "sf",
    "spl", "spr", "spj", "str", "stj", "skr", "skw", "skl", "skj",
}


def vowel(code, stress=0):
    return [code, True, stress]


def consonant(code):
    return [code, False, 0]


def copy(phonemes):
    return [list(p) for p in phonemes]


def sounds(phonemes):
    """The phonemes' codes without their stress, for comparing two sayings."""
    return [p[0] for p in phonemes]


# Vowel codes, longest first, for reading a code back into phonemes.
VOWEL_CODES = ("E:", "eI", "aI", "OI", "au", "ou", "qu", "Iq", "eq", "uq",
               "I", "e", "x", "P", "A", "u", "q", "i", "J", "R", "L", "H")


def parse(code):
    """Phonemes of a PhonemeCode text such as "'sAmwAn" (a mark stands before
    its syllable's onset and stresses the next vowel); for the generator's
    own tables."""
    phonemes, stress, i = [], 0, 0
    while i < len(code):
        if code[i] in STRESS_MARK.values():
            stress = PRIMARY if code[i] == "'" else SECONDARY
            i += 1
            continue
        match = next((v for v in VOWEL_CODES if code.startswith(v, i)), None)
        if match:
            phonemes.append(vowel(match, stress))
            stress, i = 0, i + len(match)
        elif code[i] in CONSONANTS:
            phonemes.append(consonant(code[i]))
            i += 1
        else:
            raise ValueError(f"not PhonemeCode: {code!r}")
    if sum(1 for p in phonemes if p[1]) == 1:
        next(p for p in phonemes if p[1])[2] = stress or PRIMARY
    return phonemes


def normalise(phonemes):
    """The source-independent clean-up every word gets once, before use."""
    return tense_weak_vowels(merge_double_r(one_primary(phonemes)))


def one_primary(phonemes):
    # Both sources give some words two primary stresses (thirteen in
    # CMUdict, anticipation in espeak-ng); the last is the main one and the
    # earlier ones are secondary (ænˌtɪsɪˈpeɪʃən).
    result = copy(phonemes)
    primaries = [p for p in result if p[1] and p[2] == PRIMARY]
    for p in primaries[:-1]:
        p[2] = SECONDARY
    return result


def render(phonemes):
    """PhonemeCode text with each stress mark before its syllable's onset.

    Words of one syllable carry no mark, as in pronouncing dictionaries.
    """
    nuclei = [i for i, p in enumerate(phonemes) if p[1]]
    marks = {}
    if len(nuclei) > 1:
        previous = -1
        for index in nuclei:
            stress = phonemes[index][2]
            if stress:
                consonants = phonemes[previous + 1 : index]
                cluster = "".join(p[0] for p in consonants)
                onset = len(cluster) if previous < 0 else longest_onset(cluster)
                # In a compound a syllable does not begin before its part
                # does: god-awful ˌɡɒdˈɔːfəl, not ˌɡɒˈdɔːfəl.
                starts = [i for i, p in enumerate(consonants + [phonemes[index]]) if len(p) > 3]
                if starts and previous >= 0:
                    onset = min(onset, len(consonants) - starts[-1])
                marks[index - onset] = STRESS_MARK[stress]
            previous = index
    return "".join(marks.get(i, "") + p[0] for i, p in enumerate(phonemes))


def longest_onset(cluster):
    for length in range(min(len(cluster), 3), -1, -1):
        if cluster[len(cluster) - length :] in LEGAL_ONSETS:
            return length
    return 0


def merge_double_r(phonemes):
    # An r-coloured vowel followed by a linking r (espeak's "ɜː ɹ") keeps one r.
    merged = []
    for p in phonemes:
        if p[0] == "r" and not p[1] and merged and merged[-1][0] == "r" and not merged[-1][1]:
            continue
        merged.append(p)
    return merged


def tense_weak_vowels(phonemes):
    # Unstressed FLEECE or KIT right before another vowel (create, period) and
    # unstressed KIT at the end of a word (really) are the happY vowel i, and
    # unstressed GOOSE before a vowel is u (situation, usually), as British
    # pronouncing dictionaries write them.
    result = copy(phonemes)
    vowels = [p for p in result if p[1]]
    for i, p in enumerate(result):
        if not p[1] or p[2]:
            continue
        following = result[i + 1] if i + 1 < len(result) else None
        if following is not None and following[1]:
            if p[0] in ("J", "I"):
                p[0] = "i"
            elif p[0] == "H":
                p[0] = "u"
        elif following is None and p[0] == "I" and len(vowels) > 1:
            p[0] = "i"
    return result


def drop_stress_after_primary(phonemes):
    """No secondary stress after the primary one, as British learner's
    dictionaries print words (baseball ˈbeɪsbɔːl, not ˈbeɪsˌbɔːl); the vowel
    keeps its full quality."""
    result = copy(phonemes)
    seen_primary = False
    for p in result:
        if p[1] and p[2] == SECONDARY and seen_primary:
            p[2] = 0
        seen_primary = seen_primary or (p[1] and p[2] == PRIMARY)
    return result


def stress_first_syllable(phonemes):
    """The word with its primary stress on its first vowel and no other: the
    rhythm rule's shift in nineteen ninety, said ˈnaɪntiːn ˈnaɪnti."""
    result = copy(phonemes)
    first = True
    for p in result:
        if p[1]:
            p[2] = PRIMARY if first else 0
            first = False
    return result


def unstress_weak(part):
    """A part said with a weak vowel only (of qv, a q, and the strong form
    tu that "to" keeps for the sentence rules) is unstressed in a compound:
    out-of-date ˌaʊtəvˈdeɪt."""
    if all(p[0] in ("q", "i") for p in part if p[1]) or [p[0] for p in part] == ["t", "u"]:
        part = copy(part)
        for p in part:
            p[2] = 0
    return part


def join(parts, late):
    """One word from the phonemes of its parts, with compound stress.

    late: the last stressed part keeps its primary stress and the earlier
    parts' primaries become secondary (well-known ˌwelˈnəʊn, twenty-one).
    Otherwise the first stressed part keeps its primary and the later parts
    lose their stress but keep their vowels (follow-up ˈfɒləʊʌp).
    """
    parts = [unstress_weak(part) for part in parts]
    stressed = [i for i, part in enumerate(parts) if any(p[1] and p[2] for p in part)]
    main = (stressed[-1] if late else stressed[0]) if stressed else 0
    result = []
    for i, part in enumerate(parts):
        part = copy(part)
        if i and part:
            part[0] = part[0][:3] + ["part"]  # where the part begins, for render
        for p in part:
            if not p[1] or not p[2]:
                continue
            if i == main:
                continue
            if late and i < main:
                p[2] = SECONDARY
            else:
                p[2] = 0
        result.extend(part)
    return result
