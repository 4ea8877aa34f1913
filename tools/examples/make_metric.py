#!/usr/bin/python3
"""Writes examples/metric/metric.pipe.txt and examples/metric/metric.inlet.txt.

A small metric project beside the English highway example. As with
make_highway.py, the committed description files are what the build uses:

    /usr/bin/python3 tools/examples/make_metric.py           # write the files
    /usr/bin/python3 tools/examples/make_metric.py --report  # design summary only
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from network import (Network, Pipe, PIPE_COLUMNS, Structure, Units, branches, comment,
                     pipe_rows, rounded, table, write)

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
OUT = os.path.join(ROOT, "examples", "metric")


def grade(s):
    """Centreline profile of the Northfield bypass, metres, at chainage s."""
    if s <= 2300:
        return 58.0 + 0.012 * (s - 2000)
    return 61.6 + 0.020 * (s - 2300)


def gutter(s):       # kerb line 11 m out, 2.5 % crossfall
    return grade(s) - 0.25


def verge(s):        # manhole covers in the verge 13 m out
    return grade(s) - 0.15


def intensity(tc):
    """10-year rainfall intensity (mm/h) for a time of concentration (min)."""
    return 25.4 * 50.0 / (max(tc, 5.0) + 10.0) ** 0.75


MANNING = {"Concrete": 0.013, "CMP": 0.024}

LIMITS = {
    "size": (375, 1200), "slope": (0.005, 0.05), "velocity": (0.9, 3.7),
    "length": (15.0, 120.0), "depth_ratio": 0.85, "cover": (0.6, 3.0),
}


def build():
    net = Network(Units(english=False), intensity, MANNING)
    S = net.add
    inlet = dict(inlet_time=5, c=0.85)
    S(Structure("1", "End Section", 2020, 38, "RT", top=("crown", 0.65)))
    S(Structure("2", "Junction Box", 2045, 13, "RT", top=verge(2045), shaping="YES"))
    S(Structure("3", "Man Hole", 2125, 13, "RT", top=verge(2125), shaping="YES"))
    S(Structure("4", "Inlet", 2190, 11, "RT", top=gutter(2190), area=0.18, shaping="YES",
                subtype="DI-3B", inlet_length=2.5, **inlet))
    S(Structure("5", "Inlet", 2255, 11, "RT", top=gutter(2255), area=0.17, shaping="YES",
                subtype="DI-3B", inlet_length=2.5, **inlet))
    S(Structure("6", "Inlet", 2320, 11, "RT", top=gutter(2320), area=0.16, shaping="YES",
                subtype="DI-3B", inlet_length=1.8, **inlet))
    S(Structure("11", "Inlet", 2385, 11, "RT", top=gutter(2385), area=0.15, shaping="NO",
                subtype="DI-3B", inlet_length=1.8, **inlet))
    S(Structure("7", "Inlet", 2125, 11, "LT", top=gutter(2125), area=0.19, shaping="YES",
                subtype="DI-3B", inlet_length=3.0, **inlet))
    S(Structure("8", "Inlet", 2190, 11, "LT", top=gutter(2190), area=0.18, shaping="YES",
                subtype="DI-3B", inlet_length=2.5, **inlet))
    S(Structure("9", "Inlet", 2255, 11, "LT", top=gutter(2255), area=0.17, shaping="NO",
                subtype=None, **inlet))
    S(Structure("10", "End Wall", 2060, 30, "LT", top=("crown", 0.75), area=20.0, c=0.35,
                inlet_time=25, shaping="NO"))

    C = net.connect
    C(Pipe("P2", "2", "1", "Circular", "Concrete", 1200, slope=0.0050, comment="""
Outfall pipe: junction box 2 to the end section 1 at Brook Farm stream."""))
    C(Pipe("P3", "3", "2", "Circular", "Concrete", 525, slope=0.0150, drop=0.45, comment="""
Kerb-inlet line along the right (east) kerb. It enters junction box 2
0.45 m above the crown of the 1200 mm outfall pipe to keep the line
shallow."""))
    C(Pipe("P4", "4", "3", "Circular", "Concrete", 450, slope=0.0130))
    C(Pipe("P5", "5", "4", "Circular", "Concrete", 375, slope=0.0120))
    C(Pipe("P6", "6", "5", "Circular", "Concrete", 375, slope=0.0180))
    C(Pipe("P11", "11", "6", "Circular", "Concrete", 375, slope=0.0190))
    C(Pipe("P7", "7", "3", "Circular", "Concrete", 450, slope=0.0100, skew=90, comment="""
