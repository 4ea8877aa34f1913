#!/usr/bin/python3
"""openpyxl_same.py WORKBOOK.xlsx OUT.xlsx: the peer of the Excel export.

Reads every cell value of WORKBOOK (untimed), then writes the same values into
a new workbook with openpyxl and saves it; prints the seconds that took."""
import sys
import time

import openpyxl


def main():
    source = openpyxl.load_workbook(sys.argv[1], read_only=True)
    sheets = [(ws.title, [list(r) for r in ws.iter_rows(values_only=True)])
              for ws in source.worksheets]
    cells = sum(sum(v is not None for v in r) for _, rows in sheets for r in rows)
    start = time.perf_counter()
    wb = openpyxl.Workbook()
    wb.remove(wb.active)
    for title, rows in sheets:
        ws = wb.create_sheet(title)
        for r, row in enumerate(rows, 1):
            for c, v in enumerate(row, 1):
                if v is not None:
                    ws.cell(row=r, column=c, value=v)
    wb.save(sys.argv[2])
    print(f"{time.perf_counter() - start:.6f}")
    print(f"cells {cells}", file=sys.stderr)


main()
