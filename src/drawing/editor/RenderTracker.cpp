#include "drawing/editor/RenderTracker.h"

#include <cstddef>
#include <limits>
#include <typeinfo>

#include "core/PicMath.h"
#include "core/VisualExtent.h"

namespace vk {

namespace {

// How far past its extent without handles an object's hit area may reach, besides the
// handles: a segment's or an arc's band.
constexpr int32_t kHitReach = 2 * kBandHalfWidth;

}  // namespace

TRect RenderTracker::VisualExtent(const TPicBase& pic, int32_t handleHalf) {
  return vk::VisualExtent(pic.PaintBounds(), pic.PicPen.Width, handleHalf);
}

void RenderTracker::SetArea(int32_t width, int32_t height) {
  if (width == grid_.Width() && height == grid_.Height()) return;
  grid_.Reset(width, height);
  rebuild_ = true;
}

void RenderTracker::Place(const TPicBase& pic, Entry& e) {
  e.Extent = VisualExtent(pic);
  // The base object answers every point: it is listed among the wide ones.
  constexpr int32_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
  e.Cells = typeid(pic) == typeid(TPicBase) ? TRect{lo, lo, hi, hi} : VisualExtent(pic, 0);
  grid_.Insert(&pic, e.Cells);
}

TRect RenderTracker::Rebuild(const List& list) {
  TRect dirty;
  for (const auto& [pic, e] : extents_) dirty = Union(dirty, e.Extent);
  extents_.clear();
  extents_.reserve(list.size());
  grid_.Reset(grid_.Width(), grid_.Height());
  for (const auto& p : list) {
    Entry& e = extents_[p.get()];
    Place(*p, e);
    dirty = Union(dirty, e.Extent);
  }
  rebuild_ = false;
  seenHalf_ = handleHalf_;
  return dirty;
}

void RenderTracker::AddArea(std::vector<TRect>& areas, TRect r) {
  if (r.IsEmpty()) return;
  for (size_t i = 0; i < areas.size();) {
    if (Intersect(areas[i], r).IsEmpty()) {
      ++i;
      continue;
    }
    // The joined area may now meet one passed over already.
    r = Union(r, areas[i]);
    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(i));
    i = 0;
  }
  areas.push_back(r);
  if (areas.size() <= kMaxAreas) return;
  TRect all;
  for (const TRect& a : areas) all = Union(all, a);
  areas.assign(1, all);
}

TRect RenderTracker::Update(const PicDocument::RedrawChanges& changes, const List& list, std::vector<TRect>* areas) {
  if (changes.All || rebuild_) {
    const TRect dirty = Rebuild(list);
    if (areas) AddArea(*areas, dirty);
    return dirty;
  }
  areas_ = areas;
  TRect dirty;
  // Gone first: an address freed there may be a new object among Changed.
  for (const TPicBase* pic : changes.Gone)
    if (auto it = extents_.find(pic); it != extents_.end()) {
      dirty = Note(dirty, it->second.Extent);
      grid_.Remove(pic, it->second.Cells);
      extents_.erase(it);
    }
  for (const TPicBase* pic : changes.Changed) {
    auto [at, added] = extents_.try_emplace(pic);
    if (!added) {
      dirty = Note(dirty, at->second.Extent);
      grid_.Remove(pic, at->second.Cells);
    }
    Place(*pic, at->second);
    dirty = Note(dirty, at->second.Extent);
  }
  // Every key is a listed object now. A zoom step resizes the handles of what is selected.
  if (handleHalf_ != seenHalf_) {
    seenHalf_ = handleHalf_;
    for (auto& [pic, e] : extents_)
      if (pic->Choosed) {
        dirty = Note(dirty, e.Extent);
        e.Extent = VisualExtent(*pic);
        dirty = Note(dirty, e.Extent);
      }
  }
  areas_ = nullptr;
  return dirty;
}

void RenderTracker::Under(const TRect& rect, std::vector<const TPicBase*>& out) const {
  // An extent is its grid rect grown by the handles.
  grid_.Query(Inflate(rect, handleHalf_, handleHalf_), out);
}

void RenderTracker::Near(TPoint p, std::vector<const TPicBase*>& out) const {
  const int32_t r = handleHalf_ + kHitReach + 1;
  grid_.Query(Inflate({p.X, p.Y, p.X, p.Y}, r, r), out);
}

}  // namespace vk
