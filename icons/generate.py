#!/usr/bin/env python3
"""Draws the program's icon: four octet blocks in a row on a blue tile, with the dots between
them and a bar under the first three for the subnet mask. Writes the SVG source, the PNG sizes
for Linux and the web app (with its maskable variant) and the Windows icon group (32x32
monochrome, 32x32 and 16x16 in 16 colours).

Uses the Python standard library only. Run from anywhere: python3 icons/generate.py
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 standard colours; the drawings use indexes into this table.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
NAVY, SILVER, BLUE, AQUA, WHITE = 4, 7, 12, 14, 15

# Rectangles (colour, x0, y0, x1, y1), end exclusive, painted in order on a transparent grid.
DRAWING_32 = [
    (NAVY, 1, 1, 31, 31), (BLUE, 2, 2, 30, 30),
    (WHITE, 3, 9, 8, 19), (WHITE, 10, 9, 15, 19), (WHITE, 17, 9, 22, 19), (WHITE, 24, 9, 29, 19),
    (AQUA, 8, 17, 10, 19), (AQUA, 15, 17, 17, 19), (AQUA, 22, 17, 24, 19),
    (AQUA, 3, 22, 22, 25), (SILVER, 24, 22, 29, 25),
]
# Drawn for its own grid, so that the small size stays sharp.
DRAWING_16 = [
    (NAVY, 0, 0, 16, 16), (BLUE, 1, 1, 15, 15),
    (WHITE, 2, 4, 4, 9), (WHITE, 5, 4, 7, 9), (WHITE, 8, 4, 10, 9), (WHITE, 11, 4, 14, 9),
    (AQUA, 4, 7, 5, 9), (AQUA, 7, 7, 8, 9), (AQUA, 10, 7, 11, 9),
    (AQUA, 2, 11, 10, 13), (SILVER, 11, 11, 14, 13),
]

# For a launcher that cuts the icon to its own shape: the tile fills the whole square, and the
# blocks, half as large again, keep within the middle circle that every shape leaves whole.
DRAWING_MASKABLE = [(BLUE, 0, 0, 64, 64)] + [
    (colour, x0 * 3 // 2 + 8, y0 * 3 // 2 + 8, x1 * 3 // 2 + 8, y1 * 3 // 2 + 8)
    for colour, x0, y0, x1, y1 in DRAWING_32[2:]]


def raster(drawing, grid, scale):
    """Palette indexes per pixel (None where transparent) of the drawing at an integer scale."""
    size = grid * scale
    pixels = [[None] * size for _ in range(size)]
    for colour, x0, y0, x1, y1 in drawing:
        for y in range(y0 * scale, y1 * scale):
            for x in range(x0 * scale, x1 * scale):
                pixels[y][x] = colour
    return pixels


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(pixels)
    rows = bytearray()
    for row in pixels:
        rows.append(0)
        for p in row:
            rows.extend((0, 0, 0, 0) if p is None else PALETTE[p] + (255,))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def pack_bits(values, bits):
    """One bottom-up bitmap row, `bits` per value, padded to four bytes."""
    out, acc, filled = bytearray(), 0, 0
    for v in values:
        acc = (acc << bits) | v
        filled += bits
        if filled == 8:
            out.append(acc)
            acc, filled = 0, 0
    if filled:
        out.append(acc << (8 - filled))
    while len(out) % 4:
        out.append(0)
    return out


def ico_image(pixels, bits):
    """An icon directory image: BITMAPINFOHEADER, palette, colour bits and the AND mask."""
    size = len(pixels)
    if bits == 1:
        colours = [(0, 0, 0), (255, 255, 255)]

        def index(p):
            r, g, b = PALETTE[p]
            return 1 if (r * 299 + g * 587 + b * 114) >= 128000 else 0
    else:
        colours = PALETTE

        def index(p):
            return p
    xor, mask = bytearray(), bytearray()
    for row in reversed(pixels):
        xor += pack_bits([0 if p is None else index(p) for p in row], bits)
        mask += pack_bits([1 if p is None else 0 for p in row], 1)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(xor) + len(mask),
                         0, 0, len(colours), 0)
    return header + palette + bytes(xor) + bytes(mask), len(colours)


def ico(images):
    entries, data = bytearray(), bytearray()
    offset = 6 + 16 * len(images)
    for pixels, bits in images:
        blob, colours = ico_image(pixels, bits)
        size = len(pixels)
        entries += struct.pack("<BBBBHHII", size, size, colours % 256, 0, 1, bits, len(blob),
                               offset + len(data))
        data += blob
    return struct.pack("<HHH", 0, 1, len(images)) + bytes(entries) + bytes(data)


def svg(drawing, grid):
    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
             f'viewBox="0 0 {grid} {grid}" shape-rendering="crispEdges">']
    for colour, x0, y0, x1, y1 in drawing:
        r, g, b = PALETTE[colour]
        lines.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" '
                     f'fill="#{r:02x}{g:02x}{b:02x}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def write(name, data):
    path = os.path.join(HERE, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w" if isinstance(data, str) else "wb") as f:
        f.write(data)


def main():
    write("quorvel.svg", svg(DRAWING_32, 32))
    for size, drawing, grid in [(16, DRAWING_16, 16), (32, DRAWING_32, 32), (48, DRAWING_16, 16),
                                (64, DRAWING_32, 32), (128, DRAWING_32, 32),
                                (192, DRAWING_32, 32), (256, DRAWING_32, 32),
                                (512, DRAWING_32, 32)]:
        write(f"png/quorvel-{size}.png", png(raster(drawing, grid, size // grid)))
    write("png/quorvel-maskable-512.png", png(raster(DRAWING_MASKABLE, 64, 512 // 64)))
    write("quorvel.ico", ico([(raster(DRAWING_32, 32, 1), 1), (raster(DRAWING_32, 32, 1), 4),
                              (raster(DRAWING_16, 16, 1), 4)]))


if __name__ == "__main__":
    main()
