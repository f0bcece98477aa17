#!/usr/bin/python3
"""Reads what a Windows program file is from its own headers, with Debian's
pefile, whatever a tool's version would call it, prints it, and fails unless
it is all that is named:
    pe_check.py FILE FACT...
FACTs: PE32 or PE32+, i386 or x86-64, gui or console (for a program; a DLL is
"dll"), the DLL characteristics HIGH_ENTROPY_VA, DYNAMIC_BASE (ASLR, for a file
that keeps the relocations moving it needs) and NX_COMPAT (DEP), and
RT_GROUP_ICON."""
import sys

import pefile

NAMES = {"format": {0x10B: "PE32", 0x20B: "PE32+"}, "machine": {0x14C: "i386", 0x8664: "x86-64"},
         "subsystem": {2: "gui", 3: "console"}}
CHARACTERISTICS = ("HIGH_ENTROPY_VA", "DYNAMIC_BASE", "NX_COMPAT")


def facts(pe):
    header, optional = pe.FILE_HEADER, pe.OPTIONAL_HEADER
    found = [("format", optional.Magic), ("machine", header.Machine), ("subsystem", optional.Subsystem)]
    names = {NAMES[kind].get(value, f"{kind} {value:#x}") for kind, value in found}
    if not pe.is_exe():
        names = {name for name in names if name not in NAMES["subsystem"].values()} | {"dll"}
    movable = hasattr(pe, "DIRECTORY_ENTRY_BASERELOC") and not header.IMAGE_FILE_RELOCS_STRIPPED
    for name in CHARACTERISTICS:
        if getattr(optional, f"IMAGE_DLLCHARACTERISTICS_{name}"):
            names.add(name if movable or name == "NX_COMPAT" else f"{name}-without-relocations")
    resources = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    types = {entry.id for entry in resources.entries} if resources else set()
    return names | ({"RT_GROUP_ICON"} if pefile.RESOURCE_TYPE["RT_GROUP_ICON"] in types else set())


def main(path, *wanted):
    try:
        pe = pefile.PE(path)
        if pe.get_warnings():
            raise pefile.PEFormatError(pe.get_warnings()[0])
    except (OSError, pefile.PEFormatError) as error:
        print(f"{path} cannot be read as a Windows program: {error}", file=sys.stderr)
        return 1
    found = facts(pe)
    print(f"{path}: {' '.join(sorted(found))}")
    missing = [fact for fact in wanted if fact not in found]
    if missing:
        print(f"{path} is not {' '.join(missing)}", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
