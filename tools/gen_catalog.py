#!/usr/bin/env python3
"""Generates the built-in star catalogue and constellation figures as C++ tables.

Reads data/catalog/ and writes src/data/StarTable.inc (Stars[1..2849]) and
src/data/ConstLineTable.inc (the 88 figures and their 672 segments).

  tools/gen_catalog.py            regenerate the committed tables
  tools/gen_catalog.py --check    regenerate into a temporary folder and fail
                                  (exit 1) if anything differs from the tables
  tools/gen_catalog.py --out DIR  write the tables into DIR

Input files (all in data/catalog/):
  stars_source.csv     Hipparcos stars with V <= 6.00 (CC0), units as stored
  fixed_records.csv    catalogue records with fixed values and record numbers
  lines_western.csv    stick figures as HIP pairs (CC BY-SA 4.0)
  figure_counts.csv    figure order, abbreviations and segment counts
  fixed_figures.csv    figures whose segments are fixed slot by slot

Star selection. The fixed records stand at their record numbers. Between two
fixed records a < b the b - a - 1 records are unmodified source stars whose
magnitudes lie in [Mag_a, Mag_b]: first every such star that a figure uses as
an end point, then the brightest remaining ones (ties by HIP); each gap is
sorted by (magnitude, HIP). A gap without enough stars is an error; no
magnitude is ever altered. SpType is the first two characters of the source's
spectral class.

Figures. Each figure keeps the segment count of figure_counts.csv; the fixed
figures are taken slot by slot, the others from lines_western.csv with the
segments of DROPPED_SEGMENTS left out. An end point takes the position of its
catalogue star, rounded to 4 decimals of a radian. An end point whose star is
in the source but fainter than the catalogue keeps the source position (a
non-star end point; at most one per figure). An end point missing from the
source is replaced by another catalogue star of the same figure (see
replace_missing). Dist1/Dist2 are 3.26 times the parsecs, at most 2500
light-years, to 2 decimals.
"""

import argparse
import csv
import difflib
import math
import os
import sys
import tempfile
from decimal import ROUND_HALF_UP, Decimal

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA_DIR = os.path.join(ROOT, "data", "catalog")
OUT_DIR = os.path.join(ROOT, "src", "data")
STAR_FILE = "StarTable.inc"
LINE_FILE = "ConstLineTable.inc"

STAR_COUNT = 2849
MAX_SEGMENTS = 27
LY_PER_PC = Decimal("3.26")
MAX_LY = Decimal("2500")
TWO_PI = 2 * math.pi
ARCSEC = math.pi / (180 * 3600)
# A non-star end point must lie clear of every catalogue star, or it would be
# drawn as a slightly misplaced star.
NON_STAR_CLEARANCE = 60 * ARCSEC

# Source segments left out so that a figure gets its stored count. Draco's head
# is a closed quadrilateral in the source; dropping the segment that closes it
# keeps every star of the figure joined.
DROPPED_SEGMENTS = {"Dra": [(85829, 87585)]}

FIGURE_ATTRIBUTION = ("Constellation figures adapted from the Stellarium sky culture "
                      "'western' (CC BY-SA 4.0).")


class CatalogError(Exception):
    pass


def fail(message):
    raise CatalogError(message)


