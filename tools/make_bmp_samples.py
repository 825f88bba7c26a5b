#!/usr/bin/env python3
"""Writes one small bitmap file for every layout the page reader accepts.

They are the BMP fuzz target's seed corpus (tests/fuzz/corpus/Bmp/), and the core tests
check each one's pixels. Every plain file shows the same 5 x 3 picture: pixel (x, y),
counted from the top, is colour (x + y) % 4 of red, green, blue and a dark grey (0x18 in
each channel; in 16-bit files the raw value 3 in each field). The 1-bit files show red and
green in a 9 x 2 checkerboard, and the run-length files use their codes' special cases.

The generated files are committed; the build does not run this script. Run it again after
changing a sample:
    python3 tools/make_bmp_samples.py
"""
import os
import struct

OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "fuzz", "corpus", "Bmp")

RED, GREEN, BLUE, GREY = (255, 0, 0), (0, 255, 0), (0, 0, 255), (0x18, 0x18, 0x18)
COLOURS = [RED, GREEN, BLUE, GREY]
W, H = 5, 3

BI_RGB, BI_RLE8, BI_RLE4, BI_BITFIELDS, BI_ALPHABITFIELDS = 0, 1, 2, 3, 6


def indices(w=W, h=H, n=4):
    """Rows of palette indices, top row first."""
    return [[(x + y) % n for x in range(w)] for y in range(h)]


