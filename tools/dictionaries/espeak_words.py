# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Corrections of one espeak-ng word, made from that word's spelling and
phonemes alone.

espeak-ng's spelling rules put sounds where English has none: an h before
a consonant (Rihn rɪhn, Mishra mɪshˈrɑː), the h of a Greek -rrh-
(arrhythmia əˈrhɪθmiə), a g at the end of an Irish -agh (Kavanagh
ˈkævənɑːɡ), an RP r before a consonant (marquis mɑːrˈkiː), a yod after r
(pruner ˈprjuːnə), ŋ in an unstressed in- or con- (including ɪŋˈkluːdɪŋ),
a secondary stress on every letter of a spelt word (http ˌeɪtʃˌtiːˌtiːˈpiː) and no
vowel at all (qu). mend() takes these out. It needs nothing but the
word and its phonemes, so that any other reader of espeak-ng's answers can
apply the same rules word by word; the rules that compare a word with other
entries (its stem, CMUdict, the other voice) live elsewhere. The rules of
mend_any() hold for every entry and the generator applies them to all.
"""

from .phonemes import copy, one_primary

VOWEL_FREE_INTERJECTIONS = {"hm", "hmm", "hmmm", "mm", "mmm", "sh", "shh", "shhh", "psst", "pst", "tsk"}
U_VOWELS = ("H", "u", "uq")


def mend(word, phonemes, british):
    """The word's phonemes with the rules below applied; None for a word
    that keeps no vowel and is no interjection (qu, sch), which is then
    better spelt than said."""
    result = copy(phonemes)
    for rule in (silent_rrh, drop_yod_after_r, one_stress_of_a_run):
        result = rule(word, result)
    if british:
        result = drop_r_before_consonant(word, result)
    return mend_any(word, result)


def mend_any(word, phonemes):
    """The rules that hold for every entry, whatever its source: CMUdict
    too has an h before a consonant in some names (Hlavac), a g in -agh
    (Cavanagh), words without a vowel (ths) and both nasals in in- and
    con-. None for a word that should be spelt."""
    if word in VOWEL_FREE_INTERJECTIONS:
        return phonemes  # hmm is said with its h
    result = phonemes
    for rule in (drop_h_before_consonant, irish_agh, prefix_nasal):
        result = rule(word, result)
    return result if any(p[1] for p in result) else None


def is_consonant(phonemes, i, code=None):
    return 0 <= i < len(phonemes) and not phonemes[i][1] and (code is None or phonemes[i][0] == code)


def one_stress_of_a_run(word, phonemes):
    # espeak-ng gives every letter of a word it spells out a secondary stress
    # (ctr ˌsiːˌtiːˈɑː), and some runs of syllables before the main one
    # (nonagenarian ˌnɒˌneɪ-); dictionaries mark the first of such a run
    # only (ˌeɪtʃtiːtiːˈpiː), as the abbreviations of these files are
    # written. A vowel right before another keeps its stress, or it would
    # be weakened (ctr ˌsiːˌtiːˈɑː, not -tiˈɑː). The main stress is the last
    # primary (http's, where espeak-ng gives two).
    result, previous = one_primary(phonemes), 0
    for i, p in enumerate(result):
        if p[1]:
            stress = p[2]
            if stress == 2 and previous == 2 and not (i + 1 < len(result) and result[i + 1][1]):
                p[2] = 0
            previous = stress
    return result


def drop_h_before_consonant(word, phonemes):
    # English h begins a syllable: only a vowel or the j of huge may follow.
    return [p for i, p in enumerate(phonemes)
            if not (p[0] == "h" and not p[1] and (i + 1 == len(phonemes)
                                                   or (not phonemes[i + 1][1] and phonemes[i + 1][0] != "j")))]


def silent_rrh(word, phonemes):
    # The h of -rrh- is silent (arrhythmia, pyrrhic, haemorrhage); espeak-ng
    # says it after the r.
    if "rrh" not in word:
        return phonemes
    return [p for i, p in enumerate(phonemes) if not (p[0] == "h" and is_consonant(phonemes, i - 1, "r"))]


def irish_agh(word, phonemes):
    # A final unstressed -agh is a weak vowel, its gh silent (Kavanagh
    # ˈkævənə, Murtagh, Claddagh); espeak-ng reads gh as g.
    stem = word[:-2] if word.endswith("'s") else word[:-1] if word.endswith("aghs") else word
    if not stem.endswith("agh"):
        return phonemes
    last = len(phonemes) - 1
    while last >= 0 and not phonemes[last][1] and phonemes[last][0] in "sz":
        last -= 1  # the ending of Kavanagh's
    if last >= 1 and phonemes[last][0] == "g" and phonemes[last - 1][1] and not phonemes[last - 1][2]:
        result = copy(phonemes)
        result[last - 1][0] = "q"
        del result[last]
        return result
    return phonemes


def drop_yod_after_r(word, phonemes):
    # No English syllable begins with rj: pruner is ˈpruːnə, Ruocco ruˈɒkəʊ.
    # Only an r that begins its syllable loses the j after it; after a
    # vowel the j begins a syllable of its own, as where it begins the
    # second part of overuse ˌəʊvəˈjuːz or the -ula of spirula.
    return [p for i, p in enumerate(phonemes)
            if not (p[0] == "j" and is_consonant(phonemes, i - 1, "r") and i + 1 < len(phonemes)
                    and phonemes[i + 1][0] in U_VOWELS and (i < 2 or not phonemes[i - 2][1]))]


NASAL_PREFIXES = ("in", "con", "en", "un", "non")


def prefix_nasal(word, phonemes):
    """The n of an unstressed in-, con-, en-, un- or non- before k or g
    stays n, as learners' dictionaries print it (including ɪnˈkluːdɪŋ,
    congratulate, uncaged, nonclerical); a stressed one may assimilate (concrete ˈkɒŋkriːt, income) and
    keeps the source's nasal, as do words that only look prefixed (uncle).
    CMUdict's entries are as mixed in this as espeak-ng's."""
    prefix = next((p for p in NASAL_PREFIXES if word.startswith(p)), None)
    if prefix is None or word[len(prefix) : len(prefix) + 1] not in tuple("cgkqx"):
        return phonemes
    vowels = [i for i, p in enumerate(phonemes) if p[1]]
    if not vowels or vowels[0] + 2 >= len(phonemes) or phonemes[vowels[0]][2] == 1:
        return phonemes
    nasal = vowels[0] + 1
    if phonemes[nasal][0] == "N" and phonemes[nasal + 1][0] in ("k", "g"):
        result = copy(phonemes)
        result[nasal][0] = "n"
        return result
    return phonemes


def drop_r_before_consonant(word, phonemes):
    # RP says r only before a vowel; the r of car or marquis is not said.
    return [p for i, p in enumerate(phonemes)
            if not (p[0] == "r" and not p[1] and (i + 1 == len(phonemes) or not phonemes[i + 1][1]))]