def read_csv(data_dir, name):
    with open(os.path.join(data_dir, name), newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def dec(text):
    return Decimal(text.strip())


def double_literal(value):
    """A Decimal as a C++ double literal of the same decimal value."""
    if value == 0:
        return "0.0"
    s = format(value.normalize(), "f")
    return s if "." in s else s + ".0"


def float_literal(value):
    return double_literal(value) + "f"


def c_string(text):
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif 32 <= ord(ch) < 127:
            out.append(ch)
        else:
            fail(f"spectral class {text!r} holds a character outside printable ASCII")
    return '"' + "".join(out) + '"'


# --- stars ---------------------------------------------------------------------

class Star:
    __slots__ = ("hip", "sptype", "ra", "de", "pmra", "pmde", "dist", "rv", "mag", "fixed")

    def __init__(self, hip, sptype, ra, de, pmra, pmde, dist, rv, mag, fixed):
        self.hip, self.sptype = hip, sptype
        self.ra, self.de, self.pmra, self.pmde = ra, de, pmra, pmde
        self.dist, self.rv, self.mag, self.fixed = dist, rv, mag, fixed

    def key(self):
        return (self.mag, self.hip)


def read_source_stars(data_dir):
    stars = {}
    for r in read_csv(data_dir, "stars_source.csv"):
        hip = int(r["hip"])
        if hip in stars:
            fail(f"stars_source.csv: HIP {hip} occurs twice")
        stars[hip] = Star(hip, r["spect"][:2], dec(r["ra_rad"]), dec(r["dec_rad"]),
                          dec(r["pmra_arcsec_cosdec"]), dec(r["pmdec_arcsec"]),
                          dec(r["dist_pc"]), dec(r["rv_kms"]), dec(r["vmag"]), False)
    return stars


def read_fixed_records(data_dir):
    fixed = {}
    for r in read_csv(data_dir, "fixed_records.csv"):
        rec = int(r["record"])
        if not 1 <= rec <= STAR_COUNT or rec in fixed:
            fail(f"fixed_records.csv: bad or repeated record number {rec}")
        fixed[rec] = Star(int(r["hip"]), r["sptype"], dec(r["ra"]), dec(r["de"]),
                          dec(r["pmra"]), dec(r["pmde"]), dec(r["dist"]), dec(r["rv"]),
                          dec(r["mag"]), True)
    for rec in (1, STAR_COUNT):
        if rec not in fixed:
            fail(f"fixed_records.csv must fix record {rec}")
    numbers = sorted(fixed)
    for a, b in zip(numbers, numbers[1:]):
        if fixed[b].mag < fixed[a].mag:
            fail(f"fixed records {a} and {b}: magnitude decreases")
    return fixed


def select_stars(source, fixed, end_point_hips):
    """Stars[1..STAR_COUNT] as a list (index 0 unused) and per-gap statistics."""
    fixed_hips = {s.hip for s in fixed.values()}
    pool = [s for h, s in source.items() if h not in fixed_hips]
    used = set()
    table = [None] * (STAR_COUNT + 1)
    for rec, star in fixed.items():
        table[rec] = star
    gaps = []
    numbers = sorted(fixed)
    for a, b in zip(numbers, numbers[1:]):
        need = b - a - 1
        if need == 0:
            continue
        lo, hi = fixed[a].mag, fixed[b].mag
        candidates = sorted((s for s in pool if s.hip not in used and lo <= s.mag <= hi),
                            key=Star.key)
        if len(candidates) < need:
            fail(f"records {a + 1}..{b - 1}: {need} stars needed with magnitudes in "
                 f"[{lo}, {hi}], only {len(candidates)} available")
        ends = [s for s in candidates if s.hip in end_point_hips]
        if len(ends) > need:
            fail(f"records {a + 1}..{b - 1}: {len(ends)} figure stars for {need} places")
        rest = [s for s in candidates if s.hip not in end_point_hips][:need - len(ends)]
        chosen = sorted(ends + rest, key=Star.key)
        for offset, star in enumerate(chosen, start=a + 1):
            table[offset] = star
            used.add(star.hip)
        in_range = sum(1 for s in pool if lo <= s.mag <= hi)
        gaps.append((a, b, need, len(candidates) - need, len(ends), in_range - need))
    return table, gaps


def check_star_table(table):
    seen = set()
    for rec in range(1, STAR_COUNT + 1):
        s = table[rec]
        if s.hip <= 0 or s.hip in seen:
            fail(f"record {rec}: HIP {s.hip} not positive or repeated")
        seen.add(s.hip)
        if not 1 <= len(s.sptype) <= 3:
            fail(f"record {rec}: spectral class {s.sptype!r} is not 1 to 3 characters")
        if not (0 <= s.ra < Decimal(TWO_PI) and abs(s.de) < Decimal(math.pi / 2)):
            fail(f"record {rec}: position out of range")
        if not 0 < s.dist <= 2000:
            fail(f"record {rec}: distance {s.dist} pc out of range")
        if rec > 1 and s.mag < table[rec - 1].mag:
            fail(f"record {rec}: magnitude decreases")


def star_table_text(table):
    lines = [
        "// Generated data: star catalogue Stars[1..2849], made by tools/gen_catalog.py from "
        "data/catalog/stars_source.csv and fixed_records.csv. Do not edit by hand.",
        "// Star data derived from the Open Source Bright Star Catalog by John O'Hanley "
        "(CC0 1.0); see data/catalog/LICENSE-stars.txt.",
        "// Rows in record order: HIP, SpType, RA, DE (radians, J2000), pmRA, pmDE (arcsec/yr),",
        "// Dist (pc), RV (km/s), Mag.",
        f"constexpr tv::CheckedArray<StarRow, 1, {STAR_COUNT}> StarRows = {{{{{{",
    ]
    for rec in range(1, STAR_COUNT + 1):
        s = table[rec]
        fields = [str(s.hip), c_string(s.sptype)] + [
            double_literal(v) for v in (s.ra, s.de, s.pmra, s.pmde, s.dist, s.rv, s.mag)]
        lines.append("    {" + ", ".join(fields) + "},")
    lines.append("}}};")
    return "\n".join(lines) + "\n"


# --- figures ---------------------------------------------------------------------

def unit_vector(ra, de):
    ra, de = float(ra), float(de)
    return (math.cos(de) * math.cos(ra), math.cos(de) * math.sin(ra), math.sin(de))


def separation(u, v):
    """Angle between two direction vectors (any length), radians."""
    cross = (u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0])
    return math.atan2(math.sqrt(sum(c * c for c in cross)), sum(a * b for a, b in zip(u, v)))


