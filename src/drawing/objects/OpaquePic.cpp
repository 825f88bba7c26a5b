#include "drawing/objects/OpaquePic.h"

#include "core/DrawingFile.h"

namespace vk {

TOpaquePic::TOpaquePic(uint8_t firstKind, std::span<const uint8_t> framed, uint32_t count)
    : Framed(framed.begin(), framed.end()), Count(count) {
  PicId = static_cast<TPicType>(firstKind);
}

win::Region TOpaquePic::CreateRegion(win::Canvas&) { return win::Region(::CreateRectRgn(0, 0, 0, 0)); }

void TOpaquePic::Assign(const TPicBase& source) {
  TPicBase::Assign(source);
  if (const auto* o = dynamic_cast<const TOpaquePic*>(&source)) {
    Framed = o->Framed;
    Count = o->Count;
  }
}

bool TOpaquePic::LoadFromBuffer(ByteReader& r) {
  if (r.Remaining() > static_cast<size_t>(kMaxRecordLength)) return false;
  std::vector<uint8_t> record;
  if (!r.ReadBytes(r.Remaining(), record)) return false;
  ByteWriter w;
  w.WriteU8(PicId);
  w.WriteI32(static_cast<int32_t>(record.size()));
  w.WriteBytes(std::span<const uint8_t>(record));
  Framed = w.Take();
  Count = 1;
  return true;
}

}  // namespace vk
