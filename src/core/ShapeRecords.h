#pragma once
// Saved records of the line, the rectangle and the ellipse: the common record of every
// figure followed by the kind's own 16-byte tail, four 32-bit signed little-endian
// integers:
//   line:               LineStart.X, LineStart.Y, LineEnd.X, LineEnd.Y
//   rectangle, ellipse: ShapeRect Left, Top, Right, Bottom
// A record is 66 + N bytes (N = length of the font name).
#include <cstddef>
#include <cstdint>

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

// The whole record, all or nothing: a failed read consumes nothing and leaves rec as it was.
void WriteLineRecord(ByteWriter& w, const LineRecord& rec);
bool ReadLineRecord(ByteReader& r, LineRecord& rec);
void WriteBoxRecord(ByteWriter& w, const BoxRecord& rec);
bool ReadBoxRecord(ByteReader& r, BoxRecord& rec);

}  // namespace vk
