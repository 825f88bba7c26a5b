// The whole drawing-file reader from arbitrary bytes: the container, then every record
// the way the editor reads it (the kind picks the decoder; the record must fit its
// length). Whatever reads must write back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/ByteIO.h"
#include "core/DrawingFile.h"
#include "core/ShapeRecords.h"
#include "core/TextRecord.h"

namespace {

// Decodes with read and re-encodes with write; false when the record does not decode.
template <typename Record, typename Read, typename Write>
bool Recode(vk::ByteReader& rd, vk::ByteWriter& w, Read read, Write write) {
  Record rec;
  if (!read(rd, rec)) return false;
  write(w, rec);
  return true;
}

bool RecodeKind(uint8_t kind, vk::ByteReader& rd, vk::ByteWriter& w) {
  switch (kind) {
    case 1: return Recode<vk::LineRecord>(rd, w, vk::ReadLineRecord, vk::WriteLineRecord);
    case 2:
    case 4: return Recode<vk::BoxRecord>(rd, w, vk::ReadBoxRecord, vk::WriteBoxRecord);
    case 3: return Recode<vk::RoundRecord>(rd, w, vk::ReadRoundRecord, vk::WriteRoundRecord);
    case 5: return Recode<vk::ArcRecord>(rd, w, vk::ReadArcRecord, vk::WriteArcRecord);
    case 6: return Recode<vk::PolyRecord>(rd, w, vk::ReadPolyRecord, vk::WritePolyRecord);
    case 7: return Recode<vk::CurveRecord>(rd, w, vk::ReadCurveRecord, vk::WriteCurveRecord);
    case 8: return Recode<vk::TextRecord>(rd, w, vk::ReadTextRecord, vk::WriteTextRecord);
    default: return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vk::DrawingReadResult r = vk::DecodeDrawing(data, size);
  for (const vk::DrawingEntry& e : r.Entries) {
    vk::ByteReader rd(e.Record.data(), e.Record.size());
    vk::ByteWriter w;
    if (!RecodeKind(e.Kind, rd, w)) continue;
    // A record reads exactly its own fields; re-encoding gives those bytes again,
    // except that a non-zero selected flag is stored back as 1.
    if (w.Size() != rd.Position()) std::abort();
  }
  if (r.Status == vk::DrawingReadStatus::Ok) {
    const std::vector<uint8_t> again = vk::EncodeDrawing(r.Entries, vk::DrawingSignature::Page2011);
    const vk::DrawingReadResult back = vk::DecodeDrawing(again.data(), again.size());
    if (back.Status != vk::DrawingReadStatus::Ok || back.Entries.size() != r.Entries.size()) std::abort();
  }
  return 0;
}
