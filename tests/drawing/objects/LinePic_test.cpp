#include "drawing/objects/LinePic.h"

#include <gtest/gtest.h>

#include <vector>

#include "ShapeTestSupport.h"
#include "core/ShapeRecords.h"

namespace {

using shapetest::Gesture;
using shapetest::Surface;
using vk::TLinePic;
using vk::TPoint;
using vk::TRect;

const vk::PenAttrs kRed{vk::kColorRed, 1, vk::kPenSolid, vk::PenMode::Copy};
const vk::PenAttrs kThickDash{0xC08040, 3, vk::kPenDash, vk::PenMode::Copy};
const vk::BrushAttrs kClear{};

struct LineCreation {
  const char* what;
  Gesture g;
  TPoint start, end;
  TRect bounds;
};

TEST(LinePic, CreationByMouseLeavesOnlyTheLine) {
  const std::vector<LineCreation> cases = {
      {"plain drag", {{50, 50}, {{60, 55}, {10, 120}, {150, 60}}}, {50, 50}, {150, 60}, {50, 50, 150, 60}},
      {"horizontal: height raised by 1", {{10, 50}, {{100, 80}, {200, 50}}}, {10, 50}, {200, 50},
       {10, 50, 200, 51}},
      {"tiny drag: 20 x 20 diagonal", {{50, 50}, {{58, 40}, {55, 57}}}, {50, 50}, {70, 70}, {50, 50, 70, 70}},
      {"long enough one way", {{50, 50}, {{69, 75}}}, {50, 50}, {69, 75}, {50, 50, 69, 75}},
      {"shift 6 -> 15 degrees", {{20, 100}, {{60, 180}, {120, 110}}, vk::kShiftKey}, {20, 100},
       {117, 126}, {20, 100, 117, 126}},
      {"shift 30 stays", {{20, 100}, {{107, 150}}, vk::kShiftKey}, {20, 100}, {107, 150},
       {20, 100, 107, 150}},
      {"shift 31 -> 45", {{20, 100}, {{103, 150}}, vk::kShiftKey}, {20, 100}, {89, 169},
       {20, 100, 89, 169}},
      {"shift -6 -> 0", {{20, 100}, {{120, 90}}, vk::kShiftKey}, {20, 100}, {120, 100},
       {20, 100, 120, 101}},
      {"ctrl keeps the midpoint", {{100, 100}, {{120, 90}, {130, 120}}, vk::kCtrlKey}, {70, 80},
       {130, 120}, {70, 80, 130, 120}},
  };
  for (const auto& pen : {kRed, kThickDash}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      auto pic = shapetest::CreateByMouse(vk::PIC_LINE, pen, kClear, c.g);
      auto& line = dynamic_cast<TLinePic&>(*pic);
      EXPECT_EQ(line.LineStart, c.start);
      EXPECT_EQ(line.LineEnd, c.end);
      EXPECT_EQ(line.GetRect(), c.bounds);
      EXPECT_EQ(line.PicId, vk::PIC_LINE);
    }
  }
}

TEST(LinePic, RightButtonDragCreatesNothing) {
  Surface s;
  TLinePic line;
  int fired = 0;
  line.DrawEndEvent = [&](vk::TPicBase*) { ++fired; };
  // A finished line first, then a right-button drag over the surface.
  line.DrawMouseDown(s.C(), vk::PIC_LINE, vk::TMouseButton::Left, vk::kLeftButton, {10, 10});
  line.DrawMouseMove(s.C(), vk::PIC_LINE, vk::kLeftButton, {90, 40});
  line.DrawMouseUp(s.C(), vk::PIC_LINE, vk::TMouseButton::Left, 0, {90, 40});
  const auto before = s.Pixels();
  line.DrawMouseDown(s.C(), vk::PIC_LINE, vk::TMouseButton::Right, vk::kRightButton, {100, 100});
  line.DrawMouseMove(s.C(), vk::PIC_LINE, vk::kRightButton, {150, 150});
  line.DrawMouseMove(s.C(), vk::PIC_LINE, vk::kLeftButton, {160, 150});
  line.DrawMouseUp(s.C(), vk::PIC_LINE, vk::TMouseButton::Right, 0, {150, 150});
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before), 0u);
  EXPECT_EQ(line.LineEnd, (TPoint{90, 40}));
}

TLinePic MakeLine(TPoint a, TPoint b, bool selected) {
  TLinePic line;
  line.LineStart = a;
  line.LineEnd = b;
  line.Choosed = selected;
  return line;
}