def read_figures(data_dir):
    """[(abbr, count, [(hip1, hip2), ...])] in stored order, before any replacement."""
    order = []
    for r in read_csv(data_dir, "figure_counts.csv"):
        order.append((int(r["index"]), r["abbr"], int(r["count"])))
    if [i for i, _, _ in order] != list(range(1, len(order) + 1)):
        fail("figure_counts.csv: indexes are not 1, 2, 3, ...")

    source = {}
    for r in read_csv(data_dir, "lines_western.csv"):
        source.setdefault(r["abbr"], []).append((int(r["hip1"]), int(r["hip2"])))
    fixed = {}
    for r in read_csv(data_dir, "fixed_figures.csv"):
        segs = fixed.setdefault(r["abbr"], [])
        if int(r["slot"]) != len(segs) + 1:
            fail(f"fixed_figures.csv: {r['abbr']} slots are not 1, 2, 3, ...")
        segs.append((int(r["hip1"]), int(r["hip2"])))

    names = [a for _, a, _ in order]
    if set(source) != set(names):
        fail(f"lines_western.csv and figure_counts.csv name different figures: "
             f"{sorted(set(source) ^ set(names))}")
    if not set(fixed) <= set(names):
        fail(f"fixed_figures.csv names unknown figures {sorted(set(fixed) - set(names))}")

    figures = []
    for _, abbr, count in order:
        if abbr in fixed:
            segs = list(fixed[abbr])
        else:
            segs = list(source[abbr])
            for drop in DROPPED_SEGMENTS.get(abbr, []):
                if drop not in segs:
                    fail(f"{abbr}: segment {drop} to drop is not in the source")
                segs.remove(drop)
        if len(segs) != count:
            fail(f"{abbr}: {len(segs)} segments, the figure needs {count}")
        if not 1 <= count <= MAX_SEGMENTS:
            fail(f"{abbr}: segment count {count} outside 1..{MAX_SEGMENTS}")
        figures.append((abbr, count, segs))
    return figures


def replace_missing(abbr, segs, missing, position):
    """Replaces the end point HIP `missing` (no source star) in the segments of one figure.

    The replacement is the figure's catalogue star nearest to the mean direction of
    the stars joined to the missing one (ties by HIP), skipping any star that would
    make a segment join a star to itself or repeat a segment the figure holds.
    Returns the replacing HIP and the (segment index, end index) pairs it took."""
    neighbours = sorted({h for s in segs if missing in s for h in s if h != missing})
    if not neighbours or any(position(h) is None for h in neighbours):
        fail(f"{abbr}: end point {missing} is missing and not joined to catalogue stars only")
    mean = [sum(c) for c in zip(*(unit_vector(*position(h)) for h in neighbours))]
    held = {frozenset(s) for s in segs}
    stars = sorted({h for s in segs for h in s if h != missing and position(h) is not None},
                   key=lambda h: (separation(mean, unit_vector(*position(h))), h))
    for h in stars:
        if all(h != n and frozenset((h, n)) not in held for n in neighbours):
            ends = [(i, k) for i, s in enumerate(segs) for k in (0, 1) if s[k] == missing]
            segs[:] = [tuple(h if e == missing else e for e in s) for s in segs]
            return h, ends
    fail(f"{abbr}: no star of the figure can replace the missing end point {missing}")


