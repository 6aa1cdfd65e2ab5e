# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Abbreviations and acronyms, which arrive without their dots (e.g. as eg).

Initialisms are spelt out letter by letter with the stress on the last
letter (BBC ˌbiːbiːˈsiː); abbreviations of words are read as those words
(Dr as doctor). Acronyms said as words (NASA, NATO) are words of the
sources already. Where the lower-cased form is an ordinary word the word
wins, so these are left out on purpose: us, it, am, who, id, led, pin, rip,
sat, ups, vat, abs, pow, pa, os, eta, gnu, wed, fig, sec, sept, dos, ens
(US, IT, AM, WHO, ID, LED, PIN, ... keep the word's pronunciation), and iv,
which is read as the Roman four. The word lists spell many abbreviations in
lower case (etc, dept, km), so that alone does not make a word ordinary.
"""

from .phonemes import parse

# The letters' names: British, American.
LETTERS = {
    "a": ("eI", "eI"), "b": ("bJ", "bJ"), "c": ("sJ", "sJ"), "d": ("dJ", "dJ"),
    "e": ("J", "J"), "f": ("ef", "ef"), "g": ("GJ", "GJ"), "h": ("eIC", "eIC"),
    "i": ("aI", "aI"), "j": ("GeI", "GeI"), "k": ("keI", "keI"), "l": ("el", "el"),
    "m": ("em", "em"), "n": ("en", "en"), "o": ("qu", "ou"), "p": ("pJ", "pJ"),
    "q": ("kjH", "kjH"), "r": ("R", "Rr"), "s": ("es", "es"), "t": ("tJ", "tJ"),
    "u": ("jH", "jH"), "v": ("vJ", "vJ"), "w": ("'dAbqljH", "'dAbqljH"),
    "x": ("eks", "eks"), "y": ("waI", "waI"), "z": ("zed", "zJ"),
}

# Said letter by letter. Reviewed: none of these is said as a word, and
# none is an ordinary English word in lower case.
INITIALISMS = """
    abc ac acm adhd aka api asap atm awol bbc bc bmi bmw bsc cbs cctv cd cdc
    cds ceo cfo cia cnn cpu crm css csv cv cvs dc dhl diy dj dmv dna dnc doa
    dtp dui dvd dvds eeg ecg eec ecb eg emi eps esl esp eu
    faq faqs fbi fcc fda fifo fm fyi gb gdp gmo gmt gnp gp gps gpl gpu gui hbo hd
    hdmi hiv hq hr html http https ibm icu ie imf iou ip ipa iq ira irs isbn
    iso isp itv jfk jpg kfc kgb kkk lcd lgbt llc lp lsd lse mba mbe
    mc md mit mla mlb mmr mp mpg mph mps mri msc msg mtv mvp nba nbc nco nfl
    ngo nhl nhs nra nsa nsw nyc nypd nyu oecd ok ons pc pcs pdf phd pga
    pk pm pms pr ps psi pta pto pvc qc qed rbs rca rnli rpm
    rsvp rv sas sms sos spf sql ssl std stds suv svg tb tlc tnt tv tvs uae
    ucla uk un unhcr url urls usa usb usps ussr uv vcr vhs vip vips vp
    vpn wc www xl xml ymca rna nb gcse js ui ux qr nft hp npr pbs lapd prc xyz
    png ufo
""".split()

# Abbreviations read as the words they stand for, or with their own codes.
EXPANSIONS = {
    # abbreviation: words it is read as, or (British code, American code)
    "mr": "mister", "mrs": ("'mIsIz", "'mIsIz"), "ms": ("mIz", "mIz"),
    "dr": "doctor", "st": "saint", "prof": "professor", "jr": "junior", "sr": "senior",
    "etc": ('"et\'setqrq', '"et\'setqrq'), "vs": "versus", "approx": "approximately",
    "dept": "department", "govt": "government", "incl": "including", "ltd": "limited",
    "inc": "incorporated", "corp": "corporation", "bros": "brothers", "ave": "avenue",
    "blvd": "boulevard", "rd": "road", "mt": "mount", "km": "kilometres",
    "kg": "kilograms", "cm": "centimetres", "mm": "millimetres", "lb": "pounds",
    "lbs": "pounds", "oz": "ounces", "hrs": "hours", "mins": "minutes", "secs": "seconds", "vol": "volume", "ch": "chapter", "pp": "pages",
"misc": "miscellaneous", "feb": "february", "jan": "january",
    "aug": "august", "oct": "october", "nov": "november",
    "dec": "december", "thurs": "thursday", "tues": "tuesday", 
}

# Items of INITIALISMS read otherwise: the pair "ok" is said as a word
# with its own stress.
SPECIAL = {"ok": ('"qu\'keI', '"ou\'keI'), "ie": ('"aI\'J', '"aI\'J')}


def letter(variety, c):
    return parse(LETTERS[c][variety])


def spell(word, variety):
    """The letters' names with the stress on the last, and a secondary one
    on the first: ˌbiːbiːˈsiː. Each letter is a syllable of its own, so a
    mark stands right before its letter (ˌjuːesˈeɪ, not ˌjuːeˈseɪ)."""
    code = ""
    for index, c in enumerate(word):
        mark = "'" if index == len(word) - 1 else '"' if index == 0 else ""
        code += mark + LETTERS[c][variety].lstrip("'")
    return code


def build(lookups):
    """entries[variety][abbreviation] = phonemes, or a rendered code (str)."""
    entries = [{}, {}]
    for word in sorted(set(INITIALISMS) | set(EXPANSIONS)):
        for variety, lookup in enumerate(lookups):
            if word in SPECIAL:
                entries[variety][word] = SPECIAL[word][variety]
            elif word in INITIALISMS:
                entries[variety][word] = spell(word, variety)
            elif isinstance(EXPANSIONS[word], tuple):
                entries[variety][word] = EXPANSIONS[word][variety]
            else:
                entries[variety][word] = lookup[EXPANSIONS[word]]
    return entries
