#!/usr/bin/env python3
"""Rewrites the window's PNG pictures so that they decode quickly.

Qt's writer lets libpng pick a filter per row, and the Paeth and Average
filters it often picks are the slowest part of decoding. This rewrites every
PNG of a folder pixel for pixel the same, with the cheap None, Sub or Up
filter (whichever compresses best for the picture) at the highest zlib level.

    tools/pictures/repack_png.py resources/pictures          # rewrite
    tools/pictures/repack_png.py --check resources/pictures  # fail on slow filters
"""
import pathlib
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}  # colour type -> bytes per pixel at 8 bits
CHEAP_FILTERS = (0, 1, 2)  # None, Sub, Up


def chunks(data):
    if not data.startswith(SIGNATURE):
        raise ValueError("not a PNG")
    pos = len(SIGNATURE)
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def read(path):
    header, idat, others = None, b"", []
    for kind, body in chunks(path.read_bytes()):
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            idat += body
        elif kind != b"IEND":
            others.append((kind, body))
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", header)
    if depth != 8 or colour not in CHANNELS or interlace:
        raise ValueError(f"{path.name}: only 8-bit, non-interlaced, non-palette pictures are handled")
    return width, height, colour, zlib.decompress(idat), others


def unfilter(raw, width, height, bpp):
    stride = width * bpp
    rows, previous, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for x in range(stride):
            left = line[x - bpp] if x >= bpp else 0
            up = previous[x]
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + ((left + up) >> 1)) & 255
            elif kind == 4:
                corner = previous[x - bpp] if x >= bpp else 0
                estimate = left + up - corner
                pa, pb, pc = abs(estimate - left), abs(estimate - up), abs(estimate - corner)
                line[x] = (line[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(bytes(line))
        previous = line
    return rows


def filtered(rows, bpp, kind):
    out, previous = bytearray(), bytes(len(rows[0]))
    for line in rows:
        out.append(kind)
        if kind == 0:
            out += line
        elif kind == 1:
            out += bytes((line[x] - (line[x - bpp] if x >= bpp else 0)) & 255 for x in range(len(line)))
        else:
            out += bytes((line[x] - previous[x]) & 255 for x in range(len(line)))
        previous = line
    return zlib.compress(bytes(out), 9)


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def repack(path):
    width, height, colour, raw, others = read(path)
    bpp = CHANNELS[colour]
    rows = unfilter(raw, width, height, bpp)
    best = min((filtered(rows, bpp, kind) for kind in CHEAP_FILTERS), key=len)
    header = struct.pack(">IIBBBBB", width, height, 8, colour, 0, 0, 0)
    data = SIGNATURE + chunk(b"IHDR", header)
    data += b"".join(chunk(kind, body) for kind, body in others)
    data += chunk(b"IDAT", best) + chunk(b"IEND", b"")
    path.write_bytes(data)


def slow_rows(path):
    width, height, colour, raw, _ = read(path)
    stride = width * CHANNELS[colour] + 1
    return sum(1 for y in range(height) if raw[y * stride] not in CHEAP_FILTERS)


def main(argv):
    check = "--check" in argv
    folders = [pathlib.Path(a) for a in argv if a != "--check"]
    if len(folders) != 1:
        print(__doc__)
        return 2
    failed = False
    for path in sorted(folders[0].glob("*.png")):
        if check:
            count = slow_rows(path)
            if count:
                print(f"{path.name}: {count} rows with a slow filter; run {sys.argv[0]} on the folder")
                failed = True
        else:
            repack(path)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
