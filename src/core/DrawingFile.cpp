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
  w.WriteI32(static_cast<int32_t>(entries.size()));
  for (const DrawingEntry& e : entries) {
    w.WriteU8(e.Kind);
    w.WriteI32(static_cast<int32_t>(e.Record.size()));
    w.WriteBytes(std::span<const uint8_t>(e.Record));
  }
  return w.Take();
}

DrawingReadResult DecodeDrawing(const uint8_t* data, size_t size) {
  DrawingReadResult out;
  ByteReader r(data, size);
  uint8_t mark = 0;
  if (!r.Skip(kSignatureSize) || !r.ReadU8(mark) || mark != kFormatMark) {
    out.Status = DrawingReadStatus::BadFormatMark;
    return out;
  }
  int32_t count = 0;
  if (!r.ReadI32(count)) {
    out.Status = DrawingReadStatus::Truncated;
    return out;
  }
  for (int32_t i = 0; i < count; ++i) {
    DrawingEntry e;
    int32_t len = 0;
    if (!r.ReadU8(e.Kind) || !r.ReadI32(len)) {
      out.Status = DrawingReadStatus::Truncated;
      return out;
    }
    if (len < 0 || len > kMaxRecordLength) {
      out.Status = DrawingReadStatus::BadLength;
      return out;
    }
    if (!r.ReadBytes(static_cast<size_t>(len), e.Record)) {
      out.Status = DrawingReadStatus::Truncated;
      return out;
    }
    out.Entries.push_back(std::move(e));
  }
  return out;
}

}  // namespace vk
