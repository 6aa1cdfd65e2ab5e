# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""espeak-ng's IPA to phonemes.

espeak-ng is run with --sep=_ so that every phoneme stands on its own
between underscores ("h_ə_l_ˈəʊ"); the table guesser/espeak-phonemes.tsv
maps one such phoneme to one or more PhonemeCode phonemes, written "V:code"
for vowels and "C:code" for consonants.
"""

import re
from pathlib import Path

from .phonemes import PRIMARY, SECONDARY, consonant, vowel

# The mapping is shared with the program's pronunciation guesser, which
# compiles the same file in.
TABLE = Path(__file__).resolve().parents[2] / "guesser" / "espeak-phonemes.tsv"


def read_table(path=TABLE):
    """(british, american): each a pair of symbol -> phonemes, for a
    stressed symbol and for an unstressed one where that differs."""
    varieties = (({}, {}), ({}, {}))
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            symbol, *cells = line.split("\t")
            for (stressed, unstressed), cell in zip(varieties, cells):
                if cell == "-":
                    continue
                said, _, weak = (part.strip() for part in cell.partition("|"))
                stressed[symbol] = said
                if weak:
                    unstressed[symbol] = weak
    return varieties


(BRITISH_IPA, BRITISH_UNSTRESSED), (AMERICAN_IPA, AMERICAN_UNSTRESSED) = read_table()

ROMAN_NUMERAL = re.compile(r"^[ivxlcdm]+$")


class UnknownSymbol(Exception):
    pass


def to_phonemes(word, ipa, british):
    """Phonemes for espeak-ng's "_"-separated IPA, or None to leave the word out."""
    table = BRITISH_IPA if british else AMERICAN_IPA
    unstressed = BRITISH_UNSTRESSED if british else AMERICAN_UNSTRESSED
    if " " in ipa and ROMAN_NUMERAL.match(word):
        # espeak-ng reads "ii" as "roman two"; in running text it is "two".
        ipa = ipa.split(" ", 1)[1]
    flap = "d" if "d" in word and "t" not in word else "t"
    phonemes = []
    for token in ipa.replace(" ", "_").split("_"):
        stress = 0
        while token[:1] in ("ˈ", "ˌ"):
            stress = PRIMARY if token[0] == "ˈ" else SECONDARY
            token = token[1:]
        if not token:
            continue
        if token not in table:
            raise UnknownSymbol(token)
        mapped = table[token]
        if not stress and token in unstressed:
            mapped = unstressed[token]
        if token == "ɾ":
            mapped = "C:" + flap
        parts = []
        for item in mapped.split():
            kind, code = item.split(":", 1)
            parts.append(vowel(code) if kind == "V" else consonant(code))
        first_vowel = next((p for p in parts if p[1]), None)
        if first_vowel is not None:
            first_vowel[2] = stress
        phonemes.extend(parts)
    return phonemes if phonemes else None


def convert_all(voice, answers, british):
    """word -> phonemes for espeak-ng's answers; stops on unmapped symbols."""
    result, unknown = {}, {}
    for word in sorted(answers):
        try:
            phonemes = to_phonemes(word, answers[word], british)
        except UnknownSymbol as error:
            unknown.setdefault(str(error), word)
            continue
        if phonemes:
            result[word] = phonemes
    if unknown:
        raise SystemExit(
            f"espeak-ng {voice} produced symbols without a PhonemeCode mapping: "
            + ", ".join(f"{s!r} (in {w!r})" for s, w in sorted(unknown.items()))
        )
    return result
