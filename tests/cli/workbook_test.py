"""The workbook of `reportdata export`, read back with openpyxl: sheets,
outline levels, numbers, texts and the frozen header against the tool's own
named JSON rows. Usage: workbook_test.py TOOL SAMPLE.json WORK_DIR"""
import json
import subprocess
import sys
import unicodedata
from pathlib import Path

try:
    import openpyxl
except ImportError:
    print("python3-openpyxl is not installed (scripts/setup.sh installs it)")
    sys.exit(77)

tool, sample, work = sys.argv[1], sys.argv[2], Path(sys.argv[3])
project = work / "workbook-project"


def run(*args):
    return subprocess.run([tool, *map(str, args)], check=True, capture_output=True,
                          text=True).stdout


def width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


run("import", sample, project)
run("build", project)
out = work / "tables.xlsx"
run("export", project, out)
book = openpyxl.load_workbook(out)
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


names = [json.loads(run("show", project, stem, "--format", "json"))["table"]
         for stem in ("qd", "qdxhl", "de", "de1", "de2", "de3", "mj", "mc", "room1", "room2",
                      "zbfx")]
check(book.sheetnames == names, f"sheets {book.sheetnames}")

for stem in ("qd", "de3"):
    top = json.loads(run("show", project, stem, "--format", "json", "--depth", "0"))
    key = top["columns"][1]["name"]
    rows = []
    for item in top["rows"]:
        rows += json.loads(run("show", project, stem, item[key], "--format", "json"))["rows"]
    sheet = book[top["table"]]
    header = [cell.value for cell in sheet[1]]
    check(sheet.freeze_panes == "A2", f"{stem}: frozen at {sheet.freeze_panes}")
    check(sheet.sheet_properties.outlinePr.summaryBelow is False, f"{stem}: summary below")
    check(sheet.max_row == len(rows) + 1, f"{stem}: {sheet.max_row - 1} rows, {len(rows)} shown")
    column = {title: i for i, title in enumerate(header)}
    widest = {}
    for line, row in enumerate(rows, start=2):
        cells = [cell for cell in sheet[line]]
        check(sheet.row_dimensions[line].outlineLevel == row["level"], f"{stem} row {line}: level")
        check(cells[0].value == row["level"], f"{stem} row {line}: level cell")
        quantity = cells[column["工程量"]]
        if row["quantity"] is None:
            check(quantity.value is None, f"{stem} row {line}: quantity {quantity.value}")
        else:
            check(isinstance(quantity.value, (int, float)) and abs(quantity.value - row["quantity"]) < 1e-9,
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

for failure in failures[:20]:
    print(failure)
sys.exit(1 if failures else 0)
