# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""British RP built on CMUdict's General American.

What the two accents share, the consonants, the syllables and the stress,
comes from CMUdict, whose entries were made word by word; espeak-ng's
spelling rules guess them, and get the rarer words wrong (gendarme,
arrhythmia, posthumous). What differs between the accents is mapped: the
r after a vowel is said only before a vowel, GOAT is əʊ, NEAR, SQUARE and
CURE are ɪə, eə and ʊə, -ary and -ory lose their full vowel. Where GA has
one vowel for what RP keeps apart (LOT and PALM against THOUGHT and CLOTH,
TRAP against BATH, STRUT against LOT in what, hurry against furry, the weak
vowels), espeak-ng's RP vowel of the same syllable decides, when the two
pronunciations line up syllable by syllable; otherwise the spelling does.

Some words differ between the accents in more than a vowel (tomato,
schedule, garage, either). CMUdict lists the British form as an
alternative for some (either AY1 DH ER0); for the others, espeak-ng's
en-us voice tells: where it agrees with CMUdict and its en-gb voice says
something else, espeak-ng knows the word as an accent's own, and its RP
form is taken whole.
"""

import re
from collections import namedtuple

from .british import pretonic_stress
from .phonemes import PRIMARY, SECONDARY, consonant, copy, drop_stress_after_primary, normalise
from .reviewed import NOT_AGAIN

WEAK = ("q", "I", "i", "u")
FULL_BEFORE_R = {"I": "Iq", "J": "Iq", "i": "Iq", "e": "eq", "eI": "eq", "u": "uq", "H": "uq",
                 "ou": "L", "qu": "L", "x": "R", "A": "E:"}
# The RP vowels a GA vowel may stand for: elsewhere, and before an r that
# a vowel follows (sorry, mirror, very, hurry, jury).
# CMUdict writes LOT and THOUGHT either way in some words (coauthoring
# AA1, paparazzi AO1), so espeak-ng decides among all the back vowels.
CHOICES = {"R": ("P", "R", "x", "L"), "L": ("L", "P", "R"), "x": ("x", "R"), "A": ("A", "P", "R"),
           "J": ("J", "Iq")}
CHOICES_BEFORE_R = {"R": ("R", "P"), "L": ("L", "P"), "x": ("x", "R"), "I": ("I", "Iq"),
                    "J": ("Iq", "I"), "e": ("e", "eq", "x"), "u": ("uq", "L"), "H": ("uq", "L"),
                    "E:": ("E:", "A")}
YOD_CONSONANTS = "tdnszlT"
U_VOWELS = ("H", "u", "uq")
# -ary, -ery, -ory, -berry, -mony and their plurals: RP has a weak vowel
# after the stress where GA keeps a full one (secretary ˈsekrətəri,
# raspberry, ceremony).
REDUCED_ENDINGS = re.compile(r"(ar|er|or|arr|err|orr)(y|ies|ily|y's)$|mon(y|ies|y's)$")
# Where GA's weak vowel is RP's aɪ (organization, hostile): spelt i there.
PRICE_SPELLINGS = re.compile(r"i[sz]ation|i[sz]ational|iles?$|ile's$")

# Vowel classes that both accents share, for telling whether two
# pronunciations of a word are the same word in two accents.
# GA's iː and RP's ɪə stand for each other in real, really and ideal.
SHARED_CLASS = {"x": "a", "R": "a", "P": "a", "L": "a", "A": "a", "E:": "3", "eI": "eI", "aI": "aI",
                "OI": "OI", "au": "au", "ou": "o", "qu": "o", "Iq": "i", "I": "I", "J": "i", "i": "i",
                "eq": "eq", "e": "e", "uq": "uq", "u": "u", "H": "u:", "q": "@"}
R_CLASS = {"I": "i", "J": "i", "i": "i", "e": "eq", "eI": "eq", "u": "uq", "H": "uq"}
WEAKENED_WHEN_UNSTRESSED = ("q", "I", "i", "u", "H", "e", "J")


def before_r(phonemes, i):
    """'vowel' when the phoneme after i is an r before a vowel, 'final' when
    it is an r before a consonant or the end, None when no r follows."""
    if i + 1 < len(phonemes) and phonemes[i + 1][0] == "r" and not phonemes[i + 1][1]:
        after = phonemes[i + 2] if i + 2 < len(phonemes) else None
        return "vowel" if after is not None and after[1] else "final"
    return None


def is_glide(phonemes, i):
    """Whether phoneme i is a w or j between two vowels, which CMUdict
    writes where dictionaries write none (usually ˈjuːʒəwəli)."""
    return phonemes[i][0] in ("w", "j") and not phonemes[i][1] and 0 < i < len(phonemes) - 1 \
        and phonemes[i - 1][1] and phonemes[i + 1][1]


def skeleton(phonemes):
    """The pronunciation as both accents would write it: no r but before a
    vowel, no yod before a u-vowel, no glide between vowels, vowels by
    class (weak ones alike when unstressed), and the place of the main
    stress."""
    out = []
    for i, p in enumerate(phonemes):
        after = phonemes[i + 1] if i + 1 < len(phonemes) else None
        if not p[1]:
            if p[0] == "r" and not (after is not None and after[1]) or is_glide(phonemes, i):
                continue
            if p[0] == "j" and i and phonemes[i - 1][0] in YOD_CONSONANTS and after is not None \
                    and after[0] in U_VOWELS:
                continue
            out.append(p[0])
            continue
        c = SHARED_CLASS[p[0]]
        if before_r(phonemes, i) == "final":
            c = R_CLASS.get(p[0], c)
        if p[2] != PRIMARY and p[0] in WEAKENED_WHEN_UNSTRESSED:
            c = "@"
        if p[2] == PRIMARY:
            out.append("'")
        out.append(c)
    return tuple(out)


def vowel_indexes(phonemes):
    return [i for i, p in enumerate(phonemes) if p[1]]


def aligned_vowels(ga, espeak):
    """GA vowel index -> espeak-ng's phoneme of the same syllable, when the
    two have as many vowels between the same consonants (realism has its m
    syllabic in CMUdict, so its vowels do not line up)."""
    mine, theirs = vowel_indexes(ga), vowel_indexes(espeak or [])
    if len(mine) != len(theirs) or consonants(ga) != consonants(espeak):
        return {}
    return dict(zip(mine, (espeak[i] for i in theirs)))


def consonants(phonemes):
    """The consonants of the skeleton, in groups between vowels."""
    groups, group = [], []
    for i, p in enumerate(phonemes):
        if p[1]:
            groups.append(tuple(group))
            group = []
        elif not (p[0] in ("r", "j", "w", "h") or is_glide(phonemes, i)):
            group.append(p[0])
    return groups + [tuple(group)]


def default_vowel(word, code):
    # Without espeak-ng's syllable: LOT is spelt o or a after w (want,
    # quality), PALM is spelt a (father, spa); THOUGHT has its spellings
    # (caught, law, talk, water), CLOTH is spelt o (off, long).
    if code == "R":
        return "R" if "o" not in word and not re.search(r"(w|qu)a", word) else "P"
    if code == "L":
        return "L" if re.search(r"au|aw|ough|al|wa|oa|ar", word) or "o" not in word else "P"
    return code


# Where a GA vowel stands: before_r() of it, whether the next vowel has
# the main stress, whether nothing but an ending closes its syllable
# (happY i, cities), whether it is the word's first vowel, whether the main
# stress comes before it.
Place = namedtuple("Place", "context right_before_primary open_end first after_primary")


def place_of(ga, i, vowels):
    later = vowels[vowels.index(i) + 1] if vowels.index(i) + 1 < len(vowels) else None
    return Place(before_r(ga, i), later is not None and ga[later][2] == PRIMARY,
                 i + 1 == len(ga) or ga[i + 1][1] or all(q[0] in "szd" for q in ga[i + 1 :]),
                 i == vowels[0], any(ga[j][2] == PRIMARY for j in vowels if j < i))


def choose_vowel(word, p, theirs, place):
    """(RP code, stress) for one GA vowel p; theirs is espeak-ng's phoneme
    of the same syllable, or None."""
    code, stress = p[0], p[2]
    theirs_code = theirs[0] if theirs else None
    context, right_before_primary = place.context, place.right_before_primary
    if context == "final":
        if code == "q" and theirs_code == "E:":
            return "E:", stress  # GA's unstressed ɚ is RP's ɜː in burlesque bɜːˈlesk
        if code == "x" and theirs_code == "eq":
            return "eq", stress  # CMUdict's AE R for SQUARE: scarecrow
        return FULL_BEFORE_R.get(code, code), stress
    if theirs is not None and theirs_code in WEAK and not theirs[2] and (
        not stress or stress != PRIMARY and (right_before_primary or place.after_primary and code == "A")
    ):
        # GA's unstressed full vowel (advantage æd-), a secondary stress right
        # before the main one (reality ˌriː-), or CMUdict's secondary AH after
        # it, that RP says weak; a compound keeps its full vowel (driftnet).
        return theirs_code, 0
    if theirs is not None and stress == 2 and right_before_primary and not theirs[2]:
        stress = 0  # no secondary stress right before the main one: typhoon taɪˈfuːn
    if code == "q" and theirs_code == "A" and place.first:
        return "A", 0  # un-, up-: CMUdict's ə, RP's ʌ (unfolds ʌnˈfəʊldz)
    if code == "u" and not stress and theirs_code == "H":
        return "H", 0  # CMUdict's weak UW0 where RP keeps uː: routine ruːˈtiːn
    if context == "vowel" and not stress and code in WEAK:
        return code, stress  # samurai ˈsæmʊraɪ: no CURE vowel in a weak syllable
    options = CHOICES_BEFORE_R.get(code) if context == "vowel" else CHOICES.get(code)
    if options:
        if theirs_code in options:
            return theirs_code, stress
        return (options[0] if context == "vowel" else default_vowel(word, code)), stress
    if code == "ou":
        return "qu", stress
    if code == "i" and theirs_code == "J" and not place.open_end:
        return "J", stress  # CMUdict's IY0 in a closed syllable: Sheffield ˈʃefiːld
    if theirs_code == "aI" and code in WEAK and not stress and PRICE_SPELLINGS.search(word):
        return "aI", stress
    return code, stress


def to_rp(word, ga, espeak):
    """RP phonemes for CMUdict's GA phonemes ga (from american.from_cmudict,
    normalised), deciding what GA merges by espeak-ng's RP
    phonemes espeak (or None) where the syllables line up."""
    aligned = aligned_vowels(ga, espeak)
    vowels = vowel_indexes(ga)
    result = []
    for i, p in enumerate(ga):
        if p[1]:
            p = list(p)
            p[0], p[2] = choose_vowel(word, p, aligned.get(i), place_of(ga, i, vowels))
            result.append(p)
            if p[0] in ("aI", "au") and before_r(ga, i) == "final":
                result.append(["q", True, 0])  # flowers ˈflaʊəz, where CMUdict has one syllable
            glide = espeak_glide(ga, espeak, aligned, i)
            if glide:
                result.append(consonant(glide))  # beyond bɪˈjɒnd
        elif p[0] == "r" and not (i + 1 < len(ga) and ga[i + 1][1]):
            continue
        elif is_glide(ga, i) and i - 1 in aligned and i + 1 in aligned and not has_glide(espeak, aligned, i):
            continue
        else:
            result.append(list(p))
    result = add_yod(result, espeak)
    return pretonic_stress(no_clash(drop_stress_after_primary(normalise(reduce_endings(word, result)))))


def espeak_glide(ga, espeak, aligned, i):
    """The w or j that espeak-ng says between the vowels that line up with
    GA's vowel i and the vowel right after it, or None."""
    if i + 1 >= len(ga) or not ga[i + 1][1] or i not in aligned or i + 1 not in aligned:
        return None
    start, end = (position(espeak, aligned[j]) for j in (i, i + 1))
    between = espeak[start + 1 : end]
    return between[0][0] if len(between) == 1 and between[0][0] in ("w", "j") else None


