#!/usr/bin/python3
"""Writes the DXF drawings of the DXF tests with another library than the
program's own (ezdxf, Debian package python3-ezdxf), the way CAD programs
write them. Run once by hand; the drawings are committed and the tests never
run this script:

    /usr/bin/python3 tests/dxf/make_fixtures.py

It also writes examples/drawings/hall-frame.dxf, the drawing the README and
the manual import. Two fixtures come from other writers: hand-written-r12.dxf
was written by hand (no header, no tables, as small programs write DXF), and
hinged-portal-export.dxf by the program's own export (dxflib):

    build/rerore-cli export-dxf .003 @COPY-OF-examples/DATA/ tests/dxf/fixtures/hinged-portal-export.dxf
"""
import os

import ezdxf

HERE = os.path.dirname(os.path.abspath(__file__))
FIXTURES = os.path.join(HERE, "fixtures")
EXAMPLES = os.path.join(HERE, "..", "..", "examples", "drawings")

MILLIMETRES, METRES = 4, 6


def new_drawing(version="R2010", units=None):
    doc = ezdxf.new(version, setup=True)
    if units is not None:
        doc.header["$INSUNITS"] = units
    elif "$INSUNITS" in doc.header:
        del doc.header["$INSUNITS"]
    return doc


def portal_in_millimetres():
    """A portal 6 m wide and 4 m high on layer SYSTEM, drawn 10 m right of
    and 5 m above the origin, beside a hatch, a text, a wall outline and an
    arc on other layers. The left column and the beam are one polyline, the
    right column a line drawn downwards."""
    doc = new_drawing(units=MILLIMETRES)
    for name in ("SYSTEM", "WALLS", "HATCH", "TEXT"):
        doc.layers.add(name)
    msp = doc.modelspace()
    system = {"layer": "SYSTEM"}
    msp.add_lwpolyline([(10000, 5000), (10000, 9000), (16000, 9000)], dxfattribs=system)
    msp.add_line((16000, 9000), (16000, 5000), dxfattribs=system)
    msp.add_lwpolyline([(9800, 4800), (16200, 4800), (16200, 9200), (9800, 9200)], close=True,
                       dxfattribs={"layer": "WALLS"})
    hatch = msp.add_hatch(color=8, dxfattribs={"layer": "HATCH"})
    hatch.paths.add_polyline_path([(9000, 4000), (17000, 4000), (17000, 4800), (9000, 4800)],
                                  is_closed=True)
    msp.add_text("Portal frame", dxfattribs={"layer": "TEXT", "height": 250}).set_placement(
        (12000, 9500))
    msp.add_arc((13000, 9000), 500, 0, 180, dxfattribs={"layer": "WALLS"})
    doc.saveas(os.path.join(FIXTURES, "portal-mm.dxf"))


def closed_polylines():
    """No unit in the header: a closed rectangle 4 m x 3 m (LWPOLYLINE) on
    layer FRAME, a closed triangle as an old-style POLYLINE on layer TRUSS,
    a polyline with one arc segment on layer CURVED, and on layer MIRRORED a
    polyline seen from below (extrusion 0, 0, -1), whose object x runs
    against the drawing's x."""
    doc = new_drawing(version="R2000", units=None)
    msp = doc.modelspace()
    msp.add_lwpolyline([(0, 0), (4, 0), (4, 3), (0, 3)], close=True, dxfattribs={"layer": "FRAME"})
    msp.add_polyline2d([(10, 0), (14, 0), (12, 2)], close=True, dxfattribs={"layer": "TRUSS"})
    msp.add_lwpolyline([(20, 0, 0, 0, 0), (22, 0, 0, 0, 1.0), (24, 0, 0, 0, 0), (24, 2, 0, 0, 0)],
                       format="xyseb", dxfattribs={"layer": "CURVED"})
    msp.add_lwpolyline([(-30, 0), (-32, 0), (-32, 1)],
                       dxfattribs={"layer": "MIRRORED", "extrusion": (0, 0, -1)})
    doc.saveas(os.path.join(FIXTURES, "closed-polylines.dxf"))
    if "$INSUNITS" in doc.header:
        raise SystemExit("closed-polylines.dxf must name no unit")


