#!/usr/bin/env python3
"""Reads a built help file back and checks it against the contents file: every HELP_n of the
.CNT is context number n in |CTXOMAP, which leads to the topic of that title in |TOPIC.

check_help.py HELPFILE CNTFILE
"""
import struct
import sys


def directory(data):
    magic, start, _, size = struct.unpack_from("<iiii", data, 0)
    assert magic == 0x00035F3F and size == len(data), "header"
    tree = start + 9
    assert struct.unpack_from("<H", data, tree)[0] == 0x293B, "directory tree"
    page = tree + 38
    count = struct.unpack_from("<h", data, page + 2)[0]
    files, at = {}, page + 8
    for _ in range(count):
        end = data.index(b"\0", at)
        name = data[at:end].decode()
        files[name] = struct.unpack_from("<i", data, end + 1)[0]
        at = end + 5
    return files


def internal(data, offset):
    used = struct.unpack_from("<i", data, offset + 4)[0]
    return data[offset + 9:offset + 9 + used]


def topics(topic):
    """Title of each topic by its TOPICOFFSET (characters of text before it)."""
    found, pos, characters = {}, 12, 0
    while pos not in (0, -1) and pos - 12 + 21 <= len(topic) - 12:
        at = pos  # one block: the position is the place in |TOPIC
        size, len2, _, nxt, len1, kind = struct.unpack_from("<iiiiiB", topic, at)
        data2 = topic[at + len1:at + size]
        if kind == 2 and len2 > 1:
            found[characters] = data2[:data2.index(b"\0")].decode("cp1252")
        elif kind == 0x20:
            characters += len2
        pos = nxt
    return found


def main(help_path, cnt_path):
    data = open(help_path, "rb").read()
    files = directory(data)
    for name in ("|SYSTEM", "|FONT", "|TOPIC", "|CONTEXT", "|CTXOMAP"):
        assert name in files, name
    ctx = internal(data, files["|CTXOMAP"])
    count = struct.unpack_from("<h", ctx, 0)[0]
    numbers = dict(struct.unpack_from("<ii", ctx, 2 + 8 * i) for i in range(count))
    titles = topics(internal(data, files["|TOPIC"]))
    failures = []
    for line in open(cnt_path, encoding="cp1252"):
        line = line.strip()
        if not line or line[0] in ":;":
            continue
        title, context = line.split(" ", 1)[1].rsplit("=", 1)
        number = int(context.split("_")[1])
        got = titles.get(numbers.get(number, -1))
        if got != title:
            failures.append(f"context {number}: topic {got!r}, contents file {title!r}")
    system = internal(data, files["|SYSTEM"])
    if struct.unpack_from("<HHH", system, 0) != (0x036C, 21, 1):
        failures.append("|SYSTEM is not a WinHelp 3.1 header")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
