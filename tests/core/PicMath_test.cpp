#include "core/PicMath.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using vk::TPoint;

TEST(PicMath, SegmentQuadWidensByAxis) {
  struct Case {
    int32_t x1, y1, x2, y2;
    std::array<TPoint, 4> quad;
  };
  const Case cases[] = {
      // A point becomes a 1 x 1 segment, then the short case: a vertical widening.
      {10, 10, 10, 10, {{{10, 5}, {10, 15}, {11, 16}, {11, 6}}}},
      // Taller than 5: widened horizontally.
      {0, 0, 100, 6, {{{-5, 0}, {5, 0}, {105, 6}, {95, 6}}}},
      {100, 6, 0, 0, {{{-5, 0}, {5, 0}, {105, 6}, {95, 6}}}},
      // Exactly 5 tall: still the vertical widening, ordered by x.
      {100, 5, 0, 0, {{{0, -5}, {0, 5}, {100, 10}, {100, 0}}}},
      // Vertical line: x widened by one first.
      {50, 100, 50, 0, {{{46, 0}, {56, 0}, {55, 100}, {45, 100}}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vk::SegmentQuad(c.x1, c.y1, c.x2, c.y2), c.quad)
        << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
  }
}

TEST(PicMath, SegmentQuadStaysDefinedAtTheIntegerLimits) {
  const auto q = vk::SegmentQuad(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
  EXPECT_EQ(q[0], (TPoint{INT32_MIN, INT32_MIN}));
  EXPECT_EQ(q[2], (TPoint{INT32_MAX, INT32_MAX}));
}

double F(double v) { return static_cast<double>(static_cast<float>(v)); }

TEST(PicMath, AnglesOfTheCompassPoints) {
  vk::ArcFrame f;
  ASSERT_TRUE(vk::MakeArcFrame({0, 0}, {100, 100}, f));
  EXPECT_EQ(f.Cx, 50);
  EXPECT_EQ(f.Cy, 50);
  EXPECT_EQ(f.Ry, 50);
  const double pi = std::numbers::pi;
  EXPECT_EQ(vk::PointAngle(f, {50, 0}), F(1.5707964));   // straight up
  EXPECT_EQ(vk::PointAngle(f, {0, 50}), F(pi));          // straight left
  EXPECT_EQ(vk::PointAngle(f, {100, 50}), F(2 * pi));    // straight right: 2pi, not 0
  EXPECT_EQ(vk::PointAngle(f, {50, 90}), F(2 * pi - F(1.5707964)));  // straight down
  EXPECT_EQ(vk::PointAngle(f, {10, 90}), F(pi + pi / 4));            // lower left
  EXPECT_EQ(vk::PointAngle(f, {10, 10}), F(pi - pi / 4));            // upper left
}

TEST(PicMath, AngleFollowsTheEllipseNotTheCircle) {
  // In a 2:1 box the point (150, 0) is 45 degrees on screen but atan(2) along the ellipse.
  vk::ArcFrame f;
  ASSERT_TRUE(vk::MakeArcFrame({0, 0}, {200, 100}, f));
  EXPECT_EQ(f.K, 2.0);
  EXPECT_EQ(vk::PointAngle(f, {150, 0}), F(std::atan(2.0)));
  EXPECT_FALSE(vk::MakeArcFrame({0, 7}, {100, 7}, f));
}

// Spans of exactly 90 degrees: whether span / step lands just above or just below 18
// depends on the single-precision values of the angles and the step.
TEST(PicMath, ArcSampleCountDependsOnSinglePrecision) {
  const TPoint tl{0, 0}, br{100, 100};
  const TPoint up{50, 0}, left{0, 50}, down{50, 100}, right{100, 50};
  struct Case {
    TPoint start, end;
    int n;
  };
  const Case cases[] = {
      {up, left, 20},     // 18.000001...
      {left, down, 19},   // 17.9999997...
      {right, up, 19},    // from 2pi, wrapped: 17.999999...
      {up, right, 56},    // three quarters: 54.000003...
      {up, down, 38},
  };
  for (const Case& c : cases) {
    vk::ArcFrame f;
    ASSERT_TRUE(vk::MakeArcFrame(tl, br, f));
    EXPECT_EQ(vk::ArcSampleCount(vk::PointAngle(f, c.start), vk::PointAngle(f, c.end)), c.n);
    EXPECT_EQ(vk::ArcBandPoints(tl, br, c.start, c.end).size(), static_cast<size_t>(2 * c.n));
  }
}

TEST(PicMath, ArcBandEndsExactlyAtTheEndAngle) {
  // Left to down in a 100 x 100 box: outer radius 55, inner 45, end straight down.
  const auto pts = vk::ArcBandPoints({0, 0}, {100, 100}, {0, 50}, {50, 100});
  ASSERT_EQ(pts.size(), 38u);
  EXPECT_EQ(pts[0], (TPoint{-5, 50}));    // first outer sample, at the start angle
  EXPECT_EQ(pts[18], (TPoint{50, 105}));  // outer point at the end angle
  EXPECT_EQ(pts[19], (TPoint{50, 95}));   // inner point at the end angle
  EXPECT_EQ(pts[37], (TPoint{5, 50}));    // back to the inner start
  // The last regular sample stops short of the end (17 steps of 5 degrees past left).
  EXPECT_NE(pts[17], pts[18]);
}

TEST(PicMath, ArcBandScalesXByTheBoxRatio) {
  // 200 x 100 box: radius along y is 50 + 5, along x times k = 2.
  const auto pts = vk::ArcBandPoints({0, 0}, {200, 100}, {0, 50}, {100, 100});
  ASSERT_FALSE(pts.empty());
  EXPECT_EQ(pts.front(), (TPoint{-10, 50}));
}

TEST(PicMath, PiePolygonClosesThroughTheCentreOrTheChord) {
  const TPoint tl{0, 0}, br{100, 100}, up{50, 0}, left{0, 50};
  const auto pie = vk::PiePolygonPoints(tl, br, up, 1, left);
  ASSERT_EQ(pie.size(), 22u);  // n = 20, plus centre and the first sample again
  EXPECT_EQ(pie[0], (TPoint{50, -5}));
  EXPECT_EQ(pie[19], (TPoint{-5, 50}));
  EXPECT_EQ(pie[20], (TPoint{50, 50}));
  EXPECT_EQ(pie[21], pie[0]);
  const auto chord = vk::PiePolygonPoints(tl, br, up, 2, left);
  ASSERT_EQ(chord.size(), 21u);
  EXPECT_EQ(chord[20], chord[0]);
  EXPECT_TRUE(vk::PiePolygonPoints(tl, br, up, 3, left).empty());
  EXPECT_TRUE(vk::PiePolygonPoints({0, 5}, {100, 5}, up, 1, left).empty());
}

TEST(PicMath, ArcOverTheWholeCoordinateRangeKeepsItsBandBeyondTheRadius) {
  const TPoint tl{INT32_MIN, INT32_MIN}, br{INT32_MAX, INT32_MAX}, right{INT32_MAX, 0}, left{INT32_MIN, 0};
  const auto band = vk::ArcBandPoints(tl, br, right, left);
  ASSERT_FALSE(band.empty());
  EXPECT_EQ(band.front().X, INT32_MAX);                   // the outer edge is held to the range
  EXPECT_EQ(band[band.size() / 2].X, -(INT32_MAX - 5));  // the inner edge, Ry - 5 left of the centre
  const auto pie = vk::PiePolygonPoints(tl, br, right, 1, left);
  ASSERT_FALSE(pie.empty());
  EXPECT_EQ(pie[pie.size() - 2], (TPoint{0, 0}));  // the centre
}

TEST(PicMath, EllipsePointMeetsTheInscribedEllipse) {
  struct Case {
    TPoint p, q;
  };
  // 200 x 100 box centred on (100, 50).
  const Case cases[] = {
      {{300, 50}, {200, 50}},  // right
      {{100, -20}, {100, 0}},  // up
      {{100, 90}, {100, 100}}, // down
      {{-50, 50}, {0, 50}},    // left
      {{150, 0}, {145, 5}},    // up-right along atan(2): (144.7, 5.3)
      {{50, 100}, {55, 95}},   // down-left, mirrored
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vk::EllipsePoint({0, 0}, {200, 100}, c.p), c.q) << c.p.X << "," << c.p.Y;
    // Corners in any order describe the same box.
    EXPECT_EQ(vk::EllipsePoint({200, 100}, {0, 0}, c.p), c.q) << c.p.X << "," << c.p.Y;
  }
  EXPECT_EQ(vk::EllipsePoint({10, 10}, {10, 50}, {99, 99}), (TPoint{10, 30}));
}

}  // namespace
