#!/usr/bin/env python3
"""Draws the three caption buttons of the editors (24 x 18, 16 colours) into OUTDIR as
bmpFUNC95.bmp (a function sign), bmpINC95.bmp (an include sign) and bmpQKFIND95.bmp (a
magnifier), so no binary art is kept in the sources.

Each button is a raised face with a light top-left and a dark bottom-right edge, like the
caption's own buttons, and its sign in the middle."""
import struct
import sys
from pathlib import Path

W, H = 24, 18
# The 16 colours of the standard palette, in its order (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, DARK_BLUE, FACE, SHADOW, BLUE, WHITE = 0, 1, 4, 7, 8, 12, 15


def frame(x, y):
    if x == W - 1 or y == H - 1:
        return BLACK
    if x == 0 or y == 0:
        return WHITE
    if x == W - 2 or y == H - 2:
        return SHADOW
    return FACE


def function_sign(x, y):
    # An italic f between brackets: "f()".
    f = {(8, 4), (9, 3), (10, 3), (11, 4), (8, 5), (7, 6), (8, 6), (9, 6), (10, 6), (7, 7),
         (7, 8), (7, 9), (6, 10), (6, 11), (6, 12), (5, 13), (4, 13)}
    brackets = {(14, 6), (13, 7), (13, 8), (13, 9), (13, 10), (14, 11),
                (17, 6), (18, 7), (18, 8), (18, 9), (18, 10), (17, 11)}
    if (x, y) in f:
        return DARK_BLUE
    if (x, y) in brackets:
        return BLACK
    return None


def include_sign(x, y):
    # A '#' beside a page with a folded corner.
    if x in (5, 8) and 4 <= y <= 12 or y in (6, 10) and 3 <= x <= 10:
        return DARK_RED
    if 12 <= x <= 19 and 3 <= y <= 14:
        if x == 12 or y == 14 or x == 19 and y >= 6 or y == 3 and x <= 16:
            return BLACK
        if x >= 17 and y <= 5:
            return BLACK if x - 16 == y - 2 or x == 16 + (y - 2) else FACE
        if y in (7, 9, 11) and 14 <= x <= 17:
            return SHADOW
        return WHITE
    return None


def magnifier(x, y):
    # A lens with a handle to the lower right.
    d2 = (x - 10) ** 2 + (y - 7) ** 2
    if 9 <= d2 <= 20:
        return BLACK
    if d2 < 9:
        return WHITE if (x, y) in ((9, 6), (9, 5), (8, 6)) else BLUE
    if 13 <= x <= 18 and 10 <= y <= 15 and abs((x - 13) - (y - 10)) <= 1:
        return DARK_RED
    return None


def bmp4(sign):
    row = ((W * 4 + 31) // 32) * 4
    data = bytearray()
    for y in range(H - 1, -1, -1):  # bottom-up rows
        line = bytearray()
        for x in range(0, W, 2):
            pair = []
            for xx in (x, x + 1):
                c = frame(xx, y)
                if c == FACE:
                    s = sign(xx, y)
                    c = c if s is None else s
                pair.append(c)
            line.append((pair[0] << 4) | pair[1])
        line += b"\0" * (row - len(line))
        data += line
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return head + info + palette + data


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, sign in (("bmpFUNC95", function_sign), ("bmpINC95", include_sign),
                       ("bmpQKFIND95", magnifier)):
        (out / (name + ".bmp")).write_bytes(bmp4(sign))


if __name__ == "__main__":
    main()
