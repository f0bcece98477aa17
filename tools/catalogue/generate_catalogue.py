#!/usr/bin/env python3
"""Renders catalogue/verse_table.inc, the verse table compiled into Lumora.

Input: references.txt beside this script (one reference a line, in row order),
the tables below (separators, sizes, elisions, remarks), and the King James
text served by the `bible` command of Debian's bible-kjv package.

Remake the table with:
    python3 tools/catalogue/generate_catalogue.py > catalogue/verse_table.inc
"""

import re
import subprocess
import sys
from pathlib import Path

NBSP = "\u00a0"
ARROW = " -> "

# Rows whose separator is not the arrow.
SEPARATORS = {
    **{row: ": " for row in (11, 490, 491, 776, 777)},
    **{row: " " for row in (598, 997, 1021, 1045, 1049, 1068, 1069, 1070,
                            *range(1077, 1086))},
    928: "v ",
    950: "v ",
    752: "  -> ",
}

# Rows whose reference has a no-break space between book name and chapter.
NBSP_ROWS = {932, 945, 1036, 1059, 1060, 1061, 1063, 1064, 1067, 1069}


def rows_of(listing):
    """'1-4, 6, 9 to 10' -> set of ints (ranges given as 'a to b')."""
    rows = set()
    for part in listing.split(","):
        a, _, b = part.strip().partition(" to ")
        rows.update(range(int(a), int(b or a) + 1))
    return rows


SIZE_20 = rows_of(
    "1 to 4, 6 to 10, 13, 14, 16 to 21, 25, 29, 41, 48, 49, 51, 52, 59 to 62, 64,"
    " 65, 69, 72, 73, 80, 87, 89, 92, 94, 97, 98, 102, 106, 107, 110, 111, 124,"
    " 138, 139, 143, 147, 149, 152, 156, 159, 171, 177, 180, 198, 213, 242 to 250,"
    " 253, 267 to 269, 273, 278, 285, 287, 296, 298, 304, 305, 307 to 309, 311,"
    " 312, 315, 316, 322, 323, 326, 327, 329, 331, 334 to 337, 340, 341, 344, 347,"
    " 348, 351 to 353, 355 to 365, 367 to 370, 372, 376, 382, 397, 398, 400, 423,"
    " 445, 462, 464, 471, 472, 474, 480, 484 to 486, 488, 489, 502, 504, 511, 515,"
    " 518, 527, 533, 546, 556 to 558, 560, 564 to 566, 588, 591, 603, 609, 630,"
    " 640, 652 to 654, 656, 666, 668, 676, 688, 693, 696, 699, 710, 740, 781, 787,"
    " 790, 807 to 809, 812, 814, 816, 819, 828, 835, 847, 863, 867, 871, 890, 893,"
    " 900, 914, 916, 917, 921, 939 to 941, 1020, 1056, 1057, 1061, 1062, 1065,"
    " 1066, 1068, 1069, 1077, 1079, 1081, 1083 to 1090, 1100")
SIZE_16 = rows_of(
    "11, 82, 262, 427, 490, 491, 598, 763, 776, 777, 846, 888, 894, 930 to 932,"
    " 942, 997, 1049, 1070")

