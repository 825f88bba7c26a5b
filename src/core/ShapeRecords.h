#pragma once
// Saved records of the figures: the common record of every figure followed by the
// kind's own tail, little-endian, no gaps (N = length of the font name):
//   line:               LineStart.X, LineStart.Y, LineEnd.X, LineEnd.Y      (66 + N)
//   rectangle, ellipse: ShapeRect Left, Top, Right, Bottom                  (66 + N)
//   rounded rectangle:  ShapeRect, CornerRatioX, CornerRatioY (IEEE single),
//                       CornerSize.X, CornerSize.Y                          (82 + N)
//   arc:                type u8, ShapeRect, StartPoint, EndPoint            (83 + N)
//   polyline:           type u8, n i32, n vertices (X, Y)                   (55 + N + 8n)
//   curve:              n i32 (0..4), n points (X, Y)                       (54 + N + 8n)
// Values out of range (an arc type of 7, a polyline of one vertex, a zero-sized box)
// decode and are kept as stored; a count that the record cannot hold does not decode.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/ByteIO.h"
#include "core/Geometry.h"
#include "core/PicRecord.h"
#include "core/ShapeMath.h"

namespace vk {

inline constexpr size_t kShapeTailSize = 16;

void WriteLineTail(ByteWriter& w, const LineEnds& line);
// Fails, consuming nothing and leaving line untouched, when fewer than 16 bytes remain.
bool ReadLineTail(ByteReader& r, LineEnds& line);
void WriteBoxTail(ByteWriter& w, const TRect& box);
bool ReadBoxTail(ByteReader& r, TRect& box);

struct LineRecord {
  PicRecord common;
  LineEnds line;
  friend bool operator==(const LineRecord&, const LineRecord&) = default;
};
struct BoxRecord {
  PicRecord common;
  TRect box;
  friend bool operator==(const BoxRecord&, const BoxRecord&) = default;
};

struct RoundRecord {
  PicRecord common;
  TRect box;
  float ratioX = 0, ratioY = 0;
  TPoint corner;
  // The ratios compare by their bits, so a stored NaN equals itself.
  friend bool operator==(const RoundRecord& a, const RoundRecord& b);
};
struct ArcRecord {
  PicRecord common;
  uint8_t type = 0;
  TRect box;
  TPoint start, end;
  friend bool operator==(const ArcRecord&, const ArcRecord&) = default;
};
struct PolyRecord {
  PicRecord common;
  uint8_t type = 0;
  std::vector<TPoint> vertices;
  friend bool operator==(const PolyRecord&, const PolyRecord&) = default;
};
inline constexpr int32_t kCurvePoints = 4;
struct CurveRecord {
  PicRecord common;
  int32_t count = 0;                       // 0..4 points placed
  std::array<TPoint, kCurvePoints> points{};  // only the first count are stored
  friend bool operator==(const CurveRecord& a, const CurveRecord& b);
};

// The whole record, all or nothing: a failed read consumes nothing and leaves rec as it was.
void WriteLineRecord(ByteWriter& w, const LineRecord& rec);
bool ReadLineRecord(ByteReader& r, LineRecord& rec);
void WriteBoxRecord(ByteWriter& w, const BoxRecord& rec);
bool ReadBoxRecord(ByteReader& r, BoxRecord& rec);
void WriteRoundRecord(ByteWriter& w, const RoundRecord& rec);
bool ReadRoundRecord(ByteReader& r, RoundRecord& rec);
void WriteArcRecord(ByteWriter& w, const ArcRecord& rec);
bool ReadArcRecord(ByteReader& r, ArcRecord& rec);
void WritePolyRecord(ByteWriter& w, const PolyRecord& rec);
// A negative vertex count, or one past the end of the record, does not decode.
bool ReadPolyRecord(ByteReader& r, PolyRecord& rec);
// Writes count points, at most four.
void WriteCurveRecord(ByteWriter& w, const CurveRecord& rec);
// A count outside 0..4, or points past the end of the record, do not decode.
bool ReadCurveRecord(ByteReader& r, CurveRecord& rec);

}  // namespace vk