struct LineHit {
  const char* what;
  TPoint a, b;
  bool selected;
  TPoint p;
  uint8_t code;
};

TEST(LinePic, HitCodes) {
  const TPoint a{10, 50}, b{200, 50};  // flat: the band is 5 pixels above and below
  const std::vector<LineHit> cases = {
      {"on the line", a, b, false, {100, 50}, 9},
      {"band top row", a, b, false, {100, 45}, 9},
      {"above the band", a, b, false, {100, 44}, 0},
      {"band bottom row", a, b, false, {100, 54}, 9},
      {"below the band", a, b, false, {100, 55}, 0},
      {"past the end", a, b, false, {200, 50}, 0},
      {"unselected end", a, b, false, {12, 52}, 9},
      {"start handle", a, b, true, {12, 52}, 10},
      {"start handle corner", a, b, true, {7, 47}, 10},
      {"just off the start handle", a, b, true, {13, 50}, 9},
      {"end handle outside the band", a, b, true, {202, 47}, 11},
      {"steep line: band is horizontal", {50, 10}, {60, 200}, false, {58, 105}, 9},
      {"steep line: beside the band", {50, 10}, {60, 200}, false, {62, 105}, 0},
      {"zero length still hits", {10, 10}, {10, 10}, false, {10, 10}, 9},
      {"both squares: the start wins", {10, 10}, {12, 12}, true, {11, 11}, 10},
  };
  Surface s;
  for (const auto& c : cases) {
    TLinePic line = MakeLine(c.a, c.b, c.selected);
    EXPECT_EQ(line.HitTest(s.C(), c.p), c.code) << c.what;
    const vk::win::Region rgn = line.CreateRegion(s.C());
    if (!c.selected) EXPECT_EQ(::PtInRegion(rgn.Get(), c.p.X, c.p.Y) != 0, c.code == 9) << c.what;
  }
}

TEST(LinePic, DrawsItselfAndItsHandles) {
  Surface s;
  TLinePic line = MakeLine({20, 30}, {120, 30}, true);
  line.Draw(s.C());
  EXPECT_EQ(line.PicId, vk::PIC_LINE);
  EXPECT_EQ(s.dib.Pixel(70, 30), vk::kColorRed);
  for (TPoint h : {TPoint{20, 30}, TPoint{120, 30}}) {
    EXPECT_EQ(s.dib.Pixel(h.X, h.Y), vk::kColorMagenta);           // FocusBrush inside
    EXPECT_EQ(s.dib.Pixel(h.X - 3, h.Y - 3), vk::kColorWhite);     // FocusPen border
    EXPECT_NE(s.dib.Pixel(h.X + 3, h.Y + 3), vk::kColorWhite);     // right/bottom outside
  }
}

TEST(LinePic, DragOutlineIsXorAndLeavesNoTrace) {
  for (uint8_t hit : {vk::kHitBody, vk::kHitLineStart, vk::kHitLineEnd}) {
    for (bool ctrl : {false, true}) {
      Surface s;
      TLinePic line = MakeLine({40, 60}, {160, 100}, true);
      line.Draw(s.C());  // leaves the focus pen (white) in the canvas
      const auto before = s.Pixels();
      {
        std::unique_ptr<shapetest::HeldKeys> keys;
        if (ctrl) keys = std::make_unique<shapetest::HeldKeys>(std::initializer_list<int>{VK_CONTROL});
        line.DragTrack(s.C(), hit, line.GetRect(), 40, 60, 40, 60, 55, 70);
        line.DragTrack(s.C(), hit, line.GetRect(), 40, 60, 55, 70, 80, 90);
        EXPECT_GT(shapetest::CountDifferent(s.Pixels(), before), 0u);
        EXPECT_EQ((line.DragShift & vk::kCtrlKey) != 0, ctrl);
      }
      // Ctrl let go before the last move: the outline drawn with it still goes away.
      line.DragTrack(s.C(), hit, line.GetRect(), 40, 60, 80, 90, 40, 60);
      EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before), 0u) << int(hit) << ctrl;
      EXPECT_EQ(line.LineStart, (TPoint{40, 60}));  // tracking moves nothing
      EXPECT_EQ(line.LineEnd, (TPoint{160, 100}));
    }
  }
}

struct LineEdit {
  const char* what;
  uint8_t hit;
  bool ctrl;
  TPoint down, up;
  TPoint start, end;
  TRect bounds;
};

