#!/usr/bin/env python3
"""Makes the add-on's WinHelp 3.1 file from its help text (QELVOADD.HLT).

make_help.py SOURCE OUTPUT

The file holds, after its 16-byte header, the internal files |SYSTEM (title), |FONT (two
fonts), |TOPIC (uncompressed, within its first 4 KB block),
|CONTEXT (the context strings' hashes) and |CTXOMAP (the context numbers), then the
internal directory, a B+ tree of one leaf page.
"""
import struct
import sys

BLOCK = 4096          # topic block, with its 12-byte header
BLOCK_DATA = BLOCK - 12


class HelpError(Exception):
    pass


def read_source(path):
    title = None
    topics = []
    paragraph = []

    def end_paragraph():
        if paragraph:
            if not topics:
                raise HelpError("text before the first topic")
            topics[-1]["paragraphs"].append(" ".join(paragraph))
            paragraph.clear()

    with open(path, encoding="cp1252") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if line.startswith(";"):
                continue
            if not line.strip():
                end_paragraph()
                continue
            word = line.split(None, 1)[0]
            if word == "title":
                title = line.split(None, 1)[1].strip()
            elif word == "topic":
                end_paragraph()
                parts = line.split(None, 3)
                if len(parts) < 4 or not parts[2].isdigit():
                    raise HelpError(f"{path}:{number}: topic CONTEXT NUMBER TITLE")
                topics.append({"context": parts[1], "number": int(parts[2]),
                               "title": parts[3].strip(), "paragraphs": []})
            else:
                paragraph.append(line.strip())
        end_paragraph()
    if not title or not topics:
        raise HelpError(f"{path}: a title and at least one topic are needed")
    return title, topics


def z(text):
    return text.encode("cp1252") + b"\0"


# ---- |TOPIC ---------------------------------------------------------------------------

def compressed_ushort(value):
    if value < 128:
        return bytes([value * 2])
    return struct.pack("<H", value * 2 + 1)


def compressed_ulong(value):
    if value < 32768:
        return struct.pack("<H", value * 2)
    return struct.pack("<I", value * 2 + 1)


def compressed_short(value):
    if -64 <= value < 64:
        return bytes([(value + 64) * 2])
    return struct.pack("<H", (value + 16384) * 2 + 1)


def display_record(strings, commands, font, space_above):
    """LinkData1 and LinkData2 of a displayable text record (0x20): strings and the
    formatting command after each (the last one ends the record); its paragraphs have
    space_above half points above them."""
    data2 = b"".join(z(s) for s in strings)
    para = bytes([0x00, 0x80]) + struct.pack("<HH", 0, 0x0002) + compressed_short(space_above)
    data1 = compressed_ulong(len(data2)) + compressed_ushort(len(data2)) + para
    data1 += bytes([0x80]) + struct.pack("<H", font)
    for command in commands:
        data1 += bytes([command])
    return data1, data2


def topic_links(topic):
    """The records of one topic: its header, its title in bold, its paragraphs."""
    header = (2, None, z(topic["title"]))  # LinkData1 filled once positions are known
    title = display_record(["", topic["title"], ""], [0x82, 0xFF], 1, 0)
    texts = [""] + topic["paragraphs"] + [""]
    commands = [0x82] * len(topic["paragraphs"]) + [0xFF]
    body = display_record(texts, commands, 0, 12)
    return [header, (0x20,) + title, (0x20,) + body]


