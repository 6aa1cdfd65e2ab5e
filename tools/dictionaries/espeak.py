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


def _read_cache(path):
    cached = {}
    if path and path.is_file():
        with open(path, encoding="utf-8") as f:
            for line in f:
                word, _, ipa = line.rstrip("\n").partition("\t")
                cached[word] = ipa
    return cached


def transcribe(voice, words, jobs, cache_dir=None, batch_size=4000):
    """word -> espeak-ng's "_"-separated IPA for every word of the iterable.

    With cache_dir, answers kept from an earlier run are reused and new ones
    added, so that working on the rules does not mean minutes of espeak-ng
    for every try. The answers do not depend on the batching, so a cached
    run gives the same bytes as a fresh one.
    """
    cache = Path(cache_dir) / f"espeak-{voice}.tsv" if cache_dir else None
    known = _read_cache(cache)
    missing = sorted(set(words) - known.keys())
    if missing:
        print(f"espeak-ng {voice}: {len(missing)} words", file=sys.stderr)
        batches = [missing[i : i + batch_size] for i in range(0, len(missing), batch_size)]
        with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
            results = pool.map(lambda batch: _run_batch(voice, batch), batches)
            fresh = dict(zip(missing, (ipa for batch in results for ipa in batch)))
        known.update(fresh)
        if cache:
            cache.parent.mkdir(parents=True, exist_ok=True)
            with open(cache, "a", encoding="utf-8") as f:
                f.writelines(f"{w}\t{fresh[w]}\n" for w in missing)
    return {w: known[w] for w in words}
