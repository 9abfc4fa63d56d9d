#!/usr/bin/env python3
"""The CSV, JSON and web-page reports of trelvane-compare, read back by
Python's own csv, json and html.parser modules, against the seasons' files
read here independently (every byte of the code page in a name, decoded by
Python's codec) and against each other.

usage: ReportsParseTest.py COMPARE_EXE MAKE_SEASONS_EXE WORK_FOLDER
"""
import csv
import html.parser
import io
import json
import pathlib
import struct
import subprocess
import sys

compare, make_seasons, work = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
prior, current = work / "prior", work / "current"
league = ["--seed", "11", "--players", "3000", "--teams", "40", str(prior), str(current)]
subprocess.run([make_seasons, "--replace", *league], check=True, stdout=subprocess.DEVNULL)
# Seasons already there are kept unless --replace is given.
seasons_before = [(folder / name).read_bytes() for folder in (prior, current) for name in ("KOVPLYR.DAT", "KOVTEAM.DAT")]
kept = subprocess.run([make_seasons, "--seed", "12", *league[2:]], capture_output=True)
assert kept.returncode == 2 and kept.stdout == b"", kept
assert kept.stderr == f"trelvane-make-seasons: will not write over {prior}/KOVPLYR.DAT; give --replace to replace the seasons\n".encode(), kept.stderr
assert seasons_before == [(folder / name).read_bytes() for folder in (prior, current) for name in ("KOVPLYR.DAT", "KOVTEAM.DAT")]

# The demo league a double-click makes is tested where players double-click, on Windows (CompareProgramTest).

# A team gone and a team new: the current season's first team takes a number
# of its own. A player and a team named as markup, with a Windows-1252 byte.
HOSTILE_PLAYER, HOSTILE_TEAM = b'<script>&"\xe9', b"<b>&amp;\x80"
teams_file = bytearray((current / "KOVTEAM.DAT").read_bytes())
struct.pack_into("<h", teams_file, 8, 999)
teams_file[17:17 + len(HOSTILE_TEAM) + 1] = HOSTILE_TEAM + b"\0"
(current / "KOVTEAM.DAT").write_bytes(teams_file)
# He is on that team's roster, so he moved or arrived.
hostile_id, = struct.unpack_from("<i", teams_file, 264)
players_file = bytearray((current / "KOVPLYR.DAT").read_bytes())
at = next(at for at in range(0, len(players_file), 664) if struct.unpack_from("<i", players_file, at + 8)[0] == hostile_id)
players_file[at + 36:at + 37 + len(HOSTILE_PLAYER)] = HOSTILE_PLAYER + b"\0"
(current / "KOVPLYR.DAT").write_bytes(players_file)
# And one departing player for each byte, his last name seven x's and that
# byte, last in the eight bytes the converter looks at together: every
# character of the code page is read back as Python's codec has it.
taken = {struct.unpack_from("<i", f, at + 8)[0] for f in (players_file, (prior / "KOVPLYR.DAT").read_bytes())
         for at in range(0, len(f), 664)}
free_ids = sorted(set(range(10001, 50001)) - taken)
with open(prior / "KOVPLYR.DAT", "ab") as appended:
    for b, pid in zip(range(1, 256), free_ids):
        appended.write(struct.pack("<h6xi", 0, pid).ljust(36, b"\0") + (b"x" * 7 + bytes([b])).ljust(628, b"\0"))


def text(raw):
    raw = raw.split(b"\0", 1)[0]
    # Windows-1252, with its five undefined bytes kept as the control
    # characters of the same number.
    return "".join(chr(b) if 0x80 <= b < 0xA0 and b in b"\x81\x8d\x8f\x90\x9d" else bytes([b]).decode("cp1252")
                   for b in raw)


def players(folder):
    data, found = (folder / "KOVPLYR.DAT").read_bytes(), {}
    for at in range(0, len(data), 664):
        record = data[at:at + 660].ljust(660, b"\0")
        status, = struct.unpack_from("<h", record, 0)
        pid, = struct.unpack_from("<i", record, 8)
        if status == 0 and 10000 < pid <= 50000:
            found[pid] = (text(record[36:660]), text(record[22:660]))
    return found


