#include "core/TextRecord.h"

#include <algorithm>
#include <limits>
#include <string_view>

namespace vk {

void WriteTextRecord(ByteWriter& w, const TextRecord& rec) {
  WritePicRecord(w, rec.common);
  w.WriteI32(rec.shape.Left);
  w.WriteI32(rec.shape.Top);
  w.WriteI32(rec.shape.Right);
  w.WriteI32(rec.shape.Bottom);
  // No text of a 32-bit process reaches the field's limit; a longer one would be cut.
  const size_t n = std::min<size_t>(rec.text.size(), std::numeric_limits<int32_t>::max());
  w.WriteI32(static_cast<int32_t>(n));
  w.WriteBytes(std::string_view(rec.text).substr(0, n));
  w.WriteU8(rec.hollow);
  w.WriteU8(rec.sided);
  w.WriteU8(rec.view3d);
  w.WriteI32(rec.bkColor);
}

bool ReadTextRecord(ByteReader& r, TextRecord& rec) {
  const size_t start = r.Position();
  TextRecord out;
  int32_t n = 0;
  bool ok = ReadPicRecord(r, out.common) && r.ReadI32(out.shape.Left) && r.ReadI32(out.shape.Top) &&
            r.ReadI32(out.shape.Right) && r.ReadI32(out.shape.Bottom) && r.ReadI32(n) && n >= 0 && static_cast<size_t>(n) <= kMaxTextLength &&
            r.ReadBytes(static_cast<size_t>(n), out.text) && r.ReadU8(out.hollow) && r.ReadU8(out.sided) &&
            r.ReadU8(out.view3d) && r.ReadI32(out.bkColor);
  if (!ok) {
    r.Rewind(start);
    return false;
  }
  rec = std::move(out);
  return true;
}

}  // namespace vk
