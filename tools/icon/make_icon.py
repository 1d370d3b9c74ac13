#!/usr/bin/env python3
"""Writes caelor's program icon: a 32x32, 4-bit ICO of a night sky with a
ringed planet and a crescent moon, drawn from simple shapes so the art is
our own and reproducible. Usage: make_icon.py OUTPUT.ico"""
import struct
import sys

SIZE = 32
# The 16-colour palette of the 4-bit bitmap, as (blue, green, red, 0).
PALETTE = [
    (0x40, 0x10, 0x10, 0),  # 0 night blue
    (0xff, 0xff, 0xff, 0),  # 1 white (stars)
    (0x30, 0xc0, 0xf0, 0),  # 2 gold (planet)
    (0x80, 0xf0, 0xff, 0),  # 3 pale yellow (moon)
    (0xa0, 0x80, 0x60, 0),  # 4 grey-blue (ring)
] + [(0, 0, 0, 0)] * 11

STARS = [(4, 5), (9, 26), (27, 4), (15, 3), (3, 17), (29, 28), (21, 26)]


def pixel(x, y):
    # y counts from the top here.
    dx, dy = x - 12.5, y - 16.5
    ring = abs(dy * 3.2 - dx * 0.9) < 2.2 and abs(dx) < 11.5
    if ring and dx * dx + dy * dy > 30:
        return 4
    if dx * dx + dy * dy <= 36:
        return 2
    mx, my = x - 25.0, y - 11.0
    if mx * mx + my * my <= 20 and (mx + 2.2) ** 2 + (my + 1.0) ** 2 > 16:
        return 3
    if (x, y) in STARS:
        return 1
    return 0


def main(path):
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up DIB rows
        row = bytearray()
        for x in range(0, SIZE, 2):
            row.append((pixel(x, y) << 4) | pixel(x + 1, y))
        rows.append(bytes(row))
    xor = b"".join(rows)
    and_mask = bytes(SIZE * 4)  # every pixel opaque
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(and_mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", *c) for c in PALETTE)
    image = header + palette + xor + and_mask
    icon = struct.pack("<HHH", 0, 1, 1)
    icon += struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(icon + image)


if __name__ == "__main__":
    main(sys.argv[1])
