# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""espeak-ng's IPA to phonemes.

espeak-ng is run with --sep=_ so that every phoneme stands on its own
between underscores ("h_ə_l_ˈəʊ"); the tables map one such phoneme to one
or more PhonemeCode phonemes, written "V:code" for vowels and "C:code" for
consonants.
"""

import re

from .phonemes import PRIMARY, SECONDARY, consonant, vowel

COMMON_IPA = {
    "p": "C:p", "b": "C:b", "t": "C:t", "d": "C:d", "k": "C:k", "ɡ": "C:g",
    "f": "C:f", "v": "C:v", "θ": "C:T", "ð": "C:D", "s": "C:s", "z": "C:z",
    "ʃ": "C:S", "ʒ": "C:Z", "h": "C:h", "tʃ": "C:C", "dʒ": "C:G", "m": "C:m",
    "n": "C:n", "ŋ": "C:N", "w": "C:w", "l": "C:l", "ɹ": "C:r", "r": "C:r",
    "j": "C:j", "x": "C:k", "ç": "C:k", "ɬ": "C:l", "nʲ": "C:n C:j", "ɡʲ": "C:g",
    "ʔ": "C:t", "n̩": "V:q C:n", "əl": "V:q C:l",
    "ɪ": "V:I", "ᵻ": "V:I", "u": "V:u", "ɛ": "V:e", "e": "V:e", "ʌ": "V:A", "ʊ": "V:u",
    "ə": "V:q", "ɐ": "V:q", "i": "V:i", "iː": "V:J", "iːː": "V:J", "uː": "V:H",
    "ɑː": "V:R", "ɔː": "V:L", "ɔ": "V:L", "aɪ": "V:aI", "aʊ": "V:au", "ɔɪ": "V:OI",
    "eɪ": "V:eI", "aɪə": "V:aI V:q",
}

BRITISH_IPA = dict(
    COMMON_IPA,
    **{
        "a": "V:x", "æ": "V:x", "ɒ": "V:P", "o": "V:P", "ɑ̃": "V:P", "ɔ̃": "V:P",
        "əʊ": "V:qu", "ɜː": "V:E:", "eə": "V:eq", "ʊə": "V:uq",
        # "iə" is NEAR when stressed (idea) and i followed by schwa when not
        # (obvious); see to_phonemes.
        "iə": "V:Iq", "aʊə": "V:au V:q",
    },
)

AMERICAN_IPA = dict(
    COMMON_IPA,
    **{
        "æ": "V:x", "a": "V:x", "ɑ̃": "V:R", "ɔ̃": "V:L", "o": "V:ou", "oʊ": "V:ou",
        "oː": "V:L", "ɜː": "V:E: C:r", "ɜ": "V:E: C:r", "ɚ": "V:q C:r",
        "ɑːɹ": "V:R C:r", "ɔːɹ": "V:L C:r", "oːɹ": "V:L C:r", "ɛɹ": "V:e C:r",
        "ɪɹ": "V:I C:r", "ʊɹ": "V:u C:r", "aɪɚ": "V:aI V:q C:r", "iə": "V:i V:q",
        # The flap stands for t or d; to_phonemes decides by spelling.
        "ɾ": "C:t",
    },
)

ROMAN_NUMERAL = re.compile(r"^[ivxlcdm]+$")


class UnknownSymbol(Exception):
    pass


def to_phonemes(word, ipa, british):
    """Phonemes for espeak-ng's "_"-separated IPA, or None to leave the word out."""
    table = BRITISH_IPA if british else AMERICAN_IPA
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
        if british and token == "iə" and not stress:
            mapped = "V:i V:q"
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
