#!/usr/bin/env python3
"""Draws the gauge's running light "ACGL": a 60 x 20 PNG (8-bit truecolour
with alpha), every pixel white, the light's shape in the alpha alone.

The light is a soft glow that is wide along the top and bottom edges of the
bar (a long plateau of alpha 134, falling to 0 at both ends) and pinched in
the middle rows to a narrow peak of 97 at the centre column; just inside the
edges it is brightest, at 140. The gauge stretches it to 300 pixels along
the bar and to the bar's thickness.

Usage: make_acgl.py OUTPUT.png
Running it again gives the same bytes.
"""
import math
import struct
import sys
import zlib

WIDTH, HEIGHT = 60, 20
EDGE_PEAK, BRIGHTEST, MIDDLE_PEAK = 134, 140, 97


def row_peak(y):
    """The largest alpha of row y: 97 in the middle rows, rising to 140 one
    row inside each edge, 134 on the edge rows themselves."""
    edge = min(y, HEIGHT - 1 - y)  # 0 on the edge rows, 9 in the middle
    if edge == 0:
        return EDGE_PEAK
    closeness = (HEIGHT // 2 - 1 - edge) / (HEIGHT // 2 - 2)  # 1 next to the edge, 0 in the middle
    return MIDDLE_PEAK + (BRIGHTEST - MIDDLE_PEAK) * math.sin(closeness * math.pi / 2)


def spread(y):
    """How far from the centre column the light is flat (plateau) and where
    it has faded to nothing (reach), both in columns."""
    edge = min(y, HEIGHT - 1 - y)
    wideness = 1 - edge / (HEIGHT // 2 - 1)  # 1 on the edge rows, 0 in the middle
    plateau = 0.5 + 19.5 * wideness ** 2  # the two centre columns are always flat
    reach = 6 + (WIDTH / 2 - 0.5 - 6) * wideness  # the end columns are 0 on the edge rows
    return plateau, reach


def alpha(x, y):
    distance = abs(x - (WIDTH - 1) / 2)
    plateau, reach = spread(y)
    if distance <= plateau:
        share = 1.0
    elif distance >= reach:
        share = 0.0
    else:
        share = math.cos((distance - plateau) / (reach - plateau) * math.pi / 2) ** 2
    return int(round(row_peak(y) * share))


def png_bytes():
    raw = bytearray()
    for y in range(HEIGHT):
        raw.append(0)  # filter: none
        for x in range(WIDTH):
            raw += bytes((255, 255, 255, alpha(x, y)))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as out:
        out.write(png_bytes())


if __name__ == "__main__":
    main()
