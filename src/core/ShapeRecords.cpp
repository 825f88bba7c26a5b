#include "core/ShapeRecords.h"

namespace vk {

namespace {

void WriteCorners(ByteWriter& w, TPoint a, TPoint b) {
  w.WriteI32(a.X);
  w.WriteI32(a.Y);
  w.WriteI32(b.X);
  w.WriteI32(b.Y);
}

bool ReadCorners(ByteReader& r, TPoint& a, TPoint& b) {
  if (r.Remaining() < kShapeTailSize) return false;
  TPoint p, q;
  // Cannot fail once the length is known to be there.
  r.ReadI32(p.X);
  r.ReadI32(p.Y);
  r.ReadI32(q.X);
  r.ReadI32(q.Y);
  a = p;
  b = q;
  return true;
}

}  // namespace

void WriteLineTail(ByteWriter& w, const LineEnds& line) { WriteCorners(w, line.Start, line.End); }

bool ReadLineTail(ByteReader& r, LineEnds& line) { return ReadCorners(r, line.Start, line.End); }

void WriteBoxTail(ByteWriter& w, const TRect& box) {
  WriteCorners(w, box.TopLeft(), box.BottomRight());
}

bool ReadBoxTail(ByteReader& r, TRect& box) {
  TPoint a, b;
  if (!ReadCorners(r, a, b)) return false;
  box = {a.X, a.Y, b.X, b.Y};
  return true;
}

void WriteLineRecord(ByteWriter& w, const LineRecord& rec) {
  WritePicRecord(w, rec.common);
  WriteLineTail(w, rec.line);
}

bool ReadLineRecord(ByteReader& r, LineRecord& rec) {
  const size_t start = r.Position();
  LineRecord out;
  if (!ReadPicRecord(r, out.common)) return false;
  if (!ReadLineTail(r, out.line)) {
    r.Rewind(start);
    return false;
  }
  rec = std::move(out);
  return true;
}

void WriteBoxRecord(ByteWriter& w, const BoxRecord& rec) {
  WritePicRecord(w, rec.common);
  WriteBoxTail(w, rec.box);
}

bool ReadBoxRecord(ByteReader& r, BoxRecord& rec) {
  const size_t start = r.Position();
  BoxRecord out;
  if (!ReadPicRecord(r, out.common)) return false;
  if (!ReadBoxTail(r, out.box)) {
    r.Rewind(start);
    return false;
  }
  rec = std::move(out);
  return true;
}

}  // namespace vk
