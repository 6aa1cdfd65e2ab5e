# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The possessive 's and the plural -es, made to agree with the engine's own
-s ending.

The sources end a word in 's with whatever their rules give (often z after
a voiceless consonant: Kate's keɪtz). The engine derives "kate's" from
"kate" by the last sound of its code: ɪz after a sibilant, s after another
voiceless consonant, z otherwise; the files say the same.
"""

SIBILANTS = "GCzsSZ"
VOICELESS = "tspfhkTSC"


def s_ending(code):
    last = code[-1:]
    return "Iz" if last in SIBILANTS else "s" if last in VOICELESS else "z"


def with_s(code):
    # As the engine does, a syllabic ending makes sure the word has a stress mark.
    result = code + s_ending(code)
    if result[-2:-1] == "I" and "'" not in result:
        result = "'" + result
    return result


def without_s(code):
    """The code without its s ending: "kxtz" -> "kxt", "'hLsIz" -> "'hLs"."""
    if code.endswith("Iz") and code[-3:-2] in SIBILANTS:
        return code[:-2]
    if code[-1:] in "sz":
        return code[:-1]
    return None


def regularise_possessives(entries):
    """entries: word -> code. Every word in 's takes the ending the engine
    would give it, from its stem's code when the stem is a word, else from
    its own code without the ending."""
    for word in sorted(entries):
        if not word.endswith("'s") or len(word) < 3:
            continue
        stem = entries.get(word[:-2])
        if stem is None or " " in stem:
            stem = without_s(entries[word])
        if stem:
            entries[word] = with_s(stem)


def regularise_plurals(entries):
    """entries: word -> code. A plural in -es of a singular in -e that
    does not end in a sibilant takes the engine's ending, not the syllable
    ɪz that espeak-ng gives a few (clichés as ˈkliːʃeɪɪz, bellyaches)."""
    for word in sorted(entries):
        singular = entries.get(word[:-1]) if word.endswith("es") else None
        if singular and " " not in singular and entries[word] == singular + "Iz" \
                and s_ending(singular) != "Iz":
            entries[word] = with_s(singular)
