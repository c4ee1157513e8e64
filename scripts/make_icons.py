#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the application icon and renders it at the usual icon sizes.

Run from anywhere:

    python3 scripts/make_icons.py

It (re)writes resources/icons/io.github.tavelo.Tavelo.svg and, from it,
resources/icons/io.github.tavelo.Tavelo-<N>.png for N = 16, 24, 32, 48, 64,
128 and 256. The SVG is written with the Python standard library only. The
PNGs are rendered with `rsvg-convert` (Debian package librsvg2-bin), which
only this script needs: the generated files are committed, so building and
installing the program does not need it.

The picture: a white card with a soft grey border and a small drop shadow,
a five-line staff, two beamed eighth notes rising to the right and a sharp
before the first note. It is laid out on a 32 x 32 grid, so one unit is half
a pixel at 16 px and one pixel at 32 px. Straight strokes are placed for
those two sizes: the one-unit staff lines and card border start on whole
units and never straddle a pixel row at 16 px, and the two-unit stems and
sharp strokes start on even units, so they are solid black columns at 16 px.
"""

import math
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(os.path.dirname(HERE), "resources", "icons")
APP_ID = "io.github.tavelo.Tavelo"
SIZES = (16, 24, 32, 48, 64, 128, 256)

INK = "#000000"
STAFF = "#4c4c58"
CARD = "#ffffff"
BORDER = "#9a9aa6"
SHADOW = "#000000"

# The card: outer edge of the border, in grid units, and its corner radius.
CARD_LEFT, CARD_TOP, CARD_RIGHT, CARD_BOTTOM = 1, 1, 30, 30
CARD_RADIUS = 2.5
BORDER_WIDTH = 1

# Staff: five lines, one unit thick, four units apart; the top of each line.
STAFF_LEFT, STAFF_RIGHT = 4, 28
STAFF_TOPS = (10, 14, 18, 22, 26)
LINE = 1

# Note heads: tilted ellipses. The first sits in the space between the
# second and third lines from the bottom, the second on the fourth line.
HEAD_RX, HEAD_RY, HEAD_TILT = 3.1, 2.1, -22
HEADS = ((14.9, 20.5), (24.9, 14.5))

# Stems stand on the right edge of each head and reach up to the beam; the
# heads are placed so that this edge falls on an even unit.
STEM_WIDTH = 2
BEAM_THICKNESS = 3
BEAM_LEFT_TOP, BEAM_RIGHT_TOP = 6, 4

# The sharp: two upright strokes (the right one a unit higher) and two
# bars rising to the right, around the first note's space. Each bar's middle
# lies on even units (16 to 18 and 22 to 24), so at 16 px it fills one row.
SHARP_UPRIGHTS = ((4, 15, 11), (8, 14, 11))  # left, top, length
UPRIGHT = 2
SHARP_LEFT, SHARP_RIGHT = 3, 11
SHARP_BAR_TOPS = (16.8, 22.8)  # at the left end
SHARP_BAR_RISE = 1.6
SHARP_BAR_THICKNESS = 2


def num(v):
    """Short decimal text for an SVG coordinate."""
    text = f"{v:.3f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def head_right_edge(cx):
    """x of the rightmost point of a tilted head centred at cx."""
    t = math.radians(HEAD_TILT)
    return cx + math.hypot(HEAD_RX * math.cos(t), HEAD_RY * math.sin(t))


def polygon(points, fill):
    pts = " ".join(f"{num(x)},{num(y)}" for x, y in points)
    return f'<polygon points="{pts}" fill="{fill}"/>'


def rect(x, y, w, h, fill, extra=""):
    return f'<rect x="{num(x)}" y="{num(y)}" width="{num(w)}" height="{num(h)}"{extra} fill="{fill}"/>'


def svg_text():
    parts = []
    w = CARD_RIGHT - CARD_LEFT
    h = CARD_BOTTOM - CARD_TOP

    # Drop shadow: two see-through layers, the wider one fainter, so the
    # edge fades instead of ending hard.
    parts.append(rect(CARD_LEFT + 1, CARD_TOP + 1, w + 1, h + 1, SHADOW,
                      f' rx="{num(CARD_RADIUS + 0.5)}" fill-opacity="0.12"'))
    parts.append(rect(CARD_LEFT + 1, CARD_TOP + 1, w, h, SHADOW,
                      f' rx="{num(CARD_RADIUS)}" fill-opacity="0.22"'))
    # Card: the border colour, then the white face inset by the border.
    parts.append(rect(CARD_LEFT, CARD_TOP, w, h, BORDER, f' rx="{num(CARD_RADIUS)}"'))
    b = BORDER_WIDTH
    parts.append(rect(CARD_LEFT + b, CARD_TOP + b, w - 2 * b, h - 2 * b, CARD,
                      f' rx="{num(CARD_RADIUS - b)}"'))

    for top in STAFF_TOPS:
        parts.append(rect(STAFF_LEFT, top, STAFF_RIGHT - STAFF_LEFT, LINE, STAFF))

    # Stems: flush with the right edge of each head, snapped to whole units.
    stems = []
    for cx, cy in HEADS:
        left = round(head_right_edge(cx)) - STEM_WIDTH
        stems.append((left, cy))
    beam_left = stems[0][0]
    beam_right = stems[1][0] + STEM_WIDTH
    for (left, cy), beam_top in zip(stems, (BEAM_LEFT_TOP, BEAM_RIGHT_TOP)):
        top = beam_top + 1
        parts.append(rect(left, top, STEM_WIDTH, cy - top, INK))
    parts.append(polygon([(beam_left, BEAM_LEFT_TOP), (beam_right, BEAM_RIGHT_TOP),
                          (beam_right, BEAM_RIGHT_TOP + BEAM_THICKNESS),
                          (beam_left, BEAM_LEFT_TOP + BEAM_THICKNESS)], INK))
    for cx, cy in HEADS:
        parts.append(f'<ellipse cx="{num(cx)}" cy="{num(cy)}" rx="{num(HEAD_RX)}" ry="{num(HEAD_RY)}"'
                     f' transform="rotate({HEAD_TILT} {num(cx)} {num(cy)})" fill="{INK}"/>')

    for left, top, length in SHARP_UPRIGHTS:
        parts.append(rect(left, top, UPRIGHT, length, INK))
    for top in SHARP_BAR_TOPS:
        parts.append(polygon([(SHARP_LEFT, top), (SHARP_RIGHT, top - SHARP_BAR_RISE),
                              (SHARP_RIGHT, top - SHARP_BAR_RISE + SHARP_BAR_THICKNESS),
                              (SHARP_LEFT, top + SHARP_BAR_THICKNESS)], INK))

    body = "\n".join("  " + p for p in parts)
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        "<!-- SPDX-License-Identifier: MIT -->\n"
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
        f"{body}\n"
        "</svg>\n"
    )


def main():
    rsvg = shutil.which("rsvg-convert")
    if rsvg is None:
        sys.exit("rsvg-convert not found: apt-get install librsvg2-bin")
    os.makedirs(OUT_DIR, exist_ok=True)
    svg_path = os.path.join(OUT_DIR, APP_ID + ".svg")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(svg_text())
    for size in SIZES:
        png_path = os.path.join(OUT_DIR, f"{APP_ID}-{size}.png")
        subprocess.run([rsvg, "-w", str(size), "-h", str(size), "-o", png_path, svg_path], check=True)


if __name__ == "__main__":
    main()