# Words left out. Each cut is (dots, exact text removed); the dot run takes the
# place of the text, with one blank on each side inside the passage. In these
# rows a seven-dot run also marks the verses that a list skips ("4,8" skips
# 5 to 7; "35,36" skips none).
ELISIONS = {
    79: [], 281: [], 317: [], 344: [], 388: [], 427: [], 578: [], 582: [],
    681: [], 716: [], 737: [], 738: [], 782: [], 905: [], 1019: [], 1041: [],
    1048: [], 1050: [],
    536: [(7, "for of whom a man is overcome, of the same is he brought in bondage.")],
    713: [(7, "As it is written in the book of the words of Esaias the prophet, saying,"
              " The voice of one crying in the wilderness,")],
    729: [(7, "pray ye therefore the Lord of the harvest, that he would send forth"
              " labourers into his harvest.")],
    752: [(7, "The former treatise have I made, O Theophilus,")],
    756: [(7, "Thou hast neither part nor lot in this matter:")],
    760: [(7, "And put no difference between us and them, purifying their hearts by faith.")],
    772: [(7, "And when he came into the house, he suffered no man to go in, save Peter,"
              " and James, and John, and the father and the mother of the maiden.")],
    774: [(7, "And I knew that thou hearest me always: but because of the people which"
              " stand by I said it, that they may believe that thou hast sent me.")],
    776: [(3, "the mistress of the house,"),
          (7, "And she said unto Elijah, What have I to do with thee, O thou man of God?"
              " art thou come unto me to call my sin to remembrance, and to slay my son?"),
          (7, "And Elijah took the child, and brought him down out of the chamber")],
    824: [(3, "which were not killed by these plagues")],
    825: [(3, "and the time of the dead, that they should be judged,")],
    838: [(7, "as it is written, The people sat down to eat and drink, and rose up to play.")],
    866: [(3, "and caused the light of his cloud to shine?")],
    886: [(3, "as the soul of the father, so also the soul of the son is mine:")],
    893: [(7, "In those days")],
    926: [(3, "and multitude of years should teach wisdom.")],
    927: [(7, "Why dost thou strive against him? for he giveth not account of any of his"
              " matters.")],
    931: [(7, "He is the chief of the ways of God: he that made him can make his sword"
              " to approach unto him.")],
    932: [(3, "or his tongue with a cord which thou lettest down?")],
    933: [(3, "and how long will it be ere they believe me,")],
    942: [(3, "or that is in the earth beneath,")],
    947: [(3, "Behold,")],
    951: [(9, "The bricks are fallen down, but we will build with hewn stones: the"
              " sycomores are cut down, but we will change them into cedars. Therefore"
              " the LORD shall set up the adversaries of Rezin against him, and join his"
              " enemies together;"),
          (7, "The Syrians before, and the Philistines behind; and they shall devour"
              " Israel with open mouth."),
          (7, "Therefore the LORD will cut off from Israel head and tail, branch and"
              " rush, in one day. The ancient and honourable, he is the head; and the"
              " prophet that teacheth lies, he is the tail."),
          (7, "neither shall have mercy on their fatherless and widows: for every one is"
              " an hypocrite and an evildoer, and every mouth speaketh folly.")],
    958: [(3, "which dwellest between the cherubims,")],
    971: [(7, "and understandeth all the imaginations of the thoughts:")],
    976: [(7, "And he went out to meet Asa, and said unto him,")],
    989: [(7, "Then said Jesus to those Jews which believed on him,")],
    1036: [(3, "thy right hand, O LORD, hath dashed in pieces the enemy.")],
    1040: [(5, "Whosoever lieth with a beast shall surely be put to death.")],
    1042: [(7, "nor do after their works:")],
    1045: [(7, "Speak unto the children of Israel, saying,")],
    1047: [(3, "even he that committeth adultery with his neighbour's wife,")],
    1051: [(7, "and thou shalt bring forth to them water out of the rock:")],
}

# Bracketed remarks, in caption order. ("start", text) opens the passage;
# ("end", blanks, text) closes the caption; ("after", word, text) follows the
# next whole-word occurrence of word, with `blanks` blanks before it.
REMARKS = {
    178: [("start", "[Soldier's Psalm]")],
    195: [("start", "[Children's Psalm]")],
    427: [("end", 4, "[origin of satan]")],
    443: [("end", 4, "[origin of satan]")],
    564: [("end", 3, "[Psalm 19:13]")],
    755: [("end", 3, "[origin of satan]")],
    761: [("end", 4, "[Christians]")],
    762: [("after", "called", "[Christians]", 2), ("end", 5, "[2nd coming prophecy]")],
    771: [("after", "people", "[the Jews]")],
    801: [("end", 3, "[creature in heaven? would that be E.T.?  Ponder it!]")],
    852: [("end", 2, "[false economics, inflation, scams, gov't treachery, rich vs."
                   " poor; sound familiar?]")],
    887: [("end", 6, "[Millenium Prophecy]")],
    891: [("after", "I", "[Saul->Paul]")],
    895: [("end", 4, "[Charity = Love]")],
    896: [("end", 4, "[Charity = Love]")],
    912: [("end", 3, "[hear that America?]")],
    913: [("after", "And", "[Job]")],
    930: [("end", 3, "[I love Horsies!]")],
    931: [("end", 2, "[Dinosaurs lived with us]")],
    932: [("end", 2, "[fire breathing dinosaurs (dragons); yes, they were with us]")],
    940: [("end", 7, "[an idiot will become intelligent when the foal of a wild donkey"
                   " is born a man]")],
    # Job 34:14-15 has no capital "He"; the gloss explains the first "he".
    941: [("after", "he", "[God]")],
    945: [("end", 3, "[History repeats: people reject God, want human ruler; God lets"
                   " them have it and suffer the consequences, that they would learn;"
                   " do they ever?]")],
    946: [("end", 1, "[the ancient's version of 'gun control';  Capisce?!]")],
    955: [("after", "house", "[Solomon's Temple]")],
    965: [("after", "transforming", "[disguising]"), ("after", "into", "[as]"),
          ("after", "transformed", "[disguises, disguised himself as]"),
          ("after", "his", "[satan's]"),
          ("after", "transformed", "[treacherously disguised]")],
    990: [("end", 5, "[this is in effect saying that JESUS was the voice in the flaming"
                   " bush for Moses]")],
    1035: [("end", 3, "[Sound familiar?!  Better a comfy secure life as a slave then the"
                    " animating contest and risks of freedom! Does anything ever"
                    " change?!]")],
    1040: [("after", "wife", "['shotgun wedding']"), ("after", "suffer", "[permit]")],
    1041: [("after", "evil", "[peer pressure]"), ("after", "gift", "[bribe]")],
    1042: [("end", 2, "[multiculturalism, political correctness, etc.]")],
    1053: [("end", 3, "[ people prefer to be happy slaves rather than Freedom with"
                    " hardship and risk (sound familiar?) ]")],
    1058: [("after", "babes.", "[prosperity of the wicked].", 2),
           ("after", "likeness.", "[Resurrection in Heaven].", 3)],
    1060: [("after", "long.", "[unrepentant]", 2), ("after", "Selah.", "[guilt, depression]"),
           ("end", 1, "[1-John 1:9]")],
    # Psalms 142 has no "he" outside its heading; the gloss explains "I".
    1070: [("after", "I", "[David]")],
    1080: [("end", 2, "[bloom where you've been planted]")],
    1089: [("end", 3, "[mind your own business!]")],
}

