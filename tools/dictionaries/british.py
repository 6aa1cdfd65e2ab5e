# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""British RP: espeak-ng's en-gb and en-gb-x-rp voices chosen word by word,
and the older RP of espeak-ng brought up to date.

en-gb says the BATH words with the TRAP vowel (after ˈæftə) and unstressed
ex-, en- and em- with DRESS (example eɡˈzæmpəl); RP has ɑː and ɪ there,
as en-gb-x-rp says. That voice also gives ɑː to words that keep æ in RP
(plastic, Atlantic), says CURE words with ɔː (jury), and changes other
things besides. So a word takes the en-gb-x-rp form only when the two forms
differ in nothing but these vowels (en-gb's happY i against the other's ɪ
does not count), and not when it contains one of the stems below.
"""

from .phonemes import LEGAL_ONSETS, sounds

# Where en-gb-x-rp's ɑː is wrong: RP keeps æ in these, matched anywhere in
# the word (plastic also in thermoplastic, sanct in sanctuary); a final #
# matches the whole word only. Reviewed against every word in lower case
# of the Debian lists that takes that voice's ɑː.
TRAP_STEMS = """
    alaska alexandrit allant anastigm anastom antepast antipast archimandr
    assonant aster# asterism asteroid asterisk astic atlant bant bastil bastinad
    bastion bathy batho blastem blastul blather blasphem brassard brasserie
    brassica brassiere byzant cadast calamanco cant canton caspian castanet
    castell castigat castrat chancre chancroid chanterelle chanteuse chantey
    chast chrysanth cilantro circumstant clast clathr classic confirmand
    consonant covenant damask dant dynast eglant elasmo elast emancipat
    epiblast esperant estanc exanth fant fastig franc# franchis francium
    francolin francophon franciscan francisco frantic galant gant gaskin
    gasket gaster gastight gastr gormand gourmand guarant gymnast gynaecomast
    hanty hydranth hydrast hyponast impasto inenarr lambast lancashire lancast
    lantan lantern lanthan lanthorn madrass malathion mancy manchester
    manchineel manciple mant mastab mastectom mastiff mastigo mastodon mastoid
    masturbat mercantil merchantm monaster namaste nasturt neurasthen oblast
    oplast pant passacag passade passant passement passerin passible passim
    passiv pasta pastel pastiche pastil pastose pastrami pederast phant phrast
    plantain plantar plantigrad plastid plastique procrastinat quadrant rancher
    ranchman rancho rancid rancor rancour rant# raster regnant revanch sanct
    santon sastrug sebastian shantung splanch stigmast strophanth subastral
    summand swastika tamandu tant tarant vigilant warrantor wollaston wrasse
    zanth
