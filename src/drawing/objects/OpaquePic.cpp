#include "drawing/objects/OpaquePic.h"

namespace vk {

win::Region TOpaquePic::CreateRegion(win::Canvas&) { return win::Region(::CreateRectRgn(0, 0, 0, 0)); }

void TOpaquePic::Assign(const TPicBase& source) {
  TPicBase::Assign(source);
  if (const auto* o = dynamic_cast<const TOpaquePic*>(&source)) Record = o->Record;
}

bool TOpaquePic::LoadFromBuffer(ByteReader& r) { return r.ReadBytes(r.Remaining(), Record); }

}  // namespace vk
