#!/usr/bin/python3
"""Draws icon.png, the window icon of Koriv Admin: a rounded amber square with a dark "K" and a
row of taxi checks along its foot, 128 by 128 pixels, transparent around it. Run it from this
folder."""
import math
import struct
import zlib

SIZE = 128
SAMPLES = 4  # per axis, for smooth edges
RADIUS = 22

AMBER = (232, 181, 45)
DARK = (38, 38, 38)


def inside_rounded_square(x, y):
    left, top, right, bottom = 4, 4, SIZE - 4, SIZE - 4
    cx = min(max(x, left + RADIUS), right - RADIUS)
    cy = min(max(y, top + RADIUS), bottom - RADIUS)
    return left <= x <= right and top <= y <= bottom and math.hypot(x - cx, y - cy) <= RADIUS


def inside_polygon(x, y, points):
    """Even-odd test of the point against a closed polygon."""
    inside = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


# The letter: a stem and two arms meeting at the stem's middle.
STEM = [(30, 18), (50, 18), (50, 92), (30, 92)]
UPPER_ARM = [(46, 58), (82, 18), (106, 18), (60, 66)]
LOWER_ARM = [(54, 50), (106, 92), (82, 92), (46, 62)]


def colour_at(x, y):
    """The colour of a point of the square, or None outside the icon."""
    if not inside_rounded_square(x, y):
        return None
    if 100 <= y <= 118:
        # Two rows of checks, 12 pixels wide.
        row = 0 if y < 109 else 1
        return DARK if (int((x - 4) // 12) + row) % 2 == 0 else AMBER
    for shape in (STEM, UPPER_ARM, LOWER_ARM):
        if inside_polygon(x, y, shape):
            return DARK
    return AMBER


def pixel(px, py):
    """RGBA of one pixel, averaged over SAMPLES x SAMPLES points."""
    totals = [0, 0, 0]
    covered = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            colour = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            if colour is not None:
                covered += 1
                for i in range(3):
                    totals[i] += colour[i]
    if covered == 0:
        return (0, 0, 0, 0)
    return tuple(round(t / covered) for t in totals) + (round(255 * covered / SAMPLES ** 2),)


def png(rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    image = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open("icon.png", "wb") as out:
        out.write(png(image))
