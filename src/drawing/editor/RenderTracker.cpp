#include "drawing/editor/RenderTracker.h"

#include "core/VisualExtent.h"

namespace vk {

TRect RenderTracker::VisualExtent(const TPicBase& pic, int32_t handleHalf) {
  return vk::VisualExtent(pic.PaintBounds(), pic.PicPen.Width, handleHalf);
}

TRect RenderTracker::Update(const List& list) {
  TRect dirty;
  const bool handlesResized = handleHalf_ != seenHalf_;
  seenHalf_ = handleHalf_;
  ++generation_;
  // Updated in place: an Apply of a page of 100,000 unchanged objects must not rebuild the
  // table or copy a record.
  for (size_t i = 0; i < list.size(); ++i) {
    const TPicBase* pic = list[i].get();
    scratch_.Clear();
    pic->SaveToBuffer(scratch_);
    scratch_.WriteU8(pic->Choosed ? 1 : 0);  // selection draws handles; keep it in the key even if a record omits it
    const std::vector<uint8_t>& record = scratch_.Bytes();
    auto [at, added] = seen_.try_emplace(pic);
    Seen& s = at->second;
    s.Generation = generation_;
    const TRect extent = VisualExtent(*pic);
    if (!added && s.Record == record && s.Position == i && !(handlesResized && pic->Choosed)) {
      s.Extent = extent;
      continue;
    }
    if (!added) dirty = Union(dirty, s.Extent);
    s.Record.assign(record.begin(), record.end());
    s.Position = i;
    s.Extent = extent;
    dirty = Union(dirty, s.Extent);
  }
  // Every object of the list is in the table now; anything more is gone from the drawing.
  if (seen_.size() > list.size()) {
    for (auto it = seen_.begin(); it != seen_.end();) {
      if (it->second.Generation == generation_) {
        ++it;
        continue;
      }
      dirty = Union(dirty, it->second.Extent);
      it = seen_.erase(it);
    }
  }
  return dirty;
}

}  // namespace vk
