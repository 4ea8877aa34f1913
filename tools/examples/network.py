"""Lays out a storm-drain network from a designer's choices and works out
the numbers a pipe design program would store for it.

The designer gives, per structure, its place, type, top elevation and
drainage area, and for the pipe that drains it the downstream structure,
section, material, barrels, slope and skew. From those this module routes
the rational-method discharge down the tree (Q = C i A with the intensity of
the longest time of concentration), finds the normal depth and velocity in
each barrel by Manning's equation, and sets the inverts from the outfall
upstream with crowns matched at every structure. `check` lists whatever
breaks the usual design limits, so the example data stay believable.
"""

import math

from hydraulics import Section, full_friction_slope, manning_flow, normal_depth


class Structure:
    def __init__(self, number, kind, station, offset, side, top=None, area=0.0, c=0.0,
                 inlet_time=None, shaping="NO", subtype=None, inlet_length=None, sag=False):
        self.number = number
        self.kind = kind
        self.station = station
        self.offset = offset
        self.side = side          # "LT", "RT" or "" (on the baseline)
        self.top = top            # a number, None (no top), or ("crown", cover)
        self.area = area          # drainage area of the structure itself (acres or ha)
        self.c = c                # runoff coefficient of that area
        self.inlet_time = inlet_time
        self.shaping = shaping
        self.subtype = subtype
        self.inlet_length = inlet_length
        self.sag = sag            # inlet in a sump rather than on grade
        self.pipe = None          # the pipe that drains it
        self.ca = 0.0             # set by Network.add


    def x(self):
        return self.station

    def y(self):
        return -self.offset if self.side == "LT" else self.offset


class Pipe:
    def __init__(self, number, upstream, downstream, shape, material, size, barrels=1,
                 slope=0.01, skew=0, drop=0.0, length=None, comment=None):
        self.number = number
        self.upstream = upstream
        self.downstream = downstream
        self.shape = shape
        self.material = material
        # size: diameter for circular pipes, (span, rise, equivalent diameter) otherwise
        self.size = size
        self.barrels = barrels
        self.slope = slope
        self.skew = skew
        self.drop = drop
        self.length = length
        self.comment = comment    # lines written above the pipe's row


