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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vk::DrawingReadResult r = vk::DecodeDrawing(data, size);
  for (const vk::DrawingEntry& e : r.Entries) {
    vk::ByteReader rd(e.Record.data(), e.Record.size());
    vk::ByteWriter w;
    if (e.Kind == 1) {
      vk::LineRecord rec;
      if (!vk::ReadLineRecord(rd, rec)) continue;
      vk::WriteLineRecord(w, rec);
    } else if (e.Kind == 2 || e.Kind == 4) {
      vk::BoxRecord rec;
      if (!vk::ReadBoxRecord(rd, rec)) continue;
      vk::WriteBoxRecord(w, rec);
    } else if (e.Kind == 8) {
      vk::TextRecord rec;
      if (!vk::ReadTextRecord(rd, rec)) continue;
      vk::WriteTextRecord(w, rec);
    } else {
      continue;
    }
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
