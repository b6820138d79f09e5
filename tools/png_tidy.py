#!/usr/bin/env python3
"""Crops a PNG that the host simulator wrote (8-bit RGB, filter none) to its
top-left WIDTHxHEIGHT (a smaller picture is refused) and compresses it, so that the guide's pictures stay
small in the repository. The same input always gives the same bytes.
    tools/png_tidy.py FILE WIDTH HEIGHT"""
import struct
import sys
import zlib


def chunks(data):
    pos = 8
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def main():
    path, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    data = open(path, "rb").read()
    header = None
    idat = b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    w, h, depth, colour, _, _, interlace = header
    if depth != 8 or colour != 2 or interlace != 0:
        sys.exit(f"{path}: not an 8-bit RGB picture of the host simulator")
    raw = zlib.decompress(idat)
    stride = 1 + 3 * w
    # A shot smaller than its part of the window lacks some of it.
    if w < width or h < height:
        sys.exit(f"{path}: {w}x{h}, smaller than the {width}x{height} it is cut to")
    rows = []
    for y in range(height):
        row = raw[y * stride:(y + 1) * stride]
        if row[0] != 0:
            sys.exit(f"{path}: row {y} is filtered")
        rows.append(b"\0" + row[1:1 + 3 * width])
    out = b"\x89PNG\r\n\x1a\n"
    out += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    out += chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
    out += chunk(b"IEND", b"")
    open(path, "wb").write(out)


if __name__ == "__main__":
    main()
