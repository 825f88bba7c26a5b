// Saved figure records from arbitrary bytes. The first byte picks
// the kind (its value as stored in a drawing file); the rest is the record.
//
// Whatever decodes must encode to exactly as many bytes as were consumed and decode
// again to the same values; whatever does not decode must consume nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/ByteIO.h"
#include "core/PicConst.h"
#include "core/ShapeRecords.h"
#include "core/TextRecord.h"

namespace {

template <typename Record, typename Read, typename Write>
void Check(const uint8_t* data, size_t size, Read read, Write write) {
  vk::ByteReader r(data, size);
  Record rec;
  if (!read(r, rec)) {
    if (r.Position() != 0) std::abort();
    return;
  }
  vk::ByteWriter w;
  write(w, rec);
  if (w.Size() != r.Position()) std::abort();
  vk::ByteReader again(w.Bytes());
  Record back;
  if (!read(again, back) || !again.AtEnd() || !(back == rec)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t kind = data[0];
  ++data;
  --size;
  switch (kind) {
    case vk::PIC_LINE:
      Check<vk::LineRecord>(data, size, vk::ReadLineRecord, vk::WriteLineRecord);
      break;
    case vk::PIC_RECT:
    case vk::PIC_CIRC:
      Check<vk::BoxRecord>(data, size, vk::ReadBoxRecord, vk::WriteBoxRecord);
      break;
    case vk::PIC_ROUN:
      Check<vk::RoundRecord>(data, size, vk::ReadRoundRecord, vk::WriteRoundRecord);
      break;
    case vk::PIC_ARCC:
      Check<vk::ArcRecord>(data, size, vk::ReadArcRecord, vk::WriteArcRecord);
      break;
    case vk::PIC_POLY:
      Check<vk::PolyRecord>(data, size, vk::ReadPolyRecord, vk::WritePolyRecord);
      break;
    case vk::PIC_CURVE:
      Check<vk::CurveRecord>(data, size, vk::ReadCurveRecord, vk::WriteCurveRecord);
      break;
    case vk::PIC_TEXT:
      Check<vk::TextRecord>(data, size, vk::ReadTextRecord, vk::WriteTextRecord);
      break;
    default:
      break;
  }
  return 0;
}
