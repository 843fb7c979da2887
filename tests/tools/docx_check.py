#!/usr/bin/python3
"""Reads a .docx with python-docx and prints what a report holds, one fact a
line: PARA|text, TABLE|index|rows|cols, CELL|table|row|col|text|alignment|
cell borders, TBLBORDERS|table|edges, FOOTER|text. Exit 2 when it cannot be
read."""
import sys

import docx
from docx.oxml.ns import qn

EDGES = ("top", "left", "bottom", "right", "insideH", "insideV")


def borders(element, tag, edges):
    found = element.find(qn(tag))
    if found is None:
        return ",".join("-" for _ in edges)
    out = []
    for edge in edges:
        e = found.find(qn("w:" + edge))
        out.append("-" if e is None else e.get(qn("w:val")))
    return ",".join(out)


def main(path):
    try:
        document = docx.Document(path)
    except Exception as error:  # any reader failure is the answer
        print("UNREADABLE|%s" % error)
        return 2
    for p in document.paragraphs:
        print("PARA|%s" % p.text)
    for t, table in enumerate(document.tables):
        print("TABLE|%d|%d|%d" % (t, len(table.rows), len(table.columns)))
        tbl_pr = table._tbl.tblPr
        print("TBLBORDERS|%d|%s" % (t, borders(tbl_pr, "w:tblBorders", EDGES)))
        for r, row in enumerate(table.rows):
            for c, cell in enumerate(row.cells):
                align = cell.paragraphs[0].alignment
                tc_pr = cell._tc.get_or_add_tcPr()
                print("CELL|%d|%d|%d|%s|%s|%s" % (
                    t, r, c, cell.text, "-" if align is None else int(align),
                    borders(tc_pr, "w:tcBorders", EDGES[:4])))
    for section in document.sections:
        print("FOOTER|%s" % "".join(p.text for p in section.footer.paragraphs))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
