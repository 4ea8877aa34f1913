#!/usr/bin/python3
"""Our PDF page of a branch profile against LibreCAD's rendering of the DXF.

Both pages are rasterised by pdftoppm (grey, no anti-aliasing), our footer is
cut off, and each rendering's ink is mapped onto the drawing's own extent (the
bounding box of its ink), so that page size, margins and scale drop out. Then
the ink has to lie in the same places:

- the long horizontal and vertical strokes (the profile's base line, the
  elevation scales, the structures' station lines) pair up one to one at the
  same positions;
- nearly all ink of each rendering lies near ink of the other, over the
  whole drawing and within each small tile of it (the tiles are what catch a
  pipe line or a structure drawn somewhere else: a small share of the whole
  drawing, but most of its tile);
- the row and column ink profiles agree;
- the extents have the same proportions.

"Near" and "same position" mean within TOL (1 %) of the drawing's width for
horizontal positions, of its height for vertical ones. The two programs set
text in different fonts, yet on the example drawings every check passes at
half that tolerance. A stroke moved further than the tolerance is missed
only where it lands within the tolerance of other ink.

Usage: librecad_ink_test.py CLI EXAMPLES_DIR OUT_DIR
Exits 77 (reported as skipped) when LibreCAD or pdftoppm is not installed.
"""
import functools
import operator
import os
import shutil
import subprocess
import sys

SKIP = 77
TOL = 0.01  # of the drawing's width (x) or height (y)
# The row and column ink profiles are compared smoothed over this share of
# the extent: text in different fonts spreads its ink differently.
PROFILE_SMOOTHING = 0.015
GRID_W = 1000  # cells across the normalised drawing
MIN_COVERAGE = 0.98  # share of one rendering's ink near the other's
MIN_PROFILE_CORRELATION = 0.8
TILES = 30  # across; as many down as make them square
MIN_TILE_COVERAGE = 0.9  # the same within each tile
LONG_RUN = 0.25  # a stroke at least this share of the extent is a "long line"
PIXELS_ACROSS = 1700  # both pages are rasterised this wide


def run(cmd, cwd=None, env=None):
    r = subprocess.run(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE,
                       stderr=subprocess.STDOUT, timeout=300)
    if r.returncode != 0:
        sys.exit(f"FAIL: {' '.join(cmd)} exited {r.returncode}:\n"
                 f"{r.stdout.decode(errors='replace')}")


def render(pdf, stem):
    """Page 1 of `pdf` as (width, height, grey bytes), PIXELS_ACROSS wide."""
    run(["pdftoppm", "-gray", "-scale-to-x", str(PIXELS_ACROSS), "-scale-to-y", "-1",
         "-aa", "no", "-aaVector", "no",
         "-f", "1", "-l", "1", "-singlefile", pdf, stem])
    with open(stem + ".pgm", "rb") as f:
        data = f.read()
    # pdftoppm's header: "P5", width, height and 255, each followed by one blank.
    magic, w, h, depth = data.split(maxsplit=4)[:4]
    w, h = int(w), int(h)
    if magic != b"P5" or depth != b"255" or len(data) < w * h:
        sys.exit(f"FAIL: {stem}.pgm is not an 8-bit binary PGM of its size")
    return w, h, data[-w * h:]


# Anything not paper white is ink: without anti-aliasing every stroke is
# drawn in its own colour, and our palette keeps even the light DXF colours
# visibly off white.
DARK = bytes(1 if v < 250 else 0 for v in range(256))


def ink_points(w, h, pixels, rows):
    """Coordinates of dark pixels in the rows `rows` (a range)."""
    pts = []
    for y in rows:
        row = pixels[y * w:(y + 1) * w].translate(DARK)
        x = row.find(1)
        while x >= 0:
            pts.append((x, y))
            x = row.find(1, x + 1)
    return pts


