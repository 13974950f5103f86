#!/usr/bin/env python3
"""Draws the control's two small pictures as 8-bit palette BMP files, from the pixel maps below:
the About box glyph (24x24) and the toolbox bitmap (16x15). Both show the control as a little
figure: a sunken bar (black top-left edge, light grey bottom-right edge) filled pure blue with a
white percent sign, standing on two short blue legs with black feet, on magenta, which the About
box and form designers leave out as the key colour.

Run it after changing a map: it rewrites both BMP files and the glyph's data block in the About
box's form text, so the three never disagree.

    python3 resources/draw_pictures.py
"""
import re
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent

# Palette index order: the key colour first.
COLOURS = {
    ".": (255, 0, 255),  # magenta: transparent
    "k": (0, 0, 0),  # black: top-left edge, feet
    "g": (192, 192, 192),  # light grey: bottom-right edge
    "b": (0, 0, 255),  # pure blue: bar and legs
    "w": (255, 255, 255),  # white: percent sign
}

GLYPH = """
........................
........................
........................
........................
........................
.kkkkkkkkkkkkkkkkkkkkkk.
.kbbbbbbbbbbbbbbbbbbbbg.
.kbbbbbbbbbbbbbbbbbbbbg.
.kbbbbbbwwbbbbwbbbbbbbg.
.kbbbbbbwwbbbwbbbbbbbbg.
.kbbbbbbbbbbwbbbbbbbbbg.
.kbbbbbbbbbwbbbbbbbbbbg.
.kbbbbbbbbwbbbwwbbbbbbg.
.kbbbbbbbwbbbbwwbbbbbbg.
.kbbbbbbbbbbbbbbbbbbbbg.
.kbbbbbbbbbbbbbbbbbbbbg.
.kggggggggggggggggggggg.
.....bb..........bb.....
.....bb..........bb.....
.....bb..........bb.....
....kkkk........kkkk....
........................
........................
........................
"""

TOOLBOX = """
................
.kkkkkkkkkkkkkk.
.kbbbbbbbbbbbbg.
.kbbbwwbbwbbbbg.
.kbbbwwbwbbbbbg.
.kbbbbbwbbbbbbg.
.kbbbbwbwwbbbbg.
.kbbbwbbwwbbbbg.
.kbbbbbbbbbbbbg.
.kggggggggggggg.
....b......b....
....b......b....
...kkk....kkk...
................
................
"""


def rows_of(pixel_map):
    rows = [line for line in pixel_map.strip("\n").split("\n")]
    width = len(rows[0])
    assert all(len(r) == width for r in rows), "ragged pixel map"
    assert all(c in COLOURS for r in rows for c in r), "unknown colour letter"
    return rows


def bmp8(pixel_map, palette_size):
    """An uncompressed bottom-up 8-bit BMP file with `palette_size` palette entries."""
    rows = rows_of(pixel_map)
    width, height = len(rows[0]), len(rows)
    letters = list(COLOURS)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in COLOURS.values())
    palette = palette.ljust(4 * palette_size, b"\0")
    stride = (width + 3) & ~3
    pixels = b"".join(bytes(letters.index(c) for c in row).ljust(stride, b"\0") for row in reversed(rows))
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 3780, 3780,
                       palette_size, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


def glyph_data_block(bmp, indent):
    """The form text's binary value: a 4-byte length, then the file, 32 bytes a line."""
    data = struct.pack("<I", len(bmp)) + bmp
    lines = [data[i:i + 32].hex().upper() for i in range(0, len(data), 32)]
    return "{\n" + "\n".join(indent + line for line in lines) + "}"


def main():
    glyph = bmp8(GLYPH, len(COLOURS))
    (HERE / "ZarnelXGlyph.bmp").write_bytes(glyph)
    (HERE / "ZarnelXToolbox.bmp").write_bytes(bmp8(TOOLBOX, 256))
    form = HERE / "ZarnelXAbout.txt"
    text = form.read_text()
    pattern = re.compile(r"^( *)Glyph\.Data = \{[0-9A-F\s]*\}", re.M)
    match = pattern.search(text)
    assert match, "no Glyph.Data in the form text"
    block = glyph_data_block(glyph, match.group(1) + "  ")
    form.write_text(text[:match.start()] + match.group(1) + "Glyph.Data = " + block + text[match.end():])


if __name__ == "__main__":
    main()