def rosters(folder):
    data, team_of, numbers = (folder / "KOVTEAM.DAT").read_bytes(), {}, {}
    for at in range(0, len(data), 928):
        record = data[at:at + 927].ljust(927, b"\0")
        status, number = struct.unpack_from("<hh", record, 0)[0], struct.unpack_from("<h", record, 8)[0]
        if status != 0 or number <= 0:
            continue
        name = text(record[17:927]) + " " + text(record[33:927])
        numbers[number] = name
        for pid in struct.unpack_from("<80i", record, 264):
            if 10000 <= pid <= 50000:
                team_of[pid] = (number, name)
    return team_of, numbers


before, after = players(prior), players(current)
(teams_before, names_before), (teams_after, names_after) = rosters(prior), rosters(current)
team = lambda table, pid: table[pid][1] if pid in table else None
number = lambda table, pid: table[pid][0] if pid in table else 0
expected = []
for pid in sorted(set(before) - set(after)):
    expected.append(("departed", pid, *before[pid], team(teams_before, pid), None))
for pid in sorted(set(after) - set(before)):
    expected.append(("arrived", pid, *after[pid], None, team(teams_after, pid)))
for pid in sorted(set(before) & set(after)):
    if number(teams_before, pid) != number(teams_after, pid):
        expected.append(("moved", pid, *after[pid], team(teams_before, pid), team(teams_after, pid)))

# Every team's figures, counted player by player; free agents are team 0.
expected_teams = {n: {"number": n, "name": names_after.get(n, names_before.get(n)), "prior_players": 0,
                      "current_players": 0, "departed": 0, "arrived": 0, "moved_in": 0, "moved_out": 0}
                  for n in sorted(set(names_before) | set(names_after)) + [0]}
expected_teams[0]["name"] = None
for pid in before:
    expected_teams[number(teams_before, pid)]["prior_players"] += 1
for pid in after:
    expected_teams[number(teams_after, pid)]["current_players"] += 1
for kind, pid, *_ in expected:
    if kind == "departed":
        expected_teams[number(teams_before, pid)]["departed"] += 1
    elif kind == "arrived":
        expected_teams[number(teams_after, pid)]["arrived"] += 1
    else:
        expected_teams[number(teams_before, pid)]["moved_out"] += 1
        expected_teams[number(teams_after, pid)]["moved_in"] += 1
expected_teams = list(expected_teams.values())
assert 999 in names_after and 999 not in names_before and set(names_before) - set(names_after), "no team gone or new"

kinds = {kind for kind, *_ in expected}
assert any(row[1] == hostile_id and row[2] == text(HOSTILE_PLAYER) for row in expected)
names = "".join(last + first for _, _, last, first, *_ in expected)
assert kinds == {"departed", "arrived", "moved"}, kinds
assert all(c in names for c in map(text, (bytes([b]) for b in range(1, 256)))), "a byte is missing"
assert any(row[4] is None and row[0] == "moved" for row in expected), "no signing"
assert any(row[5] is None and row[0] == "moved" for row in expected), "no release"


def run(form):
    result = subprocess.run([compare, str(prior), str(current), "--format", form], capture_output=True, check=True)
    assert result.stderr == b"", result.stderr
    return result.stdout


# The CSV's exact bytes (its mark, line ends, heading) are CompareCommandTest's;
# here, that Python's csv module reads back every change.
rows = list(csv.reader(io.StringIO(run("csv").decode("utf-8-sig", errors="strict"), newline="")))
as_csv = [(k, pid, last, first, prior_team or None, current_team or None) for k, pid, last, first, prior_team, current_team
          in [(r[0], int(r[1]), *r[2:]) for r in rows[1:]]]
assert as_csv == expected, next(((a, b) for a, b in zip(as_csv, expected) if a != b), (len(as_csv), len(expected)))