def round4(value):
    return value.quantize(Decimal("0.0001"), rounding=ROUND_HALF_UP)


def light_years(parsecs):
    return min(parsecs * LY_PER_PC, MAX_LY).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP)


def build_figures(figures, table, source):
    """Resolves every end point; returns rows and statistics."""
    catalogue = {table[rec].hip: table[rec] for rec in range(1, STAR_COUNT + 1)}
    star_vectors = [unit_vector(s.ra, s.de) for s in catalogue.values()]

    def position(hip):
        s = catalogue.get(hip)
        return (s.ra, s.de) if s else None

    non_stars, replaced, rows = [], [], []
    for abbr, count, segs in figures:
        segs = list(segs)
        notes = {}  # (segment index, end index): note for the table's comment
        for hip in sorted({h for s in segs for h in s}):
            if hip not in source and hip not in catalogue:
                by, ends = replace_missing(abbr, segs, hip, position)
                replaced.append((abbr, hip, by))
                for end in ends:
                    notes[end] = f"{by} replaces {hip}"
        faint = sorted({h for s in segs for h in s if h not in catalogue})
        if len(faint) > 1:
            fail(f"{abbr}: more than one end point without a catalogue star: {faint}")
        for hip in faint:
            v = unit_vector(source[hip].ra, source[hip].de)
            nearest = min(separation(v, w) for w in star_vectors)
            if nearest < NON_STAR_CLEARANCE:
                fail(f"{abbr}: end point {hip} lies {nearest / ARCSEC:.1f} arcsec from a "
                     f"catalogue star")
            non_stars.append((abbr, hip, source[hip].mag))
            for i, s in enumerate(segs):
                for k in (0, 1):
                    if s[k] == hip:
                        notes[(i, k)] = f"{hip} without catalogue star"

        def end_point(hip):
            s = catalogue.get(hip) or source[hip]
            ra, de = round4(s.ra), round4(s.de)
            if not (0 <= ra < Decimal(TWO_PI) and abs(de) < Decimal(math.pi / 2)):
                fail(f"{abbr}: end point {hip} rounds out of range")
            return ra, de, light_years(s.dist)

        rows.append((abbr, count, [(h1, h2, end_point(h1), end_point(h2),
                                    [notes[(i, k)] for k in (0, 1) if (i, k) in notes])
                                   for i, (h1, h2) in enumerate(segs)]))
    return rows, non_stars, replaced


def line_table_text(rows):
    total = sum(c for _, c, _ in rows)
    lines = [
        f"// Generated data: {len(rows)} constellation figures with {total} segments, made by "
        "tools/gen_catalog.py from data/catalog/lines_western.csv, figure_counts.csv, "
        "fixed_figures.csv and the star catalogue. Do not edit by hand.",
        f"// {FIGURE_ATTRIBUTION} This table is licensed under CC BY-SA 4.0; see",
        "// data/catalog/LICENSE-lines_western.txt and LICENSE-CC-BY-SA-4.0.txt.",
        "// Figures in stored order: Abbr, Count.",
        f"constexpr tv::CheckedArray<FigureRow, 1, {len(rows)}> FigureRows = {{{{{{",
    ]
    for abbr, count, _ in rows:
        lines.append(f"    {{{c_string(abbr)}, {count}}},")
    lines += [
        "}}};",
        "",
        "// Segments of all figures in order: RA1, DE1 (radians), Dist1 (light-years), RA2, DE2,",
        "// Dist2; the comment names the HIP numbers of the two end points.",
        f"constexpr tv::CheckedArray<SegmentRow, 1, {total}> SegmentRows = {{{{{{",
    ]
    for abbr, _, segs in rows:
        for slot, (h1, h2, e1, e2, notes) in enumerate(segs, start=1):
            values = ", ".join(float_literal(v) for v in e1 + e2)
            note = f" ({'; '.join(notes)})" if notes else ""
            lines.append(f"    {{{values}}},  // {abbr} {slot}: {h1}-{h2}{note}")
    lines.append("}}};")
    return "\n".join(lines) + "\n"


