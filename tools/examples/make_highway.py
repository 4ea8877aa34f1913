#!/usr/bin/python3
"""Writes examples/highway/highway.pipe.txt and examples/highway/highway.inlet.txt.

The committed description files are what the build turns into Jet files;
this script is how their numbers were worked out. After a change to the
layout below, run it again and commit both outputs:

    /usr/bin/python3 tools/examples/make_highway.py           # write the files
    /usr/bin/python3 tools/examples/make_highway.py --report  # design summary only

It refuses to write when a pipe breaks one of the design limits in LIMITS.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from network import (Network, Pipe, PIPE_COLUMNS, Structure, Units, branches, comment,
                     pipe_rows, rounded, table, write)

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
OUT = os.path.join(ROOT, "examples", "highway")


def grade(s):
    """Profile grade line of Route 617 (at the median edge), feet, at station s."""
    if s <= 2000:
        return 404.0 + 0.010 * (s - 1100)
    if s <= 3100:
        return 413.0 + 0.022 * (s - 2000)
    if s <= 3700:  # 600 ft crest curve, +2.2 % to -1.8 %, high point near 34+30
        x = s - 3100
        return 437.2 + 0.022 * x - 0.04 / 1200.0 * x * x
    return 438.4 - 0.018 * (s - 3700)


def gutter(s):       # curb-and-gutter flow line 58 ft out, 2.5 % cross slope
    return grade(s) - 1.45


def behind_curb(s):  # manhole and junction box lids in the sidewalk strip, 62 ft out
    return grade(s) - 1.20


def median(s):       # depressed grass median
    return grade(s) - 2.50


def ditch(s):        # roadside ditch beyond the curb near the crest
    return grade(s) - 3.00


def oak_lane(d, extra=0.0):
    """Oak Lane gutter, rising at 3 % from the Route 617 gutter at Sta. 16+40."""
    return gutter(1640) + 0.03 * (d - 58) + extra


def intensity(tc):
    """10-year rainfall intensity (in/h) for a time of concentration (min)."""
    return 50.0 / (max(tc, 5.0) + 10.0) ** 0.75


MANNING = {"Concrete": 0.013, "CMP": 0.024}

LIMITS = {
    "size": (15, 72), "slope": (0.005, 0.05), "velocity": (3.0, 12.0),
    "length": (50.0, 400.0), "depth_ratio": 0.85, "cover": (2.0, 10.0),
}


def build():
    net = Network(Units(english=True), intensity, MANNING)
    S = net.add
    inlet = dict(inlet_time=5)

    # Trunk along the right side of Route 617, outfall at Mill Run below Sta. 11+20.
    S(Structure("1", "End Wall", 1120, 118, "RT", top=("crown", 2.25)))
    S(Structure("2", "Junction Box", 1220, 62, "RT", top=behind_curb(1220), shaping="YES"))
    S(Structure("3", "Other", 1410, 62, "RT", top=None, shaping="YES"))
    S(Structure("4", "Junction Box", 1640, 62, "RT", top=behind_curb(1640), shaping="YES"))
    S(Structure("5", "Inlet", 1870, 58, "RT", top=gutter(1870), area=0.62, c=0.85,
                shaping="YES", subtype="DI-3B", inlet_length=10, **inlet))
    S(Structure("6", "Man Hole", 2100, 62, "RT", top=behind_curb(2100), shaping="YES"))
    S(Structure("7", "Inlet", 2320, 58, "RT", top=gutter(2320), area=0.58, c=0.85,
                shaping="YES", subtype="DI-3B", inlet_length=8, **inlet))
    S(Structure("8", "Junction Box", 2540, 62, "RT", top=behind_curb(2540), shaping="YES"))
    S(Structure("9", "Inlet", 2760, 58, "RT", top=gutter(2760), area=0.55, c=0.85,
                shaping="YES", subtype="DI-3B", inlet_length=8, **inlet))
    S(Structure("10", "Inlet", 2970, 58, "RT", top=gutter(2970), area=0.52, c=0.86,
                shaping="YES", subtype="DI-3B", inlet_length=6, **inlet))
    S(Structure("11", "Inlet", 3160, 58, "RT", top=gutter(3160), area=0.48, c=0.86,
                shaping="YES", subtype="DI-3B", inlet_length=6, **inlet))
    S(Structure("12", "Inlet", 3330, 75, "RT", top=ditch(3330), area=0.85, c=0.45,
                inlet_time=8, shaping="NO", subtype="DI-1", inlet_length=3))

    # Median and left gutter opposite junction box 4.
    S(Structure("21", "Inlet", 1640, 0, "", top=median(1640), area=0.38, c=0.50,
                shaping="YES", subtype="DI-7", inlet_length=4, sag=True, **inlet))
    S(Structure("22", "Inlet", 1640, 58, "LT", top=gutter(1640), area=0.60, c=0.85,
                shaping="YES", subtype="DI-3B", inlet_length=12, **inlet))
    S(Structure("23", "Inlet", 1870, 58, "LT", top=gutter(1870), area=0.57, c=0.85,
                shaping="YES", subtype="DI-3B", inlet_length=8, **inlet))
    S(Structure("24", "Inlet", 2100, 58, "LT", top=gutter(2100), area=0.55, c=0.85,
                shaping="NO", subtype="DI-3B", inlet_length=8, **inlet))
    S(Structure("25", "Inlet", 1870, 1.5, "LT", top=median(1870), area=0.42, c=0.50,
                shaping="YES", subtype="DI-7", inlet_length=4, **inlet))
    # Inlet 26 is in the inlet database without a subtype or length yet.
    S(Structure("26", "Inlet", 2100, 1.5, "LT", top=median(2100), area=0.45, c=0.50,
                shaping="NO", subtype="", inlet_length=None, **inlet))

    # Median and left gutter opposite junction box 8.
    S(Structure("27", "Inlet", 2540, 1.5, "LT", top=median(2540), area=0.40, c=0.50,
                shaping="YES", subtype="DI-7", inlet_length=4, **inlet))
    S(Structure("28", "Inlet", 2540, 58, "LT", top=gutter(2540), area=0.56, c=0.85,
                shaping="YES", subtype="DI-3B", inlet_length=10, **inlet))
    S(Structure("29", "Inlet", 2760, 1.5, "LT", top=median(2760), area=0.41, c=0.50,
                shaping="YES", subtype="DI-7", inlet_length=4, **inlet))
    S(Structure("31", "Inlet", 2760, 58, "LT", top=gutter(2760), area=0.54, c=0.85,
                shaping="YES", subtype="DI-3B", inlet_length=8, **inlet))
    S(Structure("32", "Inlet", 2970, 58, "LT", top=gutter(2970), area=0.52, c=0.86,
                shaping="YES", subtype="DI-3B", inlet_length=8, **inlet))
    # Inlet 33 was added to the pipe layout after the inlet design was run.
    S(Structure("33", "Inlet", 2970, 1.5, "LT", top=median(2970), area=0.40, c=0.50,
                shaping="NO", subtype=None, **inlet))
    S(Structure("34", "Inlet", 3160, 58, "LT", top=gutter(3160), area=0.50, c=0.86,
                shaping="NO", subtype="DI-3B", inlet_length=6, **inlet))

    # Offsite culvert: 46 ac of pasture and woods west of the road.
    S(Structure("30", "End Wall", 1260, 135, "LT", top=("crown", 2.0), area=46.0, c=0.35,
                inlet_time=28, shaping="NO"))

    # Oak Lane, a curbed side street on the right at Sta. 16+40.
    S(Structure("40", "Inlet", 1620, 140, "RT", top=oak_lane(140), area=0.45, c=0.80,
                shaping="YES", subtype="DI-3B", inlet_length=8, **inlet))
    S(Structure("41", "Inlet", 1620, 360, "RT", top=oak_lane(360), area=0.50, c=0.75,
                shaping="YES", subtype="DI-3B", inlet_length=10, **inlet))
    S(Structure("42", "Inlet", 1675, 362, "RT", top=oak_lane(362, 0.08), area=0.44, c=0.75,
                shaping="NO", subtype="DI-3B", inlet_length=6, **inlet))
    S(Structure("43", "Man Hole", 1620, 580, "RT", top=oak_lane(580, 0.30), shaping="YES"))
    S(Structure("44", "End Section", 1600, 760, "RT", top=("crown", 2.0), area=8.0, c=0.45,
                inlet_time=18, shaping="NO"))

    # Offsite field west of the road at Sta. 21+00, 18 ac.
    S(Structure("50", "End Section", 2080, 150, "LT", top=("crown", 2.0), area=18.0, c=0.40,
                inlet_time=20, shaping="NO"))

    # Separate system beyond the crest, outfall to the left roadside ditch.
    S(Structure("201", "End Section", 4060, 100, "LT", top=("crown", 2.0)))
    S(Structure("202", "Inlet", 4020, 58, "LT", top=gutter(4020), area=0.50, c=0.85,
                shaping="YES", subtype="DI-3B", inlet_length=10, **inlet))
    S(Structure("203", "Inlet", 3820, 58, "LT", top=gutter(3820), area=0.62, c=0.85,
                shaping="NO", subtype="DI-3B", inlet_length=14, **inlet))
    S(Structure("204", "Inlet", 4020, 1.5, "LT", top=median(4020), area=0.40, c=0.50,
                shaping="NO", subtype="DI-7", inlet_length=4, sag=True, **inlet))

    C = net.connect
    C(Pipe("P2", "2", "1", "Circular", "Concrete", 42, barrels=2, slope=0.0050, skew=30,
           comment="""
