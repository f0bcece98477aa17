#!/usr/bin/env python3
"""Reads what a Windows program file is from its own headers, whatever a tool's
version would call it, prints it, and fails unless it is all that is named:
    pe_check.py FILE FACT...
FACTs: PE32 or PE32+, i386 or x86-64, gui or console, the DLL characteristics
HIGH_ENTROPY_VA, DYNAMIC_BASE (ASLR) and NX_COMPAT (DEP), and RT_GROUP_ICON."""
import struct
import sys

NAMES = {"format": {0x10B: "PE32", 0x20B: "PE32+"}, "machine": {0x14C: "i386", 0x8664: "x86-64"},
         "subsystem": {2: "gui", 3: "console"}, "resource type": {14: "RT_GROUP_ICON"}}
DLL_CHARACTERISTICS = {0x20: "HIGH_ENTROPY_VA", 0x40: "DYNAMIC_BASE", 0x100: "NX_COMPAT"}


def facts(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[:2] != b"MZ" or data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no MZ header and PE signature")
    machine, sections = struct.unpack_from("<HH", data, pe + 4)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    subsystem, dll = struct.unpack_from("<HH", data, optional + 68)
    # The data directories follow fields that are wider in PE32+; the third is the resources'.
    resources = struct.unpack_from("<I", data, optional + (96 if magic == 0x10B else 112) + 16)[0]
    found = [("format", magic), ("machine", machine), ("subsystem", subsystem)]
    section_table = optional + struct.unpack_from("<H", data, pe + 20)[0]
    for index in range(sections):
        size, address, raw_size, raw_offset = struct.unpack_from("<IIII", data, section_table + 40 * index + 8)
        if address <= resources < address + max(size, raw_size):
            root = raw_offset + resources - address
            named, numbered = struct.unpack_from("<HH", data, root + 12)
            for entry in range(named, named + numbered):
                found.append(("resource type", struct.unpack_from("<I", data, root + 16 + 8 * entry)[0]))
    return {NAMES[kind].get(value, f"{kind} {value:#x}") for kind, value in found} | {
        name for bit, name in DLL_CHARACTERISTICS.items() if dll & bit}


def main(path, *wanted):
    with open(path, "rb") as program:
        try:
            found = facts(program.read())
        except (ValueError, struct.error) as error:
            print(f"{path} cannot be read as a Windows program: {error}", file=sys.stderr)
            return 1
    print(f"{path}: {' '.join(sorted(found))}")
    missing = [fact for fact in wanted if fact not in found]
    if missing:
        print(f"{path} is not {' '.join(missing)}", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
