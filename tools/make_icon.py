#!/usr/bin/env python3
"""Draw the Pellacord application icon and write it as a multi-image .ico.

Usage: make_icon.py [output.ico]     (default: src/res/Pellacord.ico)

Standard library only, so the build machine needs nothing extra. Output is
byte-for-byte deterministic.
"""

import math
import struct
import sys
import zlib

# Image order matters: the resource compiler numbers the images 1..N in the
# order they appear in the directory.
LAYOUT = [
    (64, 8), (48, 8), (32, 8), (24, 8), (16, 8),
    (256, 32), (128, 32), (64, 32), (48, 32), (32, 32), (24, 32), (16, 32),
]

# Geometry lives on a 16-unit grid so the 16, 32, 48 and 64 px images land
# on whole pixels and stay crisp.
GRID = 16.0
TILE = (0.0, 0.0, 16.0, 16.0, 3.0)           # x0, y0, x1, y1, corner radius
WINDOW = (2.0, 3.0, 14.0, 13.0, 0.75)
TITLE_BOTTOM = 5.0
CLIENT = (3.0, 5.0, 13.0, 12.0, 0.0)
TEXT_LINE = (4.0, 7.0, 12.0, 8.0, 0.5)
BUTTONS = [(4.0, 10.0, 6.0, 11.0, 0.35),
           (7.0, 10.0, 9.0, 11.0, 0.35),
           (10.0, 10.0, 12.0, 11.0, 0.35)]

TILE_TOP = (0x5C, 0xA3, 0xEA)
TILE_BOTTOM = (0x1F, 0x5C, 0xB2)
WHITE = (0xFF, 0xFF, 0xFF)
CLIENT_FILL = (0xDA, 0xE8, 0xF7)
TEXT_FILL = (0xA9, 0xC6, 0xEA)
BUTTON_FILL = (0x26, 0x68, 0xC0)

# Few enough gradient steps that flat runs survive, which keeps the PNG small
# and gives the 8 bpp palette a short ramp to cover.
RAMP_STEPS = 24


def in_rounded_rect(x, y, rect):
    x0, y0, x1, y1, r = rect
    if x < x0 or x >= x1 or y < y0 or y >= y1:
        return False
    if r <= 0:
        return True
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    dx, dy = x - cx, y - cy
    return dx * dx + dy * dy <= r * r


def tile_colour(y):
    t = min(max((y - TILE[1]) / (TILE[3] - TILE[1]), 0.0), 1.0)
    t = math.floor(t * RAMP_STEPS) / (RAMP_STEPS - 1) if t < 1.0 else 1.0
    t = min(t, 1.0)
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(TILE_TOP, TILE_BOTTOM))


def sample(x, y):
    """Colour at one grid point, or None outside the artwork."""
    if not in_rounded_rect(x, y, TILE):
        return None
    if in_rounded_rect(x, y, WINDOW):
        if y < TITLE_BOTTOM or not in_rounded_rect(x, y, CLIENT):
            return WHITE
        for b in BUTTONS:
            if in_rounded_rect(x, y, b):
                return BUTTON_FILL
        if in_rounded_rect(x, y, TEXT_LINE):
            return TEXT_FILL
        return CLIENT_FILL
    return tile_colour(y)


def render(size):
    """Straight-alpha RGBA rows, top row first, supersampled per pixel."""
    ss = 4 if size >= 128 else 8
    unit = GRID / size
    offsets = [(i + 0.5) / ss for i in range(ss)]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = n = 0
            for oy in offsets:
                gy = (py + oy) * unit
                for ox in offsets:
                    c = sample((px + ox) * unit, gy)
                    if c is not None:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        n += 1
            if n == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = int(round(255 * n / (ss * ss)))
                row.append((int(round(r / n)), int(round(g / n)),
                            int(round(b / n)), alpha))
        rows.append(row)
    return rows


