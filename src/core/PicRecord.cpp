#include "core/PicRecord.h"

#include <algorithm>
#include <limits>
#include <string_view>

namespace vk {

void WritePicRecord(ByteWriter& w, const PicRecord& rec) {
  w.WriteU32(rec.pen.Color);
  w.WriteI32(rec.pen.Width);
  w.WriteU8(rec.pen.Style);
  w.WriteU32(rec.brush.Color);
  w.WriteU8(rec.brush.Style);
  w.WriteI32(rec.rect.Left);
  w.WriteI32(rec.rect.Top);
  w.WriteI32(rec.rect.Right);
  w.WriteI32(rec.rect.Bottom);
  // A name too long for the length field cannot be stored faithfully; store its head.
  const size_t n = std::min<size_t>(rec.font.Name.size(), std::numeric_limits<int32_t>::max());
  w.WriteI32(static_cast<int32_t>(n));
  w.WriteBytes(std::string_view(rec.font.Name).substr(0, n));
  w.WriteU8(rec.font.Charset);
  w.WriteI32(rec.font.Size);
  w.WriteU8(rec.font.Style);
  w.WriteU32(rec.font.Color);
  w.WriteU8(rec.choosed ? 1 : 0);
  w.WriteU8(rec.picId);
  w.WriteI32(rec.picIndex);
}

bool ReadPicRecord(ByteReader& r, PicRecord& rec) {
  const size_t start = r.Position();
  PicRecord out;
  int32_t nameLen = 0;
  uint8_t choosed = 0;
  bool ok = r.ReadU32(out.pen.Color) && r.ReadI32(out.pen.Width) && r.ReadU8(out.pen.Style) &&
            r.ReadU32(out.brush.Color) && r.ReadU8(out.brush.Style) && r.ReadI32(out.rect.Left) &&
            r.ReadI32(out.rect.Top) && r.ReadI32(out.rect.Right) && r.ReadI32(out.rect.Bottom) &&
            r.ReadI32(nameLen);
  if (ok) {
    out.font.Name.clear();
    // A stored length of zero or less means no name.
    if (nameLen > 0) ok = r.ReadBytes(static_cast<size_t>(nameLen), out.font.Name);
  }
  ok = ok && r.ReadU8(out.font.Charset) && r.ReadI32(out.font.Size) && r.ReadU8(out.font.Style) &&
       r.ReadU32(out.font.Color) && r.ReadU8(choosed) && r.ReadU8(out.picId) &&
       r.ReadI32(out.picIndex);
  if (!ok) {
    r.Rewind(start);
    return false;
  }
  out.choosed = choosed != 0;
  rec = std::move(out);
  return true;
}

}  // namespace vk