def pack_row(row, bits):
    """Packs one row of values at `bits` per pixel and pads it to 4 bytes."""
    if bits >= 8:
        out = b"".join(v.to_bytes(bits // 8, "little") for v in row)
    else:
        out, acc, filled = bytearray(), 0, 0
        for v in row:
            acc, filled = (acc << bits) | v, filled + bits
            if filled == 8:
                out.append(acc)
                acc, filled = 0, 0
        if filled:
            out.append(acc << (8 - filled))
        out = bytes(out)
    return out + b"\0" * (-len(out) % 4)


def pixels(rows, bits, top_down=False):
    ordered = rows if top_down else list(reversed(rows))
    return b"".join(pack_row(r, bits) for r in ordered)


def palette(colours, entry=4, size=None):
    table = list(colours) + [(0x80, 0x80, 0x80)] * ((size or len(colours)) - len(colours))
    return b"".join(bytes((b, g, r)) + b"\0" * (entry - 3) for r, g, b in table)


def info_header(w, h, bits, compression=BI_RGB, image_size=0, colors_used=0, size=40, masks=()):
    """The Windows header; sizes past 40 hold the masks (V4 and V5 carry alpha, colour space
    and, for V5, the profile fields, here zero)."""
    head = struct.pack("<IiiHHIIiiII", size, w, h, 1, bits, compression, image_size, 2835, 2835, colors_used, 0)
    extra = b"".join(struct.pack("<I", m) for m in masks)[: size - 40]
    return head + extra + b"\0" * (size - 40 - len(extra))


def core_header(w, h, bits):
    return struct.pack("<IHHHH", 12, w, h, 1, bits)


def bmp(header, table, data):
    offset = 14 + len(header) + len(table)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + header + table + data


def direct(rows_of_colours, bits, pack):
    """Rows of colours turned into pixel values by `pack`, bottom-up."""
    return pixels([[pack(c) for c in row] for row in rows_of_colours], bits)


def colour_rows():
    return [[COLOURS[i] for i in row] for row in indices()]


def field16(shifts, widths):
    """A 16-bit packer: full channels keep all their bits, the grey stores 3 in each field."""
    def pack(c):
        v = 0
        for value, shift, width in zip(c, shifts, widths):
            raw = (1 << width) - 1 if value == 255 else (3 if value else 0)
            v |= raw << shift
        return v
    return pack


def rgb32(c):
    return (c[0] << 16) | (c[1] << 8) | c[2]


def samples():
    pal = palette(COLOURS)
    p555 = field16((10, 5, 0), (5, 5, 5))
    p565 = field16((11, 5, 0), (5, 6, 5))
    m565 = (0xF800, 0x07E0, 0x001F)
    m555 = (0x7C00, 0x03E0, 0x001F)
    # 32-bit masks in another order than the default, so that the masks are really read.
    abgr = (0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000)
    def pabgr(c):
        return c[0] | (c[1] << 8) | (c[2] << 16) | 0xFF000000
    checker = indices(9, 2, 2)
    yield "rgb1", bmp(info_header(9, 2, 1), palette([RED, GREEN]), pixels(checker, 1))
    yield "rgb4", bmp(info_header(W, H, 4), palette(COLOURS, size=16), pixels(indices(), 4))
    yield "rgb8", bmp(info_header(W, H, 8), palette(COLOURS, size=256), pixels(indices(), 8))
    yield "rgb8_short_palette", bmp(info_header(W, H, 8, colors_used=4), pal, pixels(indices(), 8))
    yield "rgb8_top_down", bmp(info_header(W, -H, 8, colors_used=4), pal, pixels(indices(), 8, top_down=True))
    yield "rgb16_555", bmp(info_header(W, H, 16), b"", direct(colour_rows(), 16, p555))
    yield "rgb24", bmp(info_header(W, H, 24), b"", direct(colour_rows(), 24, rgb32))
    yield "rgb24_top_down", bmp(info_header(W, -H, 24), b"",
                                 b"".join(pack_row([rgb32(c) for c in r], 24) for r in colour_rows()))
    yield "rgb32", bmp(info_header(W, H, 32), b"", direct(colour_rows(), 32, rgb32))
    yield "fields16_565", bmp(info_header(W, H, 16, BI_BITFIELDS), struct.pack("<3I", *m565),
                              direct(colour_rows(), 16, p565))
    yield "fields16_555", bmp(info_header(W, H, 16, BI_BITFIELDS), struct.pack("<3I", *m555),
                              direct(colour_rows(), 16, p555))
    yield "fields32", bmp(info_header(W, H, 32, BI_BITFIELDS), struct.pack("<3I", *abgr[:3]),
                          direct(colour_rows(), 32, pabgr))
    yield "alphafields32", bmp(info_header(W, H, 32, BI_ALPHABITFIELDS), struct.pack("<4I", *abgr),
                               direct(colour_rows(), 32, pabgr))
    yield "alphafields16_565", bmp(info_header(W, H, 16, BI_ALPHABITFIELDS), struct.pack("<4I", *m565, 0),
                                   direct(colour_rows(), 16, p565))
    yield "v4_fields32", bmp(info_header(W, H, 32, BI_BITFIELDS, size=108, masks=abgr), b"",
                             direct(colour_rows(), 32, pabgr))
    yield "v5_fields16_565", bmp(info_header(W, H, 16, BI_BITFIELDS, size=124, masks=m565), b"",
                                 direct(colour_rows(), 16, p565))
    yield "v5_rgb8", bmp(info_header(W, H, 8, colors_used=4, size=124), pal, pixels(indices(), 8))
    yield "v5_rgb24_top_down", bmp(info_header(W, -H, 24, size=124), b"",
                                    b"".join(pack_row([rgb32(c) for c in r], 24) for r in colour_rows()))
    yield "core1", bmp(core_header(9, 2, 1), palette([RED, GREEN], 3), pixels(checker, 1))
    yield "core4", bmp(core_header(W, H, 4), palette(COLOURS, 3, 16), pixels(indices(), 4))
    yield "core8", bmp(core_header(W, H, 8), palette(COLOURS, 3, 256), pixels(indices(), 8))
    yield "core24", bmp(core_header(W, H, 24), b"", direct(colour_rows(), 24, rgb32))
    # Bottom row: a run, then three single pixels of which the last is past the right edge.
    # Then an end of line, a move one right and one up (the middle row stays white), a run
    # of two, and the end of the picture before the row is full.
    rle8 = bytes([3, 0, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 1, 2, 1, 0, 1])
    yield "rle8", bmp(info_header(W, H, 8, BI_RLE8, len(rle8), 4), pal, rle8)
    # The same codes in RLE4: the first run alternates between its two colours.
    rle4 = bytes([3, 0x01, 0, 3, 0x12, 0x30, 0, 0, 0, 2, 1, 1, 2, 0x11, 0, 1])
    yield "rle4", bmp(info_header(W, H, 4, BI_RLE4, len(rle4), 4), pal, rle4)


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, data in samples():
        with open(os.path.join(OUT_DIR, name + ".bmp"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
