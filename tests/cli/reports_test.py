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
soffice, pdftotext = shutil.which("soffice"), shutil.which("pdftotext")
if not openpyxl or not chromium or not soffice or not pdftotext:
    print("python3-openpyxl, chromium, libreoffice-calc-nogui or poppler-utils is missing "
          "(scripts/setup.sh installs them)")
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
    check(book.sheetnames == ["工程概况", "分部分项工程量清单", *names], f"sheets {book.sheetnames}")
    for sheet in book.worksheets:
        setup = sheet.page_setup
        check(setup.orientation == "landscape" and setup.paperSize == 9,
              f"{sheet.title}: {setup.orientation} paper {setup.paperSize}")
        check(sheet.sheet_properties.pageSetUpPr.fitToPage and setup.fitToWidth in (None, 1)
              and setup.fitToHeight == 0, f"{sheet.title}: not one page wide")
        check(sheet.print_title_rows == "$1:$1", f"{sheet.title}: titles {sheet.print_title_rows}")
        check(PROJECT_NAME in sheet.oddHeader.left.text, f"{sheet.title}: page header")
        check(sheet.oddFooter.center.text == "第 &P 页 共 &N 页", f"{sheet.title}: footer")
        check(sheet.auto_filter.ref is not None, f"{sheet.title}: no filter")
        check(sheet.print_options.gridLines, f"{sheet.title}: prints no grid")
    check(book.properties.title and PROJECT_NAME in book.properties.title, "document title")
    overview = {row[0]: row[1] for row in book["工程概况"].iter_rows(min_row=2, values_only=True)}
    check(overview.get("工程名称") == PROJECT_NAME and overview.get("结构类型") == "框架-剪力墙结构"
          and "GB50854-2013" in (overview.get("清单库") or ""), f"工程概况 {overview}")
    bill = book["分部分项工程量清单"]
    check([c.value for c in bill[1]] == ["序号", "项目编码", "项目名称", "项目特征描述", "计量单位",
                                         "工程量"], "分部分项工程量清单 header")
    codes = [row[1] for row in bill.iter_rows(min_row=2, values_only=True) if row[0] is not None]
    check(len(codes) > 10 and len(set(codes)) == len(codes)
          and all(len(c) == 12 and c.isdigit() for c in codes), f"bill codes {codes[:5]}")
    check(all(isinstance(row[5], (int, float)) for row in bill.iter_rows(min_row=2, values_only=True)
              if row[0] is not None), "工程量 not numbers")
    features = [row[3] for row in bill.iter_rows(min_row=2) if row[3].value and "\n" in row[3].value]
    check(features and all(bill.row_dimensions[c.row].height >= 15 * (c.value.count("\n") + 1)
                           for c in features), "rows too low for their features")

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
    return out


PROJECT_NAME = "滨河花园3#住宅楼"


