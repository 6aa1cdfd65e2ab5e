# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Inflected forms said as their stem with the engine's own ending.

The engine derives cats from cat, faced from face and Kate's from Kate by
the last sound of the stem's code: ɪz and ɪd after a sibilant or after t
and d, s and t after another voiceless sound, z and d otherwise. A word
the files hold is not derived, so the files must already say it that way:
espeak-ng's rules often do not (aches eɪkz, faced feɪsd, bouquets
buːˈkeɪs, banged bæŋɡd, tinged tɪŋd), while its stem, most often
CMUdict's, is right.

So every inflected form (-s, -es, 's, -s', -d, -ed) of a word of the same
file is said as that word with the engine's ending, found by the engine's
own steps back to the stem. An entry that is curated (CMUdict's, or set by
hand) keeps its own code but for the voicing of its ending. IRREGULAR lists
the forms that do not follow their stem, each with its reason.
"""

VOWELS = set(":qeuioaxQWERIOPAFHJLV")
VOICED = set("wrdgjlzvbnmDGZN")
VOICELESS = set("tspfhkTSC")
SIBILANTS = set("GCzsSZ")

# Stems that the endings must not be taken from: abbreviations (corp is
# said corporation, corps is not its plural) and numbers.
NO_STEM_TAGS = {"abbreviation", "number"}
# The tag of the entries set by hand in reviewed.py.
HAND_TAG = "kestrano"
# CMUdict's words were written down one by one: Lucas is no plural of Luca,
# and houses keeps its z. Their codes, and the ones set by hand, are kept.
CURATED_TAGS = {"cmudict", "cmudict-rp", HAND_TAG, "abbreviation", "number"}

# The end of a word: (how the stem's last consonant changes, reason), for
# the word and the compounds that end in it (footpaths, greenhouses).
# "voiced" says the stem's final θ, s or f as ð, z or v before the ending;
# "syllabic" says -ed as a syllable of its own after any sound.
IRREGULAR = {
    "baths": ("voiced", "RP says bɑːðz; the th of bath, path, mouth, oath and wreath is voiced before -s"),
    "paths": ("voiced", "as baths"),
    "mouths": ("voiced", "as baths"),
    "oaths": ("voiced", "as baths"),
    "wreaths": ("voiced", "as baths"),
    "sheaths": ("voiced", "as baths"),
    "youths": ("voiced", "as baths"),
    "houses": ("voiced", "the s of house is z before -es: ˈhaʊzɪz"),
    "wicked": ("syllabic", "an adjective whose -ed is a syllable: ˈwɪkɪd"),
    "ragged": ("syllabic", "as wicked: ˈræɡɪd"),
    "rugged": ("syllabic", "as wicked: ˈrʌɡɪd"),
    "jagged": ("syllabic", "as wicked: ˈdʒæɡɪd"),
    "crooked": ("syllabic", "as wicked: ˈkrʊkɪd"),
    "wretched": ("syllabic", "as wicked: ˈretʃɪd"),
    "crabbed": ("syllabic", "as wicked: ˈkræbɪd"),
    "cragged": ("syllabic", "as wicked: ˈkræɡɪd"),
}
VOICING = {"T": "D", "s": "z", "f": "v"}


def ending(code, suffix):
    """The engine's suffixEnding for the last letter of code and the suffix
    "s" or "d"."""
    last = code[-1:]
    if suffix == "d":
        if last in ("d", "t"):
            return "Id"
        return "d" if last in VOWELS or last in VOICED else "t" if last in VOICELESS else ""
    if last in SIBILANTS:
        return "Iz"
    return "z" if last in VOWELS or last in VOICED else "s" if last in VOICELESS else ""


def with_ending(code, suffix):
    """The code with its ending, and a stress mark before a word that the
    ending makes two syllables long, as the engine puts it there (the
    files mark no word of one syllable, so played stays unmarked)."""
    added = ending(code, suffix)
    result = code + added
    if added.startswith("I") and "'" not in result:
        result = "'" + result
    return result


def stems(word):
    """(stem, suffix) pairs in the order the engine tries them, for a word
    that is spelt as a regular inflection: -s after a stem (not after s:
    class is no plural), -d after a silent e (faced), -es after s, x, z,
    ch, sh and o (boxes, heroes), -ed after any other letter, 's, -ies
    and -ied for -y, a doubled consonant before -ed and -es, and the
    plural possessive -s'."""
    if word.endswith("s'"):
        return [(word[:-1], "")]
    suffix = word[-1:]
    if suffix not in ("s", "d") or len(word) < 4:
        return []
    found = []
    if suffix == "s" and not word.endswith("ss") or suffix == "d" and word.endswith("ed"):
        found.append((word[:-1], suffix))
    if word.endswith("'s") or word.endswith("ed") and word[-3] != "e" or \
            word.endswith("es") and word[:-2].endswith(("s", "x", "z", "ch", "sh", "o")):
        found.append((word[:-2], suffix))
    if word.endswith(("ies", "ied")):
        found.append((word[:-3] + "y", suffix))
    if len(word) > 4 and word.endswith(("es", "ed")) and word[-3] == word[-4] and word[-3] not in "aeiouy":
        found.append((word[:-3], suffix))
    return [(stem, s) for stem, s in found if len(stem) >= 3]


