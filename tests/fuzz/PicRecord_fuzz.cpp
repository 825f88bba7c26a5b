// Feeds arbitrary bytes to the common record decoder. Whatever decodes must encode and
// decode back to the same record, consuming exactly what the encoding holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/ByteIO.h"
#include "core/PicRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vk::ByteReader r(data, size);
  vk::PicRecord rec;
  if (!vk::ReadPicRecord(r, rec)) {
    if (r.Position() != 0) std::abort();  // a failed read must not consume
    return 0;
  }
  if (r.Position() != vk::kPicRecordFixedSize + rec.font.Name.size()) std::abort();
  vk::ByteWriter w;
  vk::WritePicRecord(w, rec);
  if (w.Size() != vk::kPicRecordFixedSize + rec.font.Name.size()) std::abort();
  vk::ByteReader again(w.Bytes());
  vk::PicRecord back;
  if (!vk::ReadPicRecord(again, back) || !again.AtEnd() || !(back == rec)) std::abort();
  return 0;
}
