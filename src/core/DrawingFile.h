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
inline constexpr size_t kEntryHeaderSize = 5;  // kind u8, record length i32
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
  // 0 for one entry. Otherwise Record holds this many whole entries as the file frames
  // them (kind, length, record each): objects of kinds without a class, kept as one.
  uint32_t Packed = 0;
  bool operator==(const DrawingEntry&) const = default;
};

// How many entries of the file e stands for.
inline uint32_t StoredCount(const DrawingEntry& e) { return e.Packed ? e.Packed : 1; }

// Packed entries are written as they hold them.
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

// The entries of a drawing file one at a time, where they lie, without copying them: a
// reader can weigh a file before it allocates anything for it.
class DrawingScan {
 public:
  struct Entry {
    uint8_t Kind = 0;
    std::span<const uint8_t> Record;
    std::span<const uint8_t> Framed;  // the entry as stored: kind, length and record
  };
  DrawingScan(const uint8_t* data, size_t size);
  // The next complete entry; false at the end or at damage, which Status then names.
  bool Next(Entry& e);
  DrawingReadStatus Status() const { return status_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
  int32_t count_ = 0, read_ = 0;
  DrawingReadStatus status_ = DrawingReadStatus::Ok;
};

}  // namespace vk
