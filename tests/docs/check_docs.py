#!/usr/bin/env python3
"""Fails when the README or the contributor's guide names a make target the
Makefile does not have, or a path the tree does not hold: a link's target, or
a word with a slash in its code (build folders' files are the build's own, and
absolute paths the installed system's).

    check_docs.py TREE"""
import re
import sys
from pathlib import Path

DOCUMENTS = ("README.md", "CONTRIBUTING.md")


def code_of(text):
    """What the document shows as code: `spans`, and indented and fenced blocks."""
    spans = re.findall(r"`([^`\n]+)`", text)
    blocks = re.findall(r"^    (\S.*)$", text, re.M)
    fenced = re.findall(r"^```.*\n((?:.*\n)*?)```", text, re.M)
    return spans + blocks + [line for block in fenced for line in block.splitlines()]


def problems_in(tree, name, targets, build_folders):
    text = (tree / name).read_text()
    code = code_of(text)
    for line in code:
        for target in re.findall(r"(?:^|\s)make ([a-z][\w-]*)", line):
            if target not in targets:
                yield f"{name}: `make {target}`: the Makefile has no such target"
    links = re.findall(r"\]\(([^)#]+)\)", text)
    words = [word for line in code for word in line.split() if "/" in word]
    for path in links + words:
        path = path.rstrip(".,;:")
        if re.match(r"[a-z]+:|/|\./|~", path) or path.split("/")[0] in build_folders:
            continue
        if not any(tree.glob(path)):
            yield f"{name}: {path}: no such path in the tree"


def main(tree):
    tree = Path(tree)
    makefile = (tree / "Makefile").read_text()
    targets = set(re.findall(r"^([\w-]+):", makefile, re.M))
    build_folders = set(re.findall(r"^\w+_DIR := (\S+)", makefile, re.M))
    problems = [p for name in DOCUMENTS for p in problems_in(tree, name, targets, build_folders)]
    print("\n".join(problems) or f"{' and '.join(DOCUMENTS)} name only targets and paths that exist")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
