#!/usr/bin/env python3
"""Draws the installer's logo (BMPLOGO, 123 x 46, 24-bit) and its icon (MAINICON, 32 x 32,
32-bit) into OUTDIR, so no binary art is kept in the sources.

The logo's corners keep the plain background colour (0x20, 0x40, 0xA0): the dialog tests look
for it where the logo is painted."""
import struct
import sys
from pathlib import Path

BACKGROUND = (0x20, 0x40, 0xA0)  # red, green, blue
RING = (0xF0, 0xF0, 0xF0)
BAR = (0xF8, 0xC0, 0x20)


def logo_pixel(x, y):
    # A ring with a tail (the letter of the add-on) and a bar beside it.
    cx, cy = 23, 22
    d2 = (x - cx) ** 2 + (y - cy) ** 2
    if 12 ** 2 <= d2 <= 17 ** 2:
        return RING
    if 28 <= x <= 40 and 30 <= y <= 40 and abs((x - 28) - (y - 30)) <= 2:
        return RING
    if 50 <= x <= 116 and 18 <= y <= 27:
        return BAR
    if 50 <= x <= 116 and (y == 12 or y == 33):
        return RING
    return BACKGROUND


def bmp(width, height, pixel):
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up rows
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + data


def icon():
    size = 32
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            d2 = (x - 15.5) ** 2 + (y - 15.5) ** 2
            if d2 <= 15.5 ** 2:
                r, g, b = RING if 8 ** 2 <= d2 <= 12 ** 2 else BACKGROUND
                xor += bytes((b, g, r, 0xFF))
            else:
                xor += bytes((0, 0, 0, 0))
    mask = bytes(size * 4)  # 1 bit per pixel, rows of 4 bytes: all opaque, alpha decides
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return header + entry + image


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "logo.bmp").write_bytes(bmp(123, 46, logo_pixel))
    (out / "setup.ico").write_bytes(icon())


if __name__ == "__main__":
    main()
