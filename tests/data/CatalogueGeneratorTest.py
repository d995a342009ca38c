#!/usr/bin/env python3
"""Selection and figure rules of tools/gen_catalog.py on a five-record catalogue."""
import os
import re
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import gen_catalog as gen  # noqa: E402

SOURCE_HEADER = "hip,spect,ra_rad,dec_rad,pmra_arcsec_cosdec,pmdec_arcsec,dist_pc,rv_kms,vmag"
# hip: (class, RA, DE, distance in pc, V)
SOURCE = {
    100: ("A0V", "1.00000", "0.10000", "10.00", "0.90"),
    201: ("B2IV", "1.10000", "0.10000", "20.00", "1.50"),
    202: ("K0III", "2.00000", "0.20000", "30.00", "1.50"),
    203: ("G5V", "2.10000", "-0.10000", "40.00", "2.00"),
    204: ("C,0 (F8pe)", "1.05000", "0.20000", "50.00", "2.50"),   # figure star, fainter than 203
    205: ("M1", "3.00000", "0.00000", "60.00", "3.00"),
    206: ("F0", "1.20000", "0.30000", "1000.00", "3.50"),  # figure star fainter than the table
    207: ("B0", "4.00000", "0.00000", "70.00", "0.50"),    # brighter than any free place
    500: ("A2", "5.00000", "0.50000", "80.00", "3.00"),
}
FIXED = [
    '1,100,"A ",1.00001,0.10001,0.01,0.02,12.5,-3.0,1.0',
    '5,500,"N",5.00001,0.50001,0.0,0.0,85.0,1.5,3.0',
]
# 999 is in no source: it is replaced by a star of the same figure.
LINES = [("Abc", 100, 204), ("Abc", 204, 206), ("Abc", 204, 999), ("Abc", 100, 201)]


class FiveRecordCatalogue(unittest.TestCase):
    def setUp(self):
        self.saved_count = gen.STAR_COUNT
        gen.STAR_COUNT = 5
        self.tmp = tempfile.TemporaryDirectory()
        self.data = os.path.join(self.tmp.name, "data")
        self.out = os.path.join(self.tmp.name, "out")
        os.makedirs(self.data)
        os.makedirs(self.out)
        self.write(source=SOURCE, fixed=FIXED, lines=LINES, count=4)

    def tearDown(self):
        gen.STAR_COUNT = self.saved_count
        self.tmp.cleanup()

    def write(self, source, fixed, lines, count):
        def put(name, header, rows):
            with open(os.path.join(self.data, name), "w", encoding="utf-8") as f:
                f.write("\n".join([header] + rows) + "\n")
        put("stars_source.csv", SOURCE_HEADER,
            [f'{h},"{c}",{ra},{de},0.01,-0.01,{d},5.00,{v}' for h, (c, ra, de, d, v) in source.items()])
        put("fixed_records.csv", "record,hip,sptype,ra,de,pmra,pmde,dist,rv,mag", fixed)
        put("lines_western.csv", "abbr,hip1,hip2", [f"{a},{h1},{h2}" for a, h1, h2 in lines])
        put("figure_counts.csv", "index,abbr,count", [f"1,Abc,{count}"])
        put("fixed_figures.csv", "abbr,slot,hip1,hip2", [])

    def generate(self):
        gen.generate(self.data, self.out, report=lambda _: None)
        stars = open(os.path.join(self.out, gen.STAR_FILE)).read()
        lines = open(os.path.join(self.out, gen.LINE_FILE)).read()
        return re.findall(r"^    \{(.*)\},$", stars, re.M), re.findall(r"^    \{(.*)\},  // (.*)$", lines, re.M)

    def test_records(self):
        rows, _ = self.generate()
        # The fixed records keep their values; the gap takes the figure star 204 first,
        # then the brightest others (201 and 202 before 203), sorted by (V, HIP).
        self.assertEqual(rows, [
            '100, "A ", 1.00001, 0.10001, 0.01, 0.02, 12.5, -3.0, 1.0',
            '201, "B2", 1.1, 0.1, 0.01, -0.01, 20.0, 5.0, 1.5',
            '202, "K0", 2.0, 0.2, 0.01, -0.01, 30.0, 5.0, 1.5',
            '204, "C,", 1.05, 0.2, 0.01, -0.01, 50.0, 5.0, 2.5',
            '500, "N", 5.00001, 0.50001, 0.0, 0.0, 85.0, 1.5, 3.0',
        ])

    def test_end_points(self):
        _, segments = self.generate()
        self.assertEqual(segments, [
            # catalogue positions to 4 decimals, 3.26 ly per pc
            ("1.0f, 0.1f, 40.75f, 1.05f, 0.2f, 163.0f", "Abc 1: 100-204"),
            # the star fainter than the table keeps its source place; 2500 ly at most
            ("1.05f, 0.2f, 163.0f, 1.2f, 0.3f, 2500.0f", "Abc 2: 204-206 (206 without catalogue star)"),
            # 999 is replaced by the figure's star nearest to 204 that repeats no segment
            ("1.05f, 0.2f, 163.0f, 1.1f, 0.1f, 65.2f", "Abc 3: 204-201 (201 replaces 999)"),
            ("1.0f, 0.1f, 40.75f, 1.1f, 0.1f, 65.2f", "Abc 4: 100-201"),
        ])

    def test_inconsistent_inputs_fail(self):
        short_gap = dict(SOURCE)
        short_gap[202] = ("K0", "2.0", "0.2", "30.0", "3.10")
        short_gap[203] = ("G5", "2.1", "-0.1", "40.0", "3.20")
        short_gap[205] = ("M1", "3.0", "0.0", "60.0", "3.30")
        crowded = dict(SOURCE)
        crowded.update({h: ("A0", str(1 + h / 1000), "0.6", "9.0", "2.00") for h in (301, 302, 303)})
        faint = dict(SOURCE)
        faint[208] = ("A0", "1.3", "0.4", "9.0", "4.00")
        cases = [
            ("a gap without enough stars", dict(source=short_gap), "only 2 available"),
            ("more figure stars than places", dict(
                source=crowded, lines=LINES + [("Abc", 301, 302), ("Abc", 302, 303)], count=6),
             "5 figure stars for 3 places"),
            ("a count the source does not give", dict(count=3), "4 segments, the figure needs 3"),
            ("two places without a star in one figure", dict(
                source=faint, lines=LINES + [("Abc", 206, 208)], count=5), "more than one end point"),
            ("a missing star joined only to missing ones", dict(
                lines=LINES + [("Abc", 998, 997)], count=5), "is missing"),
        ]
        for name, changes, message in cases:
            with self.subTest(name):
                self.write(**{**dict(source=SOURCE, fixed=FIXED, lines=LINES, count=4), **changes})
                with self.assertRaisesRegex(gen.CatalogError, message):
                    self.generate()


if __name__ == "__main__":
    unittest.main()
