#include "core/VisualExtent.h"

namespace vk {

TRect VisualExtent(const TRect& paintBounds, int32_t penWidth, int32_t handleHalf) {
  const TRect r = Normalize(paintBounds);
  const int64_t pen = penWidth < 0 ? -int64_t{penWidth} : int64_t{penWidth};
  const int64_t m = pen + handleHalf + 3;
  return {SaturateInt32(r.Left - m), SaturateInt32(r.Top - m), SaturateInt32(r.Right + m),
          SaturateInt32(r.Bottom + m)};
}

}  // namespace vk