def normalise(pts):
    """Ink cells on a GRID_W-wide grid spanning the ink's bounding box, and
    the box's height over width."""
    xs, ys = zip(*pts)
    x0, x1, y0, y1 = min(xs), max(xs), min(ys), max(ys)
    aspect = (y1 - y0 + 1) / (x1 - x0 + 1)
    gh = max(1, round(GRID_W * aspect))
    rows = [0] * gh
    for x, y in pts:
        gx = min(GRID_W - 1, (x - x0) * GRID_W // (x1 - x0 + 1))
        gy = min(gh - 1, (y - y0) * gh // (y1 - y0 + 1))
        rows[gy] |= 1 << gx
    return rows, aspect


def resize_rows(rows, gh):
    """The grid stretched or squeezed to `gh` rows (ink kept)."""
    out = [0] * gh
    for y, r in enumerate(rows):
        out[min(gh - 1, y * gh // len(rows))] |= r
    return out


def transpose(rows, width):
    cols = [0] * width
    for y, r in enumerate(rows):
        while r:
            low = r & -r
            cols[low.bit_length() - 1] |= 1 << y
            r ^= low
    return cols


def dilate(rows, width, rx, ry):
    """Ink grown by rx cells sideways and ry cells up and down."""
    mask = (1 << width) - 1
    grown = []
    for r in rows:
        g, k = r, 1
        while k <= rx:  # doubling: after it, g covers shifts up to 2k-1
            step = min(k, rx - k + 1)
            g |= (g << step) | (g >> step)
            k += step
        grown.append(g & mask)
    return [functools.reduce(operator.or_, grown[max(0, y - ry):y + ry + 1])
            for y in range(len(grown))]


def coverage(a, b_grown):
    """Share of a's ink that lies on b's grown ink."""
    total = sum(bin(r).count("1") for r in a)
    near = sum(bin(r & g).count("1") for r, g in zip(a, b_grown))
    return near / total if total else 0.0


def worst_tile(a, b_grown, width, tiles_x, tiles_y, min_ink):
    """The lowest coverage of a's ink by b's grown ink over the tiles of a
    tiles_x by tiles_y split that hold at least min_ink of a's ink cells, and
    where that tile is (as fractions of the extent): a stroke drawn in the
    wrong place is a small share of the whole drawing but most of its tile."""
    worst = (1.0, 0.0, 0.0)
    height = len(a)
    for ty in range(tiles_y):
        y0, y1 = ty * height // tiles_y, (ty + 1) * height // tiles_y
        for tx in range(tiles_x):
            x0, x1 = tx * width // tiles_x, (tx + 1) * width // tiles_x
            m = ((1 << (x1 - x0)) - 1) << x0
            total = sum(bin(r & m).count("1") for r in a[y0:y1])
            if total < min_ink:
                continue
            near = sum(bin(r & g & m).count("1") for r, g in zip(a[y0:y1], b_grown[y0:y1]))
            if near / total < worst[0]:
                worst = (near / total, (x0 + x1) / 2 / width, (y0 + y1) / 2 / height)
    return worst


def long_lines(rows, width):
    """Positions (row indices, adjacent rows merged to their middle) of rows
    holding an unbroken stroke of at least LONG_RUN of the width; a gap of
    one cell does not break a stroke."""
    need = int(LONG_RUN * width)
    hits = []
    for y, r in enumerate(rows):
        r |= r >> 1  # close single-cell gaps
        # Each and-with-itself-shifted-by-one shortens every run by one, so
        # the number of steps to nothing is the longest run.
        run_len, s = 0, r
        while s:
            s &= s >> 1
            run_len += 1
            if run_len >= need:
                hits.append(y)
                break
    starts = [y for i, y in enumerate(hits) if i == 0 or hits[i - 1] != y - 1]
    ends = [y for i, y in enumerate(hits) if i + 1 == len(hits) or hits[i + 1] != y + 1]
    return [(a + b) / 2 for a, b in zip(starts, ends)]


def pair_lines(ours, theirs, tol, what):
    problems = []
    for name, a, b in (("our", ours, theirs), ("LibreCAD's", theirs, ours)):
        for p in a:
            if not any(abs(p - q) <= tol for q in b):
                problems.append(f"{what} at {p:.1f} in {name} rendering has no "
                                f"counterpart within {tol:.1f} cells")
    if len(ours) != len(theirs):
        problems.append(f"{len(ours)} {what}s in ours, {len(theirs)} in LibreCAD's")
    return problems


def ink_counts(rows):
    return [bin(r).count("1") for r in rows]


def correlation(a, b):
    n = len(a)
    ma, mb = sum(a) / n, sum(b) / n
    cov = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    va = sum((x - ma) ** 2 for x in a)
    vb = sum((y - mb) ** 2 for y in b)
    return cov / (va * vb) ** 0.5 if va and vb else 0.0


def smooth(v, radius):
    """Moving sum, so that a stroke a cell or two off still lines up."""
    return [sum(v[max(0, i - radius):i + radius + 1]) for i in range(len(v))]


def compare(ours_pts, lc_pts, label):
    ours, ours_aspect = normalise(ours_pts)
    lc, lc_aspect = normalise(lc_pts)
    problems = []
    if abs(ours_aspect - lc_aspect) > TOL * ours_aspect:
        problems.append(f"extent height/width {ours_aspect:.4f} against "
                        f"LibreCAD's {lc_aspect:.4f}")
    gh = len(ours)
    lc = resize_rows(lc, gh)
    rx, ry = max(1, round(TOL * GRID_W)), max(1, round(TOL * gh))

    lc_grown, ours_grown = dilate(lc, GRID_W, rx, ry), dilate(ours, GRID_W, rx, ry)
    cov_ours, cov_lc = coverage(ours, lc_grown), coverage(lc, ours_grown)
    for name, cov in (("our", cov_ours), ("LibreCAD's", cov_lc)):
        if cov < MIN_COVERAGE:
            problems.append(f"only {cov:.1%} of {name} ink lies within the "
                            f"tolerance of the other rendering's ink")
    tiles_y = max(1, round(TILES * gh / GRID_W))
    min_ink = GRID_W // TILES // 3  # a stroke across a third of the tile or more
    worst_ours = worst_tile(ours, lc_grown, GRID_W, TILES, tiles_y, min_ink)
    worst_lc = worst_tile(lc, ours_grown, GRID_W, TILES, tiles_y, min_ink)
    for name, (cov, x, y) in (("our", worst_ours), ("LibreCAD's", worst_lc)):
        if cov < MIN_TILE_COVERAGE:
            problems.append(f"only {cov:.1%} of {name} ink around {x:.0%} across, "
                            f"{y:.0%} down the drawing lies within the tolerance "
                            f"of the other rendering's ink")

    h_ours, h_lc = long_lines(ours, GRID_W), long_lines(lc, GRID_W)
    ours_cols, lc_cols = transpose(ours, GRID_W), transpose(lc, GRID_W)
    v_ours, v_lc = long_lines(ours_cols, gh), long_lines(lc_cols, gh)
    problems += pair_lines(h_ours, h_lc, TOL * gh, "horizontal line")
    problems += pair_lines(v_ours, v_lc, TOL * GRID_W, "vertical line")
    if not h_ours or not v_ours:
        problems.append("no long horizontal or vertical lines found in our rendering")

    sx, sy = round(PROFILE_SMOOTHING * GRID_W), round(PROFILE_SMOOTHING * gh)
    c_rows = correlation(smooth(ink_counts(ours), sy), smooth(ink_counts(lc), sy))
    c_cols = correlation(smooth(ink_counts(ours_cols), sx), smooth(ink_counts(lc_cols), sx))
    for what, c in (("row", c_rows), ("column", c_cols)):
        if c < MIN_PROFILE_CORRELATION:
            problems.append(f"{what} ink profiles correlate only {c:.3f}")

    print(f"{label}: grid {GRID_W}x{gh}, aspect {ours_aspect:.4f}/{lc_aspect:.4f}, "
          f"coverage {cov_ours:.3f}/{cov_lc:.3f} worst tile "
          f"{worst_ours[0]:.3f}/{worst_lc[0]:.3f}, "
          f"long lines h {len(h_ours)}/{len(h_lc)} v {len(v_ours)}/{len(v_lc)}, "
          f"profile correlation rows {c_rows:.3f} columns {c_cols:.3f}")
    return problems


def check_project(cli, examples, out, name):
    work = os.path.join(out, name)
    os.makedirs(work, exist_ok=True)
    dxf = os.path.join(work, "branch1.dxf")
    pdf = os.path.join(work, "set.pdf")
    run([cli, "--pipe-db", os.path.join(examples, name + ".bvp"),
         "--inlet-db", os.path.join(examples, name + ".olm"), "--outfall", "1",
         "--branch-profile", "1:" + dxf, "--pdf", pdf, "--force"])

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    # LibreCAD writes the PDF beside the drawing, under the drawing's name.
    lc_pdf = os.path.join(work, "branch1.pdf")
    # Fitted to the page, every colour as black. (This dxf2pdf takes no
    # value for its paper size option, so the page stays A4 portrait; the
    # comparison does not depend on the page.)
    run(["librecad", "dxf2pdf", "-a", "-m", "branch1.dxf"], cwd=work, env=env)
    if not os.path.exists(lc_pdf) or not os.path.getsize(lc_pdf):
        sys.exit(f"FAIL: LibreCAD wrote an empty {lc_pdf}")

    w, h, px = render(pdf, os.path.join(work, "ours"))
    # The footer sits in the bottom margin (half an inch of the 11 in high
    # page); the drawing never does.
    ours_pts = ink_points(w, h, px, range(0, h - h * 36 // 792))
    w2, h2, px2 = render(lc_pdf, os.path.join(work, "librecad"))
    lc_pts = ink_points(w2, h2, px2, range(0, h2))
    if not ours_pts or not lc_pts:
        sys.exit(f"FAIL: {name}: no ink on {'our' if not ours_pts else 'LibreCAD'} page")
    return [f"{name}: {p}" for p in compare(ours_pts, lc_pts, name)]


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    cli, examples, out = sys.argv[1:]
    missing = [t for t in ("librecad", "pdftoppm") if not shutil.which(t)]
    if missing:
        print(f"skipped: {', '.join(missing)} not installed")
        return SKIP
    shutil.rmtree(out, ignore_errors=True)
    problems = [p for name in ("highway", "metric") for p in check_project(cli, examples, out, name)]
    for p in problems:
        print("FAIL:", p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
