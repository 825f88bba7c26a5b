#include "drawing/editor/RenderTracker.h"

#include "core/VisualExtent.h"

namespace vk {

TRect RenderTracker::VisualExtent(const TPicBase& pic, int32_t handleHalf) {
  return vk::VisualExtent(pic.PaintBounds(), pic.PicPen.Width, handleHalf);
}

TRect RenderTracker::Rebuild(const List& list) {
  TRect dirty;
  for (const auto& [pic, extent] : extents_) dirty = Union(dirty, extent);
  extents_.clear();
  extents_.reserve(list.size());
  for (const auto& p : list) {
    const TRect extent = VisualExtent(*p);
    extents_[p.get()] = extent;
    dirty = Union(dirty, extent);
  }
  rebuild_ = false;
  seenHalf_ = handleHalf_;
  return dirty;
}

TRect RenderTracker::Update(const PicDocument::RedrawChanges& changes, const List& list) {
  if (changes.All || rebuild_) return Rebuild(list);
  TRect dirty;
  // Gone first: an address freed there may be a new object among Changed.
  for (const TPicBase* pic : changes.Gone)
    if (auto it = extents_.find(pic); it != extents_.end()) {
      dirty = Union(dirty, it->second);
      extents_.erase(it);
    }
  for (const TPicBase* pic : changes.Changed) {
    auto [at, added] = extents_.try_emplace(pic);
    if (!added) dirty = Union(dirty, at->second);
    at->second = VisualExtent(*pic);
    dirty = Union(dirty, at->second);
  }
  // Every key is a listed object now. A zoom step resizes the handles of what is selected.
  if (handleHalf_ != seenHalf_) {
    seenHalf_ = handleHalf_;
    for (auto& [pic, extent] : extents_)
      if (pic->Choosed) {
        dirty = Union(dirty, extent);
        extent = VisualExtent(*pic);
        dirty = Union(dirty, extent);
      }
  }
  return dirty;
}

}  // namespace vk
