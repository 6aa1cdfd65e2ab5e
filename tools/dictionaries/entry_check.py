# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The check every entry of both files must pass.

RULES is the one table of rules: each finds the entries of a class of
error that a rule can see (an ending that disagrees with its stem, a
sound where English has none). EXCEPTIONS holds the entries that break a
rule on purpose, each with its reason. The generator refuses to write files
with an entry that breaks a rule and is no exception, and the test suite
runs the same check on the committed files (tools/check-dictionaries).
"""

from collections import namedtuple

from . import inflections
from .espeak_words import NASAL_PREFIXES, VOWEL_FREE_INTERJECTIONS
from .reviewed import FUNCTION_WORDS

VOWEL_LETTERS = set("IexPAuqiJRLHEOoa")
U_VOWELS = ("H", "u")
BRITISH, AMERICAN = "British", "American"

Rule = namedtuple("Rule", "name varieties what finds")


def marked(code):
    """(letter, is_vowel, stress) for the code's first word, the stress
    taken from the mark before the syllable."""
    result, pending = [], ""
    for c in code.split(" ")[0]:
        if c in "'\"":
            pending = c
        elif c != ":":
            vowel = c in VOWEL_LETTERS
            result.append((c, vowel, pending if vowel else ""))
            if vowel:
                pending = ""
    return result


def each_letter(code):
    for part in code.split(" "):
        letters = [(c, c in VOWEL_LETTERS) for c in part if c not in "'\":"]
        yield from ((letters, i) for i in range(len(letters)))


def ending_from_stem(word, tag, code, entries):
    wanted = inflections.inflected(word, entries, set(FUNCTION_WORDS))
    return wanted is not None and wanted != code


def no_vowel(word, tag, code, entries):
    return word not in VOWEL_FREE_INTERJECTIONS and any(
        not any(c in VOWEL_LETTERS for c in part) for part in code.split(" "))


def h_before_consonant(word, tag, code, entries):
    return word not in VOWEL_FREE_INTERJECTIONS and any(letters[i][0] == "h" and (i + 1 == len(letters) or
                                         (not letters[i + 1][1] and letters[i + 1][0] != "j"))
               for letters, i in each_letter(code))


def r_before_consonant(word, tag, code, entries):
    return any(letters[i][0] == "r" and (i + 1 == len(letters) or not letters[i + 1][1])
               for letters, i in each_letter(code))


def yod_after_r(word, tag, code, entries):
    # A j after an r that begins its syllable (after a consonant or at the
    # start); after a vowel, j begins the syllable (overuse, spirula).
    return any(letters[i][0] == "j" and i >= 1 and letters[i - 1][0] == "r" and i + 1 < len(letters)
               and letters[i + 1][0] in U_VOWELS and (i < 2 or not letters[i - 2][1])
               for letters, i in each_letter(code))


def prefix_nasal(word, tag, code, entries):
    prefix = next((p for p in NASAL_PREFIXES if word.startswith(p)), None)
    if prefix is None or word[len(prefix) : len(prefix) + 1] not in tuple("cgkqx"):
        return False
    letters = marked(code)
    vowels = [i for i, (_, vowel, _) in enumerate(letters) if vowel]
    if len(vowels) < 2 or vowels[0] + 2 >= len(letters) or letters[vowels[0]][2] == "'":
        return False  # ink, concrete ˈkɒŋkriːt
    after = vowels[0] + 1
    return letters[after][0] == "N" and letters[after + 1][0] in ("k", "g")


def rrh_h(word, tag, code, entries):
    return "rrh" in word and "rh" in code.replace("'", "").replace('"', "")


def agh_g(word, tag, code, entries):
    stem = word[:-2] if word.endswith("'s") else word[:-1] if word.endswith("aghs") else word
    if not stem.endswith("agh"):
        return False
    letters = marked(code.rstrip("sz"))
    return len(letters) >= 2 and letters[-1][0] == "g" and letters[-2][1] and letters[-2][2] != "'" \
        and len([x for x in letters if x[1]]) > 1


BATH_FOLLOWERS = set("fsTDnml")


def rp_vowel(word, tag, code, entries):
    # en-gb-x-rp's own vowels, taken where they change TRAP to BATH (ɑː
    # before f, s, θ, ð, n, m or l: after, class, path, baths, dance,
    # sample, half)
    # or an unstressed ex-, en-, em- before a stressed syllable to ɪ.
    # The ɑː of START (disembarking) is spelt ar.
    if tag != "espeak-en-gb-x-rp":
        return False
    letters = marked(code)
    if "ar" not in word and any(letter == "R" and (i + 1 == len(letters) or letters[i + 1][0] not in BATH_FOLLOWERS)
                                for i, (letter, _, _) in enumerate(letters)):
        return True
    if word.startswith(("ex", "en", "em")) and letters and letters[0][0] == "I":
        vowels = [x for x in letters if x[1]]
        return len(vowels) < 2 or not vowels[1][2]
    return False


RULES = (
    Rule("ending", (BRITISH, AMERICAN),
         "an inflected form (-s, -es, 's, -s', -d, -ed) that is not its stem with the engine's ending",
         ending_from_stem),
    Rule("no-vowel", (BRITISH, AMERICAN), "a word without a vowel", no_vowel),
    Rule("h", (BRITISH, AMERICAN), "h before a consonant other than j, or at the end", h_before_consonant),
    Rule("r", (BRITISH,), "an r that no vowel follows", r_before_consonant),
    Rule("yod-after-r", (BRITISH, AMERICAN), "j after an r that begins its syllable", yod_after_r),
    Rule("in-con", (BRITISH, AMERICAN), "ŋ in an unstressed in-, con-, en-, un-, non- before k or g",
         prefix_nasal),
    Rule("rrh", (BRITISH, AMERICAN), "the h of -rrh- said", rrh_h),
    Rule("agh", (BRITISH, AMERICAN), "g at the end of an unstressed -agh", agh_g),
    Rule("rp-vowel", (BRITISH,), "an en-gb-x-rp vowel other than BATH ɑː or the ɪ of ex-, en-, em-",
         rp_vowel),
)

# Entries that break a rule on purpose: rule -> {word: reason}.
EXCEPTIONS = {
    "yod-after-r": {
        "ryutaro": "a Japanese name, whose ryu is one syllable of Japanese",
    },
    "rrh": {
        "herrhausen": "a German name of two parts, Herr-hausen, whose h begins the second",
        "burrheaded": "a compound of burr and headed, whose h begins the second part",
    },
}


def violations(entries, variety):
    """rule name -> sorted words of the entries (word -> (tag, code)) that
    break it, exceptions included."""
    found = {rule.name: [] for rule in RULES if variety in rule.varieties}
    for word in sorted(entries):
        tag, code = entries[word]
        for rule in RULES:
            if variety in rule.varieties and rule.finds(word, tag, code, entries):
                found[rule.name].append(word)
    return found


def passes(british, american, out, shown=12):
    """Checks both files (word -> (tag, code)), writes a count per rule
    and the first unreviewed violations to out; True when there are none."""
    clean = True
    for variety, entries in ((BRITISH, british), (AMERICAN, american)):
        for rule, words in violations(entries, variety).items():
            excused = EXCEPTIONS.get(rule, {})
            unreviewed = [w for w in words if w not in excused]
            print(f"{variety:8} {rule:12} {len(words) - len(unreviewed):6} reviewed, "
                  f"{len(unreviewed):6} unreviewed", file=out)
            for word in unreviewed[:shown]:
                print(f"    {word}\t{entries[word][0]}\t{entries[word][1]}", file=out)
            clean = clean and not unreviewed
    return clean
