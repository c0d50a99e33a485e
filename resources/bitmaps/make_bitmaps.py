#!/usr/bin/env python3
"""Draws the add-on's bitmaps and writes them as 24-bit .bmp files next to itself:

    python3 resources/bitmaps/make_bitmaps.py

bitmap135.bmp is the picture of the About page: a block diagram's component, a Petri
net's place with a token and a transition, joined by arcs, on the dialog's grey. It is
drawn at four times its size with the icons' canvas and reduced by averaging.
"""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "icons"))
from make_icons import BLUE, DARK, SKY, WHITE, Canvas  # noqa: E402

SIZE = 64
SCALE = 4
BACKGROUND = (240, 240, 240)  # the dialog's face colour


def about_picture():
    c = Canvas(SIZE * SCALE)
    s = SCALE
    # A component of a block diagram.
    c.rect(4 * s, 6 * s, 30 * s, 24 * s, SKY)
    c.frame(4 * s, 6 * s, 30 * s, 24 * s, 2 * s, DARK)
    # An arc down to a place with one token.
    c.line(17 * s, 24 * s, 17 * s, 34 * s, 2 * s, DARK)
    c.polygon([(13 * s, 32 * s), (21 * s, 32 * s), (17 * s, 37 * s)], DARK)
    c.disc(17 * s, 47 * s, 10 * s, WHITE)
    c.ring(17 * s, 47 * s, 10 * s, 2 * s, DARK)
    c.disc(17 * s, 47 * s, 3 * s, DARK)
    # An arc on to a transition.
    c.line(27 * s, 47 * s, 44 * s, 47 * s, 2 * s, DARK)
    c.polygon([(42 * s, 43 * s), (48 * s, 47 * s), (42 * s, 51 * s)], DARK)
    c.rect(49 * s, 34 * s, 55 * s, 60 * s, BLUE)
    # A relationship of an entity/relationship diagram, top right.
    c.polygon([(46 * s, 6 * s), (60 * s, 16 * s), (46 * s, 26 * s), (32 * s, 16 * s)], WHITE)
    c.line(46 * s, 6 * s, 60 * s, 16 * s, 2 * s, DARK)
    c.line(60 * s, 16 * s, 46 * s, 26 * s, 2 * s, DARK)
    c.line(46 * s, 26 * s, 32 * s, 16 * s, 2 * s, DARK)
    c.line(32 * s, 16 * s, 46 * s, 6 * s, 2 * s, DARK)
    return c


def on_background(pixels):
    out = []
    for row in pixels:
        line = []
        for r, g, b, a in row:
            mix = [(v * a + bg * (255 - a)) // 255 for v, bg in zip((r, g, b), BACKGROUND)]
            line.append(tuple(mix))
        out.append(line)
    return out


def bmp(pixels):
    height, width = len(pixels), len(pixels[0])
    row_bytes = (width * 3 + 3) // 4 * 4
    image = b""
    for row in reversed(pixels):
        data = b"".join(bytes((b, g, r)) for (r, g, b) in row)
        image += data + bytes(row_bytes - len(data))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image


BITMAPS = {
    135: about_picture,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for ident, draw in BITMAPS.items():
        pixels = on_background(draw().reduced(SIZE))
        with open(os.path.join(here, f"bitmap{ident}.bmp"), "wb") as f:
            f.write(bmp(pixels))


if __name__ == "__main__":
    main()
