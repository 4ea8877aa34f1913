"""Open-channel hydraulics of closed conduits, for laying out the example projects.

Everything works in one consistent unit system chosen by the caller through
the Manning constant: 1.486 for feet and seconds, 1.0 for metres and seconds.
Section sizes (span, rise, diameter) are given in the elevation unit (ft or m).
"""

import math


class Section:
    """A conduit cross-section: wetted area and perimeter for a flow depth."""

    def __init__(self, shape, span, rise):
        self.shape = shape
        self.span = span
        self.rise = rise

    def area_perimeter(self, y):
        y = max(0.0, min(y, self.rise))
        if self.shape == "Circular":
            r = self.rise / 2.0
            theta = math.acos((r - y) / r)
            area = r * r * theta - (r - y) * math.sqrt(max(0.0, 2.0 * r * y - y * y))
            return area, 2.0 * r * theta
        if self.shape in ("Box", "Rectangulr"):
            perimeter = self.span + 2.0 * y
            if y >= self.rise:
                perimeter += self.span
            return self.span * y, perimeter
        # Horizontal ellipse (elliptical pipe); a pipe-arch is taken as the
        # ellipse of the same span and rise, which is within a few per cent of
        # the corrugated-metal tables for area and hydraulic radius.
        a = self.span / 2.0
        b = self.rise / 2.0
        t_max = math.acos(1.0 - y / b)
        r = b
        circle_area = r * r * t_max - (r - y) * math.sqrt(max(0.0, 2.0 * r * y - y * y))
        area = circle_area * a / b
        # Arc length of x = a sin t, z = b (1 - cos t), t in [0, t_max], both sides.
        steps = 200
        h = t_max / steps
        total = 0.0
        for i in range(steps + 1):
            t = i * h
            f = math.sqrt((a * math.cos(t)) ** 2 + (b * math.sin(t)) ** 2)
            weight = 1 if i in (0, steps) else (4 if i % 2 else 2)
            total += weight * f
        return area, 2.0 * total * h / 3.0

    def full(self):
        if self.shape in ("Box", "Rectangulr"):
            return self.span * self.rise, 2.0 * (self.span + self.rise)
        if self.shape == "Circular":
            return math.pi * self.rise ** 2 / 4.0, math.pi * self.rise
        a = self.span / 2.0
        b = self.rise / 2.0
        # Ramanujan's perimeter of an ellipse.
        h = ((a - b) / (a + b)) ** 2
        perimeter = math.pi * (a + b) * (1 + 3 * h / (10 + math.sqrt(4 - 3 * h)))
        return math.pi * a * b, perimeter


def manning_flow(section, y, n, slope, k):
    area, perimeter = section.area_perimeter(y)
    if area <= 0.0:
        return 0.0
    radius = area / perimeter
    return k / n * area * radius ** (2.0 / 3.0) * math.sqrt(slope)


def normal_depth(section, q, n, slope, k):
    """Normal depth for discharge q per barrel; None when the barrel cannot carry it.

    The search stops at 94 % of the rise, about where a closed conduit's
    part-full capacity peaks.
    """
    top = 0.94 * section.rise
    if manning_flow(section, top, n, slope, k) < q:
        return None
    low, high = 0.0, top
    for _ in range(100):
        mid = (low + high) / 2.0
        if manning_flow(section, mid, n, slope, k) < q:
            low = mid
        else:
            high = mid
    return (low + high) / 2.0


def full_friction_slope(section, q, n, k):
    """Friction slope of the barrel flowing full with discharge q."""
    area, perimeter = section.full()
    radius = area / perimeter
    return (q * n / (k * area * radius ** (2.0 / 3.0))) ** 2
