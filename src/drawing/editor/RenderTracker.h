#pragma once
// Finds what part of the work bitmap a redraw must rebuild: the union of the old and new
// extents (handles included) of every object the drawing reports as changed, added or
// gone since the last redraw. One extent per object is kept, so the cost follows the
// change, not the drawing. The same extents, in a grid over the page, find the objects
// under a rectangle or near a point without visiting the others.
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/Geometry.h"
#include "drawing/document/PicDocument.h"
#include "drawing/editor/SpatialGrid.h"
#include "drawing/objects/PicBase.h"

namespace vk {

class RenderTracker {
 public:
  using List = std::vector<std::unique_ptr<TPicBase>>;

  // The area to rebuild (empty when nothing changed) for the changes reported on list;
  // remembers the objects' extents. With All, every object old and new counts. With
  // areas, also adds there each extent that counts, by AddArea.
  TRect Update(const PicDocument::RedrawChanges& changes, const List& list, std::vector<TRect>* areas = nullptr);
  // Adds r to areas, joined with those it meets, so that no two of them overlap: changes
  // far apart are rebuilt each on its own, not with everything between them. Past a few
  // areas they all become one.
  static void AddArea(std::vector<TRect>& areas, TRect r);
  static constexpr size_t kMaxAreas = 8;
  // Forget everything: the next Update reports every object.
  void Reset() { rebuild_ = true; }
  // The page the grid covers; a new size means the next Update starts afresh.
  void SetArea(int32_t width, int32_t height);
  // The handles' half size from now on; the next Update reports every selected object.
  void SetHandleHalf(int32_t half) { handleHalf_ = half; }

  // Appends every object whose extent, as of the last Update, may meet rect / whose hit
  // area may hold p (a superset; an object may come more than once).
  void Under(const TRect& rect, std::vector<const TPicBase*>& out) const;
  void Near(TPoint p, std::vector<const TPicBase*>& out) const;

  // What an object may paint: its bounding rect grown by its pen and its handles.
  static TRect VisualExtent(const TPicBase& pic, int32_t handleHalf);
  TRect VisualExtent(const TPicBase& pic) const { return VisualExtent(pic, handleHalf_); }

 private:
  struct Entry {
    TRect Extent;  // with the handles, as last drawn
    TRect Cells;   // without the handles, as listed in the grid: a zoom step leaves it
  };
  TRect Rebuild(const List& list);
  TRect Note(TRect dirty, const TRect& extent) {
    if (areas_) AddArea(*areas_, extent);
    return Union(dirty, extent);
  }
  void Place(const TPicBase& pic, Entry& e);

  std::unordered_map<const TPicBase*, Entry> extents_;  // of every listed object
  SpatialGrid grid_;
  std::vector<TRect>* areas_ = nullptr;  // during Update
  bool rebuild_ = true;
  int32_t handleHalf_ = HandleHalfSize, seenHalf_ = HandleHalfSize;
};

}  // namespace vk
