#include "drawing/objects/LinePic.h"

#include <gtest/gtest.h>

#include <vector>

#include "ShapeTestSupport.h"

namespace {

using shapetest::Surface;
using vk::TLinePic;
using vk::TPoint;
using vk::TRect;

TEST(LinePic, CreationByMouseLeavesOnlyTheLine) {
  struct Case {
    const char* what;
    shapetest::Gesture g;
    TPoint start, end;
    TRect bounds;
  };
  const std::vector<Case> cases = {
      {"plain", {{50, 50}, {{60, 55}, {10, 120}, {150, 60}}}, {50, 50}, {150, 60}, {50, 50, 150, 60}},
      {"flat: height + 1", {{10, 50}, {{100, 80}, {200, 50}}}, {10, 50}, {200, 50}, {10, 50, 200, 51}},
      {"tiny: 20 x 20", {{50, 50}, {{58, 40}, {55, 57}}}, {50, 50}, {70, 70}, {50, 50, 70, 70}},
      {"long one way", {{50, 50}, {{69, 75}}}, {50, 50}, {69, 75}, {50, 50, 69, 75}},
      {"shift 6 -> 15", {{20, 100}, {{60, 180}, {120, 110}}, vk::kShiftKey}, {20, 100}, {117, 126},
       {20, 100, 117, 126}},
      {"shift 31 -> 45", {{20, 100}, {{103, 150}}, vk::kShiftKey}, {20, 100}, {89, 169}, {20, 100, 89, 169}},
      {"ctrl keeps the midpoint", {{100, 100}, {{120, 90}, {130, 120}}, vk::kCtrlKey}, {70, 80}, {130, 120},
       {70, 80, 130, 120}},
  };
  const vk::PenAttrs pens[] = {{vk::kColorRed, 1, vk::kPenSolid}, {0xC08040, 3, vk::kPenDash}};
  for (const auto& pen : pens) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      auto pic = shapetest::CreateByMouse(vk::PIC_LINE, pen, {}, c.g);
      const auto& line = dynamic_cast<const TLinePic&>(*pic);
      EXPECT_EQ(line.LineStart, c.start);
      EXPECT_EQ(line.LineEnd, c.end);
      EXPECT_EQ(line.GetRect(), c.bounds);
    }
  }
}

TEST(LinePic, HitCodes) {
  struct Case {
    const char* what;
    TPoint a, b;
    bool selected;
    TPoint p;
    uint8_t code;
  };
  // Flat: taken as (10, 50)-(200, 51), banded 5 pixels above and below.
  const TPoint a{10, 50}, b{200, 50};
  const std::vector<Case> cases = {
      {"on the line", a, b, false, {100, 50}, 9},
      {"in the band", a, b, false, {100, 47}, 9},
      {"above the band", a, b, false, {100, 44}, 0},
      {"below the band", a, b, false, {100, 57}, 0},
      {"past the end", a, b, false, {200, 50}, 0},
      {"unselected end", a, b, false, {12, 52}, 9},
      {"start handle", a, b, true, {12, 52}, 10},
      {"start handle corner", a, b, true, {7, 47}, 10},
      {"beside the start handle", a, b, true, {13, 50}, 9},
      {"end handle off the band", a, b, true, {202, 47}, 11},
      {"steep: band is horizontal", {50, 10}, {60, 200}, false, {58, 105}, 9},
      {"steep: beside the band", {50, 10}, {60, 200}, false, {62, 105}, 0},
      {"zero length still hits", {10, 10}, {10, 10}, false, {10, 10}, 9},
      {"both squares: the start wins", {10, 10}, {12, 12}, true, {11, 11}, 10},
  };
  Surface s;
  for (const auto& c : cases) {
    auto line = shapetest::MakeShape(vk::PIC_LINE, c.a, c.b, c.selected);
    EXPECT_EQ(line->HitTest(s.C(), c.p), c.code) << c.what;
  }
}

TEST(LinePic, EditsKeepTheBoundsRule) {
  struct Case {
    const char* what;
    uint8_t hit;
    bool ctrl;
    TPoint down, up, start, end;
    TRect bounds;
  };
  // Line (10, 20)-(50, 60), midpoint (30, 40).
  const std::vector<Case> cases = {
      {"end mirrored", 11, true, {50, 60}, {60, 50}, {0, 30}, {60, 50}, {0, 30, 60, 50}},
      {"start mirrored flat: + 2", 10, true, {12, 22}, {20, 40}, {20, 40}, {40, 40}, {20, 40, 40, 42}},
      {"end onto start: + 2", 11, false, {50, 60}, {10, 20}, {10, 20}, {10, 20}, {10, 20, 12, 22}},
  };
  Surface s;
  for (const auto& c : cases) {
    TLinePic line;
    line.LineStart = {10, 20};
    line.LineEnd = {50, 60};
    line.DragShift = c.ctrl ? vk::kCtrlKey : 0;
    line.DragEnd(s.C(), c.hit, line.GetRect(), c.down.X, c.down.Y, c.up.X, c.up.Y);
    EXPECT_EQ(line.LineStart, c.start) << c.what;
    EXPECT_EQ(line.LineEnd, c.end) << c.what;
    EXPECT_EQ(line.GetRect(), c.bounds) << c.what;
  }
  auto flat = shapetest::MakeShape(vk::PIC_LINE, {10, 50}, {200, 50}, false);  // MoveBy (0, 0)
  EXPECT_EQ(flat->GetRect(), (TRect{10, 50, 200, 52}));
  flat->MoveBy(s.C(), {6, 6});
  EXPECT_EQ(flat->GetRect(), (TRect{16, 56, 206, 58}));
}

}  // namespace
