# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Running espeak-ng over many words, with an optional cache between runs."""

import concurrent.futures
import shutil
import subprocess
import sys
from pathlib import Path

VERSION_TESTED = "1.51"


def check():
    if shutil.which("espeak-ng") is None:
        sys.exit("missing: espeak-ng\ninstall it with: apt-get install espeak-ng")
    version = subprocess.run(
        ["espeak-ng", "--version"], stdout=subprocess.PIPE, check=True, text=True
    ).stdout
    if f" {VERSION_TESTED} " not in version:
        print(
            f"warning: this was tested with espeak-ng {VERSION_TESTED}; "
            f"another version gives other British pronunciations ({version.strip()})",
            file=sys.stderr,
        )


def _run_batch(voice, words):
    """espeak-ng's IPA for each word, one input line giving one output line.

    A batch whose line count comes back different (a word that espeak
    reads as two clauses, or as none) is split until the culprit stands
    alone; its lines are then joined.
    """
    text = "".join(w + "\n" for w in words)
    result = subprocess.run(
        ["espeak-ng", "-v", voice, "-q", "--ipa", "--sep=_"],
        input=text.encode("utf-8"),
        stdout=subprocess.PIPE,
        check=True,
    )
    lines = result.stdout.decode("utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) == len(words):
        return [line.strip() for line in lines]
    if len(words) == 1:
        return [" ".join(line.strip() for line in lines if line.strip())]
    middle = len(words) // 2
    return _run_batch(voice, words[:middle]) + _run_batch(voice, words[middle:])


def _listed_batch(voice, words):
    """For each word, "1" when espeak-ng found it in its own word list (a
    pronunciation or a stress of its own) rather than reading it by its
    spelling rules, else "0". The trace names each word in the first line
    about it, in the order of the input; the lines about stems and
    affixes that follow name other words."""
    text = "".join(w + "\n" for w in words)
    trace = subprocess.run(
        ["espeak-ng", "-v", voice, "-q", "-X"],
        input=text.encode("utf-8"),
        stdout=subprocess.PIPE,
        check=True,
    ).stdout.decode("utf-8").split("\n")
    answers, line = [], 0
    for word in words:
        names = (f"Found: '{word}'", f"Flags:  {word} ", f"Translate '{word}'", f"Unpronouncable? '{word}'")
        at = next((i for i in range(line, len(trace)) if trace[i].startswith(names)), None)
        if at is None:
            answers.append("0")
            continue
        answers.append("1" if trace[at].startswith(names[:2]) else "0")
        line = at + 1
    return answers


def _read_cache(path):
    cached = {}
    if path and path.is_file():
        with open(path, encoding="utf-8") as f:
            for line in f:
                word, _, ipa = line.rstrip("\n").partition("\t")
                cached[word] = ipa
    return cached


def listed(voice, words, jobs, cache_dir=None):
    """The words of the iterable that espeak-ng's own word list holds for
    the voice: pronunciations its makers wrote down, not guessed."""
    answers = _cached_run(voice, "listed", _listed_batch, words, jobs, cache_dir)
    return {w for w, flag in answers.items() if flag == "1"}


def transcribe(voice, words, jobs, cache_dir=None):
    """word -> espeak-ng's "_"-separated IPA for every word of the iterable.

    With cache_dir, answers kept from an earlier run are reused and new ones
    added, so that working on the rules does not mean minutes of espeak-ng
    for every try. The answers do not depend on the batching, so a cached
    run gives the same bytes as a fresh one.
    """
    return _cached_run(voice, "", _run_batch, words, jobs, cache_dir)


def _cached_run(voice, kind, run_batch, words, jobs, cache_dir, batch_size=4000):
    name = f"espeak-{voice}-{kind}.tsv" if kind else f"espeak-{voice}.tsv"
    cache = Path(cache_dir) / name if cache_dir else None
    known = _read_cache(cache)
    missing = sorted(set(words) - known.keys())
    if missing:
        print(f"espeak-ng {voice} {kind}: {len(missing)} words", file=sys.stderr)
        batches = [missing[i : i + batch_size] for i in range(0, len(missing), batch_size)]
        with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
            results = pool.map(lambda batch: run_batch(voice, batch), batches)
            fresh = dict(zip(missing, (ipa for batch in results for ipa in batch)))
        known.update(fresh)
        if cache:
            cache.parent.mkdir(parents=True, exist_ok=True)
            with open(cache, "a", encoding="utf-8") as f:
                f.writelines(f"{w}\t{fresh[w]}\n" for w in missing)
    return {w: known[w] for w in words}
