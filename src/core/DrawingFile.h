#pragma once
// The drawing file (".fdf"): a 59-byte signature, the format mark 18, an object count and
// one entry per object (kind, record length, record). The records themselves are the
// objects' own business; this is only the container.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vk {

inline constexpr size_t kSignatureSize = 59;
inline constexpr uint8_t kFormatMark = 18;
inline constexpr size_t kDrawingHeaderSize = 64;
// A stored record longer than this is taken as damage, not allocated.
inline constexpr int32_t kMaxRecordLength = 16 * 1024 * 1024;

enum class DrawingSignature {
  Page2011,  // written with the page files
  Save2004,  // written by the Save command
};
const char* SignatureText(DrawingSignature s);

struct DrawingEntry {
  uint8_t Kind = 0;
  std::vector<uint8_t> Record;
  bool operator==(const DrawingEntry&) const = default;
};

std::vector<uint8_t> EncodeDrawing(std::span<const DrawingEntry> entries, DrawingSignature signature);

enum class DrawingReadStatus {
  Ok,
  BadFormatMark,  // byte 59 is not 18 (or the file is too short to have one)
  BadLength,      // a record length that is negative or beyond any sane bound
  Truncated,      // the file ends before the count or an entry is complete
};

struct DrawingReadResult {
  DrawingReadStatus Status = DrawingReadStatus::Ok;
  std::vector<DrawingEntry> Entries;  // the complete entries before any damage
};

// Reads every complete entry; stops at the first damaged one.
DrawingReadResult DecodeDrawing(const uint8_t* data, size_t size);

}  // namespace vk
