#!/usr/bin/python3
"""pe_check passes PROGRAM as FACT..., and fails, naming what is wrong, on
copies that Windows would not take as that: one marked as a DLL, one stripped
of the relocations that moving it needs, and one cut short.
    pe_check_test.py PROGRAM FACT..."""
import contextlib
import io
import sys
import tempfile

import pefile

import pe_check

# A copy's characteristics added, whether its relocations go, its length, and what pe_check says.
COPIES = {"as built": (0, False, None, ""), "a DLL": (0x2000, False, None, "is not gui"),
          "stripped of its relocations": (0x0001, True, None, "is not DYNAMIC_BASE"),
          "cut short": (0, False, 4096, "cannot be read as a Windows program")}


def main(program, *facts):
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        for name, (characteristics, stripped, length, said) in COPIES.items():
            pe = pefile.PE(program)
            pe.FILE_HEADER.Characteristics |= characteristics
            if stripped:
                relocations = pe.OPTIONAL_HEADER.DATA_DIRECTORY[5]
                relocations.VirtualAddress = relocations.Size = 0
            with open(f"{folder}/{name}.exe", "wb") as copy:
                copy.write(pe.write()[:length])
            with contextlib.redirect_stderr(io.StringIO()) as stderr:
                status = pe_check.main(f"{folder}/{name}.exe", *facts)
            print(f"{name}: pe_check ends with {status}: {stderr.getvalue()}", end="")
            failures += status != bool(said) or said not in stderr.getvalue()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