def find_stem(word, entries, excluded=frozenset()):
    """(stem, suffix) of the first stem that the entries hold, or None.
    excluded: words whose entry is a weak form (can kən gives no cans)."""
    for stem, suffix in stems(word):
        entry = entries.get(stem)
        if entry and entry[0] not in NO_STEM_TAGS and " " not in entry[1] and stem not in excluded:
            return stem, suffix
    return None


def irregular_rule(word):
    return next((how for end, (how, _) in IRREGULAR.items() if word.endswith(end)), None)


def irregular(stem_code, suffix, how):
    if how == "voiced" and stem_code[-1:] in VOICING:
        return with_ending(stem_code[:-1] + VOICING[stem_code[-1]], suffix)
    if how == "syllabic":
        result = stem_code + "Id"
        return result if "'" in result else "'" + result
    return with_ending(stem_code, suffix)


def agreeing(code, suffix):
    """A curated code whose ending after a consonant has the voicing of
    that consonant (CMUdict has popes as pəʊpz), for a word spelt as an
    inflection; a vowel or sibilant before the ending leaves it alone
    (Lucas is no plural, and lens is lenz)."""
    wanted = {"s": ("s", "z"), "d": ("t", "d")}.get(suffix)
    if not wanted or len(code) < 2 or code[-1] not in wanted:
        return code
    before = code[-2]
    if before in VOICELESS and before not in SIBILANTS and before != wanted[0]:
        return code[:-1] + wanted[0]
    if before in VOICED and before not in SIBILANTS and before != wanted[1]:
        return code[:-1] + wanted[1]
    return code


def without_s(code):
    """The code without its s ending: "kxtz" -> "kxt", "'hLsIz" -> "'hLs"."""
    if code.endswith("Iz") and code[-3:-2] in SIBILANTS:
        return code[:-2]
    return code[:-1] if code[-1:] in ("s", "z") else None


def from_hand_set_stem(word, found, entries, hand_set):
    """Whether a curated word is an inflection of a stem whose code was set
    by hand because its source says it wrong: the source says the form the
    same wrong way (espeak-ng's RP one wɒn gives CMUdict's ones wɒnz too),
    so the form follows the stem."""
    return found is not None and found[0] in hand_set and entries[found[0]][0] == HAND_TAG \
        and entries[word][0] != HAND_TAG


def inflected(word, entries, excluded=frozenset(), hand_set=frozenset()):
    """The code the word should have as an inflection, or None when it is
    none. entries: word -> (source tag, code). A curated entry keeps its
    own code but for the voicing of its ending and the irregular forms,
    unless its stem is one of hand_set (see from_hand_set_stem). A
    possessive whose stem the file lacks ends as the engine would end its
    own code without the 's (Kate's keɪts, not keɪtz)."""
    found = inflection(word, entries, excluded, hand_set)
    return found and found[0]


def inflection(word, entries, excluded, hand_set):
    """(code, whether it is said from its stem) as inflected() says, or None."""
    found = find_stem(word, entries, excluded)
    tag, code = entries[word]
    if found is None:
        body = without_s(code) if word.endswith("'s") and tag not in CURATED_TAGS else None
        return (with_ending(body, "s"), False) if body else None
    if tag in CURATED_TAGS and not from_hand_set_stem(word, found, entries, hand_set):
        rule = irregular_rule(word)
        if rule and found[1]:
            return irregular(entries[found[0]][1], found[1], rule), False
        return agreeing(code, found[1]), False
    stem, suffix = found
    stem_code = entries[stem][1]
    if suffix == "":
        return stem_code, True  # girls' is said as girls
    rule = irregular_rule(word)
    if rule:
        return irregular(stem_code, suffix, rule), True
    return with_ending(stem_code, suffix), True


TAG = "inflection"


def regularise(entries, excluded=frozenset(), hand_set=frozenset()):
    """entries: word -> (source tag, code), changed in place so that every
    inflected form is said as inflected() says, under the tag "inflection";
    stems before their forms, so that kate's follows a mended kate. Returns
    the number of words whose code changed."""
    changed = 0
    for word in sorted(entries, key=lambda w: (len(w), w)):
        tag, code = entries[word]
        if " " in code:
            continue
        found = inflection(word, entries, excluded, hand_set)
        if found is not None:
            wanted, from_stem = found
            changed += wanted != code
            entries[word] = (TAG if from_stem else tag, wanted)
    return changed