Trunk line, junction box 2 to the outfall headwall 1 at Mill Run. Cover
is short here, so the 114 cfs leave in two 42 in barrels instead of one
54 in pipe; the barrels meet the headwall at a 30 degree skew to follow
the stream."""))
    C(Pipe("P3", "3", "2", "Box", "Concrete", (60, 36, 52), slope=0.0050, comment="""
A 5 ft x 3 ft box from structure 3 to junction box 2, where a sewer and a
water main cross above the line and leave no room for the 48 in pipe.
Structure 3 (type Other) is the buried transition from pipe to box: it has
no lid and so no top elevation."""))
    C(Pipe("P4", "4", "3", "Circular", "Concrete", 48, slope=0.0050))
    C(Pipe("P5", "5", "4", "Circular", "Concrete", 36, slope=0.0095, comment="""
Junction box 4 takes three inflows: the trunk from 5, the median lateral
from 21 (90 degrees) and the Oak Lane line from 40 (45 degrees)."""))
    C(Pipe("P6", "6", "5", "Circular", "Concrete", 36, slope=0.0100))
    C(Pipe("P7", "7", "6", "Circular", "Concrete", 24, slope=0.0200, comment="""
Above manhole 6 the road climbs at 2.2 %; the trunk follows it at about
2 % and stays 5 to 8 ft deep."""))
    C(Pipe("P8", "8", "7", "Circular", "Concrete", 24, slope=0.0210))
    C(Pipe("P9", "9", "8", "Circular", "Concrete", 18, slope=0.0200))
    C(Pipe("P10", "10", "9", "Circular", "Concrete", 15, slope=0.0210))
    C(Pipe("P11", "11", "10", "Circular", "Concrete", 15, slope=0.0200))
    C(Pipe("P12", "12", "11", "Circular", "Concrete", 15, slope=0.0150, comment="""
