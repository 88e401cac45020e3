"""Every code fence that a page of docs/ (and the README) opens is closed:
an unclosed one turns the rest of the page into code and its code into text.

Usage: docs_fences_test.py SOURCE_DIR
"""
import pathlib
import sys

source = pathlib.Path(sys.argv[1])
pages = sorted(source.glob("docs/*.md")) + [source / "README.md"]
unclosed = []
for page in pages:
    opened_at = None
    for number, line in enumerate(page.read_text(encoding="utf-8").splitlines(), 1):
        if line.lstrip().startswith("```"):
            opened_at = number if opened_at is None else None
    if opened_at is not None:
        unclosed.append(f"{page.relative_to(source)}:{opened_at}: code fence never closed")
print("\n".join(unclosed) or f"{len(pages)} pages, every code fence closed")
sys.exit(1 if unclosed else 0)
