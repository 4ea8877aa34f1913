"""Prints what openpyxl reads from a workbook, one tab-separated record a line:

  sheet  INDEX  TITLE  ACTIVE(0/1)  FREEZE  ORDERED(0/1)  WIDTHS  MERGED
  cell   INDEX  REF  TYPE  VALUE  STYLE

ORDERED: rows and cells stored in ascending order, as Excel needs. TYPE is
openpyxl's data type ("s" text, "n" number); a number's VALUE is its repr.
Tabs, line ends and backslashes are written as \\t, \\n, \\r and \\\\.
"""
import re
import sys
import zipfile

import openpyxl
from openpyxl.reader.workbook import WorkbookParser


def escape(text):
    return (str(text).replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\n", "\\n").replace("\r", "\\r"))


def ordered(xml):
    rows = [int(r) for r in re.findall(r'<row\b[^>]*?\sr="(\d+)"', xml)]
    cells = [(int(r), sum(26 ** i * (ord(ch) - 64) for i, ch in enumerate(reversed(c))))
             for c, r in re.findall(r'<c\b[^>]*?\sr="([A-Z]+)(\d+)"', xml)]
    return all(a < b for a, b in zip(rows, rows[1:])) and all(a < b for a, b in zip(cells, cells[1:]))


def main(path):
    wb = openpyxl.load_workbook(path)
    with zipfile.ZipFile(path) as z:
        parser = WorkbookParser(z, "xl/workbook.xml")
        parser.parse()
        xml = [z.read(rel.target).decode() for _, rel in parser.find_sheets()]
    for i, ws in enumerate(wb.worksheets):
        widths = ",".join(f"{k}={d.width}" for k, d in sorted(ws.column_dimensions.items()))
        merged = ",".join(sorted(str(r) for r in ws.merged_cells.ranges))
        print(f"sheet\t{i}\t{escape(ws.title)}\t{int(ws is wb.active)}\t{ws.freeze_panes}"
              f"\t{int(ordered(xml[i]))}\t{widths}\t{merged}")
        for row in ws.iter_rows():
            for c in row:
                if c.value is None and not c.has_style:
                    continue
                value = "" if c.value is None else repr(c.value) if c.data_type == "n" else c.value
                b, f = c.border, c.font
                style = "|".join(str(x) for x in (
                    c.number_format, f.name, f.sz, f.b, c.fill.fill_type, c.fill.fgColor.rgb,
                    b.left.style, b.right.style, b.top.style, b.bottom.style,
                    c.alignment.horizontal, c.alignment.vertical, c.alignment.wrap_text))
                kind = "" if c.value is None else c.data_type
                print(f"cell\t{i}\t{c.coordinate}\t{kind}\t{escape(value)}\t{escape(style)}")


if __name__ == "__main__":
    main(sys.argv[1])
