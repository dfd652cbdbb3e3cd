#!/usr/bin/env python3
"""Draws the demo disc's background picture: a night-blue gradient with a
shining disc, written as a 24-bit Windows bitmap (standard library only).

    python3 examples/make-demo-picture.py examples/demo-disc/start.bmp
"""
import math
import struct
import sys

WIDTH, HEIGHT = 200, 260


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def pixel(x, y):
    top, bottom = (14, 30, 64), (4, 96, 120)
    colour = mix(top, bottom, y / (HEIGHT - 1))
    cx, cy, outer, hole = 100, 118, 74, 14
    d = math.hypot(x - cx, y - cy)
    if hole < d < outer:
        # Rainbow sheen that turns around the disc, brighter towards the rim.
        angle = math.atan2(y - cy, x - cx)
        sheen = (0.5 + 0.5 * math.sin(angle * 2 + 0.6),
                 0.5 + 0.5 * math.sin(angle * 2 + 2.7),
                 0.5 + 0.5 * math.sin(angle * 2 + 4.8))
        silver = (200, 206, 216)
        tint = tuple(round(180 + 75 * s) for s in sheen)
        colour = mix(silver, tint, 0.35 + 0.4 * (d - hole) / (outer - hole))
        if d > outer - 2.0:
            colour = mix(colour, (255, 255, 255), 0.6)
        if d < hole + 6:
            colour = mix(colour, (120, 130, 150), 0.7)
    elif d <= hole:
        colour = mix(colour, (0, 0, 0), 0.3)
    # A soft floor shadow under the disc.
    sd = math.hypot((x - cx) / 2.2, (y - 214) / 0.5)
    if sd < 40 and not (hole < d < outer):
        colour = mix(colour, (0, 0, 0), 0.35 * (1 - sd / 40))
    return colour


def main(path):
    row_bytes = (WIDTH * 3 + 3) & ~3
    image = bytearray()
    for y in reversed(range(HEIGHT)):
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        image += row
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + image)


if __name__ == "__main__":
    main(sys.argv[1])
