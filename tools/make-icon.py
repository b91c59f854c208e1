#!/usr/bin/env python3
"""Draws the program icon (a letter tile with a V) and writes it as a Windows
icon with 16, 24, 32, 48 and 256 pixel images.

    tools/make-icon.py [output]    (default: src/app/Vorbelle.ico)

Standard library only: shapes are sampled 4 x 4 times per pixel and blended.
"""
import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)
SAMPLES = 4

TILE_TOP = (250, 226, 170)      # warm ivory
TILE_BOTTOM = (222, 178, 104)   # honey
EDGE = (120, 74, 30)            # dark wood
LETTER = (70, 36, 12)
SHADOW = (0, 0, 0)

# The V, in tile coordinates (0..1, y down).
LETTER_V = [(0.20, 0.20), (0.38, 0.20), (0.50, 0.60), (0.62, 0.20), (0.80, 0.20),
            (0.585, 0.80), (0.415, 0.80)]


def inside_rounded_square(x, y, inset, radius):
    left, right = inset, 1.0 - inset
    if not (left <= x <= right and left <= y <= right):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, left + radius), right - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_polygon(x, y, points):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def sample(x, y):
    """Colour and coverage of one sample point."""
    if inside_polygon(x, y, LETTER_V) and inside_rounded_square(x, y, 0.10, 0.14):
        return LETTER, 1.0
    if inside_rounded_square(x, y, 0.10, 0.14):
        if not inside_rounded_square(x, y, 0.14, 0.11):
            return EDGE, 1.0
        t = (y - 0.1) / 0.8
        return tuple(round(a + (b - a) * t) for a, b in zip(TILE_TOP, TILE_BOTTOM)), 1.0
    if inside_rounded_square(x - 0.03, y - 0.03, 0.10, 0.14):
        return SHADOW, 0.35
    return (0, 0, 0), 0.0


def render(size):
    """Rows of (r, g, b, a), top row first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour, cover = sample((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    r += colour[0] * cover
                    g += colour[1] * cover
                    b += colour[2] * cover
                    a += cover
            n = SAMPLES * SAMPLES
            alpha = a / n
            if a > 0:
                row.append((round(r / a), round(g / a), round(b / a), round(alpha * 255)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bmp_image(rows):
    """A 32-bit icon bitmap: header, bottom-up BGRA pixels, then the AND mask."""
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + pixels + mask


def png_image(rows):
    size = len(rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = b''.join(b'\0' + b''.join(bytes(p) for p in row) for row in rows)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def icon_file(images):
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b'', b''
    for size, image in images:
        side = 0 if size >= 256 else size
        entries += struct.pack('<BBBBHHII', side, side, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return directory + entries + data


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, 'src', 'app', 'Vorbelle.ico')
    images = []
    for size in SIZES:
        rows = render(size)
        images.append((size, png_image(rows) if size >= 256 else bmp_image(rows)))
    with open(output, 'wb') as f:
        f.write(icon_file(images))
    print('wrote', output)


if __name__ == '__main__':
    main()
