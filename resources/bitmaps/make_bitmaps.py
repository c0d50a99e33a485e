#!/usr/bin/env python3
"""Draws the add-on's bitmaps and writes them as 24-bit .bmp files next to itself:

    python3 resources/bitmaps/make_bitmaps.py

bitmap135.bmp is the picture of the About page: a block diagram's component, a Petri
net's place with a token and a transition, joined by arcs, on the dialog's grey. It is
drawn at four times its size with the icons' canvas and reduced by averaging.

bitmap160.bmp holds the five 16 x 15 button images of the simulation controls' toolbar
side by side (Reset, AutoSim, SemiAutoSim, One Step Back, One Step Forward) on the
toolbar's grey; bitmap164.bmp is the controls' hint: a pointer choosing a transition.
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


TOOLBAR_GREY = (192, 192, 192)  # the colour a toolbar shows as its own face
BUTTON = 16
GREEN_RUN = (0, 140, 0)


def button_canvas():
    return Canvas(BUTTON * SCALE)


def reset_button():
    # Back to the start: a bar and two triangles pointing left.
    c, s = button_canvas(), SCALE
    c.rect(2 * s, 3 * s, 4 * s, 13 * s, DARK)
    c.polygon([(4 * s, 8 * s), (9 * s, 3 * s), (9 * s, 13 * s)], DARK)
    c.polygon([(9 * s, 8 * s), (14 * s, 3 * s), (14 * s, 13 * s)], DARK)
    return c


def auto_button():
    # Runs on its own: two triangles pointing right.
    c, s = button_canvas(), SCALE
    c.polygon([(2 * s, 3 * s), (8 * s, 8 * s), (2 * s, 13 * s)], GREEN_RUN)
    c.polygon([(8 * s, 3 * s), (14 * s, 8 * s), (8 * s, 13 * s)], GREEN_RUN)
    return c


def semi_auto_button():
    # Runs and holds: a triangle pointing right and a pause sign.
    c, s = button_canvas(), SCALE
    c.polygon([(2 * s, 3 * s), (8 * s, 8 * s), (2 * s, 13 * s)], GREEN_RUN)
    c.rect(10 * s, 3 * s, 12 * s, 13 * s, DARK)
    c.rect(13 * s, 3 * s, 15 * s, 13 * s, DARK)
    return c


def step_back_button():
    # One step back: a bar and a triangle pointing left.
    c, s = button_canvas(), SCALE
    c.rect(3 * s, 3 * s, 5 * s, 13 * s, BLUE)
    c.polygon([(5 * s, 8 * s), (12 * s, 3 * s), (12 * s, 13 * s)], BLUE)
    return c


def step_forward_button():
    # One step forward: a triangle pointing right and a bar.
    c, s = button_canvas(), SCALE
    c.polygon([(4 * s, 3 * s), (11 * s, 8 * s), (4 * s, 13 * s)], BLUE)
    c.rect(11 * s, 3 * s, 13 * s, 13 * s, BLUE)
    return c


def toolbar_strip():
    # Each image is drawn on a 16-pixel square and loses its last row.
    strip = [[] for _ in range(BUTTON - 1)]
    for draw in (reset_button, auto_button, semi_auto_button, step_back_button,
                 step_forward_button):
        image = on_background(draw().reduced(BUTTON), TOOLBAR_GREY)
        for y in range(BUTTON - 1):
            strip[y] += image[y]
    return strip


def hint_picture():
    # A transition chosen by the mouse pointer.
    size = 32
    c, s = Canvas(size * SCALE), SCALE
    c.rect(6 * s, 4 * s, 12 * s, 28 * s, BLUE)
    c.frame(3 * s, 2 * s, 15 * s, 30 * s, 1 * s, (0, 160, 0))
    pointer = [(17, 10), (17, 26), (21, 22), (24, 29), (27, 28), (24, 21), (29, 21)]
    c.polygon([(x * s, y * s) for x, y in pointer], WHITE)
    for (x0, y0), (x1, y1) in zip(pointer, pointer[1:] + pointer[:1]):
        c.line(x0 * s, y0 * s, x1 * s, y1 * s, 1.2 * s, DARK)
    return on_background(c.reduced(size))


def on_background(pixels, background=BACKGROUND):
    out = []
    for row in pixels:
        line = []
        for r, g, b, a in row:
            mix = [(v * a + bg * (255 - a)) // 255 for v, bg in zip((r, g, b), background)]
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
    135: lambda: on_background(about_picture().reduced(SIZE)),
    160: toolbar_strip,
    164: hint_picture,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for ident, draw in BITMAPS.items():
        with open(os.path.join(here, f"bitmap{ident}.bmp"), "wb") as f:
            f.write(bmp(draw()))


if __name__ == "__main__":
    main()