Left kerb inlets, crossing to manhole 3 at right angles."""))
    C(Pipe("P8", "8", "7", "Circular", "Concrete", 375, slope=0.0110))
    C(Pipe("P9", "9", "8", "Circular", "Concrete", 375, slope=0.0110))
    C(Pipe("P10", "10", "2", "Circular", "Concrete", 900, slope=0.0100, skew=45, comment="""
Offsite ditch: 20 ha of farmland (C = 0.35, tc = 25 min) through the
headwall 10 into junction box 2 at 45 degrees."""))
    net.outfall("1", 54.200)
    net.solve()
    return net


HEADER = """
Example pipe project in metric units: Northfield bypass (Route 9),
chainage 2+000 to 2+400. Sizes in millimetres; chainages, offsets,
elevations and lengths in metres; discharges in m3/s, velocities in m/s,
CA in hectares, intensities in mm/h (Q = C i A / 360).

Two-lane road with kerbs 11 m either side of the centreline, rising at
1.2 % and then 2.0 % away from Brook Farm stream. One system, outfall 1
(end section, invert 54.200): the right kerb line, the left kerb line
joining it at manhole 3 and an offsite ditch joining at junction box 2.

Rational method with the 10-year intensity i = 1270 / (tc + 10)^0.75 mm/h,
Manning's normal depth per barrel (n = 0.013), crowns matched at every
structure except the drop at junction box 2, cover 0.65 to 2.8 m.

Generated by tools/examples/make_metric.py.
"""

INLET_HEADER = """
Example inlet project for the Northfield bypass, the companion of
metric.pipe.txt. DI-3B kerb inlets; INLETLENGTH is the kerb opening in
metres. Inlet 9 has no record.

Generated by tools/examples/make_metric.py.
"""

PROJECT_COLUMNS = [("UNITS", "text"), ("PROJECT_NAME", "text"), ("DESIGN_STORM", "integer")]

INLET_COLUMNS = [
    ("INLET_NUMBER", "text"), ("INLET_SUBTYPE", "text"), ("INLETLENGTH", "double"),
    ("INLET_TYPE", "text"), ("IN_SAG", "boolean"), ("STATION", "text"),
    ("OFFSET", "double"), ("OFFLOC", "text"), ("DRAIN_AREA", "double"),
    ("RUNOFF_C", "double"), ("INTENSITY", "double"), ("INLET_FLOW", "double"),
]


def inlet_rows(net):
    rows = []
    for s in net.order:
        if s.kind != "Inlet" or s.subtype is None:
            continue
        i = round(net.intensity(s.inlet_time), 1)
        rows.append([s.number, s.subtype, rounded(s.inlet_length, 2), "CURB", s.sag,
                     net.units.station(s.station), rounded(s.offset, 2), s.side,
                     s.area, s.c, i, round(s.c * i * s.area / 360.0, 3)])
    return rows


def main():
    net = build()
    problems = net.check(LIMITS)
    if "--report" in sys.argv:
        print(net.report())
        for b in branches(net, "1"):
            print("branch:", " ".join(b))
        print("\n".join("PROBLEM: " + p for p in problems))
        return
    if problems:
        sys.exit("\n".join(problems))
    os.makedirs(OUT, exist_ok=True)
    lines = [comment(HEADER), ""]
    lines += table("PROJECT", PROJECT_COLUMNS, [["METRIC", "Northfield bypass, Route 9", 10]])
    lines.append("")
    lines += table("PIPE", PIPE_COLUMNS, pipe_rows(net))
    write(os.path.join(OUT, "metric.pipe.txt"), lines)
    lines = [comment(INLET_HEADER), ""]
    lines += table("PROJECT", [("UNITS", "text"), ("PROJECT_NAME", "text")],
                   [["METRIC", "Northfield bypass, inlet design"]])
    lines.append("")
    lines += table("INLET", INLET_COLUMNS, inlet_rows(net))
    write(os.path.join(OUT, "metric.inlet.txt"), lines)


if __name__ == "__main__":
    main()
