#!/usr/bin/env python3
"""Reads a compiled resource file (.res) and writes the C++ table of sizes and CRC-32 values
that the installer checks its resources against at start.

The .res holds each resource's bytes exactly as they end up in the program (windres has already
stripped the bitmap's file header and compiled the dialog template), and the same .res is what
is linked into the program, so the recorded values describe the very bytes that
FindResource/LoadResource give at run time.

Usage: res_sums.py RES_FILE HEADER NAME:TYPE..."""
import struct
import sys
import zlib


def read_id(data, at):
    """A resource type or name: 0xFFFF then a 16-bit number, or a zero-ended UTF-16 string."""
    first = struct.unpack_from("<H", data, at)[0]
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    chars = []
    while True:
        c = struct.unpack_from("<H", data, at)[0]
        at += 2
        if c == 0:
            break
        chars.append(chr(c))
    return "".join(chars), at


def read_res(path):
    """Yields (type, name, bytes) for every resource of a .res file."""
    data = open(path, "rb").read()
    at = 0
    while at + 8 <= len(data):
        data_size, header_size = struct.unpack_from("<II", data, at)
        rtype, p = read_id(data, at + 8)
        name, p = read_id(data, p)
        body = at + header_size
        yield rtype, name, data[body:body + data_size]
        at = (body + data_size + 3) & ~3


def find(resources, name, rtype):
    for t, n, body in resources:
        if t == rtype and isinstance(n, str) and n.upper() == name.upper():
            return body
    return None


def main():
    res, header = sys.argv[1], sys.argv[2]
    resources = list(read_res(res))
    lines = [
        "// Generated from the compiled resources by res_sums.py: do not edit.",
        "#pragma once",
        '#include "setup/integrity.h"',
        "static const qelvo::setup::ResourceSum kResourceSums[] = {",
    ]
    for entry in sys.argv[3:]:
        name, rtype = entry.split(":")
        body = find(resources, name, int(rtype))
        if body is None:
            sys.exit(f"res_sums.py: {res} has no resource {name} of type {rtype}")
        lines.append('    {"%s", %d, %du, 0x%08Xu},' % (name, int(rtype), len(body),
                                                      zlib.crc32(body) & 0xFFFFFFFF))
    lines.append("};")
    with open(header, "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
