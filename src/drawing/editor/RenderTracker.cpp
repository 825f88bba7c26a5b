#include "drawing/editor/RenderTracker.h"

#include <cstdlib>

namespace vk {

TRect RenderTracker::VisualExtent(const TPicBase& pic, int32_t handleHalf) {
  const int32_t m = std::abs(pic.PicPen.Width) + handleHalf + 3;
  return Inflate(Normalize(pic.PaintBounds()), m, m);
}

TRect RenderTracker::Update(const List& list) {
  TRect dirty;
  const bool handlesResized = handleHalf_ != seenHalf_;
  seenHalf_ = handleHalf_;
  std::unordered_map<const TPicBase*, Seen> now;
  now.reserve(list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    const TPicBase* pic = list[i].get();
    ByteWriter w;
    pic->SaveToBuffer(w);
    w.WriteU8(pic->Choosed ? 1 : 0);  // selection draws handles; keep it in the key even if a record omits it
    Seen s{w.Take(), i, VisualExtent(*pic)};
    auto old = seen_.find(pic);
    if (old == seen_.end()) {
      dirty = Union(dirty, s.Extent);
    } else {
      if (old->second.Record != s.Record || old->second.Position != i || (handlesResized && pic->Choosed)) {
        dirty = Union(dirty, old->second.Extent);
        dirty = Union(dirty, s.Extent);
      }
      seen_.erase(old);
    }
    now.emplace(pic, std::move(s));
  }
  for (const auto& gone : seen_) dirty = Union(dirty, gone.second.Extent);
  seen_ = std::move(now);
  return dirty;
}

}  // namespace vk
