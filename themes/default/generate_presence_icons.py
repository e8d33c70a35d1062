#!/usr/bin/env python3
"""Draws the four small presence icons of the default theme's presence menu.

Run from anywhere; writes into resources/presence/ beside this script. Pure Python
(zlib, struct); shapes are supersampled for smooth edges.
"""
import math
import struct
import zlib
from pathlib import Path

OUT = Path(__file__).resolve().parent / "resources" / "presence"
SIZE = 16
SAMPLES = 4
WHITE = (255, 255, 255)


def write_png(path, pixels):
    rows = bytearray()
    for row in pixels:
        rows.append(0)
        for rgba in row:
            rows.extend(rgba)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows), 9))
                     + chunk(b"IEND", b""))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def draw(fill, rim, inner, mark):
    """inner(x, y) -> True where the sample shows the mark colour inside the disc."""
    centre, radius = SIZE / 2.0, SIZE / 2.0 - 0.75
    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            counts = {"fill": 0, "rim": 0, "mark": 0}
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    px = x + (sx + 0.5) / SAMPLES
                    py = y + (sy + 0.5) / SAMPLES
                    distance = math.hypot(px - centre, py - centre)
                    if distance > radius:
                        continue
                    if distance > radius - 1.1:
                        counts["rim"] += 1
                    elif inner(px, py):
                        counts["mark"] += 1
                    else:
                        counts["fill"] += 1
            total = sum(counts.values())
            if total == 0:
                row.append((0, 0, 0, 0))
                continue
            colour = [0.0, 0.0, 0.0]
            for name, rgb in (("fill", fill), ("rim", rim), ("mark", mark)):
                for i in range(3):
                    colour[i] += rgb[i] * counts[name] / total
            alpha = round(255 * total / (SAMPLES * SAMPLES))
            row.append(tuple(round(c) for c in colour) + (alpha,))
        pixels.append(row)
    return pixels


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    check = lambda x, y: (segment_distance(x, y, 4.6, 8.4, 7.0, 10.8) < 1.05
                          or segment_distance(x, y, 7.0, 10.8, 11.4, 5.6) < 1.05)
    clock = lambda x, y: (segment_distance(x, y, 8.0, 8.0, 8.0, 4.2) < 0.9
                          or segment_distance(x, y, 8.0, 8.0, 10.8, 9.6) < 0.9)
    bar = lambda x, y: 4.2 <= x <= 11.8 and 6.9 <= y <= 9.1
    hollow = lambda x, y: math.hypot(x - 8.0, y - 8.0) < 3.6
    icons = {
        "presence_present_small.png": ((0x3b, 0xaa, 0x35), (0x2a, 0x80, 0x26), check, WHITE),
        "presence_away_small.png": ((0xf2, 0xa9, 0x00), (0xc2, 0x86, 0x00), clock, WHITE),
        "presence_busy_small.png": ((0xd9, 0x34, 0x2b), (0xa8, 0x24, 0x1d), bar, WHITE),
        "presence_inactive_small.png": ((0x9a, 0xa0, 0xa6), (0x74, 0x7a, 0x80), hollow, (0xf1, 0xf3, 0xf4)),
    }
    for name, (fill, rim, inner, mark) in icons.items():
        write_png(OUT / name, draw(fill, rim, inner, mark))


if __name__ == "__main__":
    main()
