#pragma once
// TOpaquePic: a stored object of a kind this editor cannot create (written by a newer
// editor). It keeps its place in the list and its record's bytes, draws nothing and cannot
// be hit, so a drawing passes through the editor without losing it.
#include <vector>

#include "drawing/objects/PicBase.h"

namespace vk {

class TOpaquePic : public TPicBase {
 public:
  explicit TOpaquePic(uint8_t kind = 0) { PicId = static_cast<TPicType>(kind); }

  void Draw(win::Canvas&) override {}
  uint8_t HitTest(win::Canvas&, TPoint) override { return kHitNone; }
  win::Region CreateRegion(win::Canvas&) override;
  void Assign(const TPicBase& source) override;
  // The whole record, whatever it holds: its bytes are not known to be the common record.
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override { w.WriteBytes(Record); }
  std::unique_ptr<TPicBase> CreateEmpty() const override { return std::make_unique<TOpaquePic>(PicId); }

  std::vector<uint8_t> Record;
};

}  // namespace vk
