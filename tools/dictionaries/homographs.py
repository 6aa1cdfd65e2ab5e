# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Words spelt alike and said differently, with the readings that their
context chooses: the reviewed table behind data/homographs.txt.

The dictionaries store one reading per spelling; the engine's context rules
pick another from the words around it. A reading is named for the cue that
calls for it: "verb" (after to, a modal or a subject pronoun, or before an
object), "noun" and "adjective" (after an article, a possessive, a number or
an adjective), "past" (after have, had, was, been, 'd, he, she or it),
"name" (capitalised inside a sentence), "strong" (at the end of a sentence),
"main" (a main verb before its object: we have three cats) and "before-to"
(have to). Any other name is chosen only by the row's own cue words: prev=
lists the words that stand right before it, next= those right after it.

Codes are PhonemeCode as the dictionary files write them (British, then
American), each checked against British and American pronouncing
dictionaries; every row says why it is there.
"""

from pathlib import Path

from .output import CODE_LETTERS

FILE_NAME = "homographs.txt"

# word, reading, British, American, cue words, reason
HOMOGRAPHS = [
    # Weak forms that the dictionaries store for running text, strong where stressed.
    ("am", "strong", "xm", "xm", "", "weak əm stored; stressed at the end: yes, I am"),
    ("are", "strong", "R", "Rr", "", "weak ə stored; stressed at the end: there you are"),
    ("at", "strong", "xt", "xt", "", "weak ət stored; a preposition left at the end: what are you looking at"),
    ("be", "strong", "bJ", "bJ", "", "weak bi stored; at the end: it will be"),
    ("can", "strong", "kxn", "kxn", "", "weak kən stored; at the end: yes, we can"),
    ("can", "noun", "kxn", "kxn", "", "the container, after an article: a can of beans"),
    ("could", "strong", "kud", "kud", "", "weak kəd stored; at the end: if only I could"),
    ("does", "strong", "dAz", "dAz", "", "weak dəz stored; at the end: yes, she does"),
    ("does", "main", "dAz", "dAz", "", "a main verb before its object: he does the dishes"),
    ("does", "noun", "dquz", "douz", "", "the plural of doe, after an article or a number"),
    ("for", "strong", "fL", "fLr", "", "weak fə stored; at the end: what is it used for"),
    ("from", "strong", "frPm", "frAm", "", "weak frəm stored; at the end: where are you from"),
    ("had", "strong", "hxd", "hxd", "", "weak həd stored; at the end: I thought we had"),
    ("had", "main", "hxd", "hxd", "", "a main verb before its object: I had a cold"),
    ("had", "before-to", "hxd", "hxd", "", "had to is said with a full vowel: we had to go"),
    ("has", "strong", "hxz", "hxz", "", "weak həz stored; at the end: she has"),
    ("has", "main", "hxz", "hxz", "", "a main verb before its object: she has two sisters"),
    ("has", "before-to", "hxs", "hxs", "", "has to is said hæs tə, the z devoiced before t"),
    ("have", "strong", "hxv", "hxv", "", "weak həv stored; at the end: yes, we have"),
    ("have", "main", "hxv", "hxv", "", "a main verb before its object: we have three cats"),
    ("have", "before-to", "hxf", "hxf", "", "have to is said hæf tə, the v devoiced before t"),
    ("must", "strong", "mAst", "mAst", "", "weak məst stored; at the end: if you must"),
    ("must", "noun", "mAst", "mAst", "", "the noun, after an article: it is a must"),
    ("of", "strong", "Pv", "Av", "", "weak əv stored; at the end: what is it made of"),
    ("shall", "strong", "Sxl", "Sxl", "", "weak ʃəl stored; at the end: I think we shall"),
    ("should", "strong", "Sud", "Sud", "", "weak ʃəd stored; at the end: as it should"),
    ("some", "strong", "sAm", "sAm", "", "weak səm stored; a pronoun at the end: would you like some"),
    ("to", "strong", "tH", "tH", "", "the weak-vowel rule leaves tʊ at the end; stressed it is tuː: I want to"),
    ("was", "strong", "wPz", "wAz", "", "weak wəz stored; at the end: I know it was"),
    ("were", "strong", "wE:", "wE:r", "", "weak wə stored; at the end: we thought you were"),
    ("would", "strong", "wud", "wud", "", "weak wəd stored; at the end: I knew she would"),
    # Homographs of content words.
    ("read", "past", "red", "red", "", "the past and past participle: she'd read it"),
    ("read", "verb", "rJd", "rJd", "", "the present, as stored: to read"),
    ("lead", "verb", "lJd", "lJd", "", "the verb and the noun 'first place', as stored"),
    ("lead", "metal", "led", "led",
     "prev=of,red,white,sheet next=pipe,pipes,piping,poisoning,paint,pencil,pencils,shot,"
     "weight,weights,mine,mines,levels,crystal,roof,acetate,oxide,content,exposure",
     "the metal, only where a word around it says so: lead pipes, made of lead"),
    ("live", "verb", "lIv", "lIv", "", "the verb, as stored: where do you live"),
    ("live", "adjective", "laIv", "laIv",
     "prev=go,goes,went,going,gone next=music,broadcast,broadcasts,concert,concerts,performance,"
     "performances,show,shows,coverage,stream,streaming,audience,recording,album,event,events,"
     "wire,wires,ammunition,animals,bait,television,footage,feed,updates,blog,match,sport",
     "the adjective: a live concert, live music, go live"),
    ("lives", "noun", "laIvz", "laIvz",
     "prev=save,saves,saved,saving,lost,claimed,ruined,changed,risk,risked",
     "the plural of life: their lives, saved lives"),
    ("lives", "verb", "lIvz", "lIvz", "prev=who", "the verb: she lives in Leeds, who lives there"),
    ("close", "verb", "klquz", "klouz", "", "the verb: close the door, to close"),
    ("close", "adjective", "klqus", "klous",
     "prev=very,so,too,quite,fairly,as,more,most,come,came,comes,coming,get,got,getting,stay,"
     "stayed,keep,kept,hold,held,draw,drew,remain,remained next=to,by,friend,friends,relative,"
     "relatives,call,contact,attention,look,range,eye,enough,together,behind,second,family,"
     "ties,links,relationship,relationships",
     "the adjective and adverb: a close friend, close to home"),
    ("use", "verb", "jHz", "jHz", "", "the verb, as stored: to use"),
    ("use", "noun", "jHs", "jHs",
     "prev=drug,caffeine,alcohol,land,water,energy,tobacco,cannabis,substance,computer,internet,"
     "phone,fuel,power,heavy,regular,daily,widespread,common,frequent,careful,excessive,in,for,"
     "make,makes,made,making,much",
     "the noun: the use of, caffeine use, in use"),
    ("uses", "verb", "'jHzIz", "'jHzIz", "", "the verb: she uses it"),
    ("uses", "noun", "'jHsIz", "'jHsIz", "prev=many,several,various,other,different,its",
     "the plural noun: many uses"),
    ("excuse", "verb", "Ik'skjHz", "Ik'skjHz", "next=me,us,him,her,them,yourself,myself",
     "the verb: excuse me"),
    ("excuse", "noun", "Ik'skjHs", "Ik'skjHs", "", "the noun, as stored: a good excuse"),
    ("abuse", "verb", "q'bjHz", "q'bjHz", "", "the verb: to abuse"),
    ("abuse", "noun", "q'bjHs", "q'bjHs",
     "prev=child,drug,alcohol,substance,sexual,physical,verbal,emotional,domestic,human,racial,"
     "racist,online,elder,animal,of",
     "the noun, as stored: child abuse, the abuse of power"),
    ("house", "verb", "hauz", "hauz", "", "the verb: to house the collection"),
    ("house", "noun", "haus", "haus", "", "the noun, as stored"),
    ("record", "noun", "'rekLd", "'rekqrd",
     "prev=world,track,criminal,medical,court,dental,police,school,on,off,written",
     "the noun, as stored: a world record"),
    ("record", "verb", "rI'kLd", "rI'kLrd", "", "the verb: record the result"),
    ("records", "noun", "'rekLdz", "'rekqrdz", "prev=medical,court,police,school,dental,criminal",
     "the plural noun: the records show"),
    ("records", "verb", "rI'kLdz", "rI'kLrdz", "", "the verb: she records everything"),
    ("present", "noun", "'prezqnt", "'prezqnt",
     "prev=at,birthday,christmas,wedding next=day,moment,situation,tense,company,time,value",
     "the noun and adjective, as stored: a present, at present, the present day"),
    ("present", "verb", "prI'zent", "prI'zent", "", "the verb: present the results"),
    ("presents", "noun", "'prezqnts", "'prezqnts", "prev=birthday,christmas,wedding",
     "the plural noun: birthday presents"),
    ("presents", "verb", "prI'zents", "prI'zents", "", "the verb: she presents the news"),
    ("object", "noun", "'PbGIkt", "'RbGIkt", "", "the noun: an object"),
    ("object", "verb", "qb'Gekt", "qb'Gekt", "next=to", "the verb: I object, object to"),
    ("objects", "noun", "'PbGIkts", "'RbGIkts", "", "the plural noun"),
    ("objects", "verb", "qb'Gekts", "qb'Gekts", "next=to", "the verb: he objects to it"),
    ("project", "noun", "'prPGekt", "'prRGekt", "prev=research,school,building,pilot",
     "the noun, as stored: a research project"),
    ("project", "verb", "prq'Gekt", "prq'Gekt", "", "the verb: to project an image"),
    ("projects", "noun", "'prPGekts", "'prRGekts", "", "the plural noun"),
    ("projects", "verb", "prq'Gekts", "prq'Gekts", "", "the verb: it projects"),
    ("produce", "verb", "prq'djHs", "prq'dHs", "", "the verb, as stored: to produce"),
    ("produce", "noun", "'prPdjHs", "'proudHs",
     "prev=fresh,local,farm,organic,dairy,seasonal next=section,aisle,market,stall",
     "the noun: fresh produce"),
    ("permit", "verb", "pq'mIt", "pqr'mIt", "", "the verb: if time permits"),
    ("permit", "noun", "'pE:mIt", "'pE:rmIt", "prev=work,parking,residence,travel,building",
     "the noun: a work permit"),
    ("permits", "verb", "pq'mIts", "pqr'mIts", "prev=time,weather,space,law,budget",
     "the verb: if time permits"),
    ("permits", "noun", "'pE:mIts", "'pE:rmIts", "prev=work,parking,residence,travel,building",
     "the plural noun: parking permits"),
    ("contract", "noun", "'kPntrxkt", "'kRntrxkt", "", "the noun, as stored: a contract"),
    ("contract", "verb", "kqn'trxkt", "kqn'trxkt", "", "the verb: to contract a disease"),
    ("content", "noun", "'kPntent", "'kRntent", "", "the noun, as stored: the content"),
    ("content", "adjective", "kqn'tent", "kqn'tent",
     "prev=am,is,are,was,were,be,been,feel,feels,felt,seem,seemed,perfectly,quite,more,fairly "
     "next=with,to",
     "the adjective: content with"),
    ("conduct", "noun", "'kPndAkt", "'kRndAkt", "prev=of,good,bad,professional",
     "the noun, as stored: a code of conduct"),
    ("conduct", "verb", "kqn'dAkt", "kqn'dAkt", "", "the verb: to conduct a survey"),
    ("conflict", "noun", "'kPnflIkt", "'kRnflIkt", "prev=armed,military,in", "the noun: armed conflict"),
    ("conflict", "verb", "kqn'flIkt", "kqn'flIkt", "next=with", "the verb: the two conflict"),
    ("progress", "noun", "'prqugres", "'prRgres", "prev=in,of,slow,rapid,steady,little,much",
     "the noun, as stored: work in progress"),
    ("progress", "verb", "prq'gres", "prq'gres", "", "the verb: to progress"),
    ("increase", "noun", "'INkrJs", "'INkrJs",
     "prev=price,tax,pay,wage,sharp,significant,rapid,steady,slight,dramatic,sudden,percent",
     "the noun: an increase, a price increase"),
    ("increase", "verb", "In'krJs", "In'krJs", "", "the verb: to increase"),
    ("increases", "noun", "'INkrJsIz", "'INkrJsIz", "prev=price,tax,pay,wage", "the plural noun"),
    ("increases", "verb", "In'krJsIz", "In'krJsIz", "", "the verb: it increases"),
    ("decrease", "noun", "'dJkrJs", "'dJkrJs", "prev=sharp,significant,rapid,steady,slight,dramatic,sudden",
     "the noun: a decrease"),
    ("decrease", "verb", "dI'krJs", "dI'krJs", "", "the verb: to decrease"),
    ("import", "noun", "'ImpLt", "'ImpLrt", "next=duty,duties,tax,taxes,ban,licence,license",
     "the noun: an import"),
    ("import", "verb", "Im'pLt", "Im'pLrt", "", "the verb, as stored: to import"),
    ("imports", "noun", "'ImpLts", "'ImpLrts", "", "the plural noun: imports rose"),
    ("imports", "verb", "Im'pLts", "Im'pLrts", "", "the verb: it imports"),
    ("export", "noun", "'ekspLt", "'ekspLrt", "next=duty,duties,tax,taxes,ban,licence,license,market,markets",
     "the noun, as stored: an export"),
    ("export", "verb", "Ik'spLt", "Ik'spLrt", "", "the verb: to export"),
    ("exports", "noun", "'ekspLts", "'ekspLrts", "", "the plural noun"),
    ("exports", "verb", "Ik'spLts", "Ik'spLrts", "", "the verb: it exports"),
    ("refuse", "verb", "rI'fjHz", "rI'fjHz", "", "the verb, as stored: to refuse"),
    ("refuse", "noun", "'refjHs", "'refjHs",
     "prev=household,domestic next=collection,collections,collector,collectors,bin,bins,sack,"
     "sacks,tip,lorry,truck,disposal",
     "the noun, rubbish: refuse collection"),
    ("subject", "noun", "'sAbGIkt", "'sAbGIkt", "next=to,matter,area,areas,line",
     "the noun and adjective, as stored: the subject, subject to"),
    ("subject", "verb", "sqb'Gekt", "sqb'Gekt", "", "the verb: to subject"),
    ("subjects", "noun", "'sAbGIkts", "'sAbGIkts", "", "the plural noun"),
    ("subjects", "verb", "sqb'Gekts", "sqb'Gekts", "", "the verb: it subjects"),
    ("abstract", "noun", "'xbstrxkt", "'xbstrxkt", "next=art,noun,nouns,idea,ideas,concept,concepts,painting",
     "the noun and adjective: an abstract, abstract art"),
    ("abstract", "verb", "xb'strxkt", "xb'strxkt", "", "the verb: to abstract"),
    ("update", "noun", "'ApdeIt", "'ApdeIt", "", "the noun: an update"),
    ("update", "verb", "Ap'deIt", "Ap'deIt", "", "the verb: to update"),
    ("updates", "noun", "'ApdeIts", "'ApdeIts", "prev=software,security,regular,live", "the plural noun"),
    ("updates", "verb", "Ap'deIts", "Ap'deIts", "", "the verb: it updates"),
    ("estimate", "noun", "'estImqt", "'estqmqt", "prev=rough,conservative,best", "the noun, as stored: an estimate"),
    ("estimate", "verb", "'estImeIt", "'estqmeIt", "", "the verb: we estimate"),
    ("estimates", "noun", "'estImqts", "'estqmqts", "prev=rough,conservative,official", "the plural noun"),
    ("estimates", "verb", "'estImeIts", "'estqmeIts", "", "the verb: she estimates"),
    ("separate", "adjective", "'seprqt", "'seprqt",
     "prev=two,three,is,are,was,were,be,completely,entirely,quite,keep,kept next=from,rooms,entity,issue",
     "the adjective: a separate room"),
    ("separate", "verb", "'sepqreIt", "'sepqreIt", "", "the verb: separate the eggs"),
    ("moderate", "adjective", "'mPdqrqt", "'mRdqrqt", "", "the adjective, as stored: a moderate amount"),
    ("moderate", "verb", "'mPdqreIt", "'mRdqreIt", "", "the verb: to moderate"),
    ("appropriate", "adjective", "q'prqupriqt", "q'proupriqt",
     "prev=is,was,are,were,be,been,not,more,most,very,entirely,wholly,particularly,deemed,"
     "considered next=for,to",
     "the adjective, as stored: an appropriate answer"),
    ("appropriate", "verb", "q'prquprieIt", "q'prouprieIt", "", "the verb: to appropriate funds"),
    ("graduate", "noun", "'grxGuqt", "'grxGuqt", "", "the noun: a graduate"),
    ("graduate", "verb", "'grxGueIt", "'grxGueIt", "", "the verb: to graduate"),
    ("associate", "noun", "q'squsiqt", "q'sousiqt", "next=professor,director,editor,member",
     "the noun and adjective: an associate, associate professor"),
    ("associate", "verb", "q'squsieIt", "q'sousieIt", "next=with", "the verb: to associate with"),
    ("minute", "noun", "'mInIt", "'mInIt", "", "the unit of time, as stored"),
    ("minute", "adjective", "maI'njHt", "maI'nHt",
     "next=amount,amounts,quantity,quantities,trace,traces,particle,particles,detail,details,"
     "fraction,changes,differences,organisms",
     "the adjective, tiny: minute amounts"),
    ("desert", "noun", "'dezqt", "'dezqrt", "", "the noun, as stored: the desert"),
    ("desert", "verb", "dI'zE:t", "dI'zE:rt", "", "the verb: to desert"),
    ("deserts", "noun", "'dezqts", "'dezqrts", "", "the plural noun"),
    ("deserts", "verb", "dI'zE:ts", "dI'zE:rts", "prev=just", "the verb, and just deserts"),
    ("wound", "noun", "wHnd", "wHnd", "", "the injury: the wound"),
    ("wound", "past", "waund", "waund",
     "prev=i,you,we,they,tightly,loosely next=up,down,round,around,its,his,her,their,our,my,the",
     "the past of wind: he wound the clock, wound up"),
    ("tear", "noun", "tIq", "tIr", "prev=in,single", "the drop from the eye: a tear fell"),
    ("tear", "verb", "teq", "ter", "prev=and next=down,apart,off,open,through,into,out",
     "the verb and wear and tear: to tear"),
    ("tears", "noun", "tIqz", "tIrz", "prev=in,into,to,of,with,her,his,their,my,your,happy,bitter",
     "the drops from the eyes: in tears"),
    ("tears", "verb", "teqz", "terz", "next=down,apart,off,open,through,into,out,up",
     "the verb: she tears it up"),
    ("wind", "noun", "wInd", "wInd", "", "the air, as stored"),
    ("wind", "verb", "waInd", "waInd", "next=up,down,back,round,around,through",
     "the verb: to wind the clock, wind up"),
    ("winds", "noun", "wIndz", "wIndz", "", "the plural noun: strong winds"),
    ("winds", "verb", "waIndz", "waIndz", "next=up,down,back,round,around,through,its,along",
     "the verb: the road winds through"),
    ("bow", "verb", "bau", "bau", "next=down,before,out", "the bend of the body: to bow, bow down"),
    ("bow", "knot", "bqu", "bou",
     "prev=violin,cello,hair,ribbon next=and,tie,ties,tied,legged,string,strings,window,saw",
     "the weapon and the knot: a bow and arrow, a bow tie"),
    ("bows", "verb", "bauz", "bauz", "next=down,before,out", "the verb: he bows"),
    ("bows", "knot", "bquz", "bouz", "prev=hair,ribbon,ribbons next=and", "the knots: bows and arrows"),
    ("row", "line", "rqu", "rou", "", "the line, as stored: in a row"),
    ("row", "argument", "rau", "rau",
     "prev=blazing,furious,bitter,diplomatic,political,public,family,latest next=over,about,broke,"
     "erupted,between",
     "the quarrel: a row over money"),
    ("rows", "line", "rquz", "rouz", "", "the lines, as stored"),
    ("rows", "argument", "rauz", "rauz", "next=over,about,between", "the quarrels: rows over pay"),
    ("bass", "noun", "beIs", "beIs",
     "next=guitar,guitarist,guitars,player,players,line,lines,drum,drums,clef,voice,singer,notes,amp",
     "the low part in music: the bass, bass guitar"),
    ("bass", "fish", "bxs", "bxs",
     "prev=sea,striped,largemouth,smallmouth,black,rock next=fishing,fish,fillet,fillets,boat",
     "the fish: sea bass"),
    ("sow", "verb", "squ", "sou", "next=seeds,seed", "the verb: to sow seeds"),
    ("sow", "noun", "sau", "sau", "", "the female pig: the sow"),
    ("reading", "name", "'redIN", "'redIN", "", "the English town, capitalised inside a sentence"),
    ("polish", "name", "'pqulIS", "'poulIS", "", "the adjective of Poland, capitalised inside a sentence"),
    ("insult", "noun", "'InsAlt", "'InsAlt", "", "the noun: an insult"),
    ("insult", "verb", "In'sAlt", "In'sAlt", "", "the verb: to insult"),
    ("rebel", "noun", "'rebql", "'rebql", "", "the noun, as stored: a rebel"),
    ("rebel", "verb", "rI'bel", "rI'bel", "next=against", "the verb: to rebel against"),
    ("suspect", "noun", "'sAspekt", "'sAspekt", "prev=prime,main,chief,murder", "the noun: the suspect"),
    ("suspect", "verb", "sq'spekt", "sq'spekt", "next=that", "the verb: I suspect that"),
    ("protest", "noun", "'prqutest", "'proutest", "prev=in,mass,peaceful,street,student",
     "the noun, as stored: a protest"),
    ("protest", "verb", "prq'test", "prq'test", "next=against", "the verb: to protest"),
    ("perfect", "adjective", "'pE:fIkt", "'pE:rfIkt",
     "prev=is,was,are,were,be,been,look,looks,looked,seem,seems,seemed,sound,sounds,sounded,"
     "absolutely,almost,practically,nearly,pretty next=for,day,time,example,world,condition,way",
     "the adjective: a perfect day, that is perfect"),
    ("perfect", "verb", "pq'fekt", "pqr'fekt", "", "the verb: to perfect a technique"),
    ("survey", "noun", "'sE:veI", "'sE:rveI", "", "the noun, as stored: a survey"),
    ("survey", "verb", "sq'veI", "sqr'veI", "", "the verb: to survey"),
    ("transfer", "noun", "'trxnsfE:", "'trxnsfE:r", "next=fee,fees,window,market,list",
     "the noun: a transfer"),
    ("transfer", "verb", "trxn'sfE:", "trxn'sfE:r", "", "the verb: to transfer"),
    ("dove", "noun", "dAv", "dAv", "", "the bird, as stored: a dove"),
    ("dove", "past", "dquv", "douv", "prev=i,you,we,they next=into,in,off,under,down,for",
     "the past of dive: he dove into the pool"),
    ("attribute", "noun", "'xtrIbjHt", "'xtrqbjHt", "", "the noun, as stored: an attribute"),
    ("attribute", "verb", "q'trIbjHt", "q'trIbjHt", "", "the verb: to attribute"),
    ("contrast", "noun", "'kPntrRst", "'kRntrxst", "prev=in,by,sharp,stark", "the noun, as stored: in contrast"),
    ("contrast", "verb", "kqn'trRst", "kqn'trxst", "next=with", "the verb: to contrast with"),
    ("deliberate", "adjective", "dI'lIbqrqt", "dI'lIbqrqt", "", "the adjective, as stored: a deliberate act"),
    ("deliberate", "verb", "dI'lIbqreIt", "dI'lIbqreIt", "", "the verb: to deliberate"),
    ("elaborate", "adjective", "I'lxbqrqt", "I'lxbqrqt", "", "the adjective: an elaborate plan"),
    ("elaborate", "verb", "I'lxbqreIt", "I'lxbqreIt", "next=on,upon", "the verb: to elaborate on"),
    ("advocate", "noun", "'xdvqkqt", "'xdvqkqt", "", "the noun: an advocate"),
    ("advocate", "verb", "'xdvqkeIt", "'xdvqkeIt", "", "the verb: to advocate"),
    ("address", "noun", "q'dres", "'xdres", "prev=email,home,postal,web,ip", "the noun; American stresses its first syllable"),
    ("address", "verb", "q'dres", "q'dres", "", "the verb: to address the problem"),
    ("extract", "noun", "'ekstrxkt", "'ekstrxkt", "", "the noun: an extract"),
    ("extract", "verb", "Ik'strxkt", "Ik'strxkt", "", "the verb: to extract"),
    ("convert", "noun", "'kPnvE:t", "'kRnvE:rt", "", "the noun: a convert"),
    ("convert", "verb", "kqn'vE:t", "kqn'vE:rt", "next=to,into", "the verb: to convert"),
]


def check(rows):
    """Every code is PhonemeCode without spaces, every row has its reason,
    and no word has two readings of one name."""
    seen = set()
    for word, reading, british, american, cues, reason in rows:
        for code in (british, american):
            if not code or not set(code) <= CODE_LETTERS - {" "}:
                raise ValueError(f"bad code {code!r} for {word!r} ({reading})")
        if not reason or (word, reading) in seen or "\t" in cues or word != word.lower():
            raise ValueError(f"bad row for {word!r} ({reading})")
        seen.add((word, reading))


def write(output_dir):
    """data/homographs.txt, with the licence lines that the table can carry."""
    check(HOMOGRAPHS)
    path = Path(output_dir) / FILE_NAME
    # Words and codes are ASCII; the reasons may hold IPA.
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(HEADER)
        for row in HOMOGRAPHS:
            f.write("\t".join(row) + "\n")
    words = len({row[0] for row in HOMOGRAPHS})
    return path, words, len(HOMOGRAPHS)


HEADER = """\
# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Homographs and strong forms: the readings that the words around a word
# choose. Generated by tools/generate-dictionaries from
# tools/dictionaries/homographs.py; do not edit.
# Columns, separated by TABs: word, reading, British code, American code,
# cue words (prev=... for the word before, next=... for the word after),
# reason.
"""
