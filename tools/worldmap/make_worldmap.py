#!/usr/bin/env python3
"""Writes the Day/Night movie's world map: a 640 x 350, 1-bit, bottom-up
Windows bitmap of the coastlines in equirectangular form (longitude -180 at
the left edge, latitude +90 at the top), white (index 1) on black (index 0).

The shorelines come from the GSHHG database as Debian ships it for GMT
(packages gmt and gmt-gshhg-low); GMT writes them as polylines and this
script draws each segment with Bresenham's line.

Usage: make_worldmap.py OUTPUT.bmp [--coast FILE]
  --coast FILE  read the polylines from FILE (GMT's multi-segment text)
                instead of running `gmt coast`.
"""
import struct
import subprocess
import sys
import tempfile

WIDTH = 640
HEIGHT = 350
ROW_BYTES = WIDTH // 8
# Low resolution, and no islands or lakes smaller than this many km^2: at
# 0.56 degrees per pixel smaller ones are only noise.
MIN_AREA_KM2 = 1500


def coast_text():
    # GMT leaves its session file (gmt.history) in the folder it runs in; a
    # folder of its own keeps it out of the caller's.
    with tempfile.TemporaryDirectory(prefix="make_worldmap.") as folder:
        return subprocess.run(
            ["gmt", "coast", "-R-180/180/-90/90", "-Dl", "-W", "-M", f"-A{MIN_AREA_KM2}"],
            check=True, capture_output=True, text=True, cwd=folder).stdout


def polylines(text):
    line = []
    for raw in text.splitlines():
        raw = raw.strip()
        if not raw or raw.startswith("#"):
            continue
        if raw.startswith(">"):
            if line:
                yield line
            line = []
            continue
        lon, lat = (float(v) for v in raw.split()[:2])
        line.append((lon, lat))
    if line:
        yield line


def to_pixel(lon, lat):
    x = int((lon + 180.0) / 360.0 * WIDTH)
    y = int((90.0 - lat) / 180.0 * HEIGHT)  # counted from the top
    return min(max(x, 0), WIDTH - 1), min(max(y, 0), HEIGHT - 1)


def draw_line(pixels, a, b):
    (x0, y0), (x1, y1) = a, b
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
    err = dx + dy
    while True:
        pixels[y0][x0] = 1
        if x0 == x1 and y0 == y1:
            return
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


def rasterise(text):
    pixels = [[0] * WIDTH for _ in range(HEIGHT)]
    for line in polylines(text):
        points = [to_pixel(lon, lat) for lon, lat in line]
        for a, b in zip(points, points[1:]):
            # A segment that jumps across the map is a wrap at the date
            # line, not a coast.
            if abs(a[0] - b[0]) > WIDTH // 2:
                continue
            draw_line(pixels, a, b)
    return pixels


def bmp_bytes(pixels):
    rows = bytearray()
    for y in range(HEIGHT - 1, -1, -1):  # bottom-up
        row = pixels[y]
        for byte in range(ROW_BYTES):
            value = 0
            for bit in range(8):
                value = (value << 1) | row[byte * 8 + bit]
            rows.append(value)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])  # black, white
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 1, 0, len(rows), 2835, 2835, 2, 2)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + palette + bytes(rows)


def main(argv):
    if len(argv) not in (2, 4) or (len(argv) == 4 and argv[2] != "--coast"):
        sys.stderr.write(__doc__)
        return 2
    if len(argv) == 4:
        with open(argv[3]) as f:
            text = f.read()
    else:
        text = coast_text()
    pixels = rasterise(text)
    lit = sum(map(sum, pixels))
    with open(argv[1], "wb") as f:
        f.write(bmp_bytes(pixels))
    print(f"{argv[1]}: {WIDTH}x{HEIGHT}, {lit} coast pixels "
          f"({100.0 * lit / (WIDTH * HEIGHT):.1f} %)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
