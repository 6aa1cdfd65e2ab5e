# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Hyphenated compounds under the joined spelling the normaliser hands over.

The normaliser drops hyphens and slashes, so well-known arrives as
wellknown. Each compound is said as its parts, with compound stress:
adjectives, adverbs, verbs and numbers on the last part (ˌwelˈnəʊn),
nouns on the first (ˈfɒləʊʌp).
"""

from . import american
from .phonemes import consonant, copy, join, sounds

LATE_PARTS_OF_SPEECH = {"adj", "adv", "verb"}

# First parts that leave the main stress to the next one, nouns included:
# self-esteem ˌselfɪˈstiːm, half-hour, ex-wife, non-smoker.
LATE_FIRST_PARTS = {"self", "well", "ill", "half", "non", "ex", "mid", "all", "semi", "anti",
                    "pre", "post", "co", "re", "un", "over", "under", "out"}


def is_late(spelling, wordnet, cmu_hyphenated, open_compounds=None, adjectives=()):
    parts = spelling.split("-")
    if parts[0] in LATE_FIRST_PARTS or all(len(p) == 1 for p in parts):
        return True  # letters are spelt with the stress on the last: l-p ˌelˈpiː
    if spelling in wordnet:
        return bool(wordnet[spelling] & LATE_PARTS_OF_SPEECH)
    if spelling in cmu_hyphenated:
        return american.compound_is_late(cmu_hyphenated[spelling][0])
    if open_compounds and spelling in open_compounds:
        # WordNet writes these as two words: a noun of two nouns keeps the
        # compound stress on the first (credit card), but an adjective
        # before the noun leaves it to the noun (third party ˌθɜːdˈpɑːti,
        # real time).
        return bool(open_compounds[spelling] & LATE_PARTS_OF_SPEECH) or parts[0] in adjectives
    return True  # the number words


def with_linking_r(part, phonemes, following):
    # A British part spelt with a final r keeps it before a vowel, as in
    # sister-in-law ˈsɪstərɪnlɔː.
    if part.endswith(("r", "re")) and phonemes and phonemes[-1][1] and following and following[0][1]:
        return copy(phonemes) + [consonant("r")]
    return phonemes


def build(spellings, lookups, letter, late_of):
    """(entries, shadowed): entries[variety][joined] = phonemes.

    lookups: one word -> phonemes mapping per variety, holding every word
    there is; letter(variety, c) gives a letter's name for single-letter
    parts (a-bomb, t-shirt). A joined form that is a word already keeps its
    pronunciation, so re-cover does not change recover and co-op not coop;
    shadowed counts those. Only where that word sounds exactly like the
    compound's parts (longterm, fulltime) is it the compound itself, written
    solid, and takes the compound's stress.
    """
    entries = [{} for _ in lookups]
    shadowed = 0
    for spelling in sorted(spellings):
        joined = spelling.replace("-", "")
        if joined in entries[0]:
            continue  # two spellings of one compound: the first in order wins
        parts = spelling.split("-")
        built = []
        for variety, lookup in enumerate(lookups):
            pieces = [letter(variety, p) if len(p) == 1 else lookup.get(p) for p in parts]
            if any(piece is None for piece in pieces):
                break
            if variety == 0:
                pieces = [with_linking_r(p, piece, nxt) for p, piece, nxt in
                          zip(parts, pieces, pieces[1:] + [None])]
            built.append(join(pieces, late_of(spelling)))
        if len(built) != len(lookups):
            continue
        if any(joined in lookup and sounds(lookup[joined]) != sounds(phonemes)
               for lookup, phonemes in zip(lookups, built)):
            shadowed += 1
            continue
        for variety_entries, phonemes in zip(entries, built):
            variety_entries[joined] = phonemes
    return entries, shadowed
