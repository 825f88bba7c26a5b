#include "core/StrokeSimplify.h"

#include <cmath>
#include <utility>

namespace vk {

double DistanceToSegment(TPoint p, TPoint a, TPoint b) {
  const double dx = static_cast<double>(b.X) - a.X, dy = static_cast<double>(b.Y) - a.Y;
  const double px = static_cast<double>(p.X) - a.X, py = static_cast<double>(p.Y) - a.Y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? (px * dx + py * dy) / len2 : 0.0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return std::hypot(px - t * dx, py - t * dy);
}

std::vector<TPoint> SimplifyStroke(std::span<const TPoint> samples, double tolerance) {
  std::vector<TPoint> pts;
  pts.reserve(samples.size());
  for (const TPoint& p : samples)
    if (pts.empty() || !(pts.back() == p)) pts.push_back(p);
  if (pts.size() < 3) return pts;
  // Ramer-Douglas-Peucker on an explicit stack: a stroke of many thousand samples must not
  // recurse that deep. Each sample lies within tolerance of the segment between the two
  // kept points around it.
  std::vector<bool> keep(pts.size(), false);
  keep.front() = keep.back() = true;
  std::vector<std::pair<size_t, size_t>> spans{{0, pts.size() - 1}};
  while (!spans.empty()) {
    const auto [first, last] = spans.back();
    spans.pop_back();
    double farthest = -1;
    size_t at = first;
    for (size_t i = first + 1; i < last; ++i) {
      const double d = DistanceToSegment(pts[i], pts[first], pts[last]);
      if (d > farthest) {
        farthest = d;
        at = i;
      }
    }
    if (farthest <= tolerance) continue;
    keep[at] = true;
    spans.push_back({first, at});
    spans.push_back({at, last});
  }
  std::vector<TPoint> kept;
  for (size_t i = 0; i < pts.size(); ++i)
    if (keep[i]) kept.push_back(pts[i]);
  return kept;
}

}  // namespace vk
