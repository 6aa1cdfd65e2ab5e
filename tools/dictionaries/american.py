# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""CMUdict's ARPAbet to American phonemes, with the fixes its first entries need."""

import re

from .phonemes import consonant, vowel

ARPABET_CONSONANTS = {
    "P": "p", "B": "b", "T": "t", "D": "d", "K": "k", "G": "g", "F": "f", "V": "v",
    "TH": "T", "DH": "D", "S": "s", "Z": "z", "SH": "S", "ZH": "Z", "HH": "h",
    "CH": "C", "JH": "G", "M": "m", "N": "n", "NG": "N", "W": "w", "L": "l",
    "R": "r", "Y": "j",
}

# Vowel -> code when stressed, code when unstressed.
ARPABET_VOWELS = {
    "AA": ("R", "R"), "AE": ("x", "x"), "AH": ("A", "q"), "AO": ("L", "L"),
    "AW": ("au", "au"), "AY": ("aI", "aI"), "EH": ("e", "e"), "ER": ("E:", "q"),
    "EY": ("eI", "eI"), "IH": ("I", "I"), "IY": ("J", "i"), "OW": ("ou", "ou"),
    "OY": ("OI", "OI"), "UH": ("u", "u"), "UW": ("H", "u"),
}

SIBILANTS = ("S", "Z", "SH", "ZH", "CH", "JH")


def split(phone):
    base = phone.rstrip("012")
    return base, phone[len(base) :]


def regularise_endings(word, phones):
    # CMUdict writes the -ed of "wanted" and the -es of "boxes" with AH0 in a
    # few hundred words and IH0 in most; the engine's own endings are Id and
    # Iz, so the dictionary agrees with them.
    if len(phones) >= 3 and phones[-2] == "AH0":
        if word.endswith("ed") and phones[-1] == "D" and phones[-3] in ("T", "D"):
            return phones[:-2] + ["IH0", "D"]
        if word.endswith(("es", "'s", "s'")) and phones[-1] == "Z" and phones[-3] in SIBILANTS:
            return phones[:-2] + ["IH0", "Z"]
    return phones


def unstress_final_y(word, phones):
    # CMUdict gives the final -y of some 640 words secondary stress (ability
    # ... T IY2, library ... R IY2, also -i and -e: Adamski, apostrophe); it
    # is the unstressed happY vowel. A final -ee keeps its stress (Applebee).
    vowels = [i for i, p in enumerate(phones) if split(p)[1]]
    if (
        len(vowels) > 1
        and phones[vowels[-1]] == "IY2"
        and phones[vowels[-1] + 1 :] in ([], ["Z"], ["D"])
        and is_happy_spelling(word.rstrip("'s"))
    ):
        phones = list(phones)
        phones[vowels[-1]] = "IY0"
    return phones


def unstress_prefix(word, phones):
    # CMUdict stresses the prefix of enjoy (EH2 N JH OY1) and important
    # (IH2 M P AO1 R ...) right before the main stress, or gives it a full
    # e (employ EH0 M P L OY1); dictionaries print an unstressed ɪ there, as
    # in British RP (ɪnˈdʒɔɪ, ɪmˈpɔːtənt, ɪmˈplɔɪ).
    vowels = [i for i, p in enumerate(phones) if split(p)[1]]
    if (
        len(vowels) > 1
        and word.startswith(("en", "em", "in", "im", "ex"))
        and phones[vowels[0]] in ("EH2", "IH2", "EH0")
        and phones[vowels[1]].endswith("1")
    ):
        phones = list(phones)
        phones[vowels[0]] = "IH0"
    return phones


WEAK_PREFIXES = ("pre", "re", "be")
INFLECTIONS = ("'s", "s", "es", "d", "ed", "ing", "er", "ers")


def has_weak_prefix(word, british, words):
    """Whether the word begins with pre-, re- or be- said with a weak ɪ:
    the British form has an unstressed ɪ there, and what follows the prefix
    is not a word of its own (but for an inflection), as it is in the
    re-again words that keep iː in both varieties (rebuild, regroup)."""
    prefix = next((p for p in WEAK_PREFIXES if word.startswith(p)), None)
    first = next((p for p in british or [] if p[1]), None)
    if prefix is None or first is None or first[:3] != ["I", True, 0]:
        return False
    rest = word[len(prefix) :]
    stems = [rest] + [rest[: -len(e)] for e in INFLECTIONS if rest.endswith(e) and len(rest) - len(e) >= 3]
    return not any(stem in words or stem + "e" in words for stem in stems)


def weaken_prefix(phones):
    # CMUdict writes the prefix of relation, responsibility and pretentious
    # with IY0, a weak iː; American dictionaries print ɪ there, as British
    # ones do. Before a vowel it stays i (react).
    vowels = [i for i, p in enumerate(phones) if split(p)[1]]
    if len(vowels) > 1 and phones[vowels[0]] == "IY0" and not split(phones[vowels[0] + 1])[1]:
        phones = list(phones)
        phones[vowels[0]] = "IH0"
    return phones


# Weak vowels that CMUdict writes as AH0 where American dictionaries print
# ɪ, decided by the word's ending: the last AH0 before these phones becomes
# IH0 (knowledge, tourist, stupid, political, limit, America). Not -in,
# which is ə in as many words (certain, cousin, Latin) as ɪ (cabin).
WEAK_KIT_ENDINGS = (
    (("age", "ages", "edge", "edges", "idge", "idges"), ["JH"]),
    (("ist", "ists"), ["S", "T"]),
    (("id", "ids"), ["D"]),
    (("ical", "ically"), ["K"]),
    (("ic", "ics"), ["K"]),
    (("ica", "icas", "ican", "icans"), ["K"]),
    (("it", "its"), ["T"]),
    (("ish",), ["SH"]),
    (("ive", "ives"), ["V"]),
)


