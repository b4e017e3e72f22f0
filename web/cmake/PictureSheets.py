#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Lays the square pictures of one set side by side in one PNG, so the page fetches one file per
# set rather than 23: the plain pictures of the given folder in the order of their names
# (bytewise, without suffix and extension), each taken from the symbols folder instead when one
# is given and has it (the empty square has no symbol), each between margins that repeat its
# edges. The pixels are copied as they are; the generator's pictures are 8-bit RGB PNGs.
#   PictureSheets.py OUTPUT PLAIN-FOLDER SUFFIX [SYMBOLS-FOLDER]     (SUFFIX: "" or "@2x")
import struct
import sys
import zlib
from pathlib import Path


def chunks(data):
    at = 8
    while at < len(data):
        length, kind = struct.unpack('>I4s', data[at:at + 8])
        yield kind, data[at + 8:at + 8 + length]
        at += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def read_rgb(path):
    data = path.read_bytes()
    header = b''.join(body for kind, body in chunks(data) if kind == b'IHDR')
    width, height, depth, colour, _, _, interlace = struct.unpack('>IIBBBBB', header)
    if (depth, colour, interlace) != (8, 2, 0):
        sys.exit(f'{path}: not an 8-bit RGB PNG without interlacing')
    raw = zlib.decompress(b''.join(body for kind, body in chunks(data) if kind == b'IDAT'))
    stride = width * 3
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 3] if x >= 3 else 0
            up, corner = previous[x], previous[x - 3] if x >= 3 else 0
            predicted = (0, left, up, (left + up) // 2, paeth(left, up, corner))[kind]
            line[x] = (line[x] + predicted) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    pixels = b''.join(b'\0' + row for row in rows)
    path.write_bytes(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)) +
                     chunk(b'IDAT', zlib.compress(pixels, 9)) + chunk(b'IEND', b''))


def main(output, plain, suffix, symbols=None):
    # Sorted by the pictures' names alone, as the page sorts them.
    stems = sorted(path.name[:-len(f'{suffix}.png')] for path in Path(plain).glob(f'*{suffix}.png'))
    names = [f'{stem}{suffix}.png' for stem in stems if '@' not in stem]
    pictures = []
    for name in names:
        symbol = Path(symbols, name) if symbols else None
        pictures.append(read_rgb(symbol if symbol and symbol.exists() else Path(plain, name)))
    size = pictures[0][0]
    if any((width, height) != (size, size) for width, height, _ in pictures):
        sys.exit('the pictures of a set differ in size')
    # Each picture's outermost columns are repeated into a margin on either side, 4 pixels of
    # the designed 60, so that a page drawing the sheet scaled finds the picture's own edge
    # beyond it, as it would at the edge of a picture of its own, and never its neighbour.
    margin = size * 4 // 60
    def extended(row):
        return row[:3] * margin + row + row[-3:] * margin
    rows = [b''.join(extended(rows[y]) for _, _, rows in pictures) for y in range(size)]
    write_png(Path(output), (size + 2 * margin) * len(pictures), size, rows)


if __name__ == '__main__':
    if len(sys.argv) not in (4, 5):
        sys.exit('usage: PictureSheets.py OUTPUT PLAIN-FOLDER SUFFIX [SYMBOLS-FOLDER]')
    main(*sys.argv[1:])
