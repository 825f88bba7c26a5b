#!/usr/bin/env python3
"""Writes a small PDF of N pages (A6), each with a black bar whose place depends on the
page, so that a test can tell the rendered pages apart. make_pdf.py OUT.pdf [N]"""
import sys

WIDTH, HEIGHT = 298, 420  # points


def bar(page):  # x, y (from the bottom), width, height in points
    return 40, HEIGHT - 60 - 80 * (page - 1), 200, 30


def main():
    out, count = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 2
    objects = ["<< /Type /Catalog /Pages 2 0 R >>", None]
    kids = []
    for page in range(1, count + 1):
        content = "0 g %d %d %d %d re f" % bar(page)
        objects.append("<< /Length %d >>\nstream\n%s\nendstream" % (len(content), content))
        objects.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %d %d] /Contents %d 0 R >>"
                       % (WIDTH, HEIGHT, len(objects)))
        kids.append("%d 0 R" % len(objects))
    objects[1] = "<< /Type /Pages /Kids [%s] /Count %d >>" % (" ".join(kids), count)
    data, offsets = b"%PDF-1.4\n", []
    for i, body in enumerate(objects, 1):
        offsets.append(len(data))
        data += b"%d 0 obj\n%s\nendobj\n" % (i, body.encode("ascii"))
    xref = len(data)
    data += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    data += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    data += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
