#!/usr/bin/env python3
"""Checks a built setup.exe that cannot run here: a Windows GUI program of the expected machine
that imports only system DLLs and carries its five checked resources and its icon, the payload
byte for byte, and the sizes and CRC-32 values recorded for its start-up check equal to those
of the resources it really holds.

Usage: check_setup.py SETUP_EXE ADDON_DLL HELP_DIR SUMS_HEADER OBJDUMP WINDRES MACHINE"""
import os
import re
import struct
import subprocess
import sys
import tempfile
import zlib

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "..", "src", "setup", "app"))
from res_sums import read_res  # noqa: E402

SYSTEM = re.compile(r"^(kernel32|user32|gdi32|advapi32|comctl32|comdlg32|shell32|ole32|"
                    r"oleaut32|msvcrt|version|winmm|shlwapi)\.dll$", re.I)


def fail(text):
    print(f"check_setup: {text}", file=sys.stderr)
    sys.exit(1)


def main():
    setup, dll, help_dir, sums, objdump, windres, machine = sys.argv[1:8]
    dump = subprocess.run([objdump, "-p", setup], capture_output=True, text=True)
    if dump.returncode != 0:
        fail(f"cannot read {setup}")
    if f"file format pei-{machine}" not in dump.stdout:
        fail(f"{setup} is not a pei-{machine} program")
    if not re.search(r"Subsystem\s+00000002\s+\(Windows GUI\)", dump.stdout):
        fail(f"{setup} is not a Windows GUI program")
    flags = re.search(r"Characteristics 0x([0-9a-fA-F]+)", dump.stdout)
    if not flags or int(flags.group(1), 16) & 0x2000:
        fail(f"{setup} is a DLL, not a program")
    for name in re.findall(r"DLL Name: (\S+)", dump.stdout):
        if not SYSTEM.match(name):
            fail(f"{setup} imports {name}, which is not a Windows system DLL")

    with tempfile.TemporaryDirectory() as tmp:
        res = os.path.join(tmp, "setup.res")
        if subprocess.run([windres, "-i", setup, "-O", "res", "-o", res]).returncode != 0:
            fail(f"windres cannot read the resources of {setup}")
        resources = {(t, n.upper() if isinstance(n, str) else n): body
                     for t, n, body in read_res(res)}

    def resource(name, rtype):
        body = resources.get((rtype, name))
        if body is None:
            fail(f"{setup} has no resource {name} of type {rtype}")
        return body

    logo = resource("BMPLOGO", 2)
    width, height = struct.unpack_from("<ii", logo, 4)
    if (width, height) != (123, 46):
        fail(f"BMPLOGO is {width} x {height}, not 123 x 46")
    resource("MAIN", 5)
    resource("MAINICON", 14)
    payload = {"FILEDLL": dll, "FILEHLP": os.path.join(help_dir, "QELVOADD.HLP"),
               "FILECNT": os.path.join(help_dir, "QELVOADD.CNT")}
    for name, path in payload.items():
        if resource(name, 10) != open(path, "rb").read():
            fail(f"{name} is not {path} byte for byte")

    recorded = re.findall(r'\{"(\w+)", (\d+), (\d+)u, 0x([0-9A-F]+)u\}', open(sums).read())
    if [r[0] for r in recorded] != ["BMPLOGO", "MAIN", "FILEDLL", "FILECNT", "FILEHLP"]:
        fail(f"{sums} does not record the five resources in order")
    for name, rtype, size, crc in recorded:
        body = resource(name, int(rtype))
        if len(body) != int(size) or zlib.crc32(body) != int(crc, 16):
            fail(f"the recorded size or CRC-32 of {name} is not that of the resource")
    print(f"check_setup: {setup} is a GUI program carrying its checked resources and payload")


if __name__ == "__main__":
    main()