def build_topic_file(topics):
    """Lays the records out in blocks. Answers the |TOPIC bytes and each topic's block."""
    LINK = 21
    # Place every record: (block, offset in the block's data).
    placed = []  # (topic index or None, record type, data1, data2, block, offset)
    block, offset = 0, 0
    starts = []  # each topic's TOPICOFFSET: its block, and the characters before it there
    characters = 0
    for index, topic in enumerate(topics):
        first = True
        for kind, data1, data2 in topic_links(topic):
            size = LINK + (28 if data1 is None else len(data1)) + len(data2)
            if size > BLOCK_DATA:
                raise HelpError(f"topic {topic['context']}: a paragraph is too long")
            if offset + size > BLOCK_DATA:
                block, offset, characters = block + 1, 0, 0
            if first:
                starts.append(block * 32768 + characters)
                first = False
            if kind == 0x20:
                characters += len(data2)
            placed.append([index, kind, data1, data2, block, offset, size])
            offset += size
    # The closing record that ends the walk.
    if offset + LINK + 28 + 1 > BLOCK_DATA:
        block, offset = block + 1, 0
    placed.append([None, 2, None, b"\0", block, offset, LINK + 28 + 1])
    # Help viewers differ in how they count positions beyond the first block: the text is kept
    # within one.
    if block > 0:
        raise HelpError("the help text does not fit one topic block of 4 KB")

    def pos(rec):
        return 12 + rec[4] * BLOCK_DATA + rec[5]

    headers = [i for i, rec in enumerate(placed) if rec[1] == 2]
    blocks = [bytearray(BLOCK) for _ in range(block + 1)]
    for i, rec in enumerate(placed):
        index, kind, data1, data2 = rec[0], rec[1], rec[2], rec[3]
        if kind == 2:
            later = [h for h in headers if h > i]
            next_header = pos(placed[later[0]]) if later else -1
            if index is None:
                data1 = struct.pack("<iiiiiii", 0, -1, -1, -1, -1, -1, -1)
            else:
                end = placed[later[0]] if later else None
                topic_size = sum(r[6] for r in placed[i:later[0] if later else len(placed)])
                data1 = struct.pack("<iiiiiii", topic_size, -1, -1, index, -1,
                                    pos(placed[i + 1]), next_header)
            rec[2] = data1
        prev = pos(placed[i - 1]) if i else -1
        nxt = pos(placed[i + 1]) if i + 1 < len(placed) else -1
        link = struct.pack("<iiiiiB", rec[6], len(data2), prev, nxt, 21 + len(data1), kind)
        data = link + data1 + data2
        assert len(data) == rec[6]
        start = 12 + rec[5]
        blocks[rec[4]][start:start + len(data)] = data
    # Block headers: the last record of the previous block, the first of this one, the last
    # topic header seen so far.
    for b in range(len(blocks)):
        in_block = [i for i, rec in enumerate(placed) if rec[4] == b]
        before = [i for i, rec in enumerate(placed) if rec[4] < b]
        last_link = pos(placed[before[-1]]) if before else -1
        first_link = pos(placed[in_block[0]]) if in_block else -1
        seen = [h for h in headers if placed[h][4] <= b and placed[h][0] is not None]
        last_header = pos(placed[seen[-1]]) if seen else -1
        blocks[b][0:12] = struct.pack("<iii", last_link, first_link, last_header)
    return b"".join(bytes(b) for b in blocks), starts


# ---- Hashes, B+ trees, the file -------------------------------------------------------

HASH_TABLE = bytes.fromhex(
    "00D1D2D3D4D5D6D7D8D9DADBDCDDDEDF"
    "E0E1E2E3E4E5E6E7E8E9EAEBECEDEEEF"
    "F00BF2F3F4F5F6F7F8F9FAFBFCFD0CFF"
    "0A0102030405060708090A0B0C0D0E0F"
    "101112131415161718191A1B1C1D1E1F"
    "202122232425262728292A0B0C0D0E0D"
    "101112131415161718191A1B1C1D1E1F"
    "202122232425262728292A2B2C2D2E2F"
    "505152535455565758595A5B5C5D5E5F"
    "606162636465666768696A6B6C6D6E6F"
    "707172737475767778797A7B7C7D7E7F"
    "808182830B85868788898A8B8C8D8E8F"
    "909192939495969798999A9B9C9D9E9F"
    "A0A1A2A3A4A5A6A7A8A9AAABACADAEAF"
    "B0B1B2B3B4B5B6B7B8B9BABBBCBDBEBF"
    "C0C1C2C3C4C5C6C7C8C9CACBCCCDCECF")


