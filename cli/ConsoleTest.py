#!/usr/bin/env python3
"""trelvane-compare.exe on a console, as a user runs it: script(1) gives Wine
a terminal, so GetConsoleMode succeeds and the program writes with
WriteConsoleW. Under the ANSI code pages 1252, 1251 and 932 the season
files' names must read as their Windows-1252 characters, and the exit
status must be the program's own (no crash as the program ends).

usage: ConsoleTest.py WINE_RUN COMPARE_EXE WORK_FOLDER
"""
import os
import pathlib
import shlex
import struct
import subprocess
import sys

wine_run, compare, work = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])


def season(folder, pid, first, last):
    folder.mkdir(parents=True, exist_ok=True)
    record = bytearray(664)
    struct.pack_into("<i", record, 8, pid)
    record[22:22 + len(first)], record[36:36 + len(last)] = first, last
    (folder / "KOVPLYR.DAT").write_bytes(record)
    (folder / "KOVTEAM.DAT").write_bytes(b"")


season(work / "prior", 20001, b"\x80uros", b"Caf\xe9")
season(work / "current", 30001, b"Nils", b"Gro\xdf")
os.chdir(work)

# (arguments, exit status, what the terminal shows)
cases = [
    (["prior", "current"], 0, ["20001  Caf\u00e9       \u20acuros", "30001  Gro\u00df       Nils", "Departed: 1"]),
    (["prior", "current", "--arrivals", "-"], 0, ["30001  Gro\u00df,Nils"]),
    (["prior", "current", "--format", "xml"], 2, ["trelvane-compare: "]),
]
failed = 0
for lang in ["C.UTF-8", "ru_RU.UTF-8", "ja_JP.UTF-8"]:
    for args, status, shown in cases:
        command = " ".join(shlex.quote(word) for word in [wine_run, compare, *args])
        try:
            run = subprocess.run(["script", "-qec", command, "/dev/null"], capture_output=True,
                                 stdin=subprocess.DEVNULL, env=dict(os.environ, LANG=lang, LC_ALL=lang), timeout=30)
        except subprocess.TimeoutExpired as hung:
            # A crash under Wine waits in its debugger: one is enough to tell.
            print(f"{lang} {' '.join(args)}: no end within 30 s:\n{hung.stdout}")
            sys.exit(1)
        terminal = run.stdout.decode("utf-8", "replace")
        missing = [text for text in shown if text not in terminal]
        if run.returncode != status or missing:
            failed += 1
            print(f"{lang} {' '.join(args)}: exit {run.returncode} (expected {status}), missing {missing}:\n{terminal}")
print(f"{3 * len(cases) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
