"""The workbook of `reportdata export` read back with openpyxl, and the page of
`reportdata html` rendered by headless Chromium, against the tool's own named
JSON rows. The page's screenshot stays in WORK_DIR as report-page.png.
Usage: reports_test.py TOOL SAMPLE.json WORK_DIR"""
import html
import json
import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile
import unicodedata
from pathlib import Path

try:
    import openpyxl
except ImportError:
    openpyxl = None
chromium = shutil.which("chromium")
if not openpyxl or not chromium:
    print("python3-openpyxl or chromium is missing (scripts/setup.sh installs them)")
    sys.exit(77)

tool, sample, work = sys.argv[1], sys.argv[2], Path(sys.argv[3])
project = work / "project"
failures = []


def run(*args):
    return subprocess.run([tool, *map(str, args)], check=True, capture_output=True,
                          text=True).stdout


def on_terminal(*args):
    """What a terminal shows while the tool runs."""
    shown = []

    def read(fd):
        shown.append(os.read(fd, 4096))
        return shown[-1]

    os.environ.pop("REPORTDATA_QUIET", None)
    pty.spawn([tool, *map(str, args)], read)
    return b"".join(shown).decode()


def check(ok, what):
    if not ok:
        failures.append(what)


def width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


def browse(*args):
    with tempfile.TemporaryDirectory() as profile:
        return subprocess.run(
            [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", f"--user-data-dir={profile}", *args],
            check=True, capture_output=True, text=True, timeout=180).stdout


def shown_rows(stem):
    """Every row of the table with its records: each item shown in turn."""
    top = json.loads(run("show", project, stem, "--format", "json", "--depth", "0"))
    key = top["columns"][1]["name"]
    rows = []
    for item in top["rows"]:
        rows += json.loads(run("show", project, stem, item[key], "--format", "json"))["rows"]
    return top["table"], rows


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
  r.width = [document.documentElement.scrollWidth, document.documentElement.clientWidth];
  r.charts = {};
  for (const f of document.querySelectorAll('figure'))
    r.charts[f.id] = [f.querySelectorAll('rect').length, f.querySelector('.empty') !== null];
  const pre = document.createElement('pre');
  pre.id = 'check';
  pre.textContent = JSON.stringify(r);
  document.body.append(pre);
})();</script>"""


def workbook():
    out = work / "tables.xlsx"
    run("export", project, out)
    book = openpyxl.load_workbook(out)
    names = [line.split()[0] for line in run("tables").splitlines()[1:]]
    check(book.sheetnames == names, f"sheets {book.sheetnames}")

    for stem in ("qd", "de3"):
        name, rows = shown_rows(stem)
        sheet = book[name]
        header = [cell.value for cell in sheet[1]]
        check(sheet.freeze_panes == "A2", f"{stem}: frozen at {sheet.freeze_panes}")
        check(sheet.sheet_properties.outlinePr.summaryBelow is False, f"{stem}: summary below")
        check(sheet.max_row == len(rows) + 1, f"{stem}: {sheet.max_row - 1} rows, {len(rows)} shown")
        column = {title: i for i, title in enumerate(header)}
        widest = {}
        for line, row in enumerate(rows, start=2):
            cells = [cell for cell in sheet[line]]
            check(sheet.row_dimensions[line].outlineLevel == row["level"],
                  f"{stem} row {line}: outline level")
            check(cells[0].value == row["level"], f"{stem} row {line}: level cell")
            quantity = cells[column["工程量"]]
            if row["quantity"] is None:
                check(quantity.value is None, f"{stem} row {line}: quantity {quantity.value}")
            else:
                number = isinstance(quantity.value, (int, float))
                check(number and abs(quantity.value - row["quantity"]) < 1e-9,
                      f"{stem} row {line}: quantity {quantity.value!r} for {row['quantity']}")
                decimals = 0 if row["unit"] in ("个", "樘") else 3 if row["unit"][0].isdigit() else 2
                expected = "0." + "0" * decimals if decimals else "0"
                check(quantity.number_format == expected,
                      f"{stem} row {line}: {quantity.number_format} for {row['unit']}")
            for title, name in (("编码", "code"), ("名称", "name"), ("项目特征", "features")):
                check((cells[column[title]].value or "") == row[name], f"{stem} row {line}: {name}")
                widest[title] = max(widest.get(title, 0), width(row[name].split("\n")[0]))
            if row["features"]:
                check(cells[column["项目特征"]].alignment.wrap_text, f"{stem} row {line}: wrap")
        letter = openpyxl.utils.get_column_letter(column["名称"] + 1)
        check(sheet.column_dimensions[letter].width >= min(widest["名称"], 60),
              f"{stem}: name column {sheet.column_dimensions[letter].width} for {widest['名称']}")


def page():
    path = work / "report-page.html"
    run("html", project, path)
    text = path.read_text(encoding="utf-8")
    for outside in ("http:", "https:", "<link", " src="):
        check(outside not in text, f"the page reaches outside: {outside}")

    checked = work / "report-page-check.html"
    checked.write_text(text.replace("</body>", CHECKS + "</body>"), encoding="utf-8")
    dom = browse("--dump-dom", checked.as_uri())
    found = re.search(r'<pre id="check">(.*?)</pre>', dom, re.S)
    check(found is not None, "the check script did not run")
    if found:
        r = json.loads(html.unescape(found.group(1)))
        check(len(r["tables"]) == 11 and r["toc"] == 12, f"{len(r['tables'])} tables, {r['toc']}")
        for anchor, rows, shown in r["tables"]:
            check(rows == shown, f"{anchor}: {shown} rows shown of {rows}")
        expected = len(shown_rows("qd")[1])
        check(dict((a, n) for a, n, _ in r["tables"])["t-qd"] == expected, f"qd: {expected} rows")
        for step in ("startsClosed", "opens", "closes", "chapterCloses"):
            check(r[step], f"click: {step}")
        check(r["charts"]["chart-area"][0] >= 5, f"area chart {r['charts']['chart-area']}")
        check(r["charts"]["chart-index-2"][0] >= 3, f"index chart {r['charts']['chart-index-2']}")
    # A phone's width: the page scrolls down, not across.
    dom = browse("--window-size=400,900", "--dump-dom", checked.as_uri())
    found = re.search(r'<pre id="check">(.*?)</pre>', dom, re.S)
    if found:
        scroll, client = json.loads(html.unescape(found.group(1)))["width"]
        check(scroll == client, f"at 400 px the page is {scroll} px wide")

    shot = work / "report-page.png"
    browse("--window-size=1280,1600", f"--screenshot={shot}", path.as_uri())
    check(shot.is_file() and shot.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n", "screenshot")


run("import", sample, project)
quiet = subprocess.run([tool, "build", project], capture_output=True, text=True)
check(quiet.returncode == 0 and quiet.stderr == "", f"build off a terminal: {quiet.stderr!r}")
shown = on_terminal("build", project)
for progress in ("处理清单报表中... 正在汇总 ", "处理定额报表中... 正在写入报表文件!", "report tables written"):
    check(progress in shown, f"build on a terminal: no {progress}")
workbook()
page()
for failure in failures[:20]:
    print(failure)
sys.exit(1 if failures else 0)
