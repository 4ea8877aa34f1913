"""Prints what programs other than ours read from an output, one
tab-separated record a line (a workbook's every cell and style:
tests/excel/read_workbook.py).

  read_output.py checks FILE     sheet names, then every row of "Design Checks"
  read_output.py dxf FILE        ezdxf: layers, then every LINE on layers EGL and 3
  read_output.py counts FILE     ezdxf: its auditor's errors and fixes, and the
                                 number of model-space entities of each type
                                 ("failed 1" when it cannot read the file)
  read_output.py parts FILE      each part of a package and the SHA-256 of its bytes
"""
import collections
import hashlib
import sys
import zipfile


def checks(path):
    import openpyxl
    book = openpyxl.load_workbook(path)
    print("sheets\t" + "\t".join(book.sheetnames))
    if "Design Checks" in book.sheetnames:
        for row in book["Design Checks"].iter_rows(values_only=True):
            print("row\t" + "\t".join("" if v is None else str(v) for v in row))


def dxf(path):
    import ezdxf
    doc = ezdxf.readfile(path)
    for layer in doc.layers:
        print("layer\t%s\t%d" % (layer.dxf.name, layer.dxf.color))
    for e in doc.modelspace():
        if e.dxftype() == "LINE" and e.dxf.layer in ("EGL", "3"):
            print("line\t%s\t%d\t%r\t%r\t%r\t%r" % (e.dxf.layer, e.dxf.color, e.dxf.start.x,
                                                   e.dxf.start.y, e.dxf.end.x, e.dxf.end.y))


def counts(path):
    import ezdxf
    try:
        doc = ezdxf.readfile(path)
    except Exception:
        print("failed\t1")
        return
    audit = doc.audit()
    print("errors\t%d" % len(audit.errors))
    print("fixes\t%d" % len(audit.fixes))
    for kind, n in collections.Counter(e.dxftype() for e in doc.modelspace()).items():
        print("%s\t%d" % (kind, n))


def parts(path):
    with zipfile.ZipFile(path) as z:
        for name in sorted(z.namelist()):
            print("%s\t%s" % (name, hashlib.sha256(z.read(name)).hexdigest()))


if __name__ == "__main__":
    {"checks": checks, "dxf": dxf, "counts": counts,
     "parts": parts}[sys.argv[1]](sys.argv[2])
