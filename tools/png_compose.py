#!/usr/bin/env python3
"""Puts pictures that the host simulator wrote (8-bit RGB, filter none)
together and compresses the result as tools/png_tidy.py does.
    tools/png_compose.py OUT WIDTH HEIGHT PART X Y [PART X Y ...]
        a WIDTHxHEIGHT picture with each PART's top-left corner at (X, Y),
        later parts over earlier ones (tiles of one page drawn in turn)
    tools/png_compose.py --client OUT WIDTH HEIGHT FRAMED
        the WIDTHxHEIGHT client area of a window shot with its frame: the
        frame is as wide at the bottom as at the sides, the caption on top.
        A shot too small for that client is kept whole, with a warning."""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from png_tidy import chunk, chunks  # noqa: E402


def read(path):
    """(width, height, rows of RGB bytes)"""
    header, idat = None, b""
    try:
        data = open(path, "rb").read()
    except OSError as error:
        sys.exit(f"png_compose: {path}: {error.strerror}")
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
    rows = []
    for y in range(h):
        if raw[y * stride] != 0:
            sys.exit(f"{path}: row {y} is filtered")
        rows.append(bytearray(raw[y * stride + 1:(y + 1) * stride]))
    return w, h, rows


def write(path, width, rows):
    out = b"\x89PNG\r\n\x1a\n"
    out += chunk(b"IHDR", struct.pack(">IIBBBBB", width, len(rows), 8, 2, 0, 0, 0))
    out += chunk(b"IDAT", zlib.compress(b"".join(b"\0" + bytes(r) for r in rows), 9))
    out += chunk(b"IEND", b"")
    open(path, "wb").write(out)


def paste(canvas, painted, part, x, y):
    """Pastes part at (x, y); answers the first pixel where it differs from
    an earlier part under it, or None."""
    w, h, rows = part
    width = len(painted[0]) if painted else 0
    left, right = max(0, x), min(width, x + w)
    differs = None
    if left >= right:
        return differs
    for row in range(max(0, y), min(len(canvas), y + h)):
        new = rows[row - y][3 * (left - x):3 * (right - x)]
        old = canvas[row][3 * left:3 * right]
        if differs is None and new != old:
            mask = painted[row]
            for i in range(right - left):
                if mask[left + i] and new[3 * i:3 * i + 3] != old[3 * i:3 * i + 3]:
                    differs = (left + i, row)
                    break
        canvas[row][3 * left:3 * right] = new
        painted[row][left:right] = b"\1" * (right - left)
    return differs


def compose(out, width, height, parts):
    canvas = [bytearray(3 * width) for _ in range(height)]
    painted = [bytearray(width) for _ in range(height)]
    for path, x, y in parts:
        differs = paste(canvas, painted, read(path), x, y)
        # Tiles of one page agree where they overlap; where they do not, the
        # page moved or changed between them.
        if differs:
            sys.exit(f"png_compose: {path} differs from the parts before it at {differs}")
    write(out, width, canvas)


def client(out, width, height, framed):
    w, h, rows = read(framed)
    border = (w - width) // 2
    top = h - height - border
    if border < 0 or top < 0:
        print(f"png_compose: {framed} is {w}x{h} with its frame, too small for a {width}x{height} "
              "client: kept whole", file=sys.stderr)
        write(out, w, rows)
        return
    write(out, width, [r[3 * border:3 * (border + width)] for r in rows[top:top + height]])


def main(args):
    if args[:1] == ["--client"] and len(args) == 5:
        client(args[1], int(args[2]), int(args[3]), args[4])
    elif len(args) >= 6 and (len(args) - 3) % 3 == 0:
        parts = [(args[i], int(args[i + 1]), int(args[i + 2])) for i in range(3, len(args), 3)]
        compose(args[0], int(args[1]), int(args[2]), parts)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
