#pragma once
// The record every picture object starts its saved form with (50 + N bytes, N = length
// of the font name), little-endian, no gaps:
//   0 pen colour u32 | 4 pen width i32 | 8 pen style u8 | 9 brush colour u32 |
//  13 brush style u8 | 14 Left | 18 Top | 22 Right | 26 Bottom (i32 each) | 30 N i32 |
//  34 name (N bytes) | 34+N charset u8 | 35+N size i32 | 39+N style u8 |
//  40+N font colour u32 | 44+N chosen u8 | 45+N kind u8 | 46+N list index i32
// A shape's own tail follows directly.
#include <cstdint>

#include "core/ByteIO.h"
#include "core/Geometry.h"
#include "core/PicAttrs.h"

namespace vk {

inline constexpr size_t kPicRecordFixedSize = 50;

struct PicRecord {
  PenAttrs pen;  // Mode is not stored; a decoded record has the default mode
  BrushAttrs brush;
  TRect rect;
  FontAttrs font;
  bool choosed = false;
  uint8_t picId = 0;
  int32_t picIndex = -1;
  friend bool operator==(const PicRecord&, const PicRecord&) = default;
};

void WritePicRecord(ByteWriter& w, const PicRecord& rec);

// Decodes one record. A stored name length N <= 0 gives an empty name. Fails, consuming
// nothing and leaving rec untouched, when the bytes end before the last field or N is
// larger than what remains.
bool ReadPicRecord(ByteReader& r, PicRecord& rec);

}  // namespace vk
