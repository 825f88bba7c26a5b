#include "core/Arith.h"

#include <cmath>
#include <limits>

namespace vk {

namespace {
int32_t Clamp(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  if (v <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}
}  // namespace

int32_t RoundEven(double v) {
  // nearbyint follows the current rounding mode, which is round-to-nearest-even by default.
  return Clamp(std::nearbyint(v));
}

int32_t Trunc(double v) { return Clamp(std::trunc(v)); }

}  // namespace vk
