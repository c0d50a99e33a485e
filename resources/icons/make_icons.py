#!/usr/bin/env python3
"""Draws the add-on's ten icon groups and writes them as .ico files (16 and 32 pixels,
32-bit with alpha). Run it from anywhere; it writes next to itself:

    python3 resources/icons/make_icons.py

Each picture is drawn at 64 pixels and reduced by averaging, which smooths its edges.
"""
import os
import struct

BIG = 64
SIZES = (32, 16)

RED = (255, 0, 0)           # Visio colour 2: syntax error
GREEN = (0, 255, 0)         # Visio colour 3: consistent
ORANGE = (255, 153, 0)      # anti-pattern
GREY = (160, 160, 160)      # Visio colour 19, a grey: ignored
DARK = (40, 40, 40)
WHITE = (255, 255, 255)
BLUE = (40, 90, 200)
SKY = (150, 200, 255)


class Canvas:
    def __init__(self, size=BIG):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def put(self, x, y, rgb):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = (*rgb, 255)

    def rect(self, x0, y0, x1, y1, rgb):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, rgb)

    def frame(self, x0, y0, x1, y1, width, rgb):
        self.rect(x0, y0, x1, y0 + width, rgb)
        self.rect(x0, y1 - width, x1, y1, rgb)
        self.rect(x0, y0, x0 + width, y1, rgb)
        self.rect(x1 - width, y0, x1, y1, rgb)

    def disc(self, cx, cy, r, rgb):
        for y in range(self.size):
            for x in range(self.size):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.put(x, y, rgb)

    def ring(self, cx, cy, r, width, rgb):
        for y in range(self.size):
            for x in range(self.size):
                d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
                if r - width <= d <= r:
                    self.put(x, y, rgb)

    def line(self, x0, y0, x1, y1, width, rgb):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            self.disc(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, rgb)

    def polygon(self, points, rgb):
        n = len(points)
        for y in range(self.size):
            for x in range(self.size):
                px, py = x + 0.5, y + 0.5
                inside = False
                for i in range(n):
                    (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
                    if (ay > py) != (by > py) and px < (bx - ax) * (py - ay) / (by - ay) + ax:
                        inside = not inside
                if inside:
                    self.put(x, y, rgb)

    def reduced(self, size):
        f = self.size // size
        out = []
        for y in range(size):
            row = []
            for x in range(size):
                block = [self.px[y * f + j][x * f + i] for j in range(f) for i in range(f)]
                alpha = sum(p[3] for p in block)
                if alpha == 0:
                    row.append((0, 0, 0, 0))
                    continue
                rgb = tuple(sum(p[c] * p[3] for p in block) // alpha for c in range(3))
                row.append((*rgb, alpha // len(block)))
            out.append(row)
        return out


def swatch(rgb):
    c = Canvas()
    c.rect(8, 8, 56, 56, rgb)
    c.frame(6, 6, 58, 58, 4, DARK)
    return c


def check_start():
    # A page with a tick: start checking.
    c = Canvas()
    c.rect(10, 4, 46, 60, WHITE)
    c.frame(10, 4, 46, 60, 3, DARK)
    c.line(22, 40, 32, 52, 8, (0, 160, 0))
    c.line(32, 52, 58, 18, 8, (0, 160, 0))
    return c


def check_stop():
    # The same page with a stop square.
    c = Canvas()
    c.rect(10, 4, 46, 60, WHITE)
    c.frame(10, 4, 46, 60, 3, DARK)
    c.rect(30, 30, 60, 60, (200, 0, 0))
    c.frame(30, 30, 60, 60, 3, DARK)
    return c


def preferences():
    # Three sliders.
    c = Canvas()
    for i, knob in enumerate((20, 42, 28)):
        y = 14 + i * 18
        c.rect(8, y - 2, 56, y + 2, DARK)
        c.rect(knob - 5, y - 8, knob + 5, y + 8, BLUE)
        c.frame(knob - 5, y - 8, knob + 5, y + 8, 2, DARK)
    return c


def picture_export():
    # A picture with an arrow out of it.
    c = Canvas()
    c.rect(4, 12, 44, 52, SKY)
    c.polygon([(6, 50), (20, 28), (34, 50)], (0, 140, 0))
    c.disc(34, 24, 5, (255, 210, 0))
    c.frame(4, 12, 44, 52, 3, DARK)
    c.rect(34, 30, 50, 38, BLUE)
    c.polygon([(48, 22), (62, 34), (48, 46)], BLUE)
    return c


def help_mark():
    # A blue disc with a question mark.
    c = Canvas()
    c.disc(32, 32, 29, BLUE)
    c.ring(32, 22, 12, 6, WHITE)
    c.rect(14, 22, 32, 34, BLUE)  # open the hook's left-lower part
    c.rect(29, 30, 35, 42, WHITE)
    c.rect(29, 46, 35, 52, WHITE)
    return c


def simulator():
    # A place with a token, an arc and a transition bar.
    c = Canvas()
    c.ring(20, 32, 15, 4, DARK)
    c.disc(20, 32, 5, DARK)
    c.line(36, 32, 48, 32, 4, DARK)
    c.polygon([(44, 26), (52, 32), (44, 38)], DARK)
    c.rect(52, 12, 60, 52, (0, 120, 200))
    return c


ICONS = {
    104: check_start,
    105: check_stop,
    107: preferences,
    113: lambda: swatch(RED),
    114: lambda: swatch(GREEN),
    115: lambda: swatch(GREY),
    116: picture_export,
    120: lambda: swatch(ORANGE),
    121: help_mark,
    122: simulator,
}


def dib(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row_bytes)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def ico(canvas):
    images = [dib(canvas.reduced(size)) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for ident, draw in ICONS.items():
        with open(os.path.join(here, f"icon{ident}.ico"), "wb") as f:
            f.write(ico(draw()))


if __name__ == "__main__":
    main()
