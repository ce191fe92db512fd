#!/usr/bin/env python3
"""Reads the stand-in IDE's screenshot with an independent PNG decoder (zlib, CRCs) and checks
that it is a whole screen that is not blank."""
import struct
import sys
import zlib


def main(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, header = 8, b"", None
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + length]
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        assert zlib.crc32(kind + body) & 0xFFFFFFFF == crc, "bad CRC in %r" % kind
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour = header[:4]
    assert (depth, colour) == (8, 2), "8-bit RGB expected"
    raw = zlib.decompress(idat)
    assert len(raw) == height * (width * 3 + 1), "pixel data of the wrong size"
    colours = set()
    for y in range(0, height, 16):
        row = raw[y * (width * 3 + 1) + 1:(y + 1) * (width * 3 + 1)]
        colours.update(row[x:x + 3] for x in range(0, width * 3, 48))
    assert len(colours) > 8, "the screenshot is nearly blank"
    print("%s: %dx%d, %d colours sampled" % (path, width, height, len(colours)))


if __name__ == "__main__":
    main(sys.argv[1])
