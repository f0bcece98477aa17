#!/usr/bin/env python3
"""Checks every row that lumora-catalogue prints ("N<TAB>SIZE<TAB>CAPTION")
against the rules of the verse table and the King James text of Debian's
bible-kjv package: a caption opens with its reference from references.txt and
a separator; with its bracketed remarks taken out, the passage is the text of
its reference, verses joined by one blank, or where dot runs mark words left
out, the words between them stand in that text in the same order.

Usage: catalogue_test.py path/to/references.txt [EMULATOR...] path/to/lumora-catalogue
"""

import re
import subprocess
import sys

CAPTION = re.compile(
    r"(?P<reference>(?P<book>(?:[123] ?)?[A-Za-z]+)[ \u00a0](?P<chapter>\d+):(?P<verses>[\d,\-]+))"
    r"(?:  -> | -> |: |v | )(?P<passage>[^ ].*)")
# Short passages are set at 20 points, long ones at 16, the rest at the
# default size; Revelation 21:22-27 alone stands in full beyond its class.
LONGEST = {"20": 380, "": 654, "16": 823}
UNNESTED_REMARKS = re.compile(r"[^\[\]]*(?:\[[^\[\]]*\][^\[\]]*)*")
# A remark set after a sentence's full stop carries a full stop of its own.
REMARK = re.compile(r"(?<=\.)\s*\[[^\]]*\]\.|\s*\[[^\]]*\]")
DOT_RUN = re.compile(r"\s*\.{3,}\s*")
WHOLE_DOT_RUN = re.compile(r"(?:^| )(?:\.{3}|\.{5}|\.{7}|\.{9})(?= |$)")


def kjv_text(book, chapter, listed):
    verses = [verse for part in listed.split(",")
              for first, _, last in [part.partition("-")]
              for verse in range(int(first), int(last or first) + 1)]
    lines = subprocess.run(["bible", "-f", *[f"{book}{chapter}:{verse}" for verse in verses]],
                           capture_output=True, text=True, check=True).stdout.splitlines()
    texts = []
    for line, verse in zip(lines, verses, strict=True):
        number, _, text = line.partition(" ")
        if not number.endswith(f"{chapter}:{verse}"):
            raise AssertionError(f"bible answered {line!r} for {book} {chapter}:{verse}")
        texts.append(text)
    return " ".join(texts)


def problem(reference, size, caption):
    """What rule of the table the row breaks, or how it differs from the King James text."""
    match = CAPTION.fullmatch(caption)
    if not match or match["reference"].replace("\u00a0", " ") != reference:
        return f"does not open with {reference!r} and a separator"
    if size not in LONGEST or (len(caption) > LONGEST[size] and reference != "Revelation 21:22-27"):
        return f"{len(caption)} characters at size {size!r}"
    if not UNNESTED_REMARKS.fullmatch(caption):
        return "remark brackets nest, close unopened or are left open"
    if len(re.findall(r"\.{2,}", caption)) != len(WHOLE_DOT_RUN.findall(caption)):
        return "dots that are no whole run between blanks"
    try:
        encoded = caption.encode("cp1252")
    except UnicodeEncodeError as error:
        return f"outside Windows-1252: {error}"
    if caption != caption.strip() or any(byte < 0x20 for byte in encoded):
        return "blanks at an end, or a control character"
    expected = kjv_text(match["book"].replace(" ", ""), int(match["chapter"]), match["verses"])
    passage = REMARK.sub("", match["passage"]).strip()
    if not DOT_RUN.search(passage):
        return None if passage == expected else f"text differs:\n  got  {passage}\n  want {expected}"
    position = 0
    for fragment in filter(None, DOT_RUN.split(passage)):
        position = expected.find(fragment, position)
        if position < 0:
            return f"words not in the text, or out of order: {fragment!r}"
        position += len(fragment)
    return None


def main(references_file, *program):
    printed = subprocess.run(program, capture_output=True, check=True).stdout.decode()
    rows = [line.split("\t", 2) for line in printed.rstrip("\n").split("\n")]
    with open(references_file, encoding="utf-8") as listed:
        references = listed.read().splitlines()
    failures = [] if len(rows) == len(references) + 1 else [f"{len(rows)} rows printed"]
    failures += [f"row {label}: {found}" for (label, size, caption), reference in zip(rows, references)
                 if (found := problem(reference, size, caption))]
    sizes = {size: [len(caption) for _, s, caption in rows if s == size] for size in LONGEST}
    if min(sizes["16"]) <= max(sizes["20"]):
        failures.append("a passage at 16 points is no longer than one at 20")
    if rows[-1] != ["fallback", "22", rows[866][2]]:
        failures.append(f"the fallback is not row 867 at 22 points: {rows[-1]}")
    print("\n".join(failures + [f"{len(rows)} rows checked, {len(failures)} failures"]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
