#!/usr/bin/env python3
"""Draws Optaset's pictures: the Next and Quit button faces, the badge, the logo, the program
icon (also the small title picture beside the heading) and the hand cursor. Pure Python (no imaging library), so it
runs anywhere; its output is committed in src/setup/res and the build never runs it.

    python3 tools/make_optaset_art.py [output folder]

It also writes tests/setup/Titleicon.ico, the title icon the end-to-end test installs.
"""
import math
import os
import struct
import sys

# A 5 x 7 pixel font with just the glyphs the pictures use; '#' is ink.
GLYPHS = {
    'A': [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'D': ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    'I': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    'L': ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    'N': ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'Q': [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'U': ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'W': ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    'i': ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    't': [".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."],
    'u': [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    'x': [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    ' ': [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}


class Picture:
    """An RGBA picture, top row first; alpha 0..255."""

    def __init__(self, w, h, fill=(255, 255, 255, 255)):
        self.w, self.h = w, h
        self.px = [list(fill) for _ in range(w * h)]

    def blend(self, x, y, rgb, cover=1.0):
        if not (0 <= x < self.w and 0 <= y < self.h) or cover <= 0:
            return
        p = self.px[y * self.w + x]
        a = min(1.0, cover)
        for i in range(3):
            p[i] = round(p[i] * (1 - a) + rgb[i] * a)
        p[3] = max(p[3], round(255 * a))

    def shape(self, inside, colour_at, samples=4, alpha=1.0):
        """Fills where inside(x, y) holds, anti-aliased by supersampling each pixel."""
        for y in range(self.h):
            for x in range(self.w):
                hits = 0
                for sy in range(samples):
                    for sx in range(samples):
                        if inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples):
                            hits += 1
                if hits:
                    self.blend(x, y, colour_at(x, y), alpha * hits / (samples * samples))

    def text(self, s, cx, cy, scale, rgb, shadow=None):
        width = len(s) * 6 * scale - scale
        x0 = round(cx - width / 2)
        y0 = round(cy - 7 * scale / 2)
        if shadow:
            self._ink(s, x0 + 1, y0 + 1, scale, shadow)
        self._ink(s, x0, y0, scale, rgb)

    def _ink(self, s, x0, y0, scale, rgb):
        for n, ch in enumerate(s):
            rows = GLYPHS[ch]
            for gy, row in enumerate(rows):
                for gx, c in enumerate(row):
                    if c != '#':
                        continue
                    for dy in range(scale):
                        for dx in range(scale):
                            self.blend(x0 + n * 6 * scale + gx * scale + dx, y0 + gy * scale + dy, rgb)


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def gradient(top, bottom, y0, y1):
    def at(_x, y):
        t = min(1.0, max(0.0, (y - y0) / max(1, y1 - y0)))
        return tuple(round(top[i] + (bottom[i] - top[i]) * t) for i in range(3))
    return at


def solid(rgb):
    return lambda _x, _y: rgb


def polygon(points):
    def inside(x, y):
        odd = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                odd = not odd
        return odd
    return inside


def button(word, top, bottom, edge, arrow):
    p = Picture(106, 34, (240, 240, 240, 255))
    p.shape(rounded_rect(0.5, 0.5, 105.5, 33.5, 7), solid(edge))
    p.shape(rounded_rect(1.5, 1.5, 104.5, 32.5, 6), gradient(top, bottom, 1, 33))
    p.shape(rounded_rect(3, 2.5, 103, 15, 5), solid((255, 255, 255)), alpha=0.4)  # a sheen
    p.text(word, 46, 17, 2, (255, 255, 255), shadow=tuple(c // 2 for c in bottom))
    if arrow == 'right':
        p.shape(polygon([(80, 10), (92, 17), (80, 24)]), solid((255, 255, 255)))
    else:
        p.shape(lambda x, y: (x - 86) ** 2 + (y - 17) ** 2 <= 49 and (x - 86) ** 2 + (y - 17) ** 2 >= 20,
                solid((255, 255, 255)))
        p.shape(lambda x, y: abs(x - 86) <= 1.2 and 8 <= y <= 16, solid((255, 255, 255)))
    return p


def badge():
    p = Picture(163, 109, (240, 240, 240, 255))
    p.shape(rounded_rect(0.5, 0.5, 162.5, 108.5, 12), solid((24, 70, 140)))
    p.shape(rounded_rect(2.5, 2.5, 160.5, 106.5, 10), gradient((70, 140, 220), (20, 72, 150), 2, 106))
    p.text("DOWNLOAD", 81.5, 16, 2, (255, 255, 255), shadow=(10, 40, 90))
    p.shape(lambda x, y: (x - 81.5) ** 2 + (y - 66) ** 2 <= 31 ** 2, gradient((255, 196, 60), (230, 120, 20), 35, 97))
    p.shape(lambda x, y: (x - 81.5) ** 2 + (y - 66) ** 2 <= 27 ** 2 and (x - 81.5) ** 2 + (y - 66) ** 2 >= 25 ** 2,
            solid((255, 240, 200)))
    arrow = [(75, 44), (88, 44), (88, 62), (98, 62), (81.5, 84), (65, 62), (75, 62)]
    p.shape(polygon([(x + 1.5, y + 1.5) for x, y in arrow]), solid((150, 70, 10)))
    p.shape(polygon(arrow), solid((255, 255, 255)))
    return p


def logo():
    p = Picture(156, 80, (255, 255, 255, 255))
    p.shape(rounded_rect(0.5, 0.5, 155.5, 79.5, 8), solid((150, 160, 175)))
    p.shape(rounded_rect(1.5, 1.5, 154.5, 78.5, 7), solid((255, 255, 255)))
    # A quill: a feather vane along a gentle curve, with its nib at the lower left.
    def vane(x, y):
        t = (x - 18) / 120
        if not 0 <= t <= 1:
            return False
        spine = 60 - 44 * t - 6 * math.sin(t * math.pi)
        half = 7 * math.sin(t * math.pi) ** 0.7
        return spine - half <= y <= spine + half * 0.4
    p.shape(vane, gradient((120, 190, 250), (30, 90, 170), 10, 66))
    p.shape(lambda x, y: 8 <= x <= 20 and abs(y - (60 + (18 - x) * 0.6)) <= 1.0, solid((40, 40, 60)))
    p.text("QUILLORA", 80, 34, 2, (20, 40, 90))
    p.text("STUDIO", 104, 56, 1, (200, 90, 20))
    return p


def package(size):
    """The components box: a cube with a green tick; the program icon and the small title picture."""
    p = Picture(size, size, (0, 0, 0, 0))
    s = size / 32.0
    top = [(16 * s, 3 * s), (29 * s, 9 * s), (16 * s, 15 * s), (3 * s, 9 * s)]
    left = [(3 * s, 9 * s), (16 * s, 15 * s), (16 * s, 30 * s), (3 * s, 23 * s)]
    right = [(16 * s, 15 * s), (29 * s, 9 * s), (29 * s, 23 * s), (16 * s, 30 * s)]
    p.shape(polygon(top), solid((240, 200, 130)))
    p.shape(polygon(left), solid((200, 140, 60)))
    p.shape(polygon(right), solid((160, 100, 40)))
    tape = [(9.5 * s, 6 * s), (22.5 * s, 12 * s), (22.5 * s, 14 * s), (9.5 * s, 8 * s)]
    p.shape(polygon(tape), solid((250, 235, 200)))
    tick = [(15 * s, 20 * s), (19 * s, 24 * s), (30 * s, 11 * s), (31.5 * s, 13 * s), (19 * s, 28 * s),
            (13 * s, 22 * s)]
    p.shape(polygon(tick), solid((30, 160, 50)))
    return p


def bmp24(p):
    stride = (p.w * 3 + 3) & ~3
    rows = []
    for y in range(p.h - 1, -1, -1):  # bottom row first
        row = bytearray()
        for x in range(p.w):
            r, g, b, _ = p.px[y * p.w + x]
            row += bytes((b, g, r))
        row += b"\0" * (stride - p.w * 3)
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, p.w, p.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def icon_image(p):
    """One image of an icon file: 32-bpp BGRA with its AND mask, bottom row first."""
    xor = bytearray()
    for y in range(p.h - 1, -1, -1):
        for x in range(p.w):
            r, g, b, a = p.px[y * p.w + x]
            xor += bytes((b, g, r, a))
    mask_stride = ((p.w + 31) // 32) * 4
    mask = bytearray()
    for y in range(p.h - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(p.w):
            if p.px[y * p.w + x][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, p.w, p.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def ico(pictures):
    images = [icon_image(p) for p in pictures]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for p, img in zip(pictures, images):
        out += struct.pack("<BBBBHHII", p.w % 256, p.h % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    return out + b"".join(images)


def test_title_icon(size):
    """A flat violet tile, unlike the program's own icon: the end-to-end test ships it as the
    installer's title icon and tells the two apart on the caption."""
    p = Picture(size, size, (0, 0, 0, 0))
    s = size / 32.0
    p.shape(rounded_rect(1 * s, 1 * s, 31 * s, 31 * s, 6 * s), solid((120, 40, 200)))
    p.shape(lambda x, y: abs(x - 16 * s) <= 2.5 * s and 8 * s <= y <= 25 * s, solid((255, 255, 255)))
    p.shape(lambda x, y: abs(y - 9 * s) <= 2.5 * s and 8 * s <= x <= 24 * s, solid((255, 255, 255)))
    return p


def hand_cursor():
    """A 32 x 32 monochrome pointing hand; the hot spot is the tip of the index finger."""
    art = [
        "......##........................",
        ".....#..#.......................",
        ".....#..#.......................",
        ".....#..#.......................",
        ".....#..#.......................",
        ".....#..###.....................",
        ".....#..#..###..................",
        ".....#..#..#..##................",
        "..##.#..#..#..#.#...............",
        ".#..##........#..#..............",
        ".#...#...........#..............",
        "..#..............#..............",
        "...#.............#..............",
        "...#.............#..............",
        "....#...........#...............",
        ".....#..........#...............",
        "......#........#................",
        "......#........#................",
        "......##########................",
    ]
    w = h = 32
    fill = [[False] * w for _ in range(h)]
    edge = [[False] * w for _ in range(h)]
    for y, row in enumerate(art):
        for x, c in enumerate(row):
            edge[y][x] = c == '#'
    # The inside of the outline is white: fill each row between its outermost edges.
    for y in range(len(art)):
        xs = [x for x in range(w) if edge[y][x]]
        if len(xs) >= 2:
            for x in range(xs[0], xs[-1] + 1):
                fill[y][x] = True
    # AND mask 0 where the cursor is drawn; XOR 1 = white, 0 = black.
    stride = 4
    xor_rows, and_rows = [], []
    for y in range(h - 1, -1, -1):
        xr, ar = bytearray(stride), bytearray(b"\xff" * stride)
        for x in range(w):
            if edge[y][x] or fill[y][x]:
                ar[x // 8] &= ~(0x80 >> (x % 8)) & 0xFF
                if not edge[y][x]:
                    xr[x // 8] |= 0x80 >> (x % 8)
        xor_rows.append(bytes(xr))
        and_rows.append(bytes(ar))
    palette = b"\0\0\0\0" + b"\xff\xff\xff\0"
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    img = info + palette + b"".join(xor_rows) + b"".join(and_rows)
    hot_x, hot_y = 6, 0
    return (struct.pack("<HHH", 0, 2, 1) +
            struct.pack("<BBBBHHII", w, h, 2, 0, hot_x, hot_y, len(img), 6 + 16) + img)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src", "setup", "res")
    os.makedirs(out, exist_ok=True)
    files = {
        "next.bmp": bmp24(button("Next", (110, 200, 90), (30, 120, 30), (20, 80, 20), 'right')),
        "quit.bmp": bmp24(button("Quit", (235, 120, 100), (170, 40, 30), (110, 25, 20), 'power')),
        "badge.bmp": bmp24(badge()),
        "logo.bmp": bmp24(logo()),
        "optaset.ico": ico([package(32), package(16)]),
        "hand.cur": hand_cursor(),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")
    test_icon = os.path.join(here, "..", "tests", "setup", "Titleicon.ico")
    with open(test_icon, "wb") as f:
        f.write(ico([test_title_icon(32), test_title_icon(16)]))
    print(f"tests/setup/Titleicon.ico: {os.path.getsize(test_icon)} bytes")


if __name__ == "__main__":
    main()
