#!/usr/bin/env python3
"""Checks every caption that lumora-catalogue prints against the King James text
of Debian's bible-kjv package: with its bracketed remarks taken out, a passage
is the text of its reference, verses joined by one blank. Where dot runs mark
words left out, the words between them stand in that text in the same order.

Usage: fidelity_test.py path/to/lumora-catalogue
"""

import re
import subprocess
import sys

CAPTION = re.compile(
    r"(?P<book>(?:[123] ?)?[A-Za-z]+)[ \u00a0](?P<chapter>\d+):(?P<verses>[\d,\-]+)"
    r"(?P<separator>  -> | -> |: |v | )(?P<passage>.*)")
# A remark set after a sentence's full stop carries a full stop of its own.
REMARK_WITH_OWN_STOP = re.compile(r"(?<=\.)\s*\[[^\]]*\]\.")
REMARK = re.compile(r"\s*\[[^\]]*\]")
DOT_RUN = re.compile(r"\s*\.{3,}\s*")


def verse_numbers(listed):
    for part in listed.split(","):
        first, _, last = part.partition("-")
        yield from range(int(first), int(last or first) + 1)


def kjv_text(book, chapter, verses):
    specs = [f"{book}{chapter}:{verse}" for verse in verses]
    lines = subprocess.run(["bible", "-f", *specs], capture_output=True, text=True,
                           check=True).stdout.splitlines()
    texts = []
    for line, verse in zip(lines, verses, strict=True):
        number, _, text = line.partition(" ")
        if not number.endswith(f"{chapter}:{verse}"):
            raise AssertionError(f"bible answered {line!r} for {book} {chapter}:{verse}")
        texts.append(text)
    return " ".join(texts)


def check(label, caption):
    """Returns None when the caption is faithful, otherwise what is wrong."""
    match = CAPTION.fullmatch(caption)
    if not match:
        return "caption does not start with a reference and a separator"
    book = match["book"].replace(" ", "")
    verses = list(verse_numbers(match["verses"]))
    expected = kjv_text(book, int(match["chapter"]), verses)
    passage = REMARK.sub("", REMARK_WITH_OWN_STOP.sub("", match["passage"])).strip()
    if not DOT_RUN.search(passage):
        return None if passage == expected else f"text differs:\n  got  {passage}\n  want {expected}"
    position = 0
    for fragment in filter(None, DOT_RUN.split(passage)):
        found = expected.find(fragment, position)
        if found < 0:
            return f"words not in the text, or out of order: {fragment!r}"
        position = found + len(fragment)
    return None


def main():
    output = subprocess.run([sys.argv[1]], capture_output=True, check=True).stdout
    lines = output.decode("utf-8").splitlines()
    passed, failures = 0, []
    for line in lines:
        label, _, caption = line.split("\t", 2)
        problem = check(label, caption)
        if problem:
            failures.append(f"row {label}: {problem}")
        else:
            passed += 1
    if len(lines) != 1101:
        failures.append(f"expected 1101 lines, got {len(lines)}")
    print("\n".join(failures))
    print(f"{passed} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
