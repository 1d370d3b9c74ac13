#!/usr/bin/env python3
"""Writes the launcher's pixel art: the bar's bitmaps, the icon and the
cursor, as the Windows files the resource compiler takes.

    python3 tools/varnixpc-art/make_art.py varnixpc/app/res
"""
import os
import struct
import sys

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (192, 192, 192)
DARK = (128, 128, 128)
BLUE = (0, 0, 160)
TEAL = (0, 128, 128)
YELLOW = (255, 255, 0)
RED = (192, 0, 0)


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def rect(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            if 0 <= y < len(img) and 0 <= x < len(img[0]):
                img[y][x] = colour


def bevel(img, x0, y0, x1, y1):
    """A raised 3D frame around the rectangle (exclusive right and bottom)."""
    for x in range(x0, x1):
        img[y0][x] = WHITE
        img[y1 - 1][x] = DARK
    for y in range(y0, y1):
        img[y][x0] = WHITE
        img[y][x1 - 1] = DARK


def glyph(img, x0, y0, rows, colour):
    for dy, row in enumerate(rows):
        for dx, c in enumerate(row):
            if c == '#':
                img[y0 + dy][x0 + dx] = colour


# The launcher's mark: a "V" over a small bar, 13 x 11.
MARK = [
    "#...........#",
    "##.........##",
    ".##.......##.",
    "..##.....##..",
    "...##...##...",
    "....##.##....",
    ".....###.....",
    "......#......",
    ".............",
    "#############",
    "#############",
]

HELP = [
    ".#####.",
    "##...##",
    ".....##",
    "....##.",
    "...##..",
    "...##..",
    ".......",
    "...##..",
    "...##..",
]

# Three stacked windows: the task menu.
TASKS = [
    "#########....",
    "#.......#....",
    "#..#########.",
    "#..#.......#.",
    "####..#########",
    "...#..#.......#",
    "...####.......#",
    "......#.......#",
    "......#########",
]


def left_bitmap(three_d):
    back = GREY if three_d else WHITE
    img = canvas(40, 19, back)
    if three_d:
        bevel(img, 9, 1, 36, 18)
    else:
        for x in range(9, 36):
            img[1][x] = BLACK
            img[17][x] = BLACK
        for y in range(1, 18):
            img[y][9] = BLACK
            img[y][35] = BLACK
    glyph(img, 16, 4, MARK, BLUE)
    # The bar's outline runs along the top and the left edge.
    for x in range(40):
        img[0][x] = BLACK
    for y in range(19):
        img[y][0] = BLACK
    return img


def right_bitmap(three_d):
    back = GREY if three_d else WHITE
    img = canvas(62, 19, back)
    # Hot spots: help at x 0..24, tasks at x 26..50 of the bitmap.
    for x0, x1 in ((1, 24), (26, 50)):
        if three_d:
            bevel(img, x0, 1, x1, 18)
        else:
            for x in range(x0, x1):
                img[1][x] = BLACK
                img[17][x] = BLACK
            for y in range(1, 18):
                img[y][x0] = BLACK
                img[y][x1 - 1] = BLACK
    glyph(img, 9, 5, HELP, TEAL)
    glyph(img, 31, 5, TASKS, BLUE)
    for x in range(62):
        img[0][x] = BLACK
    for y in range(19):
        img[y][61] = BLACK
    return img


def bmp_bytes(img):
    """A 24-bit bottom-up DIB, rows padded to 4 bytes."""
    height = len(img)
    width = len(img[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(img):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        pixels += line
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835,
                         0, 0)
    return header, pixels


def write_bmp(path, img):
    header, pixels = bmp_bytes(img)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0,
                              14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + pixels)


def icon_image(img, mask):
    """A DIB for an icon or cursor: 24-bit colours, then the 1-bit AND mask;
    the header's height counts both."""
    height = len(img)
    width = len(img[0])
    header, pixels = bmp_bytes(img)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    mask_stride = ((width + 31) // 32) * 4
    mask_bytes = bytearray()
    for row in reversed(mask):
        line = bytearray(mask_stride)
        for x, transparent in enumerate(row):
            if transparent:
                line[x // 8] |= 0x80 >> (x % 8)
        mask_bytes += line
    return header + pixels + mask_bytes


def write_icon_file(path, kind, img, mask, hotspot=(0, 0)):
    data = icon_image(img, mask)
    width = len(img[0])
    height = len(img)
    if kind == 1:  # icon: planes and bit count
        a, b = 1, 24
    else:  # cursor: the hot spot
        a, b = hotspot
    header = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", width, height, 0, 0, a, b, len(data), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + data)


def program_icon():
    img = canvas(32, 32, BLACK)
    mask = [[True] * 32 for _ in range(32)]
    # A window with a title strip across its top, the mark inside.
    for y in range(3, 29):
        for x in range(2, 30):
            mask[y][x] = False
    rect(img, 2, 3, 30, 29, BLACK)
    rect(img, 3, 4, 29, 28, GREY)
    rect(img, 3, 4, 29, 9, BLUE)
    rect(img, 5, 5, 8, 8, YELLOW)
    glyph(img, 10, 12, MARK, BLUE)
    rect(img, 22, 5, 27, 8, WHITE)
    rect(img, 23, 25, 28, 27, RED)
    return img, mask


def arrow_cursor():
    """A plain arrow, black with a white edge; everything else transparent."""
    shape = [
        "W...........",
        "WW..........",
        "WBW.........",
        "WBBW........",
        "WBBBW.......",
        "WBBBBW......",
        "WBBBBBW.....",
        "WBBBBBBW....",
        "WBBBBBBBW...",
        "WBBBBBBBBW..",
        "WBBBBBWWWWW.",
        "WBBWBBW.....",
        "WBW.WBBW....",
        "WW..WBBW....",
        "W....WBBW...",
        ".....WBBW...",
        "......WW....",
    ]
    img = canvas(32, 32, BLACK)
    mask = [[True] * 32 for _ in range(32)]
    for y, row in enumerate(shape):
        for x, c in enumerate(row):
            if c == 'W':
                img[y][x] = WHITE
                mask[y][x] = False
            elif c == 'B':
                img[y][x] = BLACK
                mask[y][x] = False
    return img, mask


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "varnixpc/app/res"
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "left.bmp"), left_bitmap(False))
    write_bmp(os.path.join(out, "left3d.bmp"), left_bitmap(True))
    write_bmp(os.path.join(out, "right.bmp"), right_bitmap(False))
    write_bmp(os.path.join(out, "right3d.bmp"), right_bitmap(True))
    img, mask = program_icon()
    write_icon_file(os.path.join(out, "varnixpc.ico"), 1, img, mask)
    img, mask = arrow_cursor()
    write_icon_file(os.path.join(out, "varnixpc.cur"), 2, img, mask, hotspot=(0, 0))


if __name__ == "__main__":
    main()
