#!/usr/bin/env python3
"""Reads what a Windows program file is from its own headers, whatever any
tool's version would call it, and fails unless it is all that is named:

    pe_check.py FILE FACT...

FACTs: PE32 or PE32+; i386 or x86-64; gui or console; the DLL
characteristics HIGH_ENTROPY_VA, DYNAMIC_BASE (ASLR) and NX_COMPAT (DEP); the
resource types RT_ICON, RT_GROUP_ICON, RT_VERSION and RT_MANIFEST. Every fact
read is printed."""
import struct
import sys

FORMATS = {0x10B: "PE32", 0x20B: "PE32+"}
MACHINES = {0x14C: "i386", 0x8664: "x86-64"}
SUBSYSTEMS = {2: "gui", 3: "console"}
DLL_CHARACTERISTICS = {0x20: "HIGH_ENTROPY_VA", 0x40: "DYNAMIC_BASE", 0x100: "NX_COMPAT"}
RESOURCE_TYPES = {3: "RT_ICON", 14: "RT_GROUP_ICON", 16: "RT_VERSION", 24: "RT_MANIFEST"}


def resource_types(data, section_table, sections, rva):
    """The types at the root of the resource tree, found through the section
    that holds its address."""
    for index in range(sections):
        _, virtual_size, address, raw_size, raw_offset = struct.unpack_from(
            "<8sIIII", data, section_table + 40 * index)
        if rva and address <= rva < address + max(virtual_size, raw_size):
            root = raw_offset + rva - address
            named, numbered = struct.unpack_from("<HH", data, root + 12)
            entries = root + 16 + 8 * named
            ids = (struct.unpack_from("<I", data, entries + 8 * n)[0] for n in range(numbered))
            return {RESOURCE_TYPES.get(i, f"resource type {i}") for i in ids}
    return set()


def facts(data):
    if data[:2] != b"MZ":
        raise ValueError("no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE signature")
    machine, sections = struct.unpack_from("<HH", data, pe + 4)
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    subsystem, dll = struct.unpack_from("<HH", data, optional + 68)
    # The data directories come after fields that are wider in PE32+.
    directories = optional + (96 if magic == 0x10B else 112)
    resource_rva = struct.unpack_from("<I", data, directories + 8 * 2)[0]
    found = {FORMATS.get(magic, f"format {magic:#x}"), MACHINES.get(machine, f"machine {machine:#x}"),
             SUBSYSTEMS.get(subsystem, f"subsystem {subsystem}")}
    found |= {name for bit, name in DLL_CHARACTERISTICS.items() if dll & bit}
    return found | resource_types(data, optional + optional_size, sections, resource_rva)


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