Inlet 12 is a ditch inlet catching the right ditch below the crest."""))
    C(Pipe("P21", "21", "4", "Elliptical", "Concrete", (30, 19, 24), slope=0.0100, skew=90,
           comment="""
Median lateral: a 19 in x 30 in elliptical pipe crosses under the right
roadway to junction box 4, where the median is too shallow for a 24 in
round pipe. Median inlet 21 sits on the baseline (offset 0, no side)."""))
    C(Pipe("P22", "22", "21", "Circular", "Concrete", 18, slope=0.0150, skew=90))
    C(Pipe("P23", "23", "22", "Circular", "Concrete", 18, slope=0.0100))
    C(Pipe("P24", "24", "23", "Circular", "Concrete", 15, slope=0.0100))
    C(Pipe("P25", "25", "21", "Circular", "Concrete", 15, slope=0.0100))
    C(Pipe("P26", "26", "25", "Circular", "Concrete", 15, slope=0.0110))
    C(Pipe("P27", "27", "8", "Circular", "Concrete", 24, slope=0.0150, skew=90, comment="""
Second median lateral, into junction box 8."""))
    C(Pipe("P28", "28", "27", "Circular", "Concrete", 18, slope=0.0200, skew=90))
    C(Pipe("P29", "29", "27", "Circular", "Concrete", 15, slope=0.0200))
    C(Pipe("P31", "31", "28", "Circular", "Concrete", 18, slope=0.0200))
    C(Pipe("P32", "32", "31", "Circular", "Concrete", 15, slope=0.0200))
    C(Pipe("P33", "33", "29", "Circular", "Concrete", 15, slope=0.0200))
    C(Pipe("P34", "34", "32", "Circular", "Concrete", 15, slope=0.0180))
    C(Pipe("P30", "30", "2", "Circular", "CMP", 30, barrels=3, slope=0.0150, skew=45,
           comment="""
