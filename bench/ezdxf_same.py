#!/usr/bin/python3
"""ezdxf_same.py DRAWING.dxf OUT.dxf: the peer of a drawing command.

Reads the entities of DRAWING (untimed), then builds the same LINE, CIRCLE,
TEXT and closed POLYLINE entities with ezdxf in a new R12 drawing and saves
it; prints the seconds that building and saving took."""
import sys
import time

import ezdxf


def read_entities(path):
    with open(path, encoding="ascii", errors="replace") as f:
        lines = f.read().split("\n")
    pairs = [(lines[i].strip(), lines[i + 1]) for i in range(0, len(lines) - 1, 2)]
    start = next(i for i, (c, v) in enumerate(pairs) if c == "2" and v == "ENTITIES")
    entities, current = [], None
    for code, value in pairs[start + 1:]:
        if code == "0":
            if value == "ENDSEC":
                break
            current = [value, {}]
            entities.append(current)
        elif current is not None:
            current[1].setdefault(code, value)
    return entities


def main():
    entities = read_entities(sys.argv[1])
    f = float
    start = time.perf_counter()
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    polyline = None
    for kind, g in entities:
        layer = {"layer": g.get("8", "0")}
        if kind == "LINE":
            msp.add_line((f(g["10"]), f(g["20"])), (f(g["11"]), f(g["21"])),
                         dxfattribs={**layer, "color": int(g.get("62", "256"))})
        elif kind == "CIRCLE":
            msp.add_circle((f(g["10"]), f(g["20"])), f(g["40"]), dxfattribs=layer)
        elif kind == "TEXT":
            msp.add_text(g.get("1", ""), dxfattribs={
                **layer, "insert": (f(g["10"]), f(g["20"])), "height": f(g["40"]),
                "rotation": f(g.get("50", "0")), "width": f(g.get("41", "1"))})
        elif kind == "POLYLINE":
            polyline = []
        elif kind == "VERTEX" and polyline is not None:
            polyline.append((f(g["10"]), f(g["20"])))
        elif kind == "SEQEND" and polyline is not None:
            msp.add_polyline2d(polyline, close=True, dxfattribs=layer)
            polyline = None
    doc.saveas(sys.argv[2])
    print(f"{time.perf_counter() - start:.6f}")


main()
