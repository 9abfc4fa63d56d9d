#!/usr/bin/env python3
"""The Windows-1252 conversion of every byte, checked through trelvane-compare's
CSV report against Python's own cp1252 codec.

usage: Windows1252Test.py COMPARE_EXE WORK_FOLDER
"""
import csv
import io
import pathlib
import struct
import subprocess
import sys

compare, work = sys.argv[1], pathlib.Path(sys.argv[2])
prior, current = work / "prior", work / "current"
for folder in (prior, current):
    folder.mkdir(parents=True, exist_ok=True)
# One player per byte, the byte his last name: "b" then the byte, twice.
records = b"".join(struct.pack("<h6xi10x14s", 0, 10000 + b, b"x").ljust(36, b"\0") +
                   (b"b" + bytes([b, b])).ljust(628, b"\0") for b in range(1, 256))
(prior / "KOVPLYR.DAT").write_bytes(records)
(current / "KOVPLYR.DAT").write_bytes(b"")

report = subprocess.run([compare, str(prior), str(current), "--format", "csv"], capture_output=True, check=True).stdout
rows = list(csv.reader(io.StringIO(report.decode("utf-8", errors="strict"), newline="")))[1:]
# The five bytes the code page leaves undefined become the controls of the same number.
undefined = b"\x81\x8d\x8f\x90\x9d"
expected = {10000 + b: "b" + 2 * (chr(b) if b in undefined else bytes([b]).decode("cp1252")) for b in range(1, 256)}
got = {int(row[1]): row[2] for row in rows}
wrong = [(hex(pid - 10000), got.get(pid), text) for pid, text in expected.items() if got.get(pid) != text]
assert not wrong, wrong
print("all 255 bytes convert as Python's cp1252 does")
