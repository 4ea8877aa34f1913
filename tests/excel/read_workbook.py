"""Prints what openpyxl reads from a workbook, one tab-separated record a line:

  sheet   INDEX  TITLE  ACTIVE(0/1)  FREEZE
  width   INDEX  COLUMN  WIDTH
  merged  INDEX  RANGE
  order   INDEX  ok|bad   (rows and cells stored in ascending order, as Excel needs)
  cell    INDEX  REF  TYPE  VALUE  STYLE

TYPE is openpyxl's data type ("s" text, "n" number, "f" formula); a number's
VALUE is its repr. STYLE joins the number format, font, fill, borders and
alignment. Tabs, line ends and backslashes in texts are written as \\t, \\n,
\\r and \\\\.
"""
import posixpath
import re
import sys
import xml.etree.ElementTree as ET
import zipfile

import openpyxl

MAIN = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"
REL = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}"
PKG = "{http://schemas.openxmlformats.org/package/2006/relationships}"


def escape(text):
    return (str(text).replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\n", "\\n").replace("\r", "\\r"))


def style(cell):
    b = cell.border
    return "|".join(escape(x) for x in (
        cell.number_format, cell.font.name, cell.font.sz, cell.font.b,
        cell.fill.fill_type, cell.fill.fgColor.rgb,
        b.left.style, b.right.style, b.top.style, b.bottom.style,
        cell.alignment.horizontal, cell.alignment.vertical, cell.alignment.wrap_text))


def column_number(ref):
    n = 0
    for ch in re.match(r"[A-Z]+", ref).group(0):
        n = n * 26 + ord(ch) - 64
    return n


def storage_order(path):
    """Whether each worksheet's rows and cells are in ascending order."""
    with zipfile.ZipFile(path) as z:
        rels = ET.fromstring(z.read("xl/_rels/workbook.xml.rels"))
        targets = {r.get("Id"): r.get("Target") for r in rels.iter(PKG + "Relationship")}
        book = ET.fromstring(z.read("xl/workbook.xml"))
        result = []
        for sheet in book.iter(MAIN + "sheet"):
            target = targets[sheet.get(REL + "id")]
            part = target.lstrip("/") if target.startswith("/") else posixpath.join("xl", target)
            data = ET.fromstring(z.read(posixpath.normpath(part))).find(MAIN + "sheetData")
            ok, last_row = True, 0
            for row in data.iter(MAIN + "row"):
                r = int(row.get("r"))
                ok = ok and r > last_row
                last_row, last_col = r, 0
                for c in row.iter(MAIN + "c"):
                    ref = c.get("r")
                    col = column_number(ref)
                    ok = ok and col > last_col and ref[len(re.match(r"[A-Z]+", ref).group(0)):] == str(r)
                    last_col = col
            result.append(ok)
        return result


def main(path):
    wb = openpyxl.load_workbook(path)
    active = wb.index(wb.active)
    order = storage_order(path)
    out = []
    for i, ws in enumerate(wb.worksheets):
        out.append(f"sheet\t{i}\t{escape(ws.title)}\t{int(i == active)}\t{ws.freeze_panes}")
        out.append(f"order\t{i}\t{'ok' if order[i] else 'bad'}")
        for letter, dim in sorted(ws.column_dimensions.items()):
            out.append(f"width\t{i}\t{letter}\t{dim.width}")
        for rng in sorted(str(r) for r in ws.merged_cells.ranges):
            out.append(f"merged\t{i}\t{rng}")
        for row in ws.iter_rows():
            for cell in row:
                if cell.value is None and not cell.has_style:
                    continue
                value = "" if cell.value is None else (
                    repr(cell.value) if isinstance(cell.value, (int, float)) else cell.value)
                kind = "" if cell.value is None else cell.data_type
                out.append(f"cell\t{i}\t{cell.coordinate}\t{kind}\t{escape(value)}\t{style(cell)}")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
