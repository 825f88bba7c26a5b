#!/usr/bin/env python3
"""Draws the editor's cursors and writes them as .cur files.

Each cursor is a 32 x 32 image: black ink with a one-pixel white halo so it shows on
any picture, everything else transparent. The tool cursors are a crosshair at the hot
spot with a small glyph of the figure beside it. CUR_MOVE is a 16-colour cursor.

The generated files are committed (src/drawing/resources/); the build does not run
this script. Run it again after changing a drawing:
    python3 tools/make_cursors.py
"""
import math
import os
import struct

SIZE = 32
OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "drawing",
                       "resources")

# The standard 16-colour palette (index: (r, g, b)).
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, WHITE, BLUE = 0, 15, 12


class Image:
    """A 32 x 32 image of palette indices; None is transparent."""

    def __init__(self):
        self.px = [[None] * SIZE for _ in range(SIZE)]

    def set(self, x, y, c=BLACK):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def line(self, x0, y0, x1, y1, c=BLACK):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polyline(self, pts, c=BLACK):
        for (a, b) in zip(pts, pts[1:]):
            self.line(*a, *b, c)

    def rect(self, l, t, r, b, c=BLACK):
        self.polyline([(l, t), (r, t), (r, b), (l, b), (l, t)], c)

    def fill(self, l, t, r, b, c=BLACK):
        for y in range(t, b + 1):
            for x in range(l, r + 1):
                self.set(x, y, c)

    def ellipse_arc(self, cx, cy, rx, ry, a0, a1, c=BLACK):
        steps = 64
        pts = []
        for i in range(steps + 1):
            a = math.radians(a0 + (a1 - a0) * i / steps)
            pts.append((round(cx + rx * math.cos(a)), round(cy - ry * math.sin(a))))
        self.polyline(pts, c)
        return pts

    def crosshair(self, x, y, arm=4):
        self.line(x - arm, y, x + arm, y)
        self.line(x, y - arm, x, y + arm)

    def halo(self):
        """Puts a white pixel beside every ink pixel that has a transparent neighbour."""
        ink = [(x, y) for y in range(SIZE) for x in range(SIZE) if self.px[y][x] is not None]
        for (x, y) in ink:
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < SIZE and 0 <= ny < SIZE and self.px[ny][nx] is None:
                        self.px[ny][nx] = WHITE


def pack_rows(rows, bpp):
    """Bottom-up DIB rows, each padded to 32 bits."""
    out = b""
    for row in reversed(rows):
        bits = 0
        nbits = 0
        data = bytearray()
        for v in row:
            bits = (bits << bpp) | v
            nbits += bpp
            if nbits == 8:
                data.append(bits)
                bits = 0
                nbits = 0
        while len(data) % 4:
            data.append(0)
        out += bytes(data)
    return out


