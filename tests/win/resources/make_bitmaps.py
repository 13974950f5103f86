#!/usr/bin/env python3
"""Writes the bitmap files the picture test embeds as resources: a valid 200x41 two-look picture
and one whose header claims width 0 for the test exe; a 120x30 one for its resource-only DLL."""
import struct
import sys
from pathlib import Path


def bmp(width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = b"".join(b"".join(bytes(pixel(x, y)) for x in range(width)).ljust(stride, b"\0")
                    for y in reversed(range(height)))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 54 + len(info) - 40 + len(rows), 0, 0, 54) + info + rows


out = Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)
# Blue-green-red byte order: upper half red, lower half blue, key row green.
(out / "two-looks.bmp").write_bytes(bmp(200, 41, lambda x, y: (0, 0, 255) if y < 20 else (0, 255, 0) if y == 40 else (255, 0, 0)))
(out / "zero-width.bmp").write_bytes(bmp(0, 4, lambda x, y: (0, 0, 0)) + b"\0" * 16)
# The DLL's picture differs from the exe's in size and colours: upper half yellow, lower half teal.
(out / "module-picture.bmp").write_bytes(bmp(120, 30, lambda x, y: (0, 255, 255) if y < 15 else (128, 128, 0)))
