#!/usr/bin/env python3
"""Draws the program's pictures: the application icon (four gold pillars
under a lintel on a dark-red tile) in the sizes desktops ask for, and the
mouse pointer shown over link labels (an arrow with a small blue globe).

Run it from anywhere; it writes the PNG files beside itself. Standard
library only, so it runs on any machine that has Python 3."""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SUPERSAMPLE = 4


def write_png(path, size, pixel):
    """pixel(x, y) -> (r, g, b, a) in 0..255, sampled SUPERSAMPLE^2 times per
    pixel at sub-pixel centres in 0..1 unit coordinates."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = bytearray([0])  # filter type: none
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    r, g, b, a = pixel((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            alpha = acc[3] / (n * n)
            if acc[3]:
                row += bytes(round(c / acc[3]) for c in acc[:3])
            else:
                row += b"\0\0\0"
            row.append(round(alpha))
        rows.append(bytes(row))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(b"".join(rows), 9)))
        out.write(chunk(b"IEND", b""))


CLEAR = (0, 0, 0, 0)
TILE = (139, 26, 26, 255)
GOLD = (232, 184, 74, 255)


def in_rounded_square(x, y, margin, radius):
    lo, hi = margin, 1 - margin
    if not (lo <= x <= hi and lo <= y <= hi):
        return False
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def icon_pixel(x, y):
    if not in_rounded_square(x, y, 0.03, 0.16):
        return CLEAR
    if 0.16 <= x <= 0.84 and (0.18 <= y <= 0.26 or 0.76 <= y <= 0.82):
        return GOLD  # lintel and base
    for left in (0.20, 0.36, 0.52, 0.68):
        if left <= x <= left + 0.10 and 0.26 <= y <= 0.76:
            return GOLD  # the four pillars
    return TILE


def inside_polygon(x, y, points):
    inside = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


# An arrow pointer with its tip at the top-left pixel, in 32-pixel units.
ARROW = [(1, 1), (1, 23), (6, 18), (10, 27), (13, 26), (9, 17), (16, 17)]


def grow(points, by):
    cx = sum(p[0] for p in points) / len(points)
    cy = sum(p[1] for p in points) / len(points)
    return [(px + (px - cx) * by, py + (py - cy) * by) for px, py in points]


def pointer_pixel(x, y):
    u, v = x * 32, y * 32
    gx, gy, gr = 23.5, 23.5, 6.5
    d2 = (u - gx) ** 2 + (v - gy) ** 2
    if d2 <= gr ** 2:
        on_grid = abs(u - gx) < 0.6 or abs(v - gy) < 0.6 or abs(d2 ** 0.5 - gr * 0.55) < 0.5
        return (255, 255, 255, 255) if on_grid else (0, 0, 255, 255)
    if d2 <= (gr + 1.2) ** 2:
        return (255, 255, 255, 255)
    if inside_polygon(u, v, ARROW):
        return (0, 0, 0, 255)
    if inside_polygon(u, v, grow(ARROW, 0.16)):
        return (255, 255, 255, 255)
    return CLEAR


if __name__ == "__main__":
    for size in (48, 256):
        write_png(os.path.join(HERE, f"tavrin-{size}.png"), size, icon_pixel)
    write_png(os.path.join(HERE, "link_pointer.png"), 32, pointer_pixel)
