#include "core/StrokeSimplify.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

double FarthestSample(const std::vector<vk::TPoint>& samples, const std::vector<vk::TPoint>& kept) {
  double farthest = 0;
  for (const vk::TPoint& p : samples) {
    double nearest = 1e9;
    for (size_t i = 1; i < kept.size(); ++i) nearest = std::min(nearest, vk::DistanceToSegment(p, kept[i - 1], kept[i]));
    farthest = std::max(farthest, nearest);
  }
  return farthest;
}

TEST(StrokeSimplify, ACircleOfManySamplesKeepsFewPointsAndEverySampleNearThem) {
  std::vector<vk::TPoint> circle;
  for (int i = 0; i < 2000; ++i) {
    const double a = 2 * 3.14159265358979 * i / 2000;
    circle.push_back({static_cast<int32_t>(std::lround(300 + 200 * std::cos(a))),
                      static_cast<int32_t>(std::lround(300 + 200 * std::sin(a)))});
  }
  const std::vector<vk::TPoint> kept = vk::SimplifyStroke(circle, 0.75);
  EXPECT_LE(kept.size(), 300u);
  EXPECT_GT(kept.size(), 20u);
  EXPECT_LE(FarthestSample(circle, kept), 0.75);
  EXPECT_EQ(kept.front(), circle.front());
  EXPECT_EQ(kept.back(), circle.back());
}

TEST(StrokeSimplify, StraightStrokesAreTwoPointsAndRepeatsCountOnce) {
  std::vector<vk::TPoint> diagonal;  // a rasterised slope: each pixel within half a pixel of the line
  for (int x = 0; x <= 300; ++x) diagonal.push_back({10 + x, 20 + static_cast<int32_t>(std::lround(x * 0.37))});
  EXPECT_EQ(vk::SimplifyStroke(diagonal, 0.75), (std::vector<vk::TPoint>{{10, 20}, {310, 131}}));
  const std::vector<vk::TPoint> still{{5, 5}, {5, 5}, {5, 5}};
  EXPECT_EQ(vk::SimplifyStroke(still, 0.75), (std::vector<vk::TPoint>{{5, 5}}));
  // A corner is kept, and so is a sample just past the tolerance.
  const std::vector<vk::TPoint> corner{{0, 0}, {50, 0}, {100, 0}, {100, 50}};
  EXPECT_EQ(vk::SimplifyStroke(corner, 0.75), (std::vector<vk::TPoint>{{0, 0}, {100, 0}, {100, 50}}));
  const std::vector<vk::TPoint> bump{{0, 0}, {50, 1}, {100, 0}};
  EXPECT_EQ(vk::SimplifyStroke(bump, 0.75).size(), 3u);
}

}  // namespace