def no_clash(phonemes):
    """A secondary stress right after another stressed syllable goes, as
    dictionaries print one (exhortation ˌeɡzɔːˈteɪʃən, where CMUdict stresses
    both syllables before the main one)."""
    result, previous = copy(phonemes), 0
    for p in result:
        if not p[1]:
            continue
        if p[2] == 2 and previous:
            p[2] = 0
        previous = p[2]
    return result


def has_glide(espeak, aligned, i):
    """Whether espeak-ng says a consonant between the vowels that line up
    with GA's vowels i - 1 and i + 1."""
    start, end = (position(espeak, aligned[j]) for j in (i - 1, i + 1))
    return end - start > 1


def position(phonemes, phoneme):
    return next(k for k, p in enumerate(phonemes) if p is phoneme)


def add_yod(phonemes, espeak):
    """RP keeps the j that GA drops after t, d, n, s, z, l and θ before a
    u-vowel (new njuː, student, during); where espeak-ng says it in the
    same syllable, it is said."""
    if not espeak:
        return phonemes
    theirs = yod_places(espeak)
    result, vowels_seen = [], 0
    for i, p in enumerate(phonemes):
        result.append(p)
        vowels_seen += p[1]
        if not p[1] and p[0] in YOD_CONSONANTS and i + 1 < len(phonemes) \
                and phonemes[i + 1][0] in U_VOWELS and (vowels_seen, p[0]) in theirs:
            result.append(consonant("j"))
    return result