Offsite culvert: three 30 in CMP barrels from the headwall at the west
ditch (46 ac, C = 0.35, tc = 28 min) into junction box 2 at 45 degrees."""))
    C(Pipe("P40", "40", "4", "Rectangulr", "Concrete", (36, 24, 33), slope=0.0200, skew=45,
           comment="""
Oak Lane: a 3 ft x 2 ft precast rectangular conduit under the gas main at
the intersection, then round pipe up the side street to the subdivision
ditch at end section 44."""))
    C(Pipe("P41", "41", "40", "Circular", "Concrete", 24, slope=0.0200))
    C(Pipe("P42", "42", "41", "Circular", "Concrete", 15, slope=0.0200, skew=90))
    C(Pipe("P43", "43", "41", "Circular", "Concrete", 24, slope=0.0220))
    C(Pipe("P44", "44", "43", "Circular", "CMP", 24, slope=0.0300))
    C(Pipe("P50", "50", "6", "Arch", "CMP", (42, 29, 36), slope=0.0200, skew=90, comment="""
Offsite field west of the road (18 ac, C = 0.40): a 42 in x 29 in CMP
pipe-arch from the end section in the west ditch, under the road, into
manhole 6."""))
    C(Pipe("P202", "202", "201", "Circular", "Concrete", 18, slope=0.0200, comment="""
Second system, beyond the crest: two inlets and a median inlet draining
to the end section 201 in the left roadside ditch at Sta. 40+60."""))
    C(Pipe("P203", "203", "202", "Circular", "Concrete", 15, slope=0.0180))
    C(Pipe("P204", "204", "202", "Circular", "Concrete", 15, slope=0.0080, skew=90))

    net.outfall("1", 396.50)
    net.outfall("201", 424.80)
    net.solve()
    return net


HEADER = """
Example pipe project: Route 617 (Carrow Road) widening, Sta. 11+00 to 41+00.
English units: sizes in inches, stations, offsets, elevations and lengths in
feet, discharges in cfs, velocities in ft/s, CA in acres, intensities in in/h.

Four-lane divided road with a 40 ft depressed grass median, curb and gutter at
58 ft either side of the baseline. The road rises from Mill Run (Sta. 11+00,
el. 404) at 1.0 % and then 2.2 % to a crest near Sta. 34+30 and falls at
1.8 % beyond it.

Main system, outfall 1 (headwall at Mill Run, invert 396.50): a trunk along
the right side from inlet 12 down to the outfall, two median laterals, the
Oak Lane side-street line and two offsite culverts. Second system, outfall
201 (end section in the left ditch, invert 424.80), three pipes.