TEST(LinePic, DragEndMovesAndReshapes) {
  // Line (10, 20)-(50, 60), midpoint (30, 40).
  const std::vector<LineEdit> cases = {
      {"body", 9, false, {30, 40}, {35, 37}, {15, 17}, {55, 57}, {15, 17, 55, 57}},
      {"start", 10, false, {11, 21}, {16, 18}, {15, 17}, {50, 60}, {15, 17, 50, 60}},
      {"end mirrored", 11, true, {50, 60}, {60, 50}, {0, 30}, {60, 50}, {0, 30, 60, 50}},
      {"start mirrored", 10, true, {12, 22}, {20, 40}, {20, 40}, {40, 40}, {20, 40, 40, 42}},
      {"end onto start: raised by 2", 11, false, {50, 60}, {10, 20}, {10, 20}, {10, 20},
       {10, 20, 12, 22}},
      {"a frame handle changes nothing", 8, false, {50, 60}, {70, 70}, {10, 20}, {50, 60},
       {10, 20, 50, 60}},
  };
  Surface s;
  for (const auto& c : cases) {
    TLinePic line = MakeLine({10, 20}, {50, 60}, true);
    line.DragShift = c.ctrl ? vk::kCtrlKey : 0;
    line.DragEnd(s.C(), c.hit, line.GetRect(), c.down.X, c.down.Y, c.up.X, c.up.Y);
    EXPECT_EQ(line.LineStart, c.start) << c.what;
    EXPECT_EQ(line.LineEnd, c.end) << c.what;
    EXPECT_EQ(line.GetRect(), c.bounds) << c.what;
  }
  TLinePic flat = MakeLine({10, 50}, {200, 50}, false);
  flat.MoveBy(s.C(), {0, 0});
  EXPECT_EQ(flat.GetRect(), (TRect{10, 50, 200, 52}));
  flat.MoveBy(s.C(), {6, 6});
  EXPECT_EQ(flat.GetRect(), (TRect{16, 56, 206, 58}));
  EXPECT_EQ(flat.LineStart, (TPoint{16, 56}));
}

TEST(LinePic, RecordTailAndRoundTrip) {
  TLinePic line = MakeLine({-7, 300}, {0x10000, -2}, true);
  line.PicPen = kThickDash;
  line.PicIndex = 3;
  Surface s;
  line.Draw(s.C());  // PicId
  vk::ByteWriter w;
  line.SaveToBuffer(w);
  vk::ByteWriter common;
  vk::WritePicRecord(common, line.ToRecord());
  std::vector<uint8_t> expected = common.Bytes();
  const auto tail = shapetest::Le32({-7, 300, 0x10000, -2});
  expected.insert(expected.end(), tail.begin(), tail.end());
  ASSERT_EQ(w.Bytes().size(), 70u);
  EXPECT_EQ(w.Bytes(), expected);
  EXPECT_EQ(w.Bytes()[45 + 4], vk::PIC_LINE);

  TLinePic back;
  vk::ByteReader r(w.Bytes());
  ASSERT_TRUE(back.LoadFromBuffer(r));
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(back.LineStart, line.LineStart);
  EXPECT_EQ(back.LineEnd, line.LineEnd);
  EXPECT_EQ(back.ToRecord(), line.ToRecord());

  // One byte short: nothing read, nothing changed.
  TLinePic keep = MakeLine({1, 2}, {3, 4}, false);
  vk::ByteReader shortR(w.Bytes().data(), w.Bytes().size() - 1);
  EXPECT_FALSE(keep.LoadFromBuffer(shortR));
  EXPECT_EQ(shortR.Position(), 0u);
  EXPECT_EQ(keep.LineEnd, (TPoint{3, 4}));
  EXPECT_EQ(keep.PicPen, kRed);
}

TEST(LinePic, AssignCopiesTheEndPoints) {
  TLinePic src = MakeLine({5, 6}, {70, 80}, true);
  src.PicPen = kThickDash;
  src.MoveBy(*Surface().canvas, {0, 0});
  TLinePic dst;
  int fired = 0;
  dst.DrawEndEvent = [&](vk::TPicBase*) { ++fired; };
  dst.Assign(src);
  EXPECT_EQ(dst.LineStart, (TPoint{5, 6}));
  EXPECT_EQ(dst.LineEnd, (TPoint{70, 80}));
  EXPECT_EQ(dst.GetRect(), src.GetRect());
  EXPECT_EQ(dst.PicPen, kThickDash);
  EXPECT_TRUE(dst.Choosed);
  ASSERT_TRUE(dst.DrawEndEvent);
  auto copy = src.CreateEmpty();
  ASSERT_NE(dynamic_cast<TLinePic*>(copy.get()), nullptr);
}

}  // namespace
