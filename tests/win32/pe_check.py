#!/usr/bin/python3
"""Reads what a Windows program file is from its own headers, with Debian's
pefile, prints it, and fails unless it is all that is named:
    pe_check.py FILE FACT...
FACTs: PE32 or PE32+, i386 or x86-64, gui or console (a program's; a DLL is
"dll"), HIGH_ENTROPY_VA and DYNAMIC_BASE (ASLR, where the relocations that
moving the program needs are kept), NX_COMPAT (DEP), and RT_GROUP_ICON."""
import sys

import pefile


def facts(pe):
    header, optional = pe.FILE_HEADER, pe.OPTIONAL_HEADER
    movable = hasattr(pe, "DIRECTORY_ENTRY_BASERELOC") and not header.IMAGE_FILE_RELOCS_STRIPPED
    resources = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    types = {entry.id for entry in resources.entries} if resources else set()
    return {{0x10B: "PE32", 0x20B: "PE32+"}.get(optional.Magic, f"format {optional.Magic:#x}"),
            {0x14C: "i386", 0x8664: "x86-64"}.get(header.Machine, f"machine {header.Machine:#x}"),
            {2: "gui", 3: "console"}.get(optional.Subsystem, "subsystem") if pe.is_exe() else "dll",
            *[name if movable or name == "NX_COMPAT" else f"{name}-without-relocations"
              for name in ("HIGH_ENTROPY_VA", "DYNAMIC_BASE", "NX_COMPAT")
              if getattr(optional, f"IMAGE_DLLCHARACTERISTICS_{name}")],
            *(["RT_GROUP_ICON"] if pefile.RESOURCE_TYPE["RT_GROUP_ICON"] in types else [])}


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