# --- driver ------------------------------------------------------------------------

def generate(data_dir, out_dir, report=print):
    source = read_source_stars(data_dir)
    fixed = read_fixed_records(data_dir)
    figures = read_figures(data_dir)
    end_point_hips = {h for _, _, segs in figures for s in segs for h in s}

    table, gaps = select_stars(source, fixed, end_point_hips)
    check_star_table(table)
    limit = table[STAR_COUNT].mag
    in_table = {table[rec].hip for rec in range(1, STAR_COUNT + 1)}
    lost = sorted(h for h in end_point_hips
                  if h in source and source[h].mag <= limit and h not in in_table)
    if lost:
        fail(f"figure stars within the catalogue's magnitudes but not in it: {lost}")

    rows, non_stars, replaced = build_figures(figures, table, source)

    with open(os.path.join(out_dir, STAR_FILE), "w", encoding="ascii", newline="\n") as f:
        f.write(star_table_text(table))
    with open(os.path.join(out_dir, LINE_FILE), "w", encoding="ascii", newline="\n") as f:
        f.write(line_table_text(rows))

    left_out = sum(1 for h, s in source.items() if s.mag <= limit and h not in in_table)
    report(f"stars: {STAR_COUNT} records, magnitudes {table[1].mag} to {limit}; "
           f"{len(fixed)} fixed records; {left_out} source stars up to {limit} left out")
    tight = min(g[3] for g in gaps)
    report(f"gaps: {len(gaps)}, fewest spare stars {tight} "
           f"(records {', '.join(f'{g[0] + 1}..{g[1] - 1}' for g in gaps if g[3] == tight)})")
    report("  spare = stars in the gap's magnitude range left over after the selection; "
           "in range = the same before earlier gaps took stars of a shared boundary magnitude")
    for a, b, need, spare, ends, in_range in gaps:
        report(f"  records {a + 1:4d}..{b - 1:4d}: {need:4d} stars, {ends:3d} figure stars, "
               f"{spare:4d} spare, {in_range:4d} spare in range")
    report(f"figures: {len(rows)}, segments {sum(c for _, c, _ in rows)}")
    report("non-star end points: " + (", ".join(f"{a} {h} (V {m})" for a, h, m in non_stars)
                                       or "none"))
    report("replaced end points: " + (", ".join(f"{a} {h} by {by}" for a, h, by in replaced)
                                       or "none"))


def check(data_dir, out_dir):
    with tempfile.TemporaryDirectory() as tmp:
        generate(data_dir, tmp, report=lambda _: None)
        same = True
        for name in (STAR_FILE, LINE_FILE):
            committed = os.path.join(out_dir, name)
            fresh = os.path.join(tmp, name)
            old_bytes = open(committed, "rb").read() if os.path.exists(committed) else b""
            new_bytes = open(fresh, "rb").read()
            if old_bytes != new_bytes:
                same = False
                print(f"{committed} differs from what the generator makes:")
                old = old_bytes.decode("ascii", "replace").splitlines()
                new = new_bytes.decode("ascii").splitlines()
                diff = list(difflib.unified_diff(old, new, "committed", "regenerated",
                                                 lineterm="", n=1))
                print("\n".join(diff[:60]) or "(line endings or final newline differ)")
        if same:
            print("generated catalogue tables are up to date")
        return same


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--data", default=DATA_DIR, help="folder of the input files")
    parser.add_argument("--out", default=OUT_DIR, help="folder of the generated tables")
    parser.add_argument("--check", action="store_true",
                        help="compare with the tables in --out instead of writing them")
    args = parser.parse_args()
    try:
        if args.check:
            return 0 if check(args.data, args.out) else 1
        os.makedirs(args.out, exist_ok=True)
        generate(args.data, args.out)
        return 0
    except CatalogError as e:
        print(f"gen_catalog: {e}", file=sys.stderr)
        return 2


if __name__ == "__main__":
    sys.exit(main())
