#!/usr/bin/python3
"""pe_check passes PROGRAM as FACT..., and fails, naming what is wrong, on
copies that Windows would not take as that: one marked as a DLL, one whose
relocations are stripped so that it cannot be moved, and one cut short.
    pe_check_test.py PROGRAM FACT..."""
import subprocess
import sys
import tempfile
from pathlib import Path

import pefile

PE_CHECK = Path(__file__).with_name("pe_check.py")


def marked_as_dll(pe):
    pe.FILE_HEADER.Characteristics |= 0x2000


def relocations_stripped(pe):
    index = pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]
    pe.OPTIONAL_HEADER.DATA_DIRECTORY[index].VirtualAddress = 0
    pe.OPTIONAL_HEADER.DATA_DIRECTORY[index].Size = 0
    pe.FILE_HEADER.Characteristics |= 0x0001


def check(path, facts, said):
    run = subprocess.run([PE_CHECK, path, *facts], capture_output=True, text=True)
    print(f"{Path(path).name}: pe_check exits {run.returncode}: {run.stdout}{run.stderr}", end="")
    return run.returncode == (1 if said else 0) and said in run.stderr


def main(program, *facts):
    passed = check(program, facts, "")
    with tempfile.TemporaryDirectory() as folder:
        for fault, said in ((marked_as_dll, "is not gui"), (relocations_stripped, "is not DYNAMIC_BASE")):
            pe = pefile.PE(program)
            fault(pe)
            pe.write(f"{folder}/{fault.__name__}.exe")
            passed &= check(f"{folder}/{fault.__name__}.exe", facts, said)
        Path(folder, "cut_short.exe").write_bytes(Path(program).read_bytes()[:4096])
        passed &= check(f"{folder}/cut_short.exe", facts, "cannot be read as a Windows program")
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
