#!/usr/bin/env python3
"""Draws Lumora's icon: a golden fish on a deep blue tile.

Writes, beside the window code:
  window/icons/lumora.ico                   32x32 and 16x16 at 256 colours, for both programs
  window/icons/hicolor/NxN/apps/lumora.png  16 to 256 pixels, RGBA, for the Linux desktop

Remake with:  python3 tools/icon/draw_icon.py
Needs only the Python standard library.
"""

import struct
import zlib
from pathlib import Path

OUT = Path(__file__).resolve().parents[2] / "window" / "icons"
BLUE = (26, 42, 108)
GOLD = (240, 190, 60)
SAMPLES = 4  # per axis, for smooth edges


def inside_tile(x, y):
    margin, radius = 0.03, 0.18
    dx = max(margin + radius - x, 0, x - (1 - margin - radius))
    dy = max(margin + radius - y, 0, y - (1 - margin - radius))
    return min(x, y, 1 - x, 1 - y) >= margin and dx * dx + dy * dy <= radius * radius


def inside_fish(x, y):
    # Facing right, like the "><>" of the window title. The body is the lens
    # where two discs overlap; the tail a triangle behind it.
    x = 1 - x
    centre_x, offset, radius = 0.42, 0.177, 0.357
    body = all((x - centre_x) ** 2 + (y - 0.5 + sign * offset) ** 2 <= radius ** 2
               for sign in (1, -1))
    tail = 0.66 <= x <= 0.90 and abs(y - 0.5) <= (x - 0.66) * 0.2 / 0.24
    eye = (x - 0.25) ** 2 + (y - 0.47) ** 2 <= 0.035 ** 2
    return (body or tail) and not eye


def render(size):
    """Rows of (r, g, b, a) pixels."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            tile = fish = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    if inside_tile(x, y):
                        tile += 1
                        fish += inside_fish(x, y)
            if not tile:
                row.append((0, 0, 0, 0))
                continue
            # Quantised so the small images need few palette entries.
            mix = round(fish / tile * 15) / 15
            colour = tuple(round(b + (g - b) * mix) for b, g in zip(BLUE, GOLD))
            row.append(colour + (round(255 * tile / SAMPLES ** 2),))
        rows.append(row)
    return rows


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_image(rows):
    """One 8-bit image of an icon file: header, 256-entry palette, pixels, mask."""
    size = len(rows)
    palette = []
    for row in rows:
        for r, g, b, a in row:
            if a >= 128 and (r, g, b) not in palette:
                palette.append((r, g, b))
    assert len(palette) <= 256, "too many colours for 8 bits"
    palette += [(0, 0, 0)] * (256 - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    pixels, mask = b"", b""
    mask_stride = (size + 31) // 32 * 4
    for row in reversed(rows):  # bottom-up
        pixels += bytes(palette.index(p[:3]) if p[3] >= 128 else 0 for p in row)
        bits = 0
        for p in row:
            bits = bits << 1 | (p[3] < 128)
        bits <<= mask_stride * 8 - size
        mask += bits.to_bytes(mask_stride, "big")
    return header + colours + pixels + mask


def ico(images):
    entries, data = b"", b""
    offset = 6 + 16 * len(images)
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
        data += image
    return struct.pack("<HHH", 0, 1, len(images)) + entries + data


def main():
    for size in (16, 32, 48, 64, 128, 256):
        path = OUT / "hicolor" / f"{size}x{size}" / "apps" / "lumora.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(png(render(size)))
    (OUT / "lumora.ico").write_bytes(ico([(size, ico_image(render(size))) for size in (32, 16)]))


if __name__ == "__main__":
    main()
