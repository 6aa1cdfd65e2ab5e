# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Words that CMUdict lacks, said as the curated words they are built of.

Most rare words of the word lists are a known word with a prefix or a
suffix (reshuffle, lissomely, demonising) or two known words (sidestream,
goldcrest). espeak-ng reads them by its spelling rules and gets about one
in five wrong (reshuffle rɪˈʃʌfəl, lissomely ˈlɪsʌmli); their parts, said
as CMUdict (or this module) says them, are right.

Each way of building a word is a pattern: one prefix said one way, one
suffix, or a compound with its stress on the first part. A split is taken
only where it fits espeak-ng's guess of the whole word (fits_guess), and a
pattern only where it says CMUdict's own words right: measure() builds
every CMUdict word that the pattern splits from its CMUdict parts and counts
the words that come out as CMUdict has them (same()); a pattern is admitted
with AGREEMENT of at least MINIMUM_WORDS words.
"""

from .ga_to_rp import no_clash
from .phonemes import PRIMARY, copy, join, parse, sounds, tense_weak_vowels

AGREEMENT = 0.95
MINIMUM_WORDS = 20

# Prefix: the ways it may be said, (British, American, stress): stress 2
# keeps the stem's main stress and gives the prefix a secondary one
# (reshuffle ˌriːˈʃʌfəl), 0 leaves the prefix unstressed (unkind ʌnˈkaɪnd),
# 1 moves the main stress onto the prefix (overcoat ˈəʊvəkəʊt). "rhythm"
# gives it a secondary stress before an unstressed syllable of the stem and
# none before a stressed one (ˌʌnəˈvɔɪdəbəl but ʌnˈkaɪnd), with the weak
# American vowel of CMUdict there (ənˈkaɪnd); the British code is then
# (unstressed, stressed).
PREFIXES = {
    "re": [(("rJ", "rJ"), ("ri", "rJ"), "rhythm"), ("rJ", "rJ", 2), ("rJ", "ri", 0)],
    "un": [(("An", "An"), ("An", "An"), "rhythm"), ("An", "qn", 0), ("An", "An", 2)],
    "non": [("nPn", "nRn", 2), ("nPn", "nRn", 0)],
    "over": [("qUvq", "ouvqr", 2), ("qUvq", "ouvqr", 1)],
    "under": [("Andq", "Andqr", 2), ("Andq", "Andqr", 1)],
    "out": [("aut", "aut", 2), ("aut", "aut", 1), ("aut", "aut", 0)],
    "mis": [(("mIs", "mIs"), ("mIs", "mIs"), "rhythm"), ("mIs", "mIs", 2), ("mIs", "mIs", 0)],
    "self": [("self", "self", 2), ("self", "self", 1)],
    "pre": [(("prJ", "prJ"), ("pri", "prJ"), "rhythm"), ("prJ", "prJ", 2), ("prJ", "prJ", 0)],
    "sub": [("sAb", "sAb", 2), ("sAb", "sAb", 1), ("sAb", "sAb", 0)],
    "super": [("sHpq", "sHpqr", 2), ("sHpq", "sHpqr", 1)],
    "anti": [("xnti", "xnti", 2), ("xnti", "xnti", 1), ("xntaI", "xntaI", 2)],
    "counter": [("kauntq", "kauntqr", 2), ("kauntq", "kauntqr", 1)],
    "inter": [("Intq", "Intqr", 2), ("Intq", "Intqr", 1)],
    "semi": [("semi", "semi", 2), ("semi", "semaI", 2), ("semi", "semi", 1)],
    "co": [("kqu", "kou", 2), ("kqu", "kou", 0)],
    "de": [(("dJ", "dJ"), ("di", "dJ"), "rhythm"), ("dJ", "dJ", 2), ("dJ", "dJ", 0), ("dI", "dI", 0)],
    "dis": [(("dIs", "dIs"), ("dIs", "dIs"), "rhythm"), ("dIs", "dIs", 0), ("dIs", "dIs", 2)],
}

# re-, pre- and de- before a vowel are the prefix of "again", "before" and
# "undo", with its full vowel and a secondary stress (reapply ˌriːəˈplaɪ,
# preexist, deactivate), where before a consonant most words only look
# prefixed (report, prevent, deliver). One pattern.
VOWEL_PREFIXES = {"re": ("rJ", "rJ", 2), "pre": ("prJ", "prJ", 2), "de": ("dJ", "dJ", 2)}

# Suffixes that leave the stress where the stem has it, with their
# inflections: (British, American).
SUFFIXES = {
    "ness": ("nqs", "nqs"), "nesses": ("nqsIz", "nqsIz"),
    "less": ("lqs", "lqs"), "lessly": ("lqsli", "lqsli"), "lessness": ("lqsnqs", "lqsnqs"),
    "ful": ("fql", "fql"), "fully": ("fqli", "fqli"), "fulness": ("fqlnqs", "fqlnqs"),
    "ment": ("mqnt", "mqnt"), "ments": ("mqnts", "mqnts"),
    "ship": ("SIp", "SIp"), "ships": ("SIps", "SIps"),
    "hood": ("hud", "hud"), "hoods": ("hudz", "hudz"),
    "like": ("laIk", "laIk"),
    "wise": ("waIz", "waIz"),
    "ism": ("Izqm", "Izqm"), "isms": ("Izqmz", "Izqmz"),
    "ist": ("Ist", "Ist"), "ists": ("Ists", "Ists"),
    "ish": ("IS", "IS"), "ishly": ("ISli", "ISli"), "ishness": ("ISnqs", "ISnqs"),
    "able": ("qbql", "qbql"), "ably": ("qbli", "qbli"),
    "ly": ("li", "li"), "edly": ("Idli", "Idli"),
    "y": ("i", "i"),
    "ize": ("aIz", "aIz"), "izes": ("aIzIz", "aIzIz"), "ized": ("aIzd", "aIzd"),
    "izing": ("aIzIN", "aIzIN"), "izer": ("aIzq", "aIzqr"), "izers": ("aIzqz", "aIzqrz"),
    "ise": ("aIz", "aIz"), "ises": ("aIzIz", "aIzIz"), "ised": ("aIzd", "aIzd"),
    "ising": ("aIzIN", "aIzIN"), "iser": ("aIzq", "aIzqr"), "isers": ("aIzqz", "aIzqrz"),
    "ing": ("IN", "IN"), "er": ("q", "qr"), "ers": ("qz", "qrz"), "est": ("Ist", "Ist"),
    "man": ("mqn", "mqn"), "men": ("mqn", "mqn"), "man's": ("mqnz", "mqnz"), "men's": ("mqnz", "mqnz"),
}
VOWEL_LETTERS = "aeiouy"

# Suffixes that take the main stress themselves, the stem's main stress
# becoming secondary (advisee ədˌvaɪˈziː, officialese, kitchenette):
# (British, American).
STRESSED_SUFFIXES = {
    "ee": ("J", "J"), "eer": ("Iq", "Ir"), "ese": ("Jz", "Jz"), "esque": ("esk", "esk"),
    "ette": ("et", "et"), "ique": ("Jk", "Jk"), "aire": ("eq", "er"),
}

# Suffixes that move the main stress onto the syllable before them, or onto
# their own -a- (atomic, reality, musician, classify, information):
# (British, American, whether the suffix itself takes the stress). A stem
# in -y or -a loses that vowel (history, historic; Canada, Canadian).
STRESS_MOVING_SUFFIXES = {
    "ic": ("Ik", "Ik", False), "ical": ("Ikql", "Ikql", False), "ity": ("qti", "qti", False),
    "ian": ("iqn", "iqn", False), "ial": ("iql", "iql", False), "ious": ("iqs", "iqs", False),
    "ify": ("IfaI", "IfaI", False), "ation": ("'eISqn", "'eISqn", True),
}
# The stem's main vowel, left unstressed right before the new stress, is
# said weak (inform, information ˌɪnfəˈmeɪʃən) or kept (relax, relaxation).
STRESS_MOVING_WAYS = ("weak", "kept")


def suffix_stems(word, suffix):
    """(stem, how) for each spelling by which the word may be the stem
    with the suffix, in the engine's order: with the stem's silent e
    dropped (lovable, toning), as is, with its last consonant doubled
    (sunny), its y turned i (happiness), or -le and -ical before -ly
    (gently, radically)."""
    if not word.endswith(suffix) or len(word) - len(suffix) < 3:
        return []
    base = word[: -len(suffix)]
    if suffix == "ly" and word.endswith("ically"):
        return [(base, "le")]
    found = []
    if suffix[0] in VOWEL_LETTERS:
        found.append((base + "e", ""))
    found.append((base, ""))
    if suffix[0] in VOWEL_LETTERS and len(base) > 3 and base[-1] == base[-2] \
            and base[-1] not in VOWEL_LETTERS:
        found.append((base[:-1], ""))
    if suffix[0] not in VOWEL_LETTERS and base.endswith("i"):
        found.append((base[:-1] + "y", "y"))
    if suffix == "y" and word.endswith("ly"):
        found.append((word[:-2] + "le", "le"))
    return found


def stress_moving_stems(word, suffix):
    found = suffix_stems(word, suffix)
    if found:
        base = word[: -len(suffix)]
        found += [(base + "y", "y"), (base + "a", "a")]
    return found


def with_linking_r(stem, phonemes, following_vowel):
    # British: a stem spelt with a final r keeps it before a vowel
    # (starry ˈstɑːri, caring).
    if following_vowel and stem.endswith(("r", "re")) and phonemes and phonemes[-1][1]:
        return copy(phonemes) + [["r", False, 0]]
    return phonemes


def build_suffixed(stem, how, suffix, lookup, british):
    stem_phonemes = lookup[stem]
    tail = parse_unstressed(SUFFIXES[suffix][0 if british else 1])
    syllabic_l = sounds(stem_phonemes)[-2:] == ["q", "l"] and len(stem_phonemes) > 2 \
        and not stem_phonemes[-3][1]
    if how == "le":
        # gentle, gently ˈdʒentli; radical, radically ˈrædɪkli
        return copy(stem_phonemes[:-2]) + parse_unstressed("li") if syllabic_l else None
    if how == "y" and suffix in ("ly", "ful", "fully") and stem_phonemes[-1][0] == "i":
        stem_phonemes = copy(stem_phonemes)
        stem_phonemes[-1][0] = "I"  # happy, happily ˈhæpɪli; beauty, beautiful
    if syllabic_l and stem.endswith("le") and tail[0][1]:
        stem_phonemes = stem_phonemes[:-2] + stem_phonemes[-1:]  # waffle, waffling ˈwɒflɪŋ
    elif stem_phonemes[-1][0] == tail[0][0] and not tail[0][1]:
        stem_phonemes = stem_phonemes[:-1]  # coolly, cleanness: one l, one n, as CMUdict has them
    if british:
        stem_phonemes = with_linking_r(stem, stem_phonemes, tail[0][1])
    return join([stem_phonemes, tail], late=False)


def build_stress_taking(stem, suffix, lookup, british):
    tail = parse(STRESSED_SUFFIXES[suffix][0 if british else 1])
    stem_phonemes = with_linking_r(stem, lookup[stem], True) if british else lookup[stem]
    return tense_weak_vowels(join([stem_phonemes, tail], late=True))


def build_stress_moving(stem, how, suffix, way, lookup, british):
    """The stem with the suffix and the main stress moved, or None where the
    stressed syllable's vowel is one the rule cannot know: the stem's weak
    vowel there (atom ˈætəm, atomic əˈtɒmɪk)."""
    british_code, american_code, own_stress = STRESS_MOVING_SUFFIXES[suffix]
    stem_phonemes = copy(lookup[stem])
    if how in ("y", "a"):
        if not stem_phonemes[-1][1]:
            return None
        stem_phonemes = stem_phonemes[:-1]
    tail = parse_unstressed(british_code if british else american_code)
    if own_stress:
        next(p for p in tail if p[1])[2] = PRIMARY
    if suffix in ("ian", "ial", "ious") and stem_phonemes and stem_phonemes[-1][0] in ("k", "s", "t"):
        stem_phonemes[-1][0] = "S"  # music, musician; finance, financial
        tail = tail[1:]
    vowels = [p for p in stem_phonemes if p[1]]
    if not vowels:
        return None
    target = next(p for p in tail if p[1]) if own_stress else vowels[-1]
    if not own_stress and target[0] in STRICTLY_WEAK + ("i", "u") and target[2] != PRIMARY:
        return None
    syllables = vowels + [p for p in tail if p[1]]
    at = next(i for i, p in enumerate(syllables) if p is target)
    for i, p in enumerate(vowels):
        if p[2] == PRIMARY and p is not target:
            p[2] = 2 if at - i >= 2 else 0
            if not p[2] and way == "weak" and p[0] not in ("i", "J"):
                p[0] = "q"
    target[2] = PRIMARY
    if british:
        stem_phonemes = with_linking_r(stem, stem_phonemes, True)
    return no_clash(tense_weak_vowels(stem_phonemes + tail))


def parse_unstressed(code):
    phonemes = parse(code)
    for p in phonemes:
        p[2] = 0
    return phonemes


def build_prefixed(form, stem, lookup, british):
    code, stress = form[0 if british else 1], form[2]
    if stress == "rhythm":
        stem_vowels = [p for p in lookup[stem] if p[1]]
        stressed_next = bool(stem_vowels) and stem_vowels[0][2] == PRIMARY
        code, stress = code[0 if stressed_next else 1], 0 if stressed_next else 2
    head = parse_unstressed(code)
    if stress:
        next(p for p in head if p[1])[2] = PRIMARY
    parts = [head, lookup[stem]]
    if stress == 1:
        return join(parts, late=False)
    result = join(parts, late=True)
    if stress == 0:
        for p in result[: len(head)]:
            p[2] = 0
    # As CMUdict's words are printed: reapplication ˌriːæplɪˈkeɪʃən.
    return no_clash(result)


def build_compound(first, second, lookup):
    return join([lookup[first], lookup[second]], late=False)


def patterns(word, known):
    """(pattern, builder) for every way of splitting the word into known
    words, the likeliest first: longer suffixes before shorter ones, then
    prefixes, then compounds; builder(lookup, british) gives its
    phonemes. A compound takes the main stress on its first part, as nouns
    do (sunscreen ˈsʌnskriːn)."""
    found = []
    # Before the others, so that -eer is not taken for -er.
    for suffix in sorted(STRESSED_SUFFIXES, key=lambda s: (-len(s), s)):
        for stem, how in suffix_stems(word, suffix):
            if known.one_reading(stem):
                found.append((("stressed suffix", suffix, how),
                              lambda lookup, british, stem=stem, suffix=suffix:
                              build_stress_taking(stem, suffix, lookup, british)))
    for suffix in sorted(SUFFIXES, key=lambda s: (-len(s), s)):
        for stem, how in suffix_stems(word, suffix):
            if known.one_reading(stem):
                found.append((("suffix", suffix, how),
                              lambda lookup, british, stem=stem, how=how, suffix=suffix:
                              build_suffixed(stem, how, suffix, lookup, british)))
    for prefix, form in VOWEL_PREFIXES.items():
        stem = word[len(prefix) :]
        if word.startswith(prefix) and stem[:1] in VOWEL_LETTERS and len(stem) >= 3 \
                and known.one_reading(stem):
            found.append((("prefix before a vowel",),
                          lambda lookup, british, stem=stem, form=form:
                          build_prefixed(form, stem, lookup, british)))
    for prefix, forms in PREFIXES.items():
        stem = word[len(prefix) :]
        if word.startswith(prefix) and len(stem) >= 3 and known.one_reading(stem):
            for index, form in enumerate(forms):
                found.append((("prefix", prefix, index),
                              lambda lookup, british, stem=stem, form=form:
                              build_prefixed(form, stem, lookup, british)))
    for k in range(3, len(word) - 2):
        first, second = word[:k], word[k:]
        if first in known and second in known:
            found.append((("compound",),
                          lambda lookup, british, first=first, second=second:
                          build_compound(first, second, lookup)))
    # Last, so that they take no word from the others when measured.
    for suffix in sorted(STRESS_MOVING_SUFFIXES, key=lambda s: (-len(s), s)):
        for stem, how in stress_moving_stems(word, suffix):
            if known.one_reading(stem):
                for way in STRESS_MOVING_WAYS:
                    found.append((("stress-moving suffix", suffix, way),
                                  lambda lookup, british, stem=stem, how=how, suffix=suffix, way=way:
                                  build_stress_moving(stem, how, suffix, way, lookup, british)))
    return found


def same(built, wanted, strict=0):
    """The same sounds with the main stress on the same vowel. What
    CMUdict itself says both ways counts as one: the weak vowels ə, ɪ and
    i and an unstressed ɛ, iː or ʊ (prohibit with ɪ but prohibiting with ə,
    refined with ɪ but unrefined with i, handful with ʊ), ʌ and ə, and iː
    and i, which it writes with one symbol each told apart by its stress
    mark alone (unkind with AH0 or AH2, reassess with IY0 or IY2), a glide
    between two vowels and none (stowing), ə before a syllabic l or a
    final m and none (bundling, tribalism), one consonant for two
    (nonnative), LOT and THOUGHT, which most Americans merge (box but
    toolbox ɔː), and an unstressed r-coloured vowel as ɝ or ɚ. A prefix's
    own vowel is what a prefix pattern is measured on, so it is compared
    strictly (strict: its phonemes), ə and ɪ and the readings of one
    symbol aside: re- as ri or as rɪ are two ways of saying it."""
    return built is not None and comparable(built, strict) == comparable(wanted, strict)


MERGED = {"L": "R"}
WEAK = ("q", "I", "E:", "i", "e", "J", "u")
STRICTLY_WEAK = ("q", "I", "E:")


def comparable(phonemes, strict=0):
    """The phonemes as same() compares them; the first strict ones keep
    i, ɛ and ʊ apart from ə and ɪ."""
    key = []
    for i, p in enumerate(phonemes):
        between_vowels = 0 < i < len(phonemes) - 1 and phonemes[i - 1][1] and phonemes[i + 1][1]
        if p[0] in ("w", "j") and not p[1] and between_vowels:
            continue
        if not p[1] and i and phonemes[i - 1][0] == p[0]:
            continue  # nonnative with one n or two
        if p[0] == "q" and i + 2 == len(phonemes) and phonemes[i - 1][0] == "z" \
                and phonemes[i + 1][0] == "m":
            continue  # -ism as ˈɪzəm or with a syllabic m
        weak = STRICTLY_WEAK if i < strict else WEAK
        if p[1] and p[2] != PRIMARY and (p[0] in weak or p[0] == "A"):
            if 0 < i < len(phonemes) - 2 and not phonemes[i - 1][1] and phonemes[i + 1][0] == "l" \
                    and phonemes[i + 2][1]:
                continue  # bundling as ˈbʌndlɪŋ or ˈbʌndəlɪŋ
            key.append(("@", False))
            continue
        if p[1] and p[0] == "J" and p[2] != PRIMARY:
            key.append(("i", False))  # CMUdict's IY: ˌiː or i by its stress mark alone
            continue
        key.append((MERGED.get(p[0], p[0]), p[2] == PRIMARY))
    return key


# Patterns whose words espeak-ng's spelling rules often stress wrongly
# (unstring ˈʌnstrɪŋ, creosoting kriˈɒsəʊtɪŋ), while the stem's stress
# stays: their split is told by the consonants and syllables alone.
# Measured as the others; dis-, mis-, -ly, -est, -ism and -ists do not
# pass so.
STRESS_BLIND_FITS = {("prefix", "un"), ("prefix", "non"), ("suffix", "ing"), ("suffix", "er"),
                     ("suffix", "ers"), ("suffix", "ness"), ("suffix", "less"), ("suffix", "ment"),
                     ("suffix", "ments"), ("suffix", "ful"), ("suffix", "fully"), ("suffix", "ship"),
                     ("suffix", "ships")}
# So are the suffixes that take the main stress, which espeak-ng often
# leaves on the stem (advisee ədˈvaɪziː).
STRESS_BLIND_KINDS = {"stressed suffix"}


def fits_guess(pattern, built, guess):
    """Whether a word built from parts has the consonants, the number of
    syllables and the stressed syllable that espeak-ng's spelling rules
    give the whole word: then the split is the word's own (trainload is
    train and load) and not a chance one (bidding is no bid and ding,
    cadaver no cad and aver), and only the vowels, where espeak-ng errs,
    come from the parts. A compound's second part must also keep a full
    vowel, as a word does and an ending does not (charted is no chart and
    ed, palace no pal and ace)."""
    if built is None or guess is None:
        return False
    def shape(phonemes):
        vowels = [p for p in phonemes if p[1]]
        primary = next((i for i, p in enumerate(vowels) if p[2] == PRIMARY), 0)
        return [p[0] for p in phonemes if not p[1]], len(vowels), \
            None if pattern[:2] in STRESS_BLIND_FITS or pattern[0] in STRESS_BLIND_KINDS else primary
    if shape(built) != shape(guess):
        return False
    if pattern[0] != "compound":
        return True
    second = sum(1 for p in built[: part_start(built)] if p[1])
    vowel = [p for p in guess if p[1]][second]
    return not (vowel[0] in ("q", "I", "i", "u") and not vowel[2])


def part_start(phonemes):
    return next((i for i, p in enumerate(phonemes) if len(p) > 3), len(phonemes))


def measure(words, lookup, common, guesses, homographs=frozenset()):
    """pattern -> (words it splits, words it builds as CMUdict has them),
    over the CMUdict words given (word -> American phonemes); parts must be
    common words other than the word itself, and the split must fit
    espeak-ng's guess (guesses: word -> phonemes)."""
    counts = {}
    for word in sorted(words):
        known = _KnownExcept(common, lookup, word, homographs)
        found = first_fit(word, known, lookup, False, guesses.get(word))
        if not found:
            continue
        # A prefix is measured in every way it may be said, to find the
        # one CMUdict uses.
        tried = [found[:2]]
        if found[0][0] in ("prefix", "stress-moving suffix"):
            tried = [(p, b(lookup, False)) for p, b in patterns(word, known) if p[:2] == found[0][:2]]
        if found[0][0] == "stress-moving suffix":
            # Each way once, on the first stem that fits.
            tried = list({p: built for p, built in reversed(tried)
                          if fits_guess(p, built, guesses.get(word))}.items())
        for pattern, built in tried:
            total, agreeing = counts.get(pattern, (0, 0))
            strict = part_start(built) if pattern[0].startswith("prefix") and built else 0
            counts[pattern] = (total + 1, agreeing + same(built, lookup[word], strict))
    return counts