""".split()

TRAP, BATH, DRESS, KIT, HAPPY, SCHWA = "x", "R", "e", "I", "i", "q"
WEAK_VOWELS = ("q", "I", "i", "u")


# BATH is TRAP before these: after, class, path, paths, dance, example,
# half; never before ŋ (blank, Blanca) or other consonants.
BATH_CONSONANTS = set("fsTDnml")


def allowed(gb, rp, before_stress, following):
    """Whether two phonemes differ only as the RP choice allows: TRAP to
    BATH before the consonants of BATH; DRESS to KIT only unstressed right
    before a stressed vowel (example, enjoy, examination; not the ex- of
    explanation). following: the code of the next phoneme, or None."""
    if gb == rp:
        return True
    if gb[1:] != rp[1:]:
        return False  # a vowel against a consonant, or another stress
    return (gb[0], rp[0]) == (HAPPY, KIT) or (
        (gb[0], rp[0]) == (TRAP, BATH) and following in BATH_CONSONANTS) or (
        (gb[0], rp[0]) == (DRESS, KIT) and not gb[2] and before_stress
    )


def vowels_before_stress(phonemes):
    """The indexes of the vowels that a stressed vowel follows."""
    vowels = [i for i, p in enumerate(phonemes) if p[1]]
    return {previous for previous, current in zip(vowels, vowels[1:]) if phonemes[current][2]}


# Endings whose weak ɪ current learners' dictionaries print as ə (ability
# əˈbɪləti, possible ˈpɒsəbəl); espeak-ng has the older ɪ.
WEAK_SCHWA_ENDINGS = (
    (("ity", "ities"), (["I", "t", "i"], ["I", "t", "i", "z"])),
    (("ible", "ibly", "ibles"), (["I", "b", "q", "l"], ["I", "b", "l", "i"], ["I", "b", "q", "l", "z"])),
)


def weak_schwa(word, phonemes):
    stem = word[:-2] if word.endswith("'s") else word
    codes = [p[0] for p in phonemes]
    for endings, tails in WEAK_SCHWA_ENDINGS:
        if stem.endswith(endings):
            for tail in tails:
                at = len(codes) - len(tail)
                if at >= 0 and codes[at:] == tail and not phonemes[at][2]:
                    phonemes[at][0] = SCHWA
    return phonemes


def initial_weak_e(phonemes):
    # A word that begins with an unstressed e in an open syllable right
    # before the stress has ɪ in RP (effect ɪˈfekt, eleven, economy), and so
    # does ex- (exalt ɪɡˈzɔːlt); espeak-ng keeps e in some. A closed
    # syllable keeps it (ethnicity eθˈnɪsəti, ectopic, enzymic).
    vowels = [i for i, p in enumerate(phonemes) if p[1]]
    if not (len(vowels) > 1 and vowels[0] == 0 and phonemes[vowels[1]][2]):
        return phonemes
    cluster = "".join(p[0] for p in phonemes[1 : vowels[1]])
    if phonemes[0][0] == DRESS and not phonemes[0][2] and (
        cluster in LEGAL_ONSETS or cluster.startswith(("ks", "gz"))
    ):
        phonemes[0][0] = KIT
    return phonemes


def pretonic_stress(phonemes):
    # A full vowel in the first syllable, two or more syllables before the
    # main stress, carries secondary stress (conversation ˌkɒnvəˈseɪʃən);
    # espeak-ng leaves it unmarked in some words.
    vowels = [p for p in phonemes if p[1]]
    primary = next((i for i, p in enumerate(vowels) if p[2] == 1), 0)
    if primary >= 2 and not vowels[0][2] and not vowels[1][2] and vowels[0][0] not in WEAK_VOWELS:
        vowels[0][2] = 2
    return phonemes


# Endings after the y of a stem (beauty, happy, penny), with the vowel that
# y keeps before them in current learner's dictionaries: ɪ before -ful and
# -ly (beautiful ˈbjuːtɪfəl, happily ˈhæpɪli), the happY i before the
# others (happiness ˈhæpinəs, penniless, merriment). espeak-ng mixes both
# in each (ˈbjuːtifəl, ˈkætɪnəs).
Y_ENDINGS = (
    ("fulness", KIT), ("fully", KIT), ("ful", KIT), ("ly", KIT),
    ("nesses", HAPPY), ("ness", HAPPY), ("lessness", HAPPY), ("lessly", HAPPY), ("less", HAPPY),
    ("ments", HAPPY), ("ment", HAPPY),
)


def y_vowel(word, lookup, common):
    """(index, vowel) for the y of a word built on a stem in -y: the stem
    with an ending of Y_ENDINGS, or a compound of two common words (written
    in lower case in the word lists) whose first ends in y (copyright,
    everything, anyway), where the y is the happY i as in the stem said
    alone (ˈkɒpiraɪt, not ˈkɒpɪraɪt). None when the word is no such thing
    or does not sound like its parts; names are left out, since a name
    that ends in y makes false compounds (Marty in martyrise)."""
    base = word[:-2] if word.endswith("'s") else word
    splits = [(base[: -len(ending) - 1] + "y", None, vowel)
              for ending, vowel in Y_ENDINGS if base.endswith("i" + ending)]
    splits += [(word[:k], word[k:], HAPPY) for k in range(3, len(word) - 2)
               if word[k - 1] == "y" and word[:k] in common and word[k:] in common]
    phonemes = lookup[word]
    for stem, rest, vowel in splits:
        said = lookup.get(stem)
        if not said or said[-1][:3] != [HAPPY, True, 0] or len(said) >= len(phonemes):
            continue
        at = len(said) - 1
        if rest is not None and sounds(lookup.get(rest, [])) != sounds(phonemes[at + 1 :]):
            continue
        if sounds(phonemes[:at]) == sounds(said[:at]) and phonemes[at][0] in (KIT, HAPPY) \
                and not phonemes[at][2]:
            return at, vowel
    return None


def stems_in_y(lookup, common):
    """word -> phonemes for the words whose y y_vowel sets otherwise."""
    changed = {}
    for word in sorted(lookup):
        found = y_vowel(word, lookup, common)
        if found and lookup[word][found[0]][0] != found[1]:
            phonemes = [list(p) for p in lookup[word]]
            phonemes[found[0]][0] = found[1]
            changed[word] = phonemes
    return changed


def keeps_trap(word):
    return any(stem.rstrip("#") == word if stem.endswith("#") else stem in word
               for stem in TRAP_STEMS)


def choose(word, gb, rp):
    """(source tag, phonemes) for one word from the two voices' phonemes."""
    tag, chosen = "espeak-en-gb", gb
    if rp is not None and len(rp) == len(gb):
        before = vowels_before_stress(gb)
        following = [p[0] for p in gb[1:]] + [None]
        if all(allowed(a, b, i in before, following[i]) for i, (a, b) in enumerate(zip(gb, rp))):
            merged = [
                a if a[0] == HAPPY or (a[0] == TRAP and keeps_trap(word)) else b
                for a, b in zip(gb, rp)
            ]
            if merged != gb:
                tag, chosen = "espeak-en-gb-x-rp", merged
    return tag, pretonic_stress(initial_weak_e(weak_schwa(word, [list(p) for p in chosen])))