def write_cur(path, img, hotspot, colours):
    bpp = 1 if colours == 2 else 4
    if colours == 2:
        palette = [(0, 0, 0), (255, 255, 255)]
        index = {BLACK: 0, WHITE: 1}
    else:
        palette = PALETTE16
        index = {i: i for i in range(16)}
    xor_rows = [[0 if p is None else index[p] for p in row] for row in img.px]
    and_rows = [[1 if p is None else 0 for p in row] for row in img.px]
    xor = pack_rows(xor_rows, bpp)
    mask = pack_rows(and_rows, 1)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, bpp, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    image = header + pal + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0 if colours == 2 else 16, 0, hotspot[0],
                        hotspot[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def tool(glyph, hot=(4, 4)):
    img = Image()
    img.crosshair(*hot)
    glyph(img)
    return img


def draw_line(img):
    img.line(12, 26, 27, 11)


def draw_rect(img):
    img.rect(12, 13, 27, 25)


def draw_roun(img):
    img.polyline([(15, 13), (24, 13)])
    img.polyline([(15, 26), (24, 26)])
    img.polyline([(12, 16), (12, 23)])
    img.polyline([(27, 16), (27, 23)])
    img.ellipse_arc(15, 16, 3, 3, 90, 180)
    img.ellipse_arc(24, 16, 3, 3, 0, 90)
    img.ellipse_arc(15, 23, 3, 3, 180, 270)
    img.ellipse_arc(24, 23, 3, 3, 270, 360)


def draw_circ(img):
    img.ellipse_arc(20, 20, 8, 6, 0, 360)


def draw_arcc(img):
    img.ellipse_arc(20, 21, 8, 7, 20, 200)


def draw_poly(img):
    img.polyline([(12, 26), (16, 14), (22, 22), (27, 12)])


def draw_curve_cursor():
    img = Image()
    img.crosshair(15, 15, arm=5)
    pts = []
    for i in range(33):
        t = i / 32
        # A cubic through (18, 29), (22, 17), (27, 31), (30, 19).
        x = (1 - t) ** 3 * 18 + 3 * (1 - t) ** 2 * t * 22 + 3 * (1 - t) * t * t * 27 + t ** 3 * 30
        y = (1 - t) ** 3 * 29 + 3 * (1 - t) ** 2 * t * 17 + 3 * (1 - t) * t * t * 31 + t ** 3 * 19
        pts.append((round(x), round(y)))
    img.polyline(pts)
    return img


def draw_text_cursor():
    img = Image()
    # An I-beam whose hot spot (3, 15) is the middle of its stem.
    img.line(3, 7, 3, 23)
    img.line(1, 6, 2, 6)
    img.line(4, 6, 5, 6)
    img.line(1, 24, 2, 24)
    img.line(4, 24, 5, 24)
    # A small "A" beside it.
    img.line(9, 24, 13, 12)
    img.line(13, 12, 17, 24)
    img.line(11, 19, 15, 19)
    return img


def draw_line_end():
    img = Image()
    img.rect(4, 4, 10, 10)
    img.crosshair(7, 7, arm=6)
    return img


def draw_trun_ver():
    img = Image()
    # A square handle with arrows pointing away on all four sides, centred on (15, 12).
    img.rect(13, 10, 17, 14)
    for (dx, dy) in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        tipx, tipy = 15 + dx * 9, 12 + dy * 9
        img.line(15 + dx * 4, 12 + dy * 4, tipx, tipy)
        px, py = -dy, dx
        img.line(tipx, tipy, tipx - dx * 3 + px * 3, tipy - dy * 3 + py * 3)
        img.line(tipx, tipy, tipx - dx * 3 - px * 3, tipy - dy * 3 - py * 3)
    return img


def arrow(img, x, y):
    """A standard-looking pointer with its tip at (x, y)."""
    outline = [(x, y), (x, y + 16), (x + 4, y + 12), (x + 7, y + 19), (x + 9, y + 18),
               (x + 6, y + 11), (x + 11, y + 11), (x, y)]
    img.polyline(outline)
    # Fill the inside white so the pointer reads as one shape.
    for yy in range(y + 2, y + 16):
        row = [xx for xx in range(SIZE) if img.px[yy][xx] == BLACK]
        if len(row) >= 2:
            for xx in range(row[0] + 1, row[-1]):
                if img.px[yy][xx] is None:
                    img.px[yy][xx] = WHITE


def draw_move():
    img = Image()
    arrow(img, 1, 1)
    # A blue four-way move glyph at the lower right.
    cx, cy = 22, 22
    img.line(cx - 7, cy, cx + 7, cy, BLUE)
    img.line(cx, cy - 7, cx, cy + 7, BLUE)
    for (dx, dy) in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        tipx, tipy = cx + dx * 7, cy + dy * 7
        for k in range(1, 4):
            img.line(tipx - dx * k - dy * k, tipy - dy * k - dx * k,
                     tipx - dx * k + dy * k, tipy - dy * k + dx * k, BLUE)
    return img


def draw_imag():
    img = Image()
    arrow(img, 2, 3)
    img.rect(16, 18, 29, 28)
    img.polyline([(17, 27), (21, 22), (24, 25), (26, 23), (28, 27)])
    img.set(26, 20)
    return img


def draw_ready():
    img = Image()
    img.crosshair(7, 7, arm=6)
    # A pencil pointing at the crosshair.
    img.line(11, 11, 26, 26)
    img.line(13, 10, 28, 25)
    img.line(10, 13, 25, 28)
    img.line(26, 28, 28, 26)
    return img


def draw_pen():
    img = Image()
    # A pen whose nib is the hot spot (2, 29): the stroke starts exactly there.
    img.line(2, 29, 5, 22)
    img.line(2, 29, 9, 26)
    img.line(5, 22, 23, 4)
    img.line(9, 26, 27, 8)
    img.line(23, 4, 27, 8)
    img.line(7, 21, 10, 24)
    return img


CURSORS = [
    ("cur_line.cur", lambda: tool(draw_line), (4, 4), 2),
    ("cur_rect.cur", lambda: tool(draw_rect), (4, 4), 2),
    ("cur_roun.cur", lambda: tool(draw_roun), (4, 4), 2),
    ("cur_circ.cur", lambda: tool(draw_circ), (4, 4), 2),
    ("cur_arcc.cur", lambda: tool(draw_arcc), (4, 4), 2),
    ("cur_poly.cur", lambda: tool(draw_poly), (4, 4), 2),
    ("cur_curve.cur", draw_curve_cursor, (15, 15), 2),
    ("cur_text.cur", draw_text_cursor, (3, 15), 2),
    ("cur_line_end.cur", draw_line_end, (7, 7), 2),
    ("cur_trun_ver.cur", draw_trun_ver, (15, 12), 2),
    ("cur_move.cur", draw_move, (1, 1), 16),
    ("cur_imag.cur", draw_imag, (2, 3), 2),
    ("cur_ready_draw.cur", draw_ready, (7, 7), 2),
    ("cur_pen.cur", draw_pen, (2, 29), 2),
]


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for (name, draw, hot, colours) in CURSORS:
        img = draw()
        img.halo()
        write_cur(os.path.join(OUT_DIR, name), img, hot, colours)
        print("wrote", name)


if __name__ == "__main__":
    main()
