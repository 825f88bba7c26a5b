#pragma once
// Finds what part of the work bitmap a redraw must rebuild: the union of the old and new
// extents (handles included) of every object the drawing reports as changed, added or
// gone since the last redraw. One extent per object is kept, so the cost follows the
// change, not the drawing.
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/Geometry.h"
#include "drawing/document/PicDocument.h"
#include "drawing/objects/PicBase.h"

namespace vk {

class RenderTracker {
 public:
  using List = std::vector<std::unique_ptr<TPicBase>>;

  // The area to rebuild (empty when nothing changed) for the changes reported on list;
  // remembers the objects' extents. With All, every object old and new counts.
  TRect Update(const PicDocument::RedrawChanges& changes, const List& list);
  // Forget everything: the next Update reports every object.
  void Reset() { rebuild_ = true; }
  // The handles' half size from now on; the next Update reports every selected object.
  void SetHandleHalf(int32_t half) { handleHalf_ = half; }

  // What an object may paint: its bounding rect grown by its pen and its handles.
  static TRect VisualExtent(const TPicBase& pic, int32_t handleHalf);
  TRect VisualExtent(const TPicBase& pic) const { return VisualExtent(pic, handleHalf_); }

 private:
  TRect Rebuild(const List& list);

  std::unordered_map<const TPicBase*, TRect> extents_;  // of every listed object, as last drawn
  bool rebuild_ = true;
  int32_t handleHalf_ = HandleHalfSize, seenHalf_ = HandleHalfSize;
};

}  // namespace vk
