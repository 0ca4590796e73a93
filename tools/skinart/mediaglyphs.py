#!/usr/bin/env python3
"""Draws the media player's 27 button glyphs into framework/win/controls/glyphs/.

    python3 tools/skinart/mediaglyphs.py [--out DIR]

Nine buttons, each in three kinds: EN_ (enabled, black), DI_ (disabled, grey engraved in white) and
CL_ (coloured). Olive (128, 128, 0) is the transparent background the player leaves out when it
copies a glyph onto a button face. The .bmp files are committed; the build never runs this."""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmpfile  # noqa: E402
from canvas import Canvas  # noqa: E402

OLIVE = (128, 128, 0)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)
WHITE = (255, 255, 255)
SIZE = 16

# Button name -> colour of its coloured glyph.
BUTTONS = [
    ("MPPLAY", (0, 160, 0)),
    ("MPPAUSE", (224, 176, 0)),
    ("MPSTOP", (200, 0, 0)),
    ("MPNEXT", (0, 0, 176)),
    ("MPPREV", (0, 0, 176)),
    ("MPSTEP", (0, 96, 192)),
    ("MPBACK", (0, 96, 192)),
    ("MPRECORD", (200, 0, 0)),
    ("MPEJECT", (0, 128, 128)),
]


def right_triangle(x0, y0, height):
    """Pixels of a solid triangle pointing right, its flat side at x0 from y0 down `height` rows."""
    half = height // 2
    pts = []
    for y in range(height):
        reach = half - abs(y - half)
        for x in range(reach + 1):
            pts.append((x0 + x, y0 + y))
    return pts


def mirror(pts):
    return [(SIZE - 1 - x, y) for x, y in pts]


def bar(x0, y0, x1, y1):
    return [(x, y) for y in range(y0, y1) for x in range(x0, x1)]


def shape(name):
    """The glyph's pixels on a 16 x 16 grid."""
    if name == "MPPLAY":
        return right_triangle(5, 3, 11)
    if name == "MPPAUSE":
        return bar(4, 3, 7, 13) + bar(9, 3, 12, 13)
    if name == "MPSTOP":
        return bar(4, 4, 12, 12)
    if name == "MPNEXT":
        return right_triangle(3, 3, 11) + bar(10, 3, 12, 14)
    if name == "MPPREV":
        return mirror(right_triangle(3, 3, 11) + bar(10, 3, 12, 14))
    if name == "MPSTEP":
        return right_triangle(2, 4, 9) + right_triangle(8, 4, 9)
    if name == "MPBACK":
        return mirror(right_triangle(2, 4, 9) + right_triangle(8, 4, 9))
    if name == "MPRECORD":
        return [(x, y) for y in range(SIZE) for x in range(SIZE) if (x - 7.5) ** 2 + (y - 7.5) ** 2 <= 17]
    if name == "MPEJECT":
        up = [(y, x) for x, y in right_triangle(3, 3, 11)]  # turned to point up
        up = [(x, 9 - y + 3) for x, y in up]
        return up + bar(3, 11, 14, 13)
    raise ValueError(name)


def glyph(name, kind, colour):
    cv = Canvas(SIZE, SIZE, OLIVE)
    pts = shape(name)
    if kind == "DI":
        cv.points(pts, WHITE, 1, 1)
        cv.points(pts, GREY)
    elif kind == "CL":
        cv.points(pts, colour)
    else:
        cv.points(pts, BLACK)
    return cv


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.join(here, "..", "..", "framework", "win", "controls", "glyphs")
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default=default_out)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, colour in BUTTONS:
        for kind in ("EN", "DI", "CL"):
            path = os.path.join(args.out, f"{kind}_{name}.bmp")
            with open(path, "wb") as f:
                f.write(bmpfile.encode(glyph(name, kind, colour), 4))


if __name__ == "__main__":
    main()
