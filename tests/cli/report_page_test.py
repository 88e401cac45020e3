"""The report page of `reportdata html` rendered by headless Chromium: every
table with its rows, a level closed and opened by clicks, the charts, no
outside resources; the screenshot is kept as report-page.png in WORK_DIR.
Usage: report_page_test.py TOOL SAMPLE.json WORK_DIR"""
import html
import json
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

chromium = shutil.which("chromium")
if not chromium:
    print("chromium is not installed (scripts/setup.sh installs it)")
    sys.exit(77)

tool, sample, work = sys.argv[1], sys.argv[2], Path(sys.argv[3])
project = work / "page-project"


def run(*args):
    return subprocess.run([tool, *map(str, args)], check=True, capture_output=True,
                          text=True).stdout


def browse(*args):
    with tempfile.TemporaryDirectory() as profile:
        return subprocess.run(
            [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", f"--user-data-dir={profile}", *args],
            check=True, capture_output=True, text=True, timeout=180).stdout


run("import", sample, project)
run("build", project)
page = work / "report-page.html"
run("html", project, page)
text = page.read_text(encoding="utf-8")
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


for outside in ("http:", "https:", "<link", " src="):
    check(outside not in text, f"the page reaches outside: {outside}")

# Clicks as a person makes them, the findings left in the page for --dump-dom.
CHECKS = r"""<script>(() => {
  const r = {};
  r.tables = [...document.querySelectorAll('section.table')].map(
      s => [s.id, +s.dataset.rows, s.querySelectorAll('tbody tr').length]);
  r.toc = document.querySelectorAll('#toc li').length;
  const qd = document.getElementById('t-qd');
  const item = [...qd.querySelectorAll('tbody tr[data-l="1"]')]
      .find(tr => tr.querySelector('button.t'));
  const floor = item.nextElementSibling, below = floor.nextElementSibling;
  r.startsClosed = floor.hidden && !item.hidden;
  item.querySelector('button.t').click();
  r.opens = !floor.hidden && item.classList.contains('open') && below.hidden;
  item.querySelector('button.t').click();
  r.closes = floor.hidden;
  const chapter = qd.querySelector('tbody tr[data-l="0"]');
  chapter.querySelector('button.t').click();
  r.chapterCloses = chapter.nextElementSibling.hidden;
  r.charts = {};
  for (const f of document.querySelectorAll('figure'))
    r.charts[f.id] = [f.querySelectorAll('rect').length, f.querySelector('.empty') !== null];
  const pre = document.createElement('pre');
  pre.id = 'check';
  pre.textContent = JSON.stringify(r);
  document.body.append(pre);
})();</script>"""
checked = work / "report-page-check.html"
checked.write_text(text.replace("</body>", CHECKS + "</body>"), encoding="utf-8")
dom = browse("--dump-dom", checked.as_uri())
found = re.search(r'<pre id="check">(.*?)</pre>', dom, re.S)
check(found is not None, "the check script did not run")
if found:
    r = json.loads(html.unescape(found.group(1)))
    check(len(r["tables"]) == 11 and r["toc"] == 12, f"tables {len(r['tables'])}, toc {r['toc']}")
    for anchor, rows, shown in r["tables"]:
        check(rows == shown, f"{anchor}: {shown} rows shown of {rows}")
    chapters = json.loads(run("show", project, "qd", "--format", "json", "--depth", "0"))["rows"]
    expected = sum(len(json.loads(run("show", project, "qd", c["chapter"], "--format", "json"))
                       ["rows"]) for c in chapters)
    check(dict((a, n) for a, n, _ in r["tables"])["t-qd"] == expected, f"qd rows, {expected} shown")
    for step in ("startsClosed", "opens", "closes", "chapterCloses"):
        check(r[step], f"click: {step}")
    # The sample has no building area yet; the quota charts have bars.
    rects, empty = r["charts"]["chart-area"]
    check(rects > 0 or empty, "building area chart")
    check(r["charts"]["chart-floor-m3"][0] >= 5, f"floor chart {r['charts']['chart-floor-m3']}")
    check(r["charts"]["chart-chapter-m2"][0] >= 5, "chapter chart")

shot = work / "report-page.png"
browse("--window-size=1280,1600", f"--screenshot={shot}", page.as_uri())
check(shot.is_file() and shot.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n", "screenshot")

for failure in failures[:20]:
    print(failure)
sys.exit(1 if failures else 0)
