# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reading the word sources: CMUdict, the Debian word lists and WordNet."""

import json
import re
import subprocess
import sys
import unicodedata
from pathlib import Path

CMUDICT_PACKAGE = "cmu-pronouncing-dictionary"
CMUDICT_VERSION = "3.0.0"
WORD_LISTS = ("/usr/share/dict/american-english-large", "/usr/share/dict/british-english-large")
WORDNET_DIR = Path("/usr/share/wordnet")
WORDNET_INDEXES = {"noun": "index.noun", "verb": "index.verb", "adj": "index.adj", "adv": "index.adv"}
# Without verbs: see read_wordnet_open_compounds.
WORDNET_DATA = {"noun": "data.noun", "adj": "data.adj", "adv": "data.adv"}

# What the sentence normaliser leaves of a word: letters and apostrophes.
WORD_PATTERN = re.compile(r"^[a-z']*[a-z][a-z']*$")
COMPOUND_PATTERN = re.compile(r"^[a-z']+(-[a-z']+)+$")


def check():
    missing = [path for path in WORD_LISTS if not Path(path).is_file()]
    if not (WORDNET_DIR / "index.noun").is_file():
        missing.append(str(WORDNET_DIR))
    if missing:
        sys.exit(
            "missing: " + ", ".join(missing)
            + "\ninstall them with: apt-get install wamerican-large wbritish-large wordnet-base"
        )


def fetch_cmudict(workdir):
    print(f"installing {CMUDICT_PACKAGE}@{CMUDICT_VERSION} with npm", file=sys.stderr)
    subprocess.run(
        [
            "npm", "install", "--prefix", workdir, "--no-save", "--no-package-lock",
            "--no-audit", "--no-fund", "--loglevel=error",
            f"{CMUDICT_PACKAGE}@{CMUDICT_VERSION}",
        ],
        check=True,
        stdout=subprocess.DEVNULL,
    )
    return Path(workdir) / "node_modules" / CMUDICT_PACKAGE


def read_cmudict(package_dir):
    """(words, hyphenated): word -> list of its ARPAbet pronunciations.

    "word(2)" and further entries are the word's alternatives, in CMUdict's
    order; entries with digits or dots are dropped, and the hyphenated ones
    come back apart, keyed by their spelling with hyphens. Comments after
    "#" name the word's origin.
    """
    source = (Path(package_dir) / "index.js").read_text(encoding="utf-8")
    start = source.index("dictionary = {") + len("dictionary = ")
    entries = json.loads(source[start : source.rindex("}") + 1])
    words, hyphenated = {}, {}
    for key in sorted(entries, key=lambda k: (k.split("(")[0], alternative_number(k))):
        word = key.split("(")[0]
        target = words if WORD_PATTERN.match(word) else hyphenated if COMPOUND_PATTERN.match(word) else None
        if target is not None:
            target.setdefault(word, []).append(entries[key].split("#")[0].split())
    return words, hyphenated


def alternative_number(key):
    return int(key.split("(")[1].rstrip(")")) if "(" in key else 1


def read_word_lists():
    """(words, accented): the Debian lists' words, and their spellings with
    letters outside ASCII (café), lower-cased."""
    words, accented = set(), set()
    for path in WORD_LISTS:
        with open(path, encoding="utf-8") as f:
            for line in f:
                word = unicodedata.normalize("NFC", line.strip().lower())
                if WORD_PATTERN.match(word):
                    words.add(word)
                elif word and not word.isascii() and all(c.isalpha() or c == "'" for c in word):
                    accented.add(word)
    return words, accented


def read_common_words():
    """The words the Debian lists write in lower case: common words, not
    names (copy and right, but not Marty)."""
    words = set()
    for path in WORD_LISTS:
        with open(path, encoding="utf-8") as f:
            words.update(w for w in (line.strip() for line in f) if WORD_PATTERN.match(w))
    return words


def read_wordnet_compounds():
    """hyphenated lemma -> set of its parts of speech ("noun", "verb", ...)."""
    compounds = {}
    for pos, name in WORDNET_INDEXES.items():
        with open(WORDNET_DIR / name, encoding="utf-8") as f:
            for line in f:
                if line.startswith(" "):
                    continue  # the licence at the top of every file
                lemma = line.split(" ", 1)[0].replace("_", " ")
                if COMPOUND_PATTERN.match(lemma):
                    compounds.setdefault(lemma, set()).add(pos)
    return compounds


# WordNet's lexicographer files of names that texts do not hyphenate:
# animals, body parts, plants, states (mostly diseases) and substances
# (chestnut_oak, saphenous_vein, toluic_acid). They hold half of its
# phrases of two words.
WORDNET_NAME_FILES = {5: "noun.animal", 8: "noun.body", 20: "noun.plant", 26: "noun.state",
                      27: "noun.substance"}
OPEN_COMPOUND_PATTERN = re.compile(r"^[a-z']+_[a-z']+$")
ARTICLES = ("a", "an", "the")


def read_wordnet_open_compounds():
    """WordNet's nouns, adjectives and adverbs of two words written apart
    (third_party, real_time, vice_versa), as hyphenated spellings
    (third-party) -> set of their parts of speech.

    Only lemmas that a synset writes in lower case: names (New_York) are
    not hyphenated in running text. Verbs are left out: a text hyphenates
    a phrasal verb (set up) only where it is a noun or an adjective, which
    is stressed otherwise. So are longer phrases (make_up_one's_mind) and
    phrases that begin with an article (a_few, the_pits), which no text
    hyphenates and which the article would make wrong (a as a letter)."""
    compounds = {}
    for pos, name in WORDNET_DATA.items():
        with open(WORDNET_DIR / name, encoding="utf-8") as f:
            for line in f:
                fields = line.split(" ")
                if line.startswith(" ") or int(fields[1]) in WORDNET_NAME_FILES:
                    continue
                for k in range(int(fields[3], 16)):
                    # An adjective's position marker, as in "galore(ip)", is no part of it.
                    lemma = fields[4 + 2 * k].split("(")[0]
                    if OPEN_COMPOUND_PATTERN.match(lemma) and lemma.split("_")[0] not in ARTICLES:
                        compounds.setdefault(lemma.replace("_", "-"), set()).add(pos)
    return compounds


def read_wordnet_adjectives():
    """WordNet's adjectives of one word (real, open, third)."""
    with open(WORDNET_DIR / WORDNET_INDEXES["adj"], encoding="utf-8") as f:
        return {line.split(" ", 1)[0] for line in f
                if not line.startswith(" ") and WORD_PATTERN.match(line.split(" ", 1)[0])}
