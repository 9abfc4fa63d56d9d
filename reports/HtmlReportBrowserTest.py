#!/usr/bin/env python3
"""The web-page report in a real browser: headless Chromium opens it from a
file and is asked, over its DevTools pipe, what it loaded, logged and shows.
The page loads with no console message and no request beyond the file, a
page without the figures by team reads as such, and a picture of a small
league's page is saved. (Names written as markup, and every table's cells,
are ReportsParseTest.py's.)

usage: HtmlReportBrowserTest.py COMPARE_EXE MAKE_SEASONS_EXE WORK_FOLDER
"""
import base64
import json
import os
import pathlib
import shutil
import subprocess
import sys

compare, make_seasons, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), pathlib.Path(sys.argv[3])
shutil.rmtree(work, ignore_errors=True)
work.mkdir(parents=True)
# The folders as a player names them, from the folder that holds them.
prior, current = work / "2025", work / "2026"
subprocess.run([make_seasons, "--seed", "5", "--players", "150", "--teams", "6", "2025", "2026"], cwd=work,
               check=True, stdout=subprocess.DEVNULL)
compared = lambda form: subprocess.run([compare, "2025", "2026", "--format", form], cwd=work, check=True,
                                       capture_output=True).stdout
pretty = work / "report.html"
pretty.write_bytes(compared("html"))
# Without the current team file who moved is unknown: no figures by team.
teams_file = (current / "KOVTEAM.DAT").read_bytes()
(current / "KOVTEAM.DAT").unlink()
unknown = work / "unknown.html"
unknown.write_bytes(compared("html"))
(current / "KOVTEAM.DAT").write_bytes(teams_file)


class Browser:
    """Chromium with its DevTools protocol on a pipe: commands go in on its
    fd 3 and answers and events come out on its fd 4, each a JSON text
    ended by a zero byte."""

    def __init__(self):
        to_browser, self.writer = os.pipe()
        self.reader, from_browser = os.pipe()
        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--no-first-run", "--hide-scrollbars",
             f"--user-data-dir={work / 'profile'}", "--remote-debugging-pipe", "about:blank"],
            pass_fds=(3, 4, to_browser, from_browser), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=lambda: (os.dup2(to_browser, 3), os.dup2(from_browser, 4)))
        os.close(to_browser)
        os.close(from_browser)
        self.next_id, self.pending, self.events = 0, b"", []
        target = next(t for t in self.send("Target.getTargets")["targetInfos"] if t["type"] == "page")
        self.session = self.send("Target.attachToTarget", targetId=target["targetId"], flatten=True)["sessionId"]

    def message(self):
        while b"\0" not in self.pending:
            chunk = os.read(self.reader, 1 << 16)
            assert chunk, "the browser went away"
            self.pending += chunk
        text, self.pending = self.pending.split(b"\0", 1)
        return json.loads(text)

    def send(self, method, session=None, **params):
        self.next_id += 1
        command = {"id": self.next_id, "method": method, "params": params}
        if session:
            command["sessionId"] = session
        os.write(self.writer, json.dumps(command).encode() + b"\0")
        while True:
            answer = self.message()
            if answer.get("id") == self.next_id:
                assert "error" not in answer, answer
                return answer["result"]
            self.events.append(answer)

    def page(self, method, **params):
        return self.send(method, self.session, **params)

    def open(self, path):
        self.events.clear()
        self.page("Page.navigate", url=path.as_uri())
        while not any(e.get("method") == "Page.loadEventFired" for e in self.events):
            self.events.append(self.message())
        return self.page("Runtime.evaluate", returnByValue=True, expression="""JSON.stringify({
            tables: Object.fromEntries([...document.querySelectorAll('section[id]')].map(s => [s.id,
                [...s.querySelectorAll('tbody tr')].map(r => [...r.cells].map(c => c.textContent))]))})""")

    def close(self):
        os.close(self.writer)
        self.process.wait(timeout=30)


browser = Browser()
try:
    for domain in ("Page", "Runtime", "Log", "Network"):
        browser.page(f"{domain}.enable")
    browser.page("Emulation.setDeviceMetricsOverride", width=860, height=1180, deviceScaleFactor=1, mobile=False)
    shown = {}
    for path in (pretty, unknown):
        shown[path] = json.loads(browser.open(path)["result"]["value"])
        requests = [e["params"]["request"]["url"] for e in browser.events if e.get("method") == "Network.requestWillBeSent"]
        assert requests == [path.as_uri()], requests
        logged = [e for e in browser.events if e.get("method") in ("Runtime.consoleAPICalled", "Runtime.exceptionThrown",
                                                                  "Log.entryAdded")]
        assert not logged, logged
        if path == pretty:
            picture = base64.b64decode(browser.page("Page.captureScreenshot", format="png")["data"])
            (work / "report.png").write_bytes(picture)
finally:
    browser.close()

assert set(shown[unknown]["tables"]) == {"departed", "arrived", "moved"} and not shown[unknown]["tables"]["moved"]
assert b"Who moved is unknown: a team file was not read." in unknown.read_bytes()
print(f"the pages load alone and show what they hold; picture in {work / 'report.png'}")
