#!/usr/bin/python3
"""Draws locked.png, the padlock of locked records in the table views: a golden body with a
keyhole under a gray shackle, 32 by 32 pixels, transparent around it. Run it from this folder."""
import math
import struct
import zlib

SIZE = 32
SAMPLES = 4  # per axis, for smooth edges

BODY = (232, 181, 45)
KEYHOLE = (90, 60, 10)
SHACKLE = (190, 190, 190)


def colour_at(x, y):
    """The colour of a point of the 32 by 32 square, or None outside the padlock."""
    if 6 <= x <= 26 and 14 <= y <= 29:
        if math.hypot(x - 16, y - 20) <= 2.2 or (15 <= x <= 17 and 20 <= y <= 25.5):
            return KEYHOLE
        return BODY
    # The shackle: a half ring above the body and its two legs.
    distance = math.hypot(x - 16, y - 11)
    if y <= 11 and 5.5 <= distance <= 8.5:
        return SHACKLE
    if 11 < y < 14 and (7.5 <= x <= 10.5 or 21.5 <= x <= 24.5):
        return SHACKLE
    return None


def pixel(px, py):
    hits = {}
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            colour = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            if colour:
                hits[colour] = hits.get(colour, 0) + 1
    if not hits:
        return (0, 0, 0, 0)
    colour = max(hits, key=hits.get)
    alpha = round(255 * sum(hits.values()) / SAMPLES ** 2)
    return colour + (alpha,)


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


if __name__ == "__main__":
    with open("locked.png", "wb") as out:
        out.write(png([[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]))
