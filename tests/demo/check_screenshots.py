#!/usr/bin/env python3
"""Decodes the demo's PNG screenshots with zlib (not our writer's code) and checks what they show."""
import struct
import sys
import zlib
from pathlib import Path

NAVY, WHITE, BLACK = (0, 0, 0x80), (0xFF, 0xFF, 0xFF), (0, 0, 0)
# The colours the demo gives the object hosted in ATL's container through IZarnelX.
DARK_GREEN, LIGHT_YELLOW, MAROON = (0, 0x64, 0), (0xFF, 0xFF, 0xE0), (0x80, 0, 0)


def read_png(path):
    data = path.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", f"{path.name}: not a PNG"
    pos, idat, size = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc, = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        assert zlib.crc32(kind + body) == crc, f"{path.name}: bad CRC in {kind}"
        if kind == b"IHDR":
            w, h, depth, ctype = struct.unpack(">IIBB", body[:10])
            assert (depth, ctype) == (8, 2), f"{path.name}: expected 8-bit RGB"
            size = (w, h)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    w, h = size
    raw = zlib.decompress(idat)
    rows = []
    for y in range(h):
        line = raw[y * (1 + 3 * w):(y + 1) * (1 + 3 * w)]
        assert line[0] == 0, "unexpected row filter"
        rows.append([tuple(line[1 + 3 * x:4 + 3 * x]) for x in range(w)])
    return w, h, rows


def check_split(name, rows, width, split, left=(NAVY, WHITE), right=(WHITE, BLACK)):
    """Left of the split only bar/caption colours of the filled part; from it on those of the empty part."""
    for y, row in enumerate(rows):
        for x in range(width):
            allowed = left if x < split else right
            assert row[x] in allowed, f"{name}: pixel ({x},{y}) is {row[x]}"
    assert all(rows[0][x] == (left[0] if x < split else right[0]) for x in range(width)), f"{name}: top row"


def check_caption(rows, split, left_ink_colour=WHITE, right_ink_colour=BLACK):
    """A long caption: its ink colour over the filled part and the other one over the empty part."""
    left_ink = sum(row[x] == left_ink_colour for row in rows for x in range(split))
    right_ink = sum(row[x] == right_ink_colour for row in rows for x in range(split, len(row)))
    assert left_ink > 20 and right_ink > 20, f"caption ink {left_ink}/{right_ink}"


def check_hosted(rows, w):
    """The object in ATL's host, sized to its 240 x 28 window: green and yellow split at 57 %, white and
    maroon caption ink."""
    split = round(w * 0.57)
    check_split("ocx-hosted", rows, w, split, left=(DARK_GREEN, WHITE), right=(LIGHT_YELLOW, MAROON))
    check_caption(rows, split, WHITE, MAROON)


def check_frame(rows, w, h, ring):
    """A frame ring of `ring` pixels that is not bar colour, then the bar inside it."""
    assert all(rows[0][x] not in (NAVY,) for x in range(w)), "frame top row shows the bar"
    assert rows[ring][ring] == NAVY, f"no bar at ({ring},{ring})"
    assert rows[ring - 1][ring - 1] != NAVY, "bar inside the frame ring"


def check_picture(rows, split, keyed):
    """The filled look left of the split, the empty look right of it; key dots only without a key."""
    assert rows[0][0][1] == 160, f"filled look missing: {rows[0][0]}"
    assert rows[0][-1] == (200, 220, 255), f"empty look missing: {rows[0][-1]}"
    magenta = sum(p == (255, 0, 255) for row in rows for p in row)
    assert (magenta == 0) == keyed, f"{magenta} key-coloured pixels"


def check_about(w, h, rows):
    """The About box with its frame: larger than its 331 x 175 client area, the figure's blue bar
    and no magenta (the glyph's key colour is left out)."""
    assert w > 331 and h > 175, f"about box {w}x{h}"
    blue = sum(p == (0, 0, 255) for row in rows for p in row)
    magenta = sum(p == (255, 0, 255) for row in rows for p in row)
    assert blue > 100, f"{blue} pixels of the glyph's blue"
    assert magenta == 0, f"{magenta} key-coloured pixels"


def main(out):
    failures = 0
    checks = {
        "default.png": lambda w, h, rows: (w, h) == (133, 20) and check_split("default", rows, w, 27) is None,
        "position-57.png": lambda w, h, rows: (w, h) == (133, 20) and check_split("57", rows, w, 76) is None,
        "position-100.png": lambda w, h, rows: (w, h) == (133, 20) and check_split("100", rows, w, 133) is None,
        "caption-text.png": lambda w, h, rows: (w, h) == (133, 20) and check_caption(rows, 76) is None,
        "frame-soft.png": lambda w, h, rows: (w, h) == (133, 20) and check_frame(rows, w, h, 5) is None,
        "frame-flat-mono.png": lambda w, h, rows: (w, h) == (133, 20) and check_frame(rows, w, h, 2) is None,
        "picture.png": lambda w, h, rows: (w, h) == (133, 20) and check_picture(rows, 76, keyed=False) is None,
        "picture-transparent.png": lambda w, h, rows: (w, h) == (133, 20) and check_picture(rows, 76, keyed=True) is None,
        "ocx-hosted.png": lambda w, h, rows: (w, h) == (240, 28) and check_hosted(rows, w) is None,
        "about.png": lambda w, h, rows: check_about(w, h, rows) is None,
    }
    for name, check in checks.items():
        try:
            w, h, rows = read_png(Path(out) / name)
            assert check(w, h, rows), f"{name}: size {w}x{h}"
            print(f"ok {name}")
        except (AssertionError, FileNotFoundError) as e:
            print(f"FAIL {e}")
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
