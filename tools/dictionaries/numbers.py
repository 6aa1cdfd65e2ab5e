# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Digit strings as they are read aloud: 0 to 9999, years, ordinals 1st to 100th.

The sentence normaliser keeps digits and drops commas, so "1,000" and
"1990" arrive as words of their own. A reading of several words is one code
with spaces between the words' codes, each word stressed as on its own.
"""

from .phonemes import PRIMARY, SECONDARY, join, render, stress_first_syllable

UNITS = "zero one two three four five six seven eight nine".split()
TEENS = "ten eleven twelve thirteen fourteen fifteen sixteen seventeen eighteen nineteen".split()
TENS = "_ _ twenty thirty forty fifty sixty seventy eighty ninety".split()
ORDINAL_UNITS = "_ first second third fourth fifth sixth seventh eighth ninth".split()
ORDINAL_TEENS = ("tenth eleventh twelfth thirteenth fourteenth fifteenth sixteenth "
                 "seventeenth eighteenth nineteenth").split()
ORDINAL_TENS = "_ _ twentieth thirtieth fortieth fiftieth sixtieth seventieth eightieth ninetieth".split()

# A reading is a list of items; an item is a tuple of the words written
# with hyphens between them (twenty-one), said as one compound.


def below_hundred(n):
    if n < 10:
        return [(UNITS[n],)]
    if n < 20:
        return [(TEENS[n - 10],)]
    return [(TENS[n // 10],) if n % 10 == 0 else (TENS[n // 10], UNITS[n % 10])]


def cardinal(n, british):
    """0 to 9999. British puts "and" before the last two digits
    (two thousand and five, one hundred and one); American does not."""
    if n < 100:
        return below_hundred(n)
    thousands, hundreds, rest = n // 1000, n // 100 % 10, n % 100
    words = []
    if thousands:
        words += below_hundred(thousands) + [("thousand",)]
    if hundreds:
        words += below_hundred(hundreds) + [("hundred",)]
    if rest:
        words += ([("and",)] if british else []) + below_hundred(rest)
    return words


def year(n, british):
    """Four-digit numbers read as years: 1100 to 1999 in pairs (nineteen
    ninety, nineteen oh five, nineteen hundred), 2000 to 2009 as numbers
    (two thousand and five), 2010 to 2099 in pairs again (twenty ten,
    twenty twenty-four), as both varieties say them today."""
    if 1100 <= n <= 1999 or 2010 <= n <= 2099:
        high, low = below_hundred(n // 100), n % 100
        if low == 0:
            return high + [("hundred",)]
        return high + ([("oh",)] + below_hundred(low) if low < 10 else below_hundred(low))
    return cardinal(n, british)


def ordinal(n):
    """1 to 100: first, twenty-first, hundredth."""
    if n == 100:
        return [("hundredth",)]
    if n < 10:
        return [(ORDINAL_UNITS[n],)]
    if n < 20:
        return [(ORDINAL_TEENS[n - 10],)]
    if n % 10 == 0:
        return [(ORDINAL_TENS[n // 10],)]
    return [(TENS[n // 10], ORDINAL_UNITS[n % 10])]


def ordinal_suffix(n):
    if n % 100 in (11, 12, 13):
        return "th"
    return {1: "st", 2: "nd", 3: "rd"}.get(n % 10, "th")


def stress_both_syllables(phonemes):
    """A -teen word on its own: ˌθɜːˈtiːn, both syllables stressed."""
    result = [list(p) for p in phonemes]
    vowels = [p for p in result if p[1]]
    for p in vowels:
        p[2] = SECONDARY
    vowels[-1][2] = PRIMARY
    return result


def speak(items, lookup):
    """The code of a reading; lookup gives a word's phonemes. A -teen word
    has both syllables stressed, the second more, unless another word
    follows: then the first takes the stress (nineteen ninety)."""
    codes = []
    for index, words in enumerate(items):
        phonemes = join([lookup(w) for w in words], late=True)
        if words[-1].endswith("teen") and len(words) == 1:
            last = index == len(items) - 1
            phonemes = (stress_both_syllables if last else stress_first_syllable)(phonemes)
        codes.append(render(phonemes))
    return " ".join(codes)


def number_words(british, lookup):
    """word -> code for the digit strings and the ordinals."""
    entries = {str(n): speak(year(n, british), lookup) for n in range(10000)}
    for n in range(1, 101):
        entries[f"{n}{ordinal_suffix(n)}"] = speak(ordinal(n), lookup)
    return entries


def hyphenated_number_words():
    """twenty-one to ninety-nine and twenty-first to ninety-ninth."""
    return [
        f"{TENS[tens]}-{units[unit]}"
        for units in (UNITS, ORDINAL_UNITS)
        for tens in range(2, 10)
        for unit in range(1, 10)
    ]
