#pragma once
// Saved record of a text object: the common record of every figure, then
//   0 Left | 4 Top | 8 Right | 12 Bottom (i32 each) | 16 n i32 | 20 the text (n bytes,
//   system code page, no terminator) | 20+n hollow u8 | 21+n sided u8 | 22+n 3-D u8 |
//   23+n background colour i32
// 27 + n bytes after the common record, however long the text is.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/ByteIO.h"
#include "core/DrawingFile.h"
#include "core/Geometry.h"
#include "core/PicRecord.h"

namespace vk {

inline constexpr size_t kTextTailFixedSize = 27;
// The longest text of a text object, in bytes. With a font name of up to
// kTextFontNameReserve bytes (a face name has at most 31) its record still fits the
// drawing file's kMaxRecordLength, so the editor places and pastes no longer text and
// the reader takes none: whatever is written reads back.
inline constexpr size_t kTextFontNameReserve = 64;
inline constexpr size_t kMaxTextLength =
    static_cast<size_t>(kMaxRecordLength) - kPicRecordFixedSize - kTextTailFixedSize - kTextFontNameReserve;

struct TextRecord {
  PicRecord common;
  TRect shape;
  std::string text;
  // Stored bytes: 0 off, 1 on. Other values come only from damaged files; they are kept
  // as read so that an untouched object is written back unchanged.
  uint8_t hollow = 0, sided = 0, view3d = 0;
  int32_t bkColor = 0;
  friend bool operator==(const TextRecord&, const TextRecord&) = default;
};

void WriteTextRecord(ByteWriter& w, const TextRecord& rec);
// All or nothing: fails, consuming nothing and leaving rec as it was, when the bytes end
// early or the text length is negative, past kMaxTextLength or runs past them.
bool ReadTextRecord(ByteReader& r, TextRecord& rec);

}  // namespace vk