def context_hash(name):
    if not name:
        return 1
    value = 0
    for byte in name.encode("cp1252"):
        entry = HASH_TABLE[byte]
        entry = entry - 256 if entry > 127 else entry  # the table's values are signed
        value = (value * 43 + entry) & 0xFFFFFFFF
    return value - (1 << 32) if value >= 1 << 31 else value


def btree(structure, entries, page_size, directory=False):
    """A B+ tree of one leaf page holding the packed entries, in their order."""
    body = b"".join(entries)
    if 8 + len(body) > page_size:
        raise HelpError("too many entries for one page")
    page = struct.pack("<Hhhh", page_size - 8 - len(body), len(entries), -1, -1) + body
    page += b"\0" * (page_size - len(page))
    flags = 0x0402 if directory else 0x0002
    header = struct.pack("<HHH16shhhhhhi", 0x293B, flags, page_size,
                         structure.encode().ljust(16, b"\0"), 0, 0, 0, -1, 1, 1, len(entries))
    return header + page


def internal(data):
    return struct.pack("<iiB", len(data) + 9, len(data), 4) + data


def build(title, topics):
    topic_file, starts = build_topic_file(topics)
    offsets = {t["context"]: starts[i] for i, t in enumerate(topics)}

    system = struct.pack("<HHHiH", 0x036C, 21, 1, 0, 0)
    system += struct.pack("<HH", 1, len(z(title))) + z(title)
    system += struct.pack("<HHi", 3, 4, offsets[topics[0]["context"]])

    face = b"Arial".ljust(32, b"\0")
    font = struct.pack("<HHHH", 1, 2, 8, 8 + len(face)) + face
    font += struct.pack("<BBBH3s3s", 0, 20, 3, 0, b"\0\0\0", b"\xff\xff\xff")  # text, 10 pt
    font += struct.pack("<BBBH3s3s", 1, 28, 3, 0, b"\0\0\x80", b"\xff\xff\xff")  # titles

    hashes = sorted((context_hash(t["context"]), offsets[t["context"]]) for t in topics)
    if len({h for h, _ in hashes}) != len(hashes):
        raise HelpError("two context strings with the same hash")
    context = btree("L4", [struct.pack("<ii", h, o) for h, o in hashes], 2048)

    numbers = [t["number"] for t in topics]
    if len(set(numbers)) != len(numbers):
        raise HelpError("a context number used twice")
    ctxomap = struct.pack("<h", len(topics)) + b"".join(
        struct.pack("<ii", t["number"], offsets[t["context"]]) for t in topics)

    files = {"|SYSTEM": system, "|FONT": font, "|TOPIC": topic_file, "|CONTEXT": context,
             "|CTXOMAP": ctxomap}
    out = bytearray(16)
    where = {}
    for name in ["|SYSTEM", "|FONT", "|TOPIC", "|CONTEXT", "|CTXOMAP"]:
        where[name] = len(out)
        out += internal(files[name])
    directory = btree("z4", [z(name) + struct.pack("<i", where[name]) for name in sorted(where)],
                      1024, directory=True)
    directory_start = len(out)
    out += internal(directory)
    out[0:16] = struct.pack("<iiii", 0x00035F3F, directory_start, -1, len(out))
    return bytes(out)


def main(argv):
    if len(argv) != 3:
        print("usage: make_help.py SOURCE OUTPUT", file=sys.stderr)
        return 2
    try:
        title, topics = read_source(argv[1])
        data = build(title, topics)
    except (OSError, HelpError) as error:
        print(f"make_help.py: {error}", file=sys.stderr)
        return 2
    with open(argv[2], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
