#include "core/DrawingFile.h"

#include <cstring>

#include "core/ByteIO.h"

namespace vk {

const char* SignatureText(DrawingSignature s) {
  return s == DrawingSignature::Page2011 ? "This File Structure Is Designed By Zelq! 2011-07-20"
                                         : "This File Structure Is Designed By Tarvelmoren! 2004-06-22";
}

std::vector<uint8_t> EncodeDrawing(std::span<const DrawingEntry> entries, DrawingSignature signature) {
  ByteWriter w;
  const char* text = SignatureText(signature);
  const size_t n = std::strlen(text);
  for (size_t i = 0; i < kSignatureSize; ++i) w.WriteU8(i < n ? static_cast<uint8_t>(text[i]) : 0);
  w.WriteU8(kFormatMark);
  uint32_t count = 0;
  for (const DrawingEntry& e : entries) count += StoredCount(e);
  w.WriteI32(static_cast<int32_t>(count));
  for (const DrawingEntry& e : entries) {
    if (!e.Packed) {
      w.WriteU8(e.Kind);
      w.WriteI32(static_cast<int32_t>(e.Record.size()));
    }
    w.WriteBytes(std::span<const uint8_t>(e.Record));
  }
  return w.Take();
}

DrawingScan::DrawingScan(const uint8_t* data, size_t size) : data_(data), size_(size) {
  ByteReader r(data, size);
  uint8_t mark = 0;
  if (!r.Skip(kSignatureSize) || !r.ReadU8(mark) || mark != kFormatMark) {
    status_ = DrawingReadStatus::BadFormatMark;
  } else if (!r.ReadI32(count_)) {
    status_ = DrawingReadStatus::Truncated;
  }
  at_ = r.Position();
}

bool DrawingScan::Next(Entry& e) {
  if (status_ != DrawingReadStatus::Ok || read_ >= count_) return false;
  ByteReader r(data_ + at_, size_ - at_);
  uint8_t kind = 0;
  int32_t len = 0;
  if (!r.ReadU8(kind) || !r.ReadI32(len)) {
    status_ = DrawingReadStatus::Truncated;
    return false;
  }
  if (len < 0 || len > kMaxRecordLength) {
    status_ = DrawingReadStatus::BadLength;
    return false;
  }
  if (!r.Skip(static_cast<size_t>(len))) {
    status_ = DrawingReadStatus::Truncated;
    return false;
  }
  const uint8_t* entry = data_ + at_;
  e.Kind = kind;
  e.Framed = {entry, r.Position()};
  e.Record = e.Framed.subspan(kEntryHeaderSize);
  at_ += r.Position();
  ++read_;
  return true;
}

DrawingReadResult DecodeDrawing(const uint8_t* data, size_t size) {
  DrawingReadResult out;
  DrawingScan scan(data, size);
  DrawingScan::Entry e;
  while (scan.Next(e)) out.Entries.push_back({e.Kind, {e.Record.begin(), e.Record.end()}});
  out.Status = scan.Status();
  return out;
}

}  // namespace vk