def first_fit(word, known, lookup, british, guess, admitted=None):
    """(pattern, phonemes, builder) of the first split of the word, among
    the admitted patterns (all when None), that fits espeak-ng's guess."""
    for pattern, builder in patterns(word, known):
        if admitted is not None and pattern not in admitted:
            continue
        built = builder(lookup, british)
        if fits_guess(pattern, built, guess):
            return pattern, built, builder
    return None



def admitted_patterns(counts):
    """The patterns that build at least AGREEMENT of at least MINIMUM_WORDS
    CMUdict words as CMUdict has them; of a prefix's ways, the best."""
    best = {}
    for pattern, (total, agreeing) in counts.items():
        if total < MINIMUM_WORDS or agreeing < AGREEMENT * total:
            continue
        family = pattern[:2] if pattern[0] in ("prefix", "stress-moving suffix") else pattern
        if family not in best or agreeing > counts[best[family]][1]:
            best[family] = pattern
    return set(best.values())


def pattern_name(pattern):
    if pattern[0] == "prefix before a vowel":
        return "re-, pre-, de- before a vowel, `rJ`, secondary stress"
    if pattern[0] == "compound":
        return "compound of two words, stressed on the first"
    if pattern[0] == "stressed suffix":
        return f"-{pattern[1]}, stressed"
    if pattern[0] == "stress-moving suffix":
        return f"-{pattern[1]}, stress moved, former stressed vowel {pattern[2]}"
    if pattern[0] == "prefix":
        form = PREFIXES[pattern[1]][pattern[2]]
        stress = {0: "unstressed", 1: "stressed", 2: "secondary stress", "rhythm": "stressed by rhythm"}
        code = "/".join(form[1]) if form[2] == "rhythm" else form[1]
        return f"{pattern[1]}- `{code}`, {stress[form[2]]}"
    how = {"": "", "y": " after y as i", "le": " after -le or -ical"}[pattern[2]]
    return f"-{pattern[1]}{how}"


def build(targets, lookups, common, guesses, admitted, homographs=frozenset()):
    """word -> (British phonemes, American phonemes) for the targets (in
    order; a word built may be a part of a later one), each split by the
    first admitted pattern that fits espeak-ng's American guess and said
    as its curated parts. lookups: (British, American) word -> phonemes of
    the curated words, extended with the words built."""
    built = {}
    for word in targets:
        known = _KnownExcept(common, lookups[1], word, homographs)
        found = first_fit(word, known, lookups[1], False, guesses.get(word), admitted)
        if found is None:
            continue
        british = found[2](lookups[0], True)
        if british is None:
            continue
        built[word] = (british, found[1])
        lookups[0][word], lookups[1][word] = british, found[1]
    return built


class _KnownExcept:
    """The common words of the lookup but one, for `in`; homographs are
    those CMUdict says more than one way."""

    def __init__(self, common, lookup, word, homographs=frozenset()):
        self.common, self.lookup, self.word, self.homographs = common, lookup, word, homographs

    def one_reading(self, other):
        # A part that is said two ways (read, wind, bow) does not say which
        # of them the word has (unread ʌnˈred).
        return other in self and other not in self.homographs

    def __contains__(self, other):
        return other != self.word and other in self.common and other in self.lookup
