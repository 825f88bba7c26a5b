#pragma once
// The part of the page an object may paint, for redrawing only what changed.
#include <cstdint>

#include "core/Geometry.h"

namespace vk {

// The object's paint bounds (corners in any order) grown on every side by its pen width,
// the handles' half size and 3 more for the pen's ends. Worked out in 64 bits and held to
// the int32 range, so a figure at the coordinate limits, or with any stored pen width,
// still has the extent it paints.
TRect VisualExtent(const TRect& paintBounds, int32_t penWidth, int32_t handleHalf);

}  // namespace vk
