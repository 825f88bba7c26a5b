#include "core/ShapeRecords.h"

#include <algorithm>
#include <bit>

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

namespace {

// Common record, then the tail, all or nothing.
template <typename Record, typename ReadTail>
bool ReadWhole(ByteReader& r, Record& rec, ReadTail readTail) {
  const size_t start = r.Position();
  Record out;
  if (!ReadPicRecord(r, out.common) || !readTail(r, out)) {
    r.Rewind(start);
    return false;
  }
  rec = std::move(out);
  return true;
}

void WritePoint(ByteWriter& w, TPoint p) {
  w.WriteI32(p.X);
  w.WriteI32(p.Y);
}

// Callers have checked that the eight bytes are there.
TPoint TakePoint(ByteReader& r) {
  TPoint p;
  r.ReadI32(p.X);
  r.ReadI32(p.Y);
  return p;
}

uint32_t Bits(float f) { return std::bit_cast<uint32_t>(f); }

}  // namespace

bool operator==(const RoundRecord& a, const RoundRecord& b) {
  return a.common == b.common && a.box == b.box && Bits(a.ratioX) == Bits(b.ratioX) &&
         Bits(a.ratioY) == Bits(b.ratioY) && a.corner == b.corner;
}

bool operator==(const CurveRecord& a, const CurveRecord& b) {
  if (!(a.common == b.common) || a.count != b.count) return false;
  for (int32_t i = 0; i < a.count && i < kCurvePoints; ++i)
    if (a.points[static_cast<size_t>(i)] != b.points[static_cast<size_t>(i)]) return false;
  return true;
}

void WriteLineRecord(ByteWriter& w, const LineRecord& rec) {
  WritePicRecord(w, rec.common);
  WriteLineTail(w, rec.line);
}

bool ReadLineRecord(ByteReader& r, LineRecord& rec) {
  return ReadWhole(r, rec, [](ByteReader& in, LineRecord& out) { return ReadLineTail(in, out.line); });
}

void WriteBoxRecord(ByteWriter& w, const BoxRecord& rec) {
  WritePicRecord(w, rec.common);
  WriteBoxTail(w, rec.box);
}

bool ReadBoxRecord(ByteReader& r, BoxRecord& rec) {
  return ReadWhole(r, rec, [](ByteReader& in, BoxRecord& out) { return ReadBoxTail(in, out.box); });
}

void WriteRoundRecord(ByteWriter& w, const RoundRecord& rec) {
  WritePicRecord(w, rec.common);
  WriteBoxTail(w, rec.box);
  w.WriteF32(rec.ratioX);
  w.WriteF32(rec.ratioY);
  WritePoint(w, rec.corner);
}

bool ReadRoundRecord(ByteReader& r, RoundRecord& rec) {
  return ReadWhole(r, rec, [](ByteReader& in, RoundRecord& out) {
    if (in.Remaining() < kShapeTailSize + 16) return false;
    ReadBoxTail(in, out.box);
    in.ReadF32(out.ratioX);
    in.ReadF32(out.ratioY);
    out.corner = TakePoint(in);
    return true;
  });
}

void WriteArcRecord(ByteWriter& w, const ArcRecord& rec) {
  WritePicRecord(w, rec.common);
  w.WriteU8(rec.type);
  WriteBoxTail(w, rec.box);
  WritePoint(w, rec.start);
  WritePoint(w, rec.end);
}

bool ReadArcRecord(ByteReader& r, ArcRecord& rec) {
  return ReadWhole(r, rec, [](ByteReader& in, ArcRecord& out) {
    if (in.Remaining() < 1 + kShapeTailSize + 16) return false;
    in.ReadU8(out.type);
    ReadBoxTail(in, out.box);
    out.start = TakePoint(in);
    out.end = TakePoint(in);
    return true;
  });
}

void WritePolyRecord(ByteWriter& w, const PolyRecord& rec) {
  WritePicRecord(w, rec.common);
  w.WriteU8(rec.type);
  w.WriteI32(static_cast<int32_t>(rec.vertices.size()));
  for (const TPoint& p : rec.vertices) WritePoint(w, p);
}

bool ReadPolyRecord(ByteReader& r, PolyRecord& rec) {
  return ReadWhole(r, rec, [](ByteReader& in, PolyRecord& out) {
    int32_t n = 0;
    if (!in.ReadU8(out.type) || !in.ReadI32(n)) return false;
    // The count is checked against what remains before anything is allocated.
    if (n < 0 || static_cast<size_t>(n) > in.Remaining() / 8) return false;
    out.vertices.resize(static_cast<size_t>(n));
    for (TPoint& p : out.vertices) p = TakePoint(in);
    return true;
  });
}

void WriteCurveRecord(ByteWriter& w, const CurveRecord& rec) {
  WritePicRecord(w, rec.common);
  const int32_t n = std::clamp(rec.count, 0, kCurvePoints);
  w.WriteI32(n);
  for (int32_t i = 0; i < n; ++i) WritePoint(w, rec.points[static_cast<size_t>(i)]);
}

bool ReadCurveRecord(ByteReader& r, CurveRecord& rec) {
  return ReadWhole(r, rec, [](ByteReader& in, CurveRecord& out) {
    int32_t n = 0;
    if (!in.ReadI32(n)) return false;
    // The curve has room for four points: a record claiming more is damaged.
    if (n < 0 || n > kCurvePoints || static_cast<size_t>(n) > in.Remaining() / 8) return false;
    out.count = n;
    for (int32_t i = 0; i < n; ++i) out.points[static_cast<size_t>(i)] = TakePoint(in);
    return true;
  });
}

}  // namespace vk