def build_palette():
    """Fixed 256-entry palette: artwork colours first, then blends, then a cube."""
    ramp = [tile_colour(TILE[1] + (i + 0.5) * (TILE[3] - TILE[1]) / RAMP_STEPS)
            for i in range(RAMP_STEPS)]
    keys = [WHITE, CLIENT_FILL, TEXT_FILL, BUTTON_FILL]
    pal = [(0, 0, 0)]

    def add(c):
        if c not in pal and len(pal) < 256:
            pal.append(c)

    def mix(a, b, t):
        return tuple(int(round(p + (q - p) * t)) for p, q in zip(a, b))

    for c in keys + ramp:
        add(c)
    # Anti-aliased edges between the white window and the tile.
    for c in ramp[::2]:
        for t in (0.25, 0.5, 0.75):
            add(mix(c, WHITE, t))
    for a, b in ((CLIENT_FILL, BUTTON_FILL), (CLIENT_FILL, TEXT_FILL),
                 (WHITE, CLIENT_FILL)):
        for t in (0.25, 0.5, 0.75):
            add(mix(a, b, t))
    levels = (0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF)
    for r in levels:
        for g in levels:
            for b in levels:
                add((r, g, b))
    v = 0
    while len(pal) < 256:
        add((v, v, v))
        v += 1
    return pal


def nearest_index(pal, c, cache):
    hit = cache.get(c)
    if hit is None:
        best, hit = None, 0
        for i, p in enumerate(pal):
            d = ((p[0] - c[0]) * 3) ** 2 + ((p[1] - c[1]) * 4) ** 2 + ((p[2] - c[2]) * 2) ** 2
            if best is None or d < best:
                best, hit = d, i
        cache[c] = hit
    return hit


def and_mask(rows, size):
    # Without alpha the mask alone decides, so split at half coverage.
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            if px[3] < 128:
                line[x >> 3] |= 0x80 >> (x & 7)
        out += line
    return bytes(out)


def bitmap_header(size, bpp, image_bytes, colours_used):
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0,
                       image_bytes, 0, 0, colours_used, 0)


def dib_8bpp(rows, size, pal, cache):
    stride = (size + 3) & ~3
    xor = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            if px[3] >= 128:
                line[x] = nearest_index(pal, px[:3], cache)
        xor += line
    mask = and_mask(rows, size)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in pal)
    return (bitmap_header(size, 8, len(xor) + len(mask), 256) + palette
            + bytes(xor) + mask)


def dib_32bpp(rows, size):
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            if a == 0:
                r = g = b = 0
            xor += bytes((b, g, r, a))
    mask = and_mask(rows, size)
    return bitmap_header(size, 32, len(xor) + len(mask), 0) + bytes(xor) + mask


def png_chunk(kind, data):
    return (struct.pack('>I', len(data)) + kind + data
            + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filter_row(ftype, cur, prev):
    out = bytearray(len(cur))
    for i, x in enumerate(cur):
        left = cur[i - 4] if i >= 4 else 0
        up = prev[i]
        if ftype == 0:
            pred = 0
        elif ftype == 1:
            pred = left
        elif ftype == 2:
            pred = up
        elif ftype == 3:
            pred = (left + up) >> 1
        else:
            pred = paeth(left, up, prev[i - 4] if i >= 4 else 0)
        out[i] = (x - pred) & 0xFF
    return out


def png_rgba(rows, size):
    raw = bytearray()
    prev = bytes(size * 4)
    for row in rows:
        cur = bytes(v for px in row for v in px)
        # Usual heuristic: the filter whose output has the smallest signed sum.
        best = None
        for ftype in range(5):
            f = filter_row(ftype, cur, prev)
            score = sum(v if v < 128 else 256 - v for v in f)
            if best is None or score < best[0]:
                best = (score, ftype, f)
        raw.append(best[1])
        raw += best[2]
        prev = cur
    ihdr = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', ihdr)
            + png_chunk(b'IDAT', zlib.compress(bytes(raw), 9))
            + png_chunk(b'IEND', b''))


def build_ico():
    pal = build_palette()
    cache = {}
    renders = {}
    images = []
    for size, bpp in LAYOUT:
        if size not in renders:
            renders[size] = render(size)
        rows = renders[size]
        if bpp == 8:
            data = dib_8bpp(rows, size, pal, cache)
        elif size == 256:
            data = png_rgba(rows, size)
        else:
            data = dib_32bpp(rows, size)
        images.append((size, bpp, data))

    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bpp, data in images:
        dim = 0 if size >= 256 else size
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, bpp, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


def main(argv):
    path = argv[1] if len(argv) > 1 else 'src/res/Pellacord.ico'
    data = build_ico()
    with open(path, 'wb') as f:
        f.write(data)
    print('%s: %d bytes' % (path, len(data)))


if __name__ == '__main__':
    main(sys.argv)
