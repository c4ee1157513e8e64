#!/usr/bin/env python3
"""Draws the program's background picture.

Run from the repository root:

    python3 scripts/make_resources.py

It (re)writes resources/background.bmp. Only the Python standard library is
used; the file is written byte by byte, so the output is the same on every
machine. The application icon is drawn by scripts/make_icons.py.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(os.path.dirname(HERE), "resources")


# ---------------------------------------------------------------------------
# Background: a harlequin lattice of pink and pale green diamonds.
# ---------------------------------------------------------------------------

BG_WIDTH = 797
BG_HEIGHT = 400

# Full width and height of one diamond. Both are even, so every diamond has
# its corners on whole pixels and the pattern repeats every 40 x 28 pixels.
DIAMOND_W = 40
DIAMOND_H = 28

PINK = (0xFF, 0xC6, 0xCE)
GREEN = (0xC0, 0xDC, 0xC0)
LINE = (0xFF, 0x40, 0x20)

# How much of a pixel the outline may cover is rounded to one of these
# steps; 0 is plain fill, the last step is the full line colour. Six soft
# shades towards each fill colour give the outline a gentle, smooth edge.
LINE_STEPS = 7

# Width of the outline in pixels, measured across the line. A little over
# one pixel, so the middle of each line reaches the full line colour.
LINE_WIDTH = 1.1

SUBSAMPLES = 8  # per pixel side, for measuring line coverage


def mix(a, b, t):
    """Colour a blended towards b by t (0..1), rounded to whole values."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def background_palette():
    """The colours the background uses: both fills, the line and the shades
    between them. Index 0 is pink, 1 green; the rest follow in order."""
    colours = [PINK, GREEN]
    for fill in (PINK, GREEN):
        for step in range(1, LINE_STEPS):
            colours.append(mix(fill, LINE, step / LINE_STEPS))
    colours.append(LINE)
    return colours


def lattice_tile():
    """One period of the lattice as rows of palette indices.

    Diamond centres sit at u, v integer, where
        u = x / W + y / H,   v = x / W - y / H.
    Outlines run along u = k + 1/2 and v = k + 1/2. A diamond is pink when
    u + v is even and green when it is odd, so diamonds that share an edge
    always differ, while those that meet only at a corner match.
    """
    w, h = DIAMOND_W, DIAMOND_H
    # Length in pixels of one unit of u (or v), measured across the line.
    unit = 1.0 / ((1.0 / w) ** 2 + (1.0 / h) ** 2) ** 0.5
    half_line = LINE_WIDTH / 2.0
    palette_index = {c: i for i, c in enumerate(background_palette())}
    n = SUBSAMPLES
    total = n * n
    tile = []
    for y in range(h):
        row = []
        for x in range(w):
            covered = 0
            fills = [0, 0]
            for sy in range(n):
                py = y + (sy + 0.5) / n
                for sx in range(n):
                    px = x + (sx + 0.5) / n
                    u = px / w + py / h
                    v = px / w - py / h
                    du = abs(u - 0.5 - round(u - 0.5)) * unit
                    dv = abs(v - 0.5 - round(v - 0.5)) * unit
                    if min(du, dv) < half_line:
                        covered += 1
                    else:
                        fills[(round(u) + round(v)) % 2] += 1
            step = int(round(covered / total * LINE_STEPS))
            if step >= LINE_STEPS:
                colour = LINE
            else:
                fill = PINK if fills[0] >= fills[1] else GREEN
                colour = fill if step == 0 else mix(fill, LINE, step / LINE_STEPS)
            row.append(palette_index[colour])
        tile.append(row)
    return tile


def write_bmp(path, width, height, palette, pixel_at):
    """Uncompressed 8-bit Windows bitmap with a full 256-entry palette."""
    stride = (width + 3) & ~3
    header_size = 14 + 40 + 256 * 4
    image_size = stride * height
    out = bytearray()
    out += struct.pack("<2sIHHI", b"BM", header_size + image_size, 0, 0, header_size)
    out += struct.pack(
        "<IiiHHIIiiII",
        40,  # size of this header
        width,
        height,  # positive: rows stored bottom row first
        1,  # planes
        8,  # bits per pixel
        0,  # no compression
        image_size,
        3780,  # 96 dots per inch, in pixels per metre
        3780,
        256,  # palette entries
        0,  # all colours count
    )
    for i in range(256):
        r, g, b = palette[i] if i < len(palette) else (0, 0, 0)
        out += struct.pack("<BBBB", b, g, r, 0)
    padding = bytes(stride - width)
    for y in range(height - 1, -1, -1):
        out += bytes(pixel_at(x, y) for x in range(width))
        out += padding
    with open(path, "wb") as f:
        f.write(out)


def make_background(path):
    tile = lattice_tile()
    write_bmp(
        path,
        BG_WIDTH,
        BG_HEIGHT,
        background_palette(),
        lambda x, y: tile[y % DIAMOND_H][x % DIAMOND_W],
    )


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    make_background(os.path.join(OUT_DIR, "background.bmp"))


if __name__ == "__main__":
    main()
