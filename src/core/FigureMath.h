#pragma once
// Geometry of the rounded rectangle, the arc and the figures made of points (polyline,
// polygon, Bezier curve) that needs no device context: corner rounding, scaling by a
// frame handle, bounds of a point set, and the circle of an arc being drawn.
//
// A figure loaded from a damaged file may have a zero-sized frame; every division
// here has an answer for that instead of a fault.
#include <cstdint>
#include <optional>
#include <span>

#include "core/Geometry.h"

namespace vk {

// --- Rounded rectangle ---

// (round(ratioX * (Right - Left)), round(ratioY * (Bottom - Top))).
TPoint CornerSizeFor(const TRect& box, float ratioX, float ratioY);
// (at - lo) / (hi - lo) held to 0..1; a value that is not >= 0 (NaN included) gives 0.
float CornerRatio(int32_t at, int32_t lo, int32_t hi);
// corner / size; a size of zero has no ratio and keeps `fallback`.
float RatioOf(int32_t corner, int32_t size, float fallback);

// --- Scaling by a frame handle ---

struct ScaleStep {
  TPoint Anchor;
  float Sx = 1, Sy = 1;  // single precision, as the figures keep them
};
// The scaling that a drag of frame handle hit (1..8) by d gives a figure whose frame is
// bounds: anchored at the opposite corner or edge (polylines and curves) or at the
// centre (arcs). Nothing for another hit code. A side of zero length does not scale.
std::optional<ScaleStep> EdgeScale(const TRect& bounds, uint8_t hit, TPoint d);
std::optional<ScaleStep> CentreScale(const TRect& bounds, uint8_t hit, TPoint d);
// a + round((v - a) * s) per axis.
TPoint ScalePoint(TPoint v, const ScaleStep& s);

// Minima and maxima of the points; a maximum equal to its minimum grows by raise.
// An empty set gives an empty rect.
TRect PointsBounds(std::span<const TPoint> pts, int32_t raise);

// --- Arc ---

// The square around c whose circle passes through p: radius round(|p - c|).
TRect CircleThrough(TPoint c, TPoint p);
// A box under 20 wide or high grows by 20 to the right and down.
TRect ArcMinimumSize(const TRect& box);

}  // namespace vk
