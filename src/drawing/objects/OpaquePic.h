#pragma once
// TOpaquePic: stored objects of kinds this editor cannot create (written by a newer
// editor). They keep their place in the list and their bytes, draw nothing and cannot be
// hit, so a drawing passes through the editor without losing them.
//
// Objects of such kinds that follow each other in a file are kept together as one, in
// the file's own framing: each costs the 5 bytes of its kind and length besides its
// record, however many there are.
#include <span>
#include <vector>

#include "drawing/objects/PicBase.h"

namespace vk {

class TOpaquePic : public TPicBase {
 public:
  explicit TOpaquePic(uint8_t kind = 0) { PicId = static_cast<TPicType>(kind); }
  // Count entries as the file frames them, the first of kind firstKind.
  TOpaquePic(uint8_t firstKind, std::span<const uint8_t> framed, uint32_t count);

  void Draw(win::Canvas&) override {}
  uint8_t HitTest(win::Canvas&, TPoint) override { return kHitNone; }
  win::Region CreateRegion(win::Canvas&) override;
  void Assign(const TPicBase& source) override;
  // The whole record, whatever it holds, as one entry of kind PicId: its bytes are not
  // known to be the common record.
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override { w.WriteBytes(std::span<const uint8_t>(Framed)); }
  std::unique_ptr<TPicBase> CreateEmpty() const override { return std::make_unique<TOpaquePic>(PicId); }

  std::vector<uint8_t> Framed;  // the entries: kind u8, record length i32, record, ...
  uint32_t Count = 0;           // how many entries Framed holds
};

}  // namespace vk
