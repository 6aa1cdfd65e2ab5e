# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Entries chosen by hand, each with the reason no rule gets it right.

Codes are PhonemeCode as the files hold them. Every table here was checked
word by word against British and American pronouncing dictionaries.
"""

# Grammatical words are given the weak form that connected speech uses and
# learner's dictionaries list first, except where the engine's context rules
# expect another form: "the" and "to" keep their strong forms DJ and tu,
# which the weak-vowel rule weakens before consonants, and "or" keeps L. The
# American forms keep their r.
FUNCTION_WORDS = {
    # word: (British, American)
    "a": ("q", "q"),
    "am": ("qm", "qm"),
    "an": ("qn", "qn"),
    "and": ("qnd", "qnd"),
    "are": ("q", "qr"),
    "as": ("qz", "qz"),
    "at": ("qt", "qt"),
    "be": ("bi", "bi"),
    "but": ("bqt", "bqt"),
    "can": ("kqn", "kqn"),
    "could": ("kqd", "kqd"),
    "does": ("dqz", "dqz"),
    "for": ("fq", "fqr"),
    "from": ("frqm", "frqm"),
    "had": ("hqd", "hqd"),
    "has": ("hqz", "hqz"),
    "have": ("hqv", "hqv"),
    "he": ("hi", "hi"),
    "her": ("hq", "hqr"),
    "me": ("mi", "mi"),
    "must": ("mqst", "mqst"),
    "of": ("qv", "qv"),
    "or": ("L", "Lr"),
    "shall": ("Sql", "Sql"),
    "she": ("Si", "Si"),
    "should": ("Sqd", "Sqd"),
    "some": ("sqm", "sqm"),
    "than": ("Dqn", "Dqn"),
    "the": ("DJ", "DJ"),
    "them": ("Dqm", "Dqm"),
    "to": ("tu", "tu"),
    "us": ("qs", "qs"),
    "was": ("wqz", "wqz"),
    "we": ("wi", "wi"),
    "were": ("wq", "wqr"),
    "would": ("wqd", "wqd"),
    "you": ("ju", "ju"),
    # The sentence normaliser turns "a.m." into this word; it is said as
    # the two letters.
    "eyem": ('"eI\'em', '"eI\'em'),
    # Dropping the slash turns the legal "and/or" into this word.
    "andor": ('"xnd\'L', '"xnd\'Lr'),
}

# Words spelt alike with two pronunciations: the more frequent reading, the
# same in both files. Either source may list the rarer one first.
HOMOGRAPHS = {
    "read": ("rJd", "rJd"),  # present tense, not the past red
    "lead": ("lJd", "lJd"),  # the verb, not the metal
    "live": ("lIv", "lIv"),  # the verb, not the adjective laɪv
    "use": ("jHz", "jHz"),  # the verb, more frequent than the noun juːs
    "record": ("'rekLd", "'rekqrd"),  # the noun, not the verb rɪˈkɔːd
    "subject": ("'sAbGIkt", "'sAbGekt"),  # the noun, not the verb səbˈdʒekt
    "wind": ("wInd", "wInd"),  # the air, not the verb waɪnd
    "every": ("'evri", "'evri"),  # two syllables, not ˈevəri
    "sometimes": ("'sAmtaImz", "'sAmtaImz"),  # not səmˈtaɪmz
}

# British entries that espeak-ng's en-gb voice gets wrong and no rule fixes.
BRITISH_OVERRIDES = {
    "one": "wAn",  # espeak says wɒn, a northern form; RP has STRUT
    "someone": "'sAmwAn",  # as "one"
    "anyone": "'eniwAn",  # as "one"
    "everyone": "'evriwAn",  # as "one"
    "none": "nAn",  # as "one"
    "almond": "'Rmqnd",  # espeak sounds the l; RP has none
    "autumn": "'Ltqm",  # espeak gives the last syllable a full vowel
    "they're": "Deq",  # espeak reads it as two syllables
    "hundred": "'hAndrqd",  # espeak has -rɪd; learners' dictionaries print -rəd
    "versus": "'vE:sqs",  # espeak reads the ending as the plural -ɪz
    "into": "'IntH",  # espeak ends the citation form in a weak ʊ; it is uː
    "onto": "'PntH",  # as "into"
    "unto": "'AntH",  # as "into"
    "electricity": 'I"lek\'trIsqti',  # espeak drops the secondary stress that electric gives
    # CMUdict has only the American four syllables (ˈkʌmfərtəbəl); RP says
    # three, as espeak does.
    "comfortable": "'kAmftqbql",
    "comfortably": "'kAmftqbli",
    "uncomfortable": "An'kAmftqbql",
    "uncomfortably": "An'kAmftqbli",
    # CMUdict's first entry has a STRUT vowel with secondary stress after
    # the main one (kɪˈlɑːmʌtɚ); RP says ˈkɪləmiːtə, as espeak does.
    "kilometre": "'kIlqmJtq",
    "kilometres": "'kIlqmJtqz",
    "kilometer": "'kIlqmJtq",
    "kilometers": "'kIlqmJtqz",
    # CMUdict stresses mail (iˈmeɪl); RP stresses e-, as espeak does.
    "email": "'JmeIl",
    "emails": "'JmeIlz",
    "emailed": "'JmeIld",
    "emailing": "'JmeIlIN",
}

# Accented loanwords, under their accented spelling: (British, American),
# None where the source's form is right. The normaliser hands them over
# without their accents (café as caf); their inflections (cafés, clichéd)
# are left to the engine's endings, which derive them from these. Like
# every loanword, they never replace a word that the stripped form spells.
LOANWORDS = {
    "café": ("'kxfeI", None),  # espeak stresses the last syllable in British too
    "cliché": ("'klJSeI", "klJ'SeI"),  # espeak has klɪ-, and the last syllable stressed in British
    "résumé": ("'rezjHmeI", "'rezqmeI"),  # the Debian word lists lack it, so rsum was not found
    "sauté": ("'squteI", None),  # espeak's British has sɔːˈteɪ, stressed last
}

# American entries whose first CMUdict pronunciation is a poor choice.
AMERICAN_OVERRIDES = {
    "thirty": "'TE:rti",  # CMUdict's first entry spells the flap as d
    "pronunciation": 'prq"nAnsi\'eISqn',  # CMUdict's first entry has proʊ-, after "pronounce"
}

# Words of re- and a word that CMUdict also holds, said with an unstressed
# iː, whose re- does not mean "again": British keeps CMUdict's ri- or its
# own rɪ- in them (see ga_to_rp.again_prefix). Each covers its inflected
# and derived forms (remind, reminded, reminder).
NOT_AGAIN = {
    "rebound": "spring back, rɪˈbaʊnd",
    "rebuff": "no buff",
    "recant": "no cant",
    "recap": "short for recapitulate, ˈriːkæp",
    "recede": "no cede",
    "recite": "no cite",
    "reclaim": "claim back, rɪˈkleɪm",
    "recoil": "no coil",
    "redicker": "a name",
    "redouble": "intensify, rɪˈdʌbəl",
    "redoubt": "no doubt",
    "redress": "remedy",
    "regain": "get back, rɪˈɡeɪn",
    "regenerate": "renew, rɪˈdʒenəreɪt",
    "rehearse": "no hearse",
    "relapse": "no lapse",
    "release": "let go",
    "reloral": "a name",
    "relying": "rely and -ing",
    "remediate": "remedy",
    "remind": "no mind",
    "remiss": "no miss; remission too",
    "remove": "take away",
    "repaid": "paid back, rɪˈpeɪd",
    "repay": "pay back, rɪˈpeɪ",
    "replacement": "put in the place of, rɪˈpleɪs",
    "report": "tell",
    "repose": "rest",
    "repress": "hold down",
    "republic": "no public",
    "repulse": "no pulse",
    "repute": "no pute",
    "requiring": "require and -ing",
    "research": "study",
    "resolve": "decide",
    "resounding": "echoing, rɪˈzaʊndɪŋ",
    "restrain": "hold back",
    "restrict": "no strict",
    "resurge": "rɪˈsɜːdʒ, as resurgence",
    "retrace": "go back over, rɪˈtreɪs",
    "retract": "draw back",
    "retreat": "withdraw",
    "retrench": "cut back",
    "reverb": "short for reverberation, ˈriːvɜːb",
    "review": "examine, rɪˈvjuː",
    "revile": "no vile",
    "revision": "no vision",
    "revive": "no vive",
    "revolt": "no volt",
}
