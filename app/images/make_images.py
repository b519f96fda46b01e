#!/usr/bin/env python3
"""Draws the frame and close-button images of chartframe as 32-bit RGBA PNGs.

Run it from anywhere; it writes the four PNG files beside itself. Only the
standard library is used, so the images can be redrawn on any machine.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write_png(name, width, height, pixel):
    """pixel(x, y) -> (r, g, b, a), straight (not premultiplied) alpha."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # no filter
        for x in range(width):
            rows.extend(bytes(max(0, min(255, int(round(c)))) for c in pixel(x, y)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b"")
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(png)


def frame(x, y, w=329, h=195):
    edge = min(x, y, w - 1 - x, h - 1 - y)
    if edge == 0:
        return (0, 0, 0, 255)  # outer border
    if edge == 1:
        return (0, 128, 255, 255)  # the blue line inside it
    # Near white at the top to near black at the bottom, 20 % opaque.
    t = (y - 2) / (h - 5)
    grey = 250 - t * 240
    return (grey, grey, grey, 51)


def glyph_cover(x, y, w, h, taller):
    """How a 2-pixel-wide x centred in the button covers (x, y): 'core', 'edge' or None."""
    cx, cy = (w - 1) / 2, (h - 1) / 2 + 1
    half = 4 + (0.5 if taller else 0)
    top, bottom = cy - half, cy + half + (1 if taller else 0)
    if not (top - 1 <= y <= bottom + 1):
        return None
    d = min(abs((x - cx) - (y - cy)), abs((x - cx) + (y - cy)))
    inside = top <= y <= bottom
    if inside and d <= 0.8:
        return "core"
    if d <= 1.8 and abs(x - cx) <= half + 1.5:
        return "edge"
    return None


def close_image(face, face_alpha, highlight, glyph_alpha, glyph_edge, taller=False):
    w, h = 39, 20

    def pixel(x, y):
        cover = glyph_cover(x, y, w, h, taller)
        if y >= 3 and cover == "core":
            return (255, 255, 255, glyph_alpha)
        if y >= 3 and cover == "edge" and glyph_edge:
            return glyph_edge
        if y == 0:
            return (0, 0, 0, 0)
        if y == 1:
            return (0, 0, 0, 30)
        if y == 2:
            return highlight
        t = (y - 3) / (h - 4)
        return face(t) + (face_alpha(t),)

    return pixel


def main():
    write_png("frame.png", 329, 195, frame)
    write_png("close-normal.png", 39, 20, close_image(
        face=lambda t: (255, 255, 255),
        face_alpha=lambda t: 30 * (1 - t) + 1,
        highlight=(255, 255, 255, 80),
        glyph_alpha=207,
        glyph_edge=(40, 40, 40, 120)))
    write_png("close-over.png", 39, 20, close_image(
        face=lambda t: (244, 55, 11),
        face_alpha=lambda t: 200 * (1 - t) + 2,
        highlight=(255, 114, 81, 255),
        glyph_alpha=255,
        glyph_edge=None))
    write_png("close-down.png", 39, 20, close_image(
        face=lambda t: (177 + 50 * t, 37 + 30 * t, 0 + 20 * t),
        face_alpha=lambda t: 200 * (1 - t) + 2,
        highlight=(255, 114, 81, 255),
        glyph_alpha=255,
        glyph_edge=None,
        taller=True))


if __name__ == "__main__":
    main()
