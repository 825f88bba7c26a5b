#pragma once
// A freehand stroke as a polyline with few points: the pointer's samples, thinned so that
// none lies farther than a tolerance from the polyline kept, its first and last kept.
#include <span>
#include <vector>

#include "core/Geometry.h"

namespace vk {

// Samples in page pixels, in order. Repeated points count once; fewer than two distinct
// points give what there is.
std::vector<TPoint> SimplifyStroke(std::span<const TPoint> samples, double tolerance);
// The distance of p from the segment a-b.
double DistanceToSegment(TPoint p, TPoint a, TPoint b);

}  // namespace vk
