# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Accented loanwords under the form the normaliser leaves of them.

The normaliser drops every letter outside ASCII, so café arrives as caf and
résumé as rsum. Such a form is added with the loanword's pronunciation
unless it is a word of its own: naïve arrives as nave, which stays the
church's nave.
"""

from .sources import WORD_PATTERN


def stripped(word):
    return "".join(c for c in word if c.isascii())


def arrivals(accented, existing):
    """(stripped form -> accented word, shadowed accented words).

    Where two accented words leave the same form, the first in order wins.
    """
    forms, shadowed = {}, []
    for word in sorted(accented):
        form = stripped(word)
        if not WORD_PATTERN.match(form):
            continue
        if form in existing:
            shadowed.append(word)
        elif form not in forms:
            forms[form] = word
    return forms, shadowed


def inflects(word, stems):
    """Whether the word is one of the stems with an English ending (cafés,
    café's, clichéd, sautéing)."""
    return any(word.startswith(stem) and word[len(stem) :] in ("s", "'s", "d", "ed", "ing")
               for stem in stems)