def limits():
    """A table longer than a sheet goes on over further sheets that say so; a
    cell or a disk that cannot take what it is given stops the export with
    one line and leaves no file."""
    out = work / "split.xlsx"
    env = dict(os.environ, REPORTDATA_TEST_SHEET_ROWS="100")
    subprocess.run([tool, "export", project, out, "qd"], check=True, env=env, capture_output=True)
    book = openpyxl.load_workbook(out)
    parts = [name for name in book.sheetnames if name.startswith("清单汇总表")]
    expected = len(shown_rows("qd")[1])
    written = sum(book[name].max_row - 1 for name in parts)
    check(len(parts) == -(-expected // 99) and written == expected,
          f"{expected} rows over {parts}: {written} written")
    if len(parts) > 1:
        check(any("接上表" in str(c.value) for c in book[parts[1]][1]), f"{parts[1]} says nothing")

    long_project = work / "long-project"
    sample_json = json.loads(Path(sample).read_text(encoding="utf-8"))
    sample_json["classified"][0]["bill"]["feature"] = "长" * 40003
    long_json = work / "long.json"
    long_json.write_text(json.dumps(sample_json, ensure_ascii=False), encoding="utf-8")
    run("import", long_json, long_project)
    run("build", long_project)
    long_out = work / "long.xlsx"
    failed = subprocess.run([tool, "export", long_project, long_out], capture_output=True, text=True)
    check(failed.returncode == 1 and failed.stderr.count("\n") == 1
          and failed.stderr.startswith(f"reportdata: cannot write {long_out}: sheet ")
          and not long_out.exists(), f"a 40,003-character cell: {failed.returncode} {failed.stderr!r}")

    # A disk that fills up: the files the tool writes may not pass 64 KB.
    full = subprocess.run(["bash", "-c", 'trap "" XFSZ; ulimit -f 64; exec "$@"', "-",
                           tool, "export", project, work / "full.xlsx"],
                          capture_output=True, text=True)
    check(full.returncode == 1 and full.stderr.count("\n") == 1
          and full.stderr.startswith(f"reportdata: cannot write {work / 'full.xlsx'}: ")
          and not (work / "full.xlsx").exists(), f"a full disk: {full.returncode} {full.stderr!r}")


def pdf_pages(pdf):
    text = subprocess.run([pdftotext, "-layout", pdf, "-"], check=True, capture_output=True,
                          text=True).stdout
    return [page for page in text.split("\f") if page.strip()]


def printed(book_path):
    """The workbook printed by LibreOffice: every page of the bill summary
    shows its header row and the project, and no page holds one column."""
    with tempfile.TemporaryDirectory() as profile:
        subprocess.run([soffice, f"-env:UserInstallation=file://{profile}", "--headless",
                        "--convert-to", "pdf", "--outdir", str(work), str(book_path)],
                       check=True, capture_output=True, timeout=600)
    pages = pdf_pages(work / (book_path.stem + ".pdf"))
    print(f"the sample's workbook prints on {len(pages)} pages")
    bill = [p for p in pages if "清单汇总表" in p.split("\n", 2)[0] + p.split("\n", 2)[1]]
    check(len(bill) > 1, f"{len(bill)} pages of 清单汇总表")
    for number, page in enumerate(bill, 1):
        words = page.split()
        check(PROJECT_NAME in page, f"清单汇总表 page {number}: no project name")
        check(all(t in words for t in ("层级", "章节", "编码", "工程量", "计算式")),
              f"清单汇总表 page {number}: no header row")
    for number, page in enumerate(pages, 1):
        lines = [line for line in page.splitlines() if line.strip()][1:-1]  # no header, footer
        check(any(len(line.split()) > 1 for line in lines), f"page {number} holds one column")


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
        # Down to the components: the records are left out.
        expected = len([row for row in shown_rows("qd")[1] if not row["position"]])
        check(dict((a, n) for a, n, _ in r["tables"])["t-qd"] == expected, f"qd: {expected} rows")
        for step in ("startsClosed", "opens", "closes", "chapterCloses"):
            check(r[step], f"click: {step}")
        check(r["charts"]["chart-area"][0] >= 5, f"area chart {r['charts']['chart-area']}")
        check(r["charts"]["chart-index-2"][0] >= 3, f"index chart {r['charts']['chart-index-2']}")
        for chart in ("chart-concrete", "chart-decoration"):
            check(r["charts"][chart][0] >= 3, f"{chart}: {r['charts'][chart]}")
    # A phone's width: the page scrolls down, not across.
    dom = browse("--window-size=400,900", "--dump-dom", checked.as_uri())
    found = re.search(r'<pre id="check">(.*?)</pre>', dom, re.S)
    if found:
        scroll, client = json.loads(html.unescape(found.group(1)))["width"]
        check(scroll == client, f"at 400 px the page is {scroll} px wide")

    printed_page = work / "report-page.pdf"
    browse("--no-pdf-header-footer", f"--print-to-pdf={printed_page}", path.as_uri())
    info = subprocess.run(["pdfinfo", printed_page], check=True, capture_output=True,
                          text=True).stdout
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info)
    check(size and abs(float(size[1]) - 595.3) < 2 and abs(float(size[2]) - 841.9) < 2,
          f"the page prints on {size and size[0]}, not A4")
    check(PROJECT_NAME in pdf_pages(printed_page)[0], "no project name on the first printed page")

    shot = work / "report-page.png"
    browse("--window-size=1400,1600", f"--screenshot={shot}", path.as_uri())
    check(shot.is_file() and shot.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n", "screenshot")


def large_page():
    """The default page of a project of about 100,000 records stays small
    enough for a browser, which opens and renders it."""
    large_json, large = work / "large.json", work / "large-project"
    run("sample", large_json, "--scale", "170", "--compact")
    run("import", large_json, large)
    run("build", large)
    path = work / "large-page.html"
    run("html", large, path)
    size = path.stat().st_size
    print(f"the default page of a {large_json.stat().st_size >> 20} MB project is "
          f"{size / 1e6:.1f} MB")
    check(size <= 30e6, f"the default page of a large project is {size} bytes")
    dom = browse("--dump-dom", path.as_uri())
    check(dom.count('<section class="table"') == 11, "the large page did not render")


run("import", sample, project)
quiet = subprocess.run([tool, "build", project], capture_output=True, text=True)
check(quiet.returncode == 0 and quiet.stderr == "", f"build off a terminal: {quiet.stderr!r}")
shown = on_terminal("build", project)
for progress in ("处理清单报表中... 正在汇总 ", "处理定额报表中... 正在写入报表文件!", "report tables written"):
    check(progress in shown, f"build on a terminal: no {progress}")
printed(workbook())
limits()
page()
large_page()
for failure in failures[:20]:
    print(failure)
sys.exit(1 if failures else 0)