def near_ends():
    """In metres: a column from (0, 0) to (0, 3); a beam that starts 0.03 m
    beside the column's top and ends at (4, 3); a second column that starts
    0.08 m beside the beam's end. A line of no length and a line drawn twice
    (once backwards) complete it."""
    doc = new_drawing(units=METRES)
    msp = doc.modelspace()
    line = {"layer": "SYSTEM"}
    msp.add_line((0, 0), (0, 3), dxfattribs=line)
    msp.add_line((0.03, 3), (4, 3), dxfattribs=line)
    msp.add_line((4.08, 3), (4.08, 0), dxfattribs=line)
    msp.add_line((2, 3), (2, 3), dxfattribs=line)
    msp.add_line((0, 3), (0, 0), dxfattribs=line)
    doc.saveas(os.path.join(FIXTURES, "near-ends.dxf"))


def too_many_segments():
    """101 lines of 1 m, one after the other along the x axis, in the old
    R12 format (without $INSUNITS)."""
    doc = new_drawing(version="R12", units=None)
    msp = doc.modelspace()
    for i in range(101):
        msp.add_line((i, 0), (i + 1, 0), dxfattribs={"layer": "BEAM"})
    doc.saveas(os.path.join(FIXTURES, "101-segments.dxf"))


def hall_frame():
    """A two-bay hall with a pitched roof on layer SYSTEM (mm), the way an
    architect's drawing holds it: walls, a hatch of the ground, texts and
    an arc of a door on other layers."""
    doc = new_drawing(units=MILLIMETRES)
    for name, colour in (("SYSTEM", 1), ("WALLS", 8), ("GROUND", 9), ("TEXT", 3), ("DOORS", 4)):
        doc.layers.add(name, color=colour)
    msp = doc.modelspace()
    system = {"layer": "SYSTEM"}
    for x in (0, 8000, 16000):
        msp.add_line((x, 0), (x, 5000), dxfattribs=system)
    msp.add_lwpolyline([(0, 5000), (4000, 6500), (8000, 5000), (12000, 6500), (16000, 5000)],
                       dxfattribs=system)
    msp.add_lwpolyline([(0, 5000), (4000, 5000), (8000, 5000), (12000, 5000), (16000, 5000)],
                       dxfattribs=system)
    for x in (4000, 12000):
        msp.add_line((x, 5000), (x, 6500), dxfattribs=system)
    msp.add_lwpolyline([(-250, -200), (16250, -200), (16250, 5200), (-250, 5200)], close=True,
                       dxfattribs={"layer": "WALLS"})
    ground = msp.add_hatch(color=9, dxfattribs={"layer": "GROUND"})
    ground.paths.add_polyline_path([(-1000, -800), (17000, -800), (17000, -200), (-1000, -200)],
                                   is_closed=True)
    msp.add_text("Hall, axis B", dxfattribs={"layer": "TEXT", "height": 300}).set_placement(
        (5000, 7200))
    msp.add_arc((3000, -200), 1000, 0, 90, dxfattribs={"layer": "DOORS"})
    os.makedirs(EXAMPLES, exist_ok=True)
    doc.saveas(os.path.join(EXAMPLES, "hall-frame.dxf"))


def not_a_drawing():
    """A text file renamed .dxf."""
    with open(os.path.join(FIXTURES, "loads-list.dxf"), "w", encoding="ascii") as f:
        f.write("Loads of the hall, axis B\n\ng = 4.5 kN/m2\ns = 0.85 kN/m2\nw = 0.65 kN/m2\n")


if __name__ == "__main__":
    os.makedirs(FIXTURES, exist_ok=True)
    portal_in_millimetres()
    closed_polylines()
    near_ends()
    too_many_segments()
    hall_frame()
    not_a_drawing()