How the numbers were found: rational method Q = C i A with the 10-year
intensity i = 50 / (tc + 10)^0.75 in/h, 5 min inlet time; the time of
concentration of a pipe is the longest of its inflows' plus travel time.
STRUCTURE_CA is the structure's own C x A, PIPE_I the intensity used for
the pipe, so PIPE_DISCHARGE = PIPE_I x (sum of CA upstream). Depth and
velocity are Manning's normal depth in one barrel (n = 0.013 concrete,
0.024 corrugated metal); FRICTION_SLOPE is the slope of one barrel flowing
full. Inverts are set from the outfall upstream with the crown of every
pipe matched to the crown of the pipe leaving the structure, so
PIPE_ELEOUT is never below the structure's invert; PIPE_SLOPE is the
fraction (PIPE_ELEIN - PIPE_ELEOUT) / PIPE_LENGTH. Cover over the crowns is
2 to 9.5 ft. Each pipe carries the attributes of its upstream structure in
the NODEIN_* fields and of its downstream structure in the NODEOUT_* fields.

Generated by tools/examples/make_highway.py.
"""

PROJECT_COLUMNS = [("UNITS", "text"), ("PROJECT_NAME", "text"), ("PROJECT_NO", "text"),
                   ("DESIGNER", "text"), ("DESIGN_STORM", "integer"), ("JOB_ID", "long")]


def pipe_description(net):
    lines = [comment(HEADER), ""]
    lines += table("PROJECT", PROJECT_COLUMNS, [
        ["ENGLISH", "Route 617 – Carrow Road widening, Mill Run to Oak Lane",
         "0617-041-112, C-501", "R. Okafor", 10, 6174112]])
    lines.append("")
    lines += table("PIPE", PIPE_COLUMNS, pipe_rows(net))
    return lines


INLET_HEADER = """
Example inlet project for Route 617 (Carrow Road) widening, the companion of
highway.pipe.txt. One record per inlet the inlet design covered: DI-3B curb
inlets (INLETLENGTH is the curb opening in ft), DI-7 median grate inlets and
a DI-1 ditch inlet (INLETLENGTH is the grate length in ft). Inlet 26 has a
record but no subtype or length yet; inlet 33 has no record at all.
INLET_FLOW = RUNOFF_C x INTENSITY x DRAIN_AREA with the 5 min intensity
(8 min for the ditch inlet 12).

Generated by tools/examples/make_highway.py.
"""

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
        i = round(net.intensity(s.inlet_time), 2)
        kind = None if not s.subtype else ("CURB" if s.subtype == "DI-3B" else "GRATE")
        rows.append([s.number, s.subtype or None, rounded(s.inlet_length, 2), kind, s.sag,
                     net.units.station(s.station), rounded(s.offset, 2), s.side,
                     s.area, s.c, i, round(s.c * i * s.area, 2)])
    return rows


def inlet_description(net):
    lines = [comment(INLET_HEADER), ""]
    lines += table("PROJECT", [("UNITS", "text"), ("PROJECT_NAME", "text")],
                   [["ENGLISH", "Route 617 – Carrow Road widening, inlet design"]])
    lines.append("")
    lines += table("INLET", INLET_COLUMNS, inlet_rows(net))
    return lines


def main():
    net = build()
    problems = net.check(LIMITS)
    if "--report" in sys.argv:
        print(net.report())
        for outfall in net.outfalls:
            for b in branches(net, outfall):
                print(f"branch from {outfall}:", " ".join(b))
        print("\n".join("PROBLEM: " + p for p in problems))
        return
    if problems:
        sys.exit("\n".join(problems))
    os.makedirs(OUT, exist_ok=True)
    write(os.path.join(OUT, "highway.pipe.txt"), pipe_description(net))
    write(os.path.join(OUT, "highway.inlet.txt"), inlet_description(net))


if __name__ == "__main__":
    main()