class Units:
    """English: inches, feet, acres, in/h, cfs. Metric: millimetres, metres,
    hectares, mm/h, m3/s (Q = C i A / 360)."""

    def __init__(self, english):
        self.english = english
        self.k = 1.486 if english else 1.0
        self.size_divisor = 12.0 if english else 1000.0
        self.flow_factor = 1.0 if english else 1.0 / 360.0
        self.elevation_decimals = 2 if english else 3
        self.flow_decimals = 2 if english else 3
        self.depth_decimals = 2 if english else 3
        self.ca_decimals = 2 if english else 3
        self.intensity_decimals = 2 if english else 1

    def station(self, station):
        if self.english:
            hundreds = int(station // 100)
            return f"{hundreds}+{station - hundreds * 100:05.2f}"
        km = int(station // 1000)
        return f"{km}+{station - km * 1000:07.3f}"


class Network:
    def __init__(self, units, intensity, manning):
        self.units = units
        self.intensity = intensity    # function of the time of concentration (min)
        self.manning = manning        # material -> Manning's n
        self.structures = {}
        self.order = []               # structures in the order they were added
        self.pipes = []               # pipes in stored order
        self.outfalls = {}            # outfall number -> invert

    def add(self, structure):
        structure.ca = round(structure.area * structure.c, self.units.ca_decimals)
        self.structures[structure.number] = structure
        self.order.append(structure)
        return structure

    def connect(self, pipe):
        self.pipes.append(pipe)
        self.structures[pipe.upstream].pipe = pipe
        return pipe

    def outfall(self, number, invert):
        self.outfalls[number] = invert

    # ---- geometry -------------------------------------------------------

    def rise(self, pipe):
        if pipe.shape == "Circular":
            return pipe.size / self.units.size_divisor
        return pipe.size[1] / self.units.size_divisor

    def span(self, pipe):
        if pipe.shape == "Circular":
            return pipe.size / self.units.size_divisor
        return pipe.size[0] / self.units.size_divisor

    def section(self, pipe):
        return Section(pipe.shape, self.span(pipe), self.rise(pipe))

    def length(self, pipe):
        if pipe.length is not None:
            return pipe.length
        a = self.structures[pipe.upstream]
        b = self.structures[pipe.downstream]
        return round(math.hypot(a.x() - b.x(), a.y() - b.y()), 2)

    def inflows(self, number):
        return [p for p in self.pipes if p.downstream == number]

    # ---- hydrology and hydraulics --------------------------------------

    def solve(self):
        self.results = {}
        for number in self.outfalls:
            for pipe in self.inflows(number):
                self._route(pipe)
        for number, invert in self.outfalls.items():
            for pipe in self.inflows(number):
                self._inverts(pipe, invert, None)

    def _route(self, pipe):
        """Discharge, depth and velocity of `pipe`, after those of every pipe upstream."""
        up = self.structures[pipe.upstream]
        ca = up.ca
        tc = up.inlet_time if up.area > 0 else 0.0
        for inflow in self.inflows(up.number):
            r = self._route(inflow)
            ca += r["sum_ca"]
            tc = max(tc, r["tc"] + r["length"] / r["velocity"] / 60.0)
        ca = round(ca, self.units.ca_decimals)
        i = round(self.intensity(tc), self.units.intensity_decimals)
        q = round(ca * i * self.units.flow_factor, self.units.flow_decimals)
        n = self.manning[pipe.material]
        section = self.section(pipe)
        qb = q / pipe.barrels
        y = normal_depth(section, qb, n, pipe.slope, self.units.k)
        if y is None:
            raise ValueError(f"pipe {pipe.number}: {q:.2f} does not fit {pipe.barrels} x {pipe.size}")
        area, _ = section.area_perimeter(y)
        velocity = qb / area
        length = self.length(pipe)
        r = {
            "sum_ca": ca, "tc": tc, "intensity": i, "discharge": q, "depth": y,
            "velocity": velocity, "length": length, "n": n,
            "friction_slope": full_friction_slope(section, qb, n, self.units.k),
            "depth_ratio": y / section.rise,
            "capacity": manning_flow(section, 0.94 * section.rise, n, pipe.slope,
                                     self.units.k) * pipe.barrels,
        }
        self.results[pipe.number] = r
        return r

    def _inverts(self, pipe, invert_below, rise_below):
        """Inverts of `pipe`: crown matched to the pipe leaving the structure below."""
        rise = self.rise(pipe)
        r = self.results[pipe.number]
        out = invert_below if rise_below is None else invert_below + max(0.0, rise_below - rise)
        decimals = self.units.elevation_decimals
        # Rounded up, so that a crown matched to a size of no whole number of
        # hundredths still sits no lower than the crown it matches.
        scale = 10 ** decimals
        out = math.ceil(round((out + pipe.drop) * scale, 6)) / scale
        r["eleout"] = out
        r["elein"] = round(out + pipe.slope * r["length"], decimals)
        for inflow in self.inflows(pipe.upstream):
            self._inverts(inflow, r["elein"], rise)

    # ---- structure attributes -----------------------------------------

    def top(self, structure):
        top = structure.top
        if isinstance(top, tuple):
            # A headwall or end section: the top is set a given height above
            # the crown of the pipe at that structure.
            pipe = structure.pipe
            if pipe is not None:
                r = self.results[pipe.number]
                return round(r["elein"] + self.rise(pipe) + top[1], self.units.elevation_decimals)
            inflow = self.inflows(structure.number)[0]
            r = self.results[inflow.number]
            return round(r["eleout"] + self.rise(inflow) + top[1], self.units.elevation_decimals)
        return None if top is None else round(top, self.units.elevation_decimals)

    def invert(self, structure):
        if structure.pipe is not None:
            return self.results[structure.pipe.number]["elein"]
        return self.outfalls[structure.number]

    # ---- checks ---------------------------------------------------------

    def check(self, limits):
        problems = []
        for pipe in self.pipes:
            r = self.results[pipe.number]
            up = self.structures[pipe.upstream]
            down = self.structures[pipe.downstream]
            rise = self.rise(pipe)
            size = pipe.size if pipe.shape == "Circular" else max(pipe.size[0], pipe.size[1])
            name = f"pipe {pipe.number} ({up.number} -> {down.number})"
            if not limits["size"][0] <= size <= limits["size"][1]:
                problems.append(f"{name}: size {size}")
            if not limits["slope"][0] <= pipe.slope <= limits["slope"][1]:
                problems.append(f"{name}: slope {pipe.slope}")
            if not limits["velocity"][0] <= r["velocity"] <= limits["velocity"][1]:
                problems.append(f"{name}: velocity {r['velocity']:.2f}")
            if not limits["length"][0] <= r["length"] <= limits["length"][1]:
                problems.append(f"{name}: length {r['length']}")
            if r["depth_ratio"] > limits["depth_ratio"]:
                problems.append(f"{name}: flows {r['depth_ratio']:.2f} full")
            if r["eleout"] < self.invert(down) - 1e-9:
                problems.append(f"{name}: outlet below the structure's invert")
            for structure, invert in ((up, r["elein"]), (down, r["eleout"])):
                top = self.top(structure)
                if top is None:
                    continue
                cover = top - invert - rise
                if not limits["cover"][0] <= cover <= limits["cover"][1]:
                    problems.append(f"{name}: cover {cover:.2f} at {structure.number}")
            slope_back = (r["elein"] - r["eleout"]) / r["length"]
            if abs(slope_back - pipe.slope) > 0.0001:
                problems.append(f"{name}: stored slope {pipe.slope} vs inverts {slope_back:.5f}")
            # A pipe never has less waterway than any one pipe it collects.
            waterway = self.section(pipe).full()[0] * pipe.barrels
            for inflow in self.inflows(up.number):
                if self.section(inflow).full()[0] * inflow.barrels > waterway + 1e-9:
                    problems.append(f"{name}: smaller than inflow {inflow.number}")
        return problems

    def report(self):
        lines = []
        for pipe in self.pipes:
            r = self.results[pipe.number]
            up = self.structures[pipe.upstream]
            down = self.structures[pipe.downstream]
            tops = [self.top(up), self.top(down)]
            covers = ["-" if t is None else f"{t - e - self.rise(pipe):5.2f}"
                      for t, e in zip(tops, (r["elein"], r["eleout"]))]
            lines.append(
                f"{pipe.number:>5} {up.number:>4}->{down.number:<4} {pipe.barrels}x{str(pipe.size):<14}"
                f" L={r['length']:7.2f} S={pipe.slope:.4f} CA={r['sum_ca']:6.2f} tc={r['tc']:5.1f}"
                f" i={r['intensity']:5.2f} Q={r['discharge']:7.2f} y/D={r['depth_ratio']:.2f}"
                f" V={r['velocity']:5.2f} in={r['elein']:7.2f} out={r['eleout']:7.2f}"
                f" cover {covers[0]}/{covers[1]}")
        return "\n".join(lines)


# ---- description output ----------------------------------------------------

def field(value):
    """One field of a description row: None is NULL, "" empty text."""
    if value is None:
        return ""
    if isinstance(value, str):
        if value == "" or any(ch in value for ch in ',"') or value != value.strip():
            return '"' + value.replace('"', '""') + '"'
        return value
    if isinstance(value, bool):
        return "true" if value else "false"
    if isinstance(value, int):
        return str(value)
    text = f"{value:.10f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def rounded(value, decimals):
    return None if value is None else round(value, decimals)


def table(name, columns, rows):
    """Description lines of one table; a row given as a str is a comment."""
    lines = [f"[{name}]", ",".join(f"{c}:{t}" for c, t in columns)]
    for row in rows:
        if isinstance(row, str):
            lines.append(row)
        else:
            assert len(row) == len(columns), row
            lines.append(",".join(field(v) for v in row))
    return lines


def comment(text):
    return "\n".join("# " + line if line else "#" for line in text.strip("\n").split("\n"))


PIPE_COLUMNS = [
    ("PIPE_NUMBER", "text"), ("NODEOUT_NO", "text"), ("NODEIN_NO", "text"),
    ("NODEIN_TYPE", "text"), ("NODEOUT_TYPE", "text"),
    ("NODEIN_STATION", "text"), ("NODEIN_OFFSET", "double"), ("NODEIN_OFFLOC", "text"),
    ("NODEIN_TOPELE", "double"),
    ("NODEOUT_STATION", "text"), ("NODEOUT_OFFSET", "double"), ("NODEOUT_OFFLOC", "text"),
    ("NODEOUT_TOPELE", "double"), ("NODEIN_SHAPING", "text"),
    ("PIPE_SHAPE", "text"), ("PIPE_DIA", "double"), ("SPAN", "double"), ("RISE", "double"),
    ("NUMOFPIPES", "integer"), ("PIPE_MAT", "text"),
    ("PIPE_ELEIN", "double"), ("PIPE_ELEOUT", "double"), ("PIPE_LENGTH", "double"),
    ("PIPE_SLOPE", "double"), ("PIPE_MANN", "single"), ("PIPE_DISCHARGE", "double"),
    ("PIPE_VELOCITY", "double"), ("PIPE_FLOWDEPTH", "double"), ("PIPE_SKEW", "double"),
    ("STRUCTURE_CA", "double"), ("PIPE_I", "double"), ("FRICTION_SLOPE", "double"),
]


def pipe_rows(net):
    u = net.units
    rows = []
    for pipe in net.pipes:
        if pipe.comment:
            rows.append(comment(pipe.comment))
        r = net.results[pipe.number]
        up = net.structures[pipe.upstream]
        down = net.structures[pipe.downstream]
        if pipe.shape == "Circular":
            dia = span = rise = float(pipe.size)
        else:
            span, rise, dia = (float(v) for v in pipe.size)
        rows.append([
            pipe.number, down.number, up.number, up.kind, down.kind,
            u.station(up.station), rounded(up.offset, 2), up.side, net.top(up),
            u.station(down.station), rounded(down.offset, 2), down.side, net.top(down),
            up.shaping,
            pipe.shape, dia, span, rise, pipe.barrels, pipe.material,
            r["elein"], r["eleout"], rounded(r["length"], 2), pipe.slope, r["n"],
            r["discharge"], rounded(r["velocity"], 2), rounded(r["depth"], u.depth_decimals),
            float(pipe.skew), None if up.kind == "Other" else up.ca, r["intensity"],
            float(f"{r['friction_slope']:.3g}"),
        ])
    return rows


def write(path, lines):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def branches(net, outfall):
    """The branches as the profile generator orders them: from each start node
    (the outfall first, then upstream nodes in the order they were reached)
    one branch per free pipe draining into it, each following the first free
    pipe in stored order until no pipe drains into its last node."""
    free = list(net.pipes)
    reached = []
    result = []
    starts = [outfall]
    while starts:
        start = starts.pop(0)
        while any(p.downstream == start for p in free):
            branch = [start]
            node = start
            while True:
                pipe = next((p for p in free if p.downstream == node), None)
                if pipe is None:
                    break
                free.remove(pipe)
                node = pipe.upstream
                branch.append(node)
                reached.append(node)
                starts.append(node)
            result.append(branch)
    return result