def yod_places(phonemes):
    """(vowels before, consonant) of every consonant + j + u-vowel."""
    places, seen = set(), 0
    for i, p in enumerate(phonemes):
        seen += p[1]
        if not p[1] and i + 2 < len(phonemes) and phonemes[i + 1][0] == "j" \
                and phonemes[i + 2][0] in U_VOWELS:
            places.add((seen, p[0]))
    return places


def reduce_endings(word, phonemes):
    if not REDUCED_ENDINGS.search(word.removesuffix("'s")):
        return phonemes
    vowels = vowel_indexes(phonemes)
    primary = next((i for i in vowels if phonemes[i][2] == PRIMARY), None)
    if primary is None:
        return phonemes
    for i in vowels:
        if i > primary and phonemes[i][0] in ("e", "eq", "L", "qu", "P", "R"):
            phonemes = copy(phonemes)
            phonemes[i][0], phonemes[i][2] = "q", 0
            break
    return phonemes


def same_vowels(ga, espeak):
    return sum(1 for i, theirs in aligned_vowels(ga, espeak).items() if ga[i][0] == theirs[0])


def smoothed(phonemes):
    """GA's stressed iː before a weak ə as one RP NEAR vowel, as in idea
    aɪˈdɪə, or None when there is none."""
    for i, p in enumerate(phonemes[:-1]):
        nxt = phonemes[i + 1]
        if p[1] and p[0] in ("J", "i") and p[2] == PRIMARY and nxt[1] and nxt[0] == "q" and not nxt[2]:
            return [list(x) for x in phonemes[:i]] + [["Iq", True, PRIMARY]] + \
                [list(x) for x in phonemes[i + 2 :]]
    return None


