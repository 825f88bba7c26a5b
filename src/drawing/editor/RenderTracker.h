#pragma once
// Finds what part of the work bitmap a redraw must rebuild: the union of the old and new
// extents (handles included) of every object that changed, appeared, disappeared or
// moved in the z-order since the last redraw. Objects are compared by their saved record,
// which holds everything they draw.
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/ByteIO.h"
#include "core/Geometry.h"
#include "drawing/objects/PicBase.h"

namespace vk {

class RenderTracker {
 public:
  using List = std::vector<std::unique_ptr<TPicBase>>;

  // The area to rebuild (empty when nothing changed); remembers the objects' state.
  TRect Update(const List& list);
  // Forget everything: the next Update reports every object.
  void Reset() { seen_.clear(); }
  // The handles' half size from now on; the next Update reports every selected object.
  void SetHandleHalf(int32_t half) { handleHalf_ = half; }

  // What an object may paint: its bounding rect grown by its pen and its handles.
  static TRect VisualExtent(const TPicBase& pic, int32_t handleHalf);
  TRect VisualExtent(const TPicBase& pic) const { return VisualExtent(pic, handleHalf_); }

 private:
  struct Seen {
    std::vector<uint8_t> Record;
    size_t Position = 0;
    TRect Extent;
    uint64_t Generation = 0;  // the last Update that found the object in the list
  };
  std::unordered_map<const TPicBase*, Seen> seen_;
  uint64_t generation_ = 0;
  ByteWriter scratch_;
  int32_t handleHalf_ = HandleHalfSize, seenHalf_ = HandleHalfSize;
};

}  // namespace vk