report = json.loads(run("json").decode("utf-8", errors="strict"))
as_json = [(kind, e["id"], e["last_name"], e["first_name"], e["prior_team"], e["current_team"])
           for kind in ("departed", "arrived", "moved") for e in report[kind]]
assert as_json == expected, next(((a, b) for a, b in zip(as_json, expected) if a != b), (len(as_json), len(expected)))
assert report["totals"] == {"prior": {"players": len(before), "teams": len(names_before)},
                            "current": {"players": len(after), "teams": len(names_after)}}, report["totals"]
assert report["teams"] == expected_teams, next((a, b) for a, b in zip(report["teams"], expected_teams) if a != b)

class Page(html.parser.HTMLParser):
    """Every table's rows of cell texts by the section it is in, the tags
    and the attributes of the page."""

    def __init__(self):
        super().__init__()
        self.tables, self.tags, self.ids, self.links, self.sources = {}, [], set(), [], []
        self.section, self.row, self.cell = None, None, None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.tags.append(tag)
        self.ids.add(attrs.get("id"))
        self.links += [attrs[a] for a in ("href", "src", "action", "srcset") if a in attrs]
        if tag == "section":
            self.section = attrs["id"]
        elif tag == "tr":
            self.row = []
            self.tables.setdefault(self.section, []).append(self.row)
        elif tag in ("td", "th"):
            self.cell = ""

    def handle_endtag(self, tag):
        if tag in ("td", "th"):
            self.row.append(self.cell)
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data


raw_html = run("html")
page = Page()
page.feed(raw_html.decode("utf-8", errors="strict"))
page.close()
assert raw_html.startswith(b"<!DOCTYPE html>\n") and b"\r" not in raw_html
# Nothing from outside the file and no script: links only to the page's own
# sections, and a name written as markup adds no element.
assert all(link.startswith("#") and link[1:] in page.ids for link in page.links), page.links
assert "script" not in page.tags and page.tags.count("b") == 3, sorted(set(page.tags))
rows = lambda section: page.tables[section][1:]  # below the heading row
for kind in ("departed", "arrived", "moved"):
    assert rows(kind) == [[str(e["id"]), e["last_name"], e["first_name"], e["prior_team"] or "", e["current_team"] or ""]
                          for e in report[kind]], kind
net = lambda t: f"{t['current_players'] - t['prior_players']:+d}".replace("+0", "0")
assert rows("by-team") == [[t["name"] or "(free agents)", *(str(t[f]) for f in (
    "prior_players", "current_players", "departed", "arrived", "moved_in", "moved_out")), net(t)]
    for t in report["teams"]], rows("by-team")
# Each team's section: who left, joined, came and went, by the team numbers
# of the seasons' files.
by_team = {t["number"]: [] for t in report["teams"]}
for word, kind, table in (("Left", "departed", teams_before), ("Joined", "arrived", teams_after),
                          ("Came from", "moved", teams_after), ("Went to", "moved", teams_before)):
    for change, pid, last, first, prior_team, current_team in expected:
        if change == kind:
            other = {"Came from": prior_team, "Went to": current_team}.get(word, "")
            by_team[number(table, pid)].append([word, str(pid), last, first, "(free agent)" if other is None else other])
for team, changes in by_team.items():
    section = f"team-{team}" if team else "free-agents"
    assert section in page.ids and page.tables.get(section, [[]])[1:] == changes, section

# A reader that goes away after the first line, as "| head -1" does: a quiet
# end, and the list asked for is still saved.
moved_file = work / "moved.txt"
reader = subprocess.Popen([compare, str(prior), str(current), "--format", "json", "--moved", str(moved_file)],
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE)
reader.stdout.readline()
reader.stdout.close()
assert reader.wait() == 0 and reader.stderr.read() == b"", reader.returncode
assert moved_file.read_bytes().count(b"\r\n") == sum(1 for e in expected if e[0] == "moved")

print(f"{len(expected)} changes ({', '.join(f'{k}: {sum(1 for e in expected if e[0] == k)}' for k in sorted(kinds))})"
      " read back alike from CSV, JSON and the web page")
