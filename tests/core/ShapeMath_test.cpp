#include "core/ShapeMath.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

#include "core/FigureMath.h"

namespace {

using vk::LineEnds;
using vk::TPoint;
using vk::TRect;

TEST(ShapeMath, LineFollowsTheMouseByModifier) {
  struct Case {
    const char* what;
    LineEnds line;
    TPoint p;
    vk::TShiftState keys;
    LineEnds expected;
  };
  const TPoint o{0, 0};
  const std::vector<Case> cases = {
      {"no key: the end follows", {o, {5, 5}}, {40, -7}, vk::kLeftButton, {o, {40, -7}}},
      // alpha = round(direction) whole degrees, rounded up to the next 15-degree step
      // unless on one; the length to the mouse is kept.
      {"6 -> 15", {o, o}, {100, 10}, vk::kShiftKey, {o, {97, 26}}},
      {"30 stays", {o, o}, {87, 50}, vk::kShiftKey, {o, {87, 50}}},
      {"31 -> 45", {o, o}, {83, 50}, vk::kShiftKey, {o, {69, 69}}},
      {"-6 -> 0", {o, o}, {100, -10}, vk::kShiftKey, {o, {100, 0}}},
      {"straight up", {o, o}, {0, -40}, vk::kShiftKey, {o, {0, -40}}},
      {"straight left", {o, o}, {-40, 0}, vk::kShiftKey, {o, {-40, 0}}},
      {"-174 -> -165", {o, o}, {-100, -10}, vk::kShiftKey, {o, {-97, -26}}},
      {"from an offset start", {{10, 20}, {10, 20}}, {110, 30}, vk::kShiftKey, {{10, 20}, {107, 46}}},
      {"ctrl mirrors through the midpoint", {{100, 100}, {100, 100}}, {130, 120}, vk::kCtrlKey,
       {{70, 80}, {130, 120}}},
      {"ctrl keeps the midpoint later on", {{70, 80}, {130, 120}}, {110, 90}, vk::kCtrlKey,
       {{90, 110}, {110, 90}}},
      // Direction from the old start (13 degrees -> 15), length from the midpoint.
      {"shift+ctrl turns about the midpoint", {{70, 80}, {130, 120}}, {200, 110},
       vk::kShiftKey | vk::kCtrlKey, {{3, 74}, {197, 126}}},
  };
  for (const auto& c : cases) EXPECT_EQ(vk::LineRubberBand(c.line, c.p, c.keys), c.expected) << c.what;
}

TEST(ShapeMath, MinimumSizeNeedsBothDirectionsShort) {
  EXPECT_EQ(vk::LineMinimumSize({{10, 10}, {-9, 29}}), (LineEnds{{10, 10}, {30, 30}}));
  EXPECT_EQ(vk::LineMinimumSize({{10, 10}, {29, 35}}), (LineEnds{{10, 10}, {29, 35}}));
  EXPECT_EQ(vk::LineMinimumSize({{10, 10}, {30, 10}}), (LineEnds{{10, 10}, {30, 10}}));
  EXPECT_EQ(vk::BoxMinimumSize({100, 100, 85, 90}), (TRect{100, 100, 120, 120}));
  EXPECT_EQ(vk::BoxMinimumSize({10, 10, 40, 10}), (TRect{10, 10, 40, 10}));
}

TEST(ShapeMath, LineDragOutlinesAndResults) {
  struct Case {
    uint8_t hit;
    bool ctrl;
    std::optional<LineEnds> outline;
    LineEnds result;
  };
  // Midpoint (30, 40); press (12, 22), release (17, 19): d = (5, -3).
  const LineEnds line{{10, 20}, {50, 60}};
  const std::vector<Case> cases = {
      {9, true, LineEnds{{15, 17}, {55, 57}}, {{15, 17}, {55, 57}}},
      {10, false, LineEnds{{15, 17}, {50, 60}}, {{15, 17}, {50, 60}}},
      // Ctrl: the outline moves the other end by -d; the result puts the grabbed end
      // on the mouse itself and mirrors the other through the old midpoint.
      {10, true, LineEnds{{15, 17}, {45, 63}}, {{17, 19}, {43, 61}}},
      {11, false, LineEnds{{10, 20}, {55, 57}}, {{10, 20}, {55, 57}}},
      {11, true, LineEnds{{5, 23}, {55, 57}}, {{43, 61}, {17, 19}}},
      {1, false, std::nullopt, line},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(vk::LineDragOutline(line, c.hit, c.ctrl, {5, -3}), c.outline) << int(c.hit) << c.ctrl;
    EXPECT_EQ(vk::LineDragResult(line, c.hit, c.ctrl, {5, -3}, {17, 19}), c.result) << int(c.hit) << c.ctrl;
  }
}

TEST(ShapeMath, BoxDragOutlinesAndResults) {
  struct Case {
    uint8_t hit;
    TRect plain, ctrlOutline, ctrlResult;
  };
  // d = (4, -6), release at (16, 16).
  const TRect box{10, 20, 110, 220};
  const std::vector<Case> cases = {
      {1, {14, 14, 110, 220}, {14, 14, 106, 226}, {16, 16, 106, 226}},
      {2, {10, 14, 110, 220}, {10, 14, 110, 226}, {10, 16, 110, 226}},
      {3, {10, 14, 114, 220}, {6, 14, 114, 226}, {6, 16, 16, 226}},
      {4, {14, 20, 110, 220}, {14, 20, 106, 220}, {14, 20, 106, 220}},
      {5, {10, 20, 114, 220}, {6, 20, 114, 220}, {6, 20, 114, 220}},
      {6, {14, 20, 110, 214}, {14, 26, 106, 214}, {16, 26, 106, 16}},
      {7, {10, 20, 110, 214}, {10, 26, 110, 214}, {10, 26, 110, 16}},
      {8, {10, 20, 114, 214}, {6, 26, 114, 214}, {6, 26, 16, 16}},
      {9, {14, 14, 114, 214}, {14, 14, 114, 214}, {14, 14, 114, 214}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(vk::BoxDragOutline(box, c.hit, false, {4, -6}), c.plain) << int(c.hit);
    EXPECT_EQ(vk::BoxDragResult(box, c.hit, false, {4, -6}, {16, 16}), c.plain) << int(c.hit);
    EXPECT_EQ(vk::BoxDragOutline(box, c.hit, true, {4, -6}), c.ctrlOutline) << int(c.hit);
    EXPECT_EQ(vk::BoxDragResult(box, c.hit, true, {4, -6}, {16, 16}), c.ctrlResult) << int(c.hit);
  }
  EXPECT_FALSE(vk::BoxDragOutline(box, 10, true, {4, -6}).has_value());
  EXPECT_EQ(vk::BoxDragResult(box, 0, true, {4, -6}, {16, 16}), box);
  // Pressed exactly on a handle, the Ctrl outline shows the result.
  const auto handles = vk::FrameHandles(box);
  for (const TPoint d : {TPoint{10, 5}, TPoint{-150, -300}})
    for (uint8_t hit = 1; hit <= 8; ++hit)
      EXPECT_EQ(vk::BoxDragOutline(box, hit, true, d),
                vk::BoxDragResult(box, hit, true, d, handles[hit - 1] + d)) << int(hit);
}

TEST(ShapeMath, ExtremeCoordinatesWrapInsteadOfOverflowing) {
  const TPoint big{INT_MAX, INT_MAX}, small{INT_MIN, INT_MIN};
  EXPECT_EQ(vk::Midpoint(big, big), big);
  EXPECT_EQ(vk::SpanRect(big, big, 2), (TRect{INT_MAX, INT_MAX, INT_MIN + 1, INT_MIN + 1}));
  EXPECT_EQ(vk::LineDragResult({big, small}, 9, false, {1, -1}, {}).Start, (TPoint{INT_MIN, INT_MAX - 1}));
  EXPECT_EQ(vk::LineDragResult({big, big}, 11, true, {}, small).Start, (TPoint{INT_MAX - 1, INT_MAX - 1}));
  EXPECT_EQ(vk::BoxDragResult({INT_MIN, 0, INT_MAX, 1}, 8, true, {1, 1}, {}).Left, INT_MAX);
  const LineEnds far = vk::LineRubberBand({small, small}, big, vk::kShiftKey | vk::kCtrlKey);
  EXPECT_NE(far.Start, far.End);
  EXPECT_FALSE(vk::MakeHollowRing({INT_MIN, 0, INT_MAX, 6}).HasHole);
  EXPECT_TRUE(vk::MakeHollowRing({INT_MIN, 0, INT_MAX, 7}).HasHole);
}

}  // namespace

namespace figures {

// The corner rule, scaling and the arc's circle are checked on the objects; here, what a
// frame of zero size (a damaged file) gives.
TEST(FigureMath, ZeroSizedFramesNeitherDivideNorScale) {
  EXPECT_EQ(vk::CornerRatio(5, 10, 10), 0.0f);
  EXPECT_EQ(vk::CornerRatio(-30, 0, 100), 0.0f);
  EXPECT_EQ(vk::RatioOf(7, 0, 0.25f), 0.25f);
  const auto flat = vk::EdgeScale({10, 10, 10, 40}, vk::kHitBottomRight, {5, 40});
  ASSERT_TRUE(flat);
  EXPECT_EQ(vk::ScalePoint({10, 40}, *flat), (vk::TPoint{10, 80}));
  EXPECT_FALSE(vk::EdgeScale({0, 0, 9, 9}, vk::kHitBody, {1, 1}));
  EXPECT_EQ(vk::PointsBounds({}, 1), vk::TRect{});
}

}  // namespace figures
