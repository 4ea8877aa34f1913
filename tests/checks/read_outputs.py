"""Reads what the design-check tests need from a drawing or a workbook.

  read_outputs.py dxf FILE    layers, then every LINE on layers EGL and 3
  read_outputs.py xlsx FILE   sheet names, then every row of "Design Checks"
  read_outputs.py parts FILE  each part of the package and the SHA-256 of its bytes
"""
import hashlib
import sys
import zipfile


def main():
    mode, path = sys.argv[1], sys.argv[2]
    if mode == "dxf":
        import ezdxf
        doc = ezdxf.readfile(path)
        for layer in doc.layers:
            print("layer\t%s\t%d" % (layer.dxf.name, layer.dxf.color))
        for e in doc.modelspace():
            if e.dxftype() == "LINE" and e.dxf.layer in ("EGL", "3"):
                print("line\t%s\t%d\t%r\t%r\t%r\t%r" % (e.dxf.layer, e.dxf.color, e.dxf.start.x,
                                                       e.dxf.start.y, e.dxf.end.x, e.dxf.end.y))
    elif mode == "xlsx":
        import openpyxl
        book = openpyxl.load_workbook(path)
        print("sheets\t" + "\t".join(book.sheetnames))
        if "Design Checks" in book.sheetnames:
            for row in book["Design Checks"].iter_rows(values_only=True):
                print("row\t" + "\t".join("" if v is None else str(v) for v in row))
    elif mode == "parts":
        with zipfile.ZipFile(path) as z:
            for name in sorted(z.namelist()):
                print("%s\t%s" % (name, hashlib.sha256(z.read(name)).hexdigest()))


main()