def british(word, alternatives, espeak_gb, espeak_us, listed):
    """(how, phonemes): the RP of a CMUdict word.

    alternatives: CMUdict's pronunciations as GA phonemes, the American
    file's choice first; espeak_gb: espeak-ng's RP (None if it has none);
    espeak_us: its GA; listed: whether espeak-ng's own word list holds the
    word, whose RP its makers wrote down (magazine ˌmæɡəˈziːn, really)
    where CMUdict has the American word. how is "cmudict" when the word is
    built on CMUdict; when espeak-ng's RP is taken whole, "listed" for a
    word of its word list, "accent" for one it says otherwise in GA.
    """
    alternatives = [normalise(ga) for ga in alternatives]
    if espeak_gb is None:
        return "cmudict", to_rp(word, alternatives[0], None)
    theirs = skeleton(espeak_gb)
    shared = [form for ga in alternatives for form in (ga, smoothed(ga))
              if form is not None and skeleton(form) == theirs]
    if shared:
        # Of CMUdict's pronunciations, the one whose vowels espeak-ng's RP
        # has most of (economic with iː, as RP has it, not CMUdict's first ɛ).
        best = max(shared, key=lambda form: same_vowels(form, espeak_gb))
        return "cmudict", to_rp(word, best, espeak_gb)
    base = skeleton(alternatives[0])
    if listed:
        return "listed", espeak_gb
    if espeak_us is not None and skeleton(espeak_us) == base and theirs != base:
        return "accent", espeak_gb
    return "cmudict", to_rp(word, alternatives[0], espeak_gb)


DERIVED_ENDINGS = ("", "s", "'s", "es", "d", "ed", "ing", "er", "ers", "er's", "ment", "ments", "able",
                   "ion", "ions")


def again_prefix(word, ga, rp, cmudict_words):
    """RP's ˌriː- for the re- of "again" that CMUdict leaves unstressed
    before the stressed syllable of a consonant (rebuild ˌriːˈbɪld,
    recapture), where the rest of the word is a CMUdict word and the word
    is none of the reviewed NOT_AGAIN (remind, report). Before a vowel RP
    dictionaries mostly print the weak ri (reorganize riˈɔːɡənaɪz,
    reopen), which CMUdict's entry gives already."""
    if not (word.startswith("re") and word[2:] in cmudict_words and starts_unstressed_ri(ga)
            and starts_unstressed_ri(rp, "I")) or not_again(word):
        return rp
    if next(p for p in rp[2:] if p[1])[2] != PRIMARY:
        return rp
    result = copy(rp)
    result[1] = ["J", True, SECONDARY]
    return result


def starts_unstressed_ri(phonemes, *also):
    """r, an unstressed iː (or one of also), then a consonant."""
    return len(phonemes) > 3 and phonemes[0][0] == "r" and phonemes[1][1] and not phonemes[1][2] \
        and phonemes[1][0] in ("i", "J") + also and not phonemes[2][1]


def not_again(word):
    for base in NOT_AGAIN:
        stems = {base, base + base[-1], base[:-1] if base.endswith("e") else base}
        if any(word == stem + ending for stem in stems for ending in DERIVED_ENDINGS):
            return True
    return False
