#include "core/ShapeMath.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

namespace {

using vk::LineEnds;
using vk::TPoint;
using vk::TRect;

struct RubberCase {
  const char* what;
  LineEnds line;
  TPoint p;
  vk::TShiftState shift;
  LineEnds expected;
};

TEST(ShapeMath, LineFollowsTheMouseByModifier) {
  const TPoint o{0, 0};
  const std::vector<RubberCase> cases = {
      {"no key: the end follows", {o, {5, 5}}, {40, -7}, 0, {o, {40, -7}}},
      {"button bits play no part", {o, o}, {40, -7}, vk::kLeftButton | vk::kAltKey, {o, {40, -7}}},
      // alpha 6 degrees rounds up to 15; the length to the mouse is kept.
      {"shift 6 -> 15", {o, o}, {100, 10}, vk::kShiftKey, {o, {97, 26}}},
      {"shift 30 stays", {o, o}, {87, 50}, vk::kShiftKey, {o, {87, 50}}},
      {"shift 31 -> 45", {o, o}, {83, 50}, vk::kShiftKey, {o, {69, 69}}},
      {"shift -6 -> 0", {o, o}, {100, -10}, vk::kShiftKey, {o, {100, 0}}},
      {"shift 45 stays", {o, o}, {50, 50}, vk::kShiftKey, {o, {50, 50}}},
      {"shift straight up", {o, o}, {0, -40}, vk::kShiftKey, {o, {0, -40}}},
      {"shift straight left", {o, o}, {-40, 0}, vk::kShiftKey, {o, {-40, 0}}},
      {"shift -174 -> -165", {o, o}, {-100, -10}, vk::kShiftKey, {o, {-97, -26}}},
      {"shift from an offset start", {{10, 20}, {10, 20}}, {110, 30}, vk::kShiftKey,
       {{10, 20}, {107, 46}}},
      {"ctrl mirrors the mouse through the midpoint", {{100, 100}, {100, 100}}, {130, 120},
       vk::kCtrlKey, {{70, 80}, {130, 120}}},
      {"ctrl keeps the midpoint on later moves", {{70, 80}, {130, 120}}, {110, 90}, vk::kCtrlKey,
       {{90, 110}, {110, 90}}},
      // Direction from the old start (13 degrees -> 15), length from the midpoint.
      {"shift+ctrl turns about the midpoint", {{70, 80}, {130, 120}}, {200, 110},
       vk::kShiftKey | vk::kCtrlKey, {{3, 74}, {197, 126}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(vk::LineRubberBand(c.line, c.p, c.shift), c.expected) << c.what;
  }
}

TEST(ShapeMath, SnapStepsRoundUpUnlessOnAStep) {
  const std::vector<std::pair<int, int>> cases = {
      {0, 0}, {1, 1}, {6, 1}, {14, 1}, {15, 1}, {16, 2}, {30, 2}, {31, 3},
      {-1, 0}, {-6, 0}, {-14, 0}, {-15, -1}, {-16, -1}, {180, 12}, {-180, -12}};
  for (auto [alpha, steps] : cases) EXPECT_EQ(vk::SnapSteps(alpha), steps) << alpha;
  EXPECT_EQ(vk::DirectionDegrees({0, 0}, {100, 10}), 6);
  EXPECT_EQ(vk::DirectionDegrees({0, 0}, {0, 10}), 90);  // y grows downward
  EXPECT_EQ(vk::DirectionDegrees({5, 5}, {5, 5}), 0);
}

TEST(ShapeMath, LineMinimumSizeNeedsBothDirectionsShort) {
  const std::vector<std::pair<LineEnds, LineEnds>> cases = {
      {{{10, 10}, {29, 29}}, {{10, 10}, {30, 30}}},
      {{{10, 10}, {10, 10}}, {{10, 10}, {30, 30}}},
      {{{10, 10}, {-9, -9}}, {{10, 10}, {30, 30}}},
      {{{10, 10}, {29, 35}}, {{10, 10}, {29, 35}}},  // 25 tall is long enough
      {{{10, 10}, {30, 10}}, {{10, 10}, {30, 10}}},  // exactly 20 wide
      {{{10, 10}, {-10, 12}}, {{10, 10}, {-10, 12}}},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(vk::LineMinimumSize(in), out);
}

struct LineDragCase {
  uint8_t hit;
  bool ctrl;
  std::optional<LineEnds> outline;
  LineEnds result;
};

TEST(ShapeMath, LineDragOutlinesAndResults) {
  // Midpoint (30, 40); press at (12, 22), release at (17, 19): d = (5, -3).
  const LineEnds line{{10, 20}, {50, 60}};
  const TPoint d{5, -3}, mouse{17, 19};
  const std::vector<LineDragCase> cases = {
      {vk::kHitBody, false, LineEnds{{15, 17}, {55, 57}}, {{15, 17}, {55, 57}}},
      {vk::kHitBody, true, LineEnds{{15, 17}, {55, 57}}, {{15, 17}, {55, 57}}},
      {vk::kHitLineStart, false, LineEnds{{15, 17}, {50, 60}}, {{15, 17}, {50, 60}}},
      // Ctrl: the grabbed end goes to the mouse itself, the other mirrors it.
      {vk::kHitLineStart, true, LineEnds{{15, 17}, {45, 63}}, {{17, 19}, {43, 61}}},
      {vk::kHitLineEnd, false, LineEnds{{10, 20}, {55, 57}}, {{10, 20}, {55, 57}}},
      {vk::kHitLineEnd, true, LineEnds{{5, 23}, {55, 57}}, {{43, 61}, {17, 19}}},
      {vk::kHitTopLeft, false, std::nullopt, line},
      {vk::kHitNone, true, std::nullopt, line},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(vk::LineDragOutline(line, c.hit, c.ctrl, d), c.outline) << int(c.hit) << c.ctrl;
    EXPECT_EQ(vk::LineDragResult(line, c.hit, c.ctrl, d, mouse), c.result) << int(c.hit) << c.ctrl;
  }
}

TEST(ShapeMath, SpanRectRaisesOnlyDegenerateSides) {
  EXPECT_EQ(vk::SpanRect({10, 50}, {200, 50}, 1), (TRect{10, 50, 200, 51}));
  EXPECT_EQ(vk::SpanRect({200, 50}, {10, 50}, 2), (TRect{10, 50, 200, 52}));
  EXPECT_EQ(vk::SpanRect({7, 9}, {7, 9}, 2), (TRect{7, 9, 9, 11}));
  EXPECT_EQ(vk::SpanRect({30, 5}, {-4, 60}, 2), (TRect{-4, 5, 30, 60}));
  EXPECT_EQ(vk::NormalizeRaised({100, 100, 50, 60}, 1), (TRect{50, 60, 100, 100}));
}

TEST(ShapeMath, BoxFollowsTheMouse) {
  TRect box{100, 100, 100, 100};
  box = vk::BoxRubberBand(box, {50, 60}, false);
  EXPECT_EQ(box, (TRect{100, 100, 50, 60}));  // drag order kept until release
  box = vk::BoxRubberBand({100, 100, 100, 100}, {130, 120}, true);
  EXPECT_EQ(box, (TRect{70, 80, 130, 120}));
  box = vk::BoxRubberBand(box, {140, 130}, true);
  EXPECT_EQ(box, (TRect{60, 70, 140, 130}));
  // Releasing Ctrl keeps the first corner where the last move left it.
  EXPECT_EQ(vk::BoxRubberBand(box, {150, 150}, false), (TRect{60, 70, 150, 150}));
}

TEST(ShapeMath, BoxMinimumSize) {
  const std::vector<std::pair<TRect, TRect>> cases = {
      {{5, 5, 5, 5}, {5, 5, 25, 25}},
      {{100, 100, 85, 90}, {100, 100, 120, 120}},
      {{10, 10, 40, 10}, {10, 10, 40, 10}},
      {{10, 10, 29, 30}, {10, 10, 29, 30}},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(vk::BoxMinimumSize(in), out);
}

TEST(ShapeMath, FrameHandlesInHitCodeOrder) {
  const auto h = vk::FrameHandles({0, 0, 100, 50});
  const std::array<TPoint, 8> expected{
      {{0, 0}, {50, 0}, {100, 0}, {0, 25}, {100, 25}, {0, 50}, {50, 50}, {100, 50}}};
  EXPECT_EQ(h, expected);
  // Centres halve toward zero.
  EXPECT_EQ(vk::FrameHandles({-5, -5, 0, 0})[1], (TPoint{-2, -5}));
}

struct BoxDragCase {
  uint8_t hit;
  TRect plain;       // outline and result without Ctrl
  TRect ctrlOutline;
  TRect ctrlResult;  // press at (12, 22), release at (16, 16)
};

TEST(ShapeMath, BoxDragOutlinesAndResults) {
  const TRect box{10, 20, 110, 220};
  const TPoint d{4, -6}, mouse{16, 16};
  const std::vector<BoxDragCase> cases = {
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
    EXPECT_EQ(vk::BoxDragOutline(box, c.hit, false, d), c.plain) << int(c.hit);
    EXPECT_EQ(vk::BoxDragResult(box, c.hit, false, d, mouse), c.plain) << int(c.hit);
    EXPECT_EQ(vk::BoxDragOutline(box, c.hit, true, d), c.ctrlOutline) << int(c.hit);
    EXPECT_EQ(vk::BoxDragResult(box, c.hit, true, d, mouse), c.ctrlResult) << int(c.hit);
  }
  for (uint8_t other : {uint8_t{0}, uint8_t{10}, uint8_t{17}}) {
    EXPECT_FALSE(vk::BoxDragOutline(box, other, true, d).has_value());
    EXPECT_EQ(vk::BoxDragResult(box, other, true, d, mouse), box);
  }
}

TEST(ShapeMath, CtrlOutlineMatchesResultWhenPressedOnTheHandle) {
  const TRect box{10, 20, 110, 220};
  const auto handles = vk::FrameHandles(box);
  for (const TPoint d : {TPoint{10, 5}, TPoint{-7, 3}, TPoint{-150, -300}}) {
    for (uint8_t hit = 1; hit <= 8; ++hit) {
      const TPoint mouse = handles[hit - 1] + d;
      EXPECT_EQ(vk::BoxDragOutline(box, hit, true, d), vk::BoxDragResult(box, hit, true, d, mouse))
          << int(hit);
    }
  }
  // Handle 8 by (+10, +5) with Ctrl grows every side by that much.
  EXPECT_EQ(vk::BoxDragResult(box, 8, true, {10, 5}, {120, 225}), (TRect{0, 15, 120, 225}));
}

TEST(ShapeMath, DraggingAHandlePastTheOppositeSideNormalises) {
  const TRect box{10, 20, 110, 220};
  EXPECT_EQ(vk::NormalizeRaised(vk::BoxDragResult(box, 1, false, {150, 250}, {}), 2),
            (TRect{110, 220, 160, 270}));
  EXPECT_EQ(vk::NormalizeRaised(vk::BoxDragResult(box, 1, false, {100, 200}, {}), 2),
            (TRect{110, 220, 112, 222}));
  EXPECT_EQ(vk::NormalizeRaised(vk::BoxDragResult(box, 5, true, {-60, 0}, {}), 2),
            (TRect{50, 20, 70, 220}));
}

TEST(ShapeMath, HollowRing) {
  const auto ring = vk::MakeHollowRing({0, 0, 100, 100});
  EXPECT_EQ(ring.Outer, (TRect{-3, -3, 103, 103}));
  EXPECT_EQ(ring.Inner, (TRect{3, 3, 97, 97}));
  EXPECT_TRUE(ring.HasHole);
  EXPECT_TRUE(vk::MakeHollowRing({0, 0, 7, 100}).HasHole);
  EXPECT_FALSE(vk::MakeHollowRing({0, 0, 6, 100}).HasHole);
  EXPECT_FALSE(vk::MakeHollowRing({0, 0, 100, 2}).HasHole);
  EXPECT_EQ(vk::MakeHollowRing({100, 100, 0, 0}).Outer, (TRect{-3, -3, 103, 103}));
}

TEST(ShapeMath, ExtremeCoordinatesWrapInsteadOfOverflowing) {
  const TPoint big{INT_MAX, INT_MAX}, small{INT_MIN, INT_MIN};
  EXPECT_EQ(vk::Midpoint(big, big), big);
  EXPECT_EQ(vk::Midpoint(big, small), (TPoint{0, 0}));
  EXPECT_EQ(vk::SpanRect(big, big, 2), (TRect{INT_MAX, INT_MAX, INT_MIN + 1, INT_MIN + 1}));
  EXPECT_EQ(vk::LineDragResult({big, small}, vk::kHitBody, false, {1, -1}, {}).Start,
            (TPoint{INT_MIN, INT_MAX - 1}));
  EXPECT_EQ(vk::LineDragResult({big, big}, vk::kHitLineEnd, true, {}, small).Start,
            (TPoint{INT_MAX - 1, INT_MAX - 1}));
  EXPECT_EQ(vk::BoxDragResult({INT_MIN, 0, INT_MAX, 1}, 8, true, {1, 1}, {0, 0}).Left, INT_MAX);
  const LineEnds far = vk::LineRubberBand({small, small}, big, vk::kShiftKey | vk::kCtrlKey);
  EXPECT_NE(far.Start, far.End);
  EXPECT_FALSE(vk::MakeHollowRing({INT_MIN, 0, INT_MAX, 4}).HasHole);
  EXPECT_TRUE(vk::MakeHollowRing({INT_MIN, 0, INT_MAX, 40}).HasHole);
}

}  // namespace