FALLBACK_ROW = 867
FALLBACK_SIZE = 22

REFERENCE = re.compile(r"((?:[123] ?)?[A-Za-z]+) (\d+):([\d,\-]+)")


def parse_reference(reference):
    """-> (book for `bible`, chapter, list of verse lists, one per list member)."""
    match = REFERENCE.fullmatch(reference)
    if not match:
        sys.exit(f"unreadable reference: {reference}")
    members = []
    for part in match[3].split(","):
        first, _, last = part.partition("-")
        members.append(list(range(int(first), int(last or first) + 1)))
    return match[1].replace(" ", ""), int(match[2]), members


def kjv_verses(book, chapter, verses):
    specs = [f"{book}{chapter}:{verse}" for verse in verses]
    lines = subprocess.run(["bible", "-f", *specs], capture_output=True, text=True,
                           check=True).stdout.splitlines()
    texts = []
    for line, verse in zip(lines, verses, strict=True):
        match = re.fullmatch(r"\S+?(\d+):(\d+) (.*)", line)
        if not match or (int(match[1]), int(match[2])) != (chapter, verse):
            sys.exit(f"unexpected output for {book} {chapter}:{verse}: {line}")
        texts.append(match[3])
    return texts


def passage_pieces(row, members, texts):
    """The passage as a list of pieces, a dot run standing where verses are skipped."""
    pieces, position = [], 0
    for index, member in enumerate(members):
        if index and row in ELISIONS and member[0] > members[index - 1][-1] + 1:
            pieces.append("." * 7)
        pieces.append(" ".join(texts[position:position + len(member)]))
        position += len(member)
    return pieces


def cut(passage, dots, removed):
    at = passage.find(removed)
    if at < 0:
        sys.exit(f"elision text not found: {removed}")
    before, after = passage[:at].rstrip(), passage[at + len(removed):].lstrip()
    return " ".join(part for part in (before, "." * dots, after) if part)


def place_remarks(row, passage):
    searched_from = 0
    for remark in REMARKS.get(row, []):
        if remark[0] == "start":
            passage = f"{remark[1]} {passage}"
            searched_from = len(remark[1]) + 1
        elif remark[0] == "end":
            passage = passage + " " * remark[1] + remark[2]
        else:
            word, text = remark[1], remark[2]
            blanks = remark[3] if len(remark) > 3 else 1
            pattern = r"(?<![A-Za-z])" + re.escape(word) + r"(?![A-Za-z])"
            match = re.compile(pattern).search(passage, searched_from)
            if not match:
                sys.exit(f"row {row}: anchor {word!r} not found")
            end = match.end()
            rest = passage[end:]
            spacer = " " if rest.startswith(" ") else ""
            passage = passage[:end] + " " * blanks + text + spacer + rest.lstrip(" ")
            searched_from = end + blanks + len(text)
    return passage


def caption(row, reference):
    book, chapter, members = parse_reference(reference)
    texts = kjv_verses(book, chapter, [v for member in members for v in member])
    passage = " ".join(passage_pieces(row, members, texts))
    for dots, removed in ELISIONS.get(row, []):
        passage = cut(passage, dots, removed)
    passage = place_remarks(row, passage)
    if row in NBSP_ROWS:
        name, _, numbers = reference.rpartition(" ")
        reference = f"{name}{NBSP}{numbers}"
    return reference + SEPARATORS.get(row, ARROW) + passage


def font_size(row):
    return 20 if row in SIZE_20 else 16 if row in SIZE_16 else None


def cxx_literal(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    return '"' + escaped.replace(NBSP, "\\u00A0") + '"'


HEADER = """\
// The verse table: one row a line, rows 1 to 1100 in order.
// Generated by tools/catalogue/generate_catalogue.py from
// tools/catalogue/references.txt and the King James text of Debian's bible-kjv
// package (the `bible` command); do not edit by hand. Remake with:
//   python3 tools/catalogue/generate_catalogue.py > catalogue/verse_table.inc
// Each line is {caption, font size} with the size left out where the row has
// none; the no-break space in a reference is written \\u00A0.
"""


def main():
    references = Path(__file__).with_name("references.txt").read_text().splitlines()
    if len(references) != 1100:
        sys.exit("references.txt must hold 1100 references")
    out = [HEADER]
    for row, reference in enumerate(references, start=1):
        size = font_size(row)
        fields = cxx_literal(caption(row, reference)) + (f", {size}" if size else "")
        out.append(f"/* {row:4} */ {{{fields}}},\n")
    sys.stdout.write("".join(out))


if __name__ == "__main__":
    main()