def weak_vowels(word, phones):
    stem = word[:-2] if word.endswith("'s") else word
    phones = list(phones)
    for endings, following in WEAK_KIT_ENDINGS:
        if not stem.endswith(endings):
            continue
        # The ending's consonants among the last few phones, so that
        # political (... K AH0 L) and tourists count, but not an earlier
        # syllable (democratic ... M AH0 K R AE1 T IH0 K).
        for at in range(len(phones) - len(following), max(len(phones) - len(following) - 3, 0), -1):
            if phones[at : at + len(following)] == following:
                if phones[at - 1] == "AH0":
                    phones[at - 1] = "IH0"
                break
        break
    # -ity is ɪti in some CMUdict entries and əti in most; learners'
    # dictionaries print əti in both varieties.
    if stem.endswith(("ity", "ities")) and len(phones) > 3 and phones[-3:] in (
        ["IH0", "T", "IY0"], ["IH0", "T", "IY2"]
    ):
        phones[-3] = "AH0"
    if stem.endswith("ities") and phones[-4:-2] == ["IH0", "T"]:
        phones[-4] = "AH0"
    return phones


def is_happy_spelling(stem):
    return stem.endswith(("y", "i", "ie", "ied")) or (stem.endswith("e") and not stem.endswith("ee"))


def near_and_cure(phones):
    # NEAR and CURE are IH and UH before r, as in "near" N IH1 R; CMUdict has
    # IY1 R and UW1 R in some (here, hear, ear, poor). A stressed r-vowel
    # after the r (reread R IY1 R IY2 D) means the r begins a new syllable.
    phones = list(phones)
    for i in range(len(phones) - 1):
        base, stress = split(phones[i])
        if base in ("IY", "UW") and stress in ("1", "2") and phones[i + 1] == "R":
            after = phones[i + 2] if i + 2 < len(phones) else ""
            if split(after)[1] in ("", "0"):
                phones[i] = ("IH" if base == "IY" else "UH") + stress
    return phones


def to_phonemes(phones):
    phonemes = []
    vowel_indexes = [i for i, p in enumerate(phones) if split(p)[1]]
    for i, phone in enumerate(phones):
        base, digits = split(phone)
        if base in ARPABET_CONSONANTS:
            phonemes.append(consonant(ARPABET_CONSONANTS[base]))
            continue
        if base not in ARPABET_VOWELS or not digits:
            raise ValueError(f"unknown ARPAbet phone {phone!r}")
        stress = int(digits)
        stressed, unstressed = ARPABET_VOWELS[base]
        code = stressed if stress else unstressed
        # PhonemeCode's u is FOOT; a weak GOOSE that ends the word (value,
        # virtue, continue, also before an ending: values) keeps the long
        # vowel code, which the weak-vowel rules shorten only before vowels.
        if base == "UW" and not stress and i == vowel_indexes[-1]:
            code = "H"
        phonemes.append(vowel(code, stress))
        if base == "ER":
            phonemes.append(consonant("r"))
    return phonemes


# Where CMUdict lists an alternative that differs from its first entry only
# by these replacements, the alternative is taken: THOUGHT kept apart from
# LOT as in the rest of the file (caught K AO1 T, not K AA1 T), but only in
# words spelt as THOUGHT and CLOTH words are (au, aw, ough; o before f, s,
# th, ng or g), since CMUdict lists AO for LOT words too (lot, doctor); the
# weak KIT vowel of a first syllable (prefer P R IH0 F ER1, receive); the
# citation form of the weekdays (Monday ... D EY2); the weak GOOSE of
# schedule.
PREFERRED_ALTERNATIVES = {("IY0", "EY2"), ("UH0", "UW0")}
THOUGHT_ALTERNATIVES = {("AA0", "AO0"), ("AA1", "AO1"), ("AA2", "AO2")}
THOUGHT_SPELLING = re.compile(r"au|aw|ough|o(ff|f|ss|st|s$|th|ng|g)")


def preferred(word, pronunciations):
    first = pronunciations[0]
    allowed = PREFERRED_ALTERNATIVES | (THOUGHT_ALTERNATIVES if THOUGHT_SPELLING.search(word) else set())
    first_vowel = next((i for i, p in enumerate(first) if split(p)[1]), None)
    for other in pronunciations[1:]:
        if len(other) != len(first):
            continue
        changes = {(i, a, b) for i, (a, b) in enumerate(zip(first, other)) if a != b}
        if changes and all((a, b) in allowed or (i, a, b) == (first_vowel, "AH0", "IH0")
                           for i, a, b in changes):
            return other
    return first


def from_cmudict(word, pronunciations, weak_prefix=False):
    """weak_prefix: whether has_weak_prefix holds for the word."""
    phones = preferred(word, pronunciations)
    for fix in (regularise_endings, unstress_final_y, unstress_prefix, weak_vowels):
        phones = fix(word, phones)
    if weak_prefix:
        phones = weaken_prefix(phones)
    return to_phonemes(near_and_cure(phones))


def compound_is_late(phones):
    """Whether a hyphenated CMUdict entry has its main stress on its last
    part: two primaries (ad-hoc AE1 D HH AA1 K), or a primary after a
    secondary and none after it (all-star AO2 L S T AA1 R)."""
    stresses = [split(p)[1] for p in phones if split(p)[1] in ("1", "2")]
    return stresses.count("1") > 1 or (len(stresses) > 1 and stresses[-1] == "1")

