// The rectangle, and what it shares with the ellipse (run for both kinds).
#include "drawing/objects/RectPic.h"

#include <gtest/gtest.h>

#include <vector>

#include "ShapeTestSupport.h"
#include "core/ShapeRecords.h"
#include "drawing/objects/CircPic.h"

namespace {

using shapetest::Gesture;
using shapetest::Surface;
using vk::TBoxPic;
using vk::TPoint;
using vk::TRect;

const vk::PenAttrs kRed{vk::kColorRed, 1, vk::kPenSolid, vk::PenMode::Copy};
const vk::PenAttrs kThickBlue{0xFF0000, 4, vk::kPenSolid, vk::PenMode::Copy};
const vk::BrushAttrs kClear{};
const vk::BrushAttrs kGreen{vk::kColorGreen, vk::kBrushSolid};
const vk::BrushAttrs kHatch{0x808000, vk::kBrushDiagCross};
const vk::TPicType kBoxKinds[] = {vk::PIC_RECT, vk::PIC_CIRC};

TBoxPic& Box(std::unique_ptr<vk::TPicBase>& pic) { return dynamic_cast<TBoxPic&>(*pic); }

std::unique_ptr<vk::TPicBase> MakeBox(vk::TPicType kind, TRect r, bool selected,
                                      const vk::BrushAttrs& brush = kClear) {
  auto pic = vk::CreatePicOfKind(kind);
  Box(pic).ShapeRect = r;
  pic->MoveBy(*Surface().canvas, {0, 0});  // bounding rect from ShapeRect
  pic->Choosed = selected;
  pic->PicBrush = brush;
  return pic;
}

struct BoxCreation {
  const char* what;
  Gesture g;
  TRect shape;
};

TEST(BoxPic, CreationByMouseLeavesOnlyTheFigure) {
  const std::vector<BoxCreation> cases = {
      {"drag up and left", {{100, 100}, {{130, 140}, {70, 90}, {50, 60}}}, {50, 60, 100, 100}},
      {"flat: height raised by 1", {{10, 10}, {{30, 30}, {40, 10}}}, {10, 10, 40, 11}},
      {"ctrl keeps the centre", {{100, 100}, {{110, 150}, {130, 120}}, vk::kCtrlKey}, {70, 80, 130, 120}},
      {"shift is no square", {{20, 20}, {{90, 50}}, vk::kShiftKey}, {20, 20, 90, 50}},
      {"tiny drag: 20 x 20", {{30, 30}, {{36, 42}, {35, 33}}}, {30, 30, 50, 50}},
      {"one way long enough", {{30, 30}, {{35, 70}}}, {30, 30, 35, 70}},
  };
  for (vk::TPicType kind : kBoxKinds) {
    for (const auto& [pen, brush] : {std::pair{kRed, kClear}, std::pair{kThickBlue, kGreen},
                                     std::pair{kRed, kHatch}}) {
      for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << " kind " << int(kind) << " brush "
                                        << int(brush.Style));
        auto pic = shapetest::CreateByMouse(kind, pen, brush, c.g);
        EXPECT_EQ(Box(pic).ShapeRect, c.shape);
        EXPECT_EQ(pic->GetRect(), c.shape);
        EXPECT_EQ(pic->PicId, kind);
      }
    }
  }
}

TEST(BoxPic, PressAndReleaseWithoutMoveGivesTwentyByTwenty) {
  for (vk::TPicType kind : kBoxKinds) {
    auto pic = shapetest::CreateByMouse(kind, kRed, kClear, {{40, 50}, {}});
    EXPECT_EQ(Box(pic).ShapeRect, (TRect{40, 50, 60, 70}));
  }
}

TEST(BoxPic, RightButtonDragCreatesNothing) {
  for (vk::TPicType kind : kBoxKinds) {
    Surface s;
    auto pic = vk::CreatePicOfKind(kind);
    int fired = 0;
    pic->DrawEndEvent = [&](vk::TPicBase*) { ++fired; };
    const auto before = s.Pixels();
    pic->DrawMouseDown(s.C(), kind, vk::TMouseButton::Right, vk::kRightButton, {100, 100});
    pic->DrawMouseMove(s.C(), kind, vk::kLeftButton | vk::kRightButton, {150, 150});
    pic->DrawMouseUp(s.C(), kind, vk::TMouseButton::Right, 0, {150, 150});
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before), 0u);
  }
}

struct Hit {
  const char* what;
  bool filled, selected;
  TPoint p;
  uint8_t code;
};

TEST(RectPic, HitCodes) {
  const TRect r{0, 0, 100, 100};
  const std::vector<Hit> cases = {
      {"hollow centre", false, false, {50, 50}, 0},
      {"hollow near the left edge", false, false, {1, 50}, 9},
      {"hollow 3 outside", false, false, {-3, 50}, 9},
      {"hollow 4 outside", false, false, {-4, 50}, 0},
      {"hollow 3 inside", false, false, {2, 50}, 9},
      {"hollow past the ring inside", false, false, {3, 50}, 0},
      {"hollow right ring", false, false, {97, 50}, 9},
      {"hollow right inside", false, false, {96, 50}, 0},
      {"hollow right outside", false, false, {102, 50}, 9},
      {"hollow right far", false, false, {103, 50}, 0},
      {"handle 4 wins", false, true, {1, 50}, 4},
      {"handle 2", false, true, {52, 2}, 2},
      {"handle 8 outside the body", true, true, {102, 102}, 8},
      {"handle 1 corner", true, true, {-3, -3}, 1},
      {"beside handle 1", true, true, {-4, -4}, 0},
      {"filled centre", true, false, {50, 50}, 9},
      {"filled right edge is outside", true, false, {100, 50}, 0},
      {"filled last column", true, false, {99, 50}, 9},
  };
  Surface s;
  for (const auto& c : cases) {
    auto pic = MakeBox(vk::PIC_RECT, r, c.selected, c.filled ? kGreen : kClear);
    EXPECT_EQ(pic->HitTest(s.C(), c.p), c.code) << c.what;
  }
}

TEST(RectPic, ThinHollowRectangleIsHitAcrossItsWidth) {
  Surface s;
  auto pic = MakeBox(vk::PIC_RECT, {50, 20, 52, 120}, false);
  for (int x = 47; x <= 54; ++x) EXPECT_EQ(pic->HitTest(s.C(), {x, 70}), 9) << x;
  EXPECT_EQ(pic->HitTest(s.C(), {55, 70}), 0);
}

TEST(BoxPic, DrawsFillPenAndHandles) {
  for (vk::TPicType kind : kBoxKinds) {
    Surface s;
    auto pic = MakeBox(kind, {40, 40, 140, 100}, true, kGreen);
    pic->PicPen = kRed;
    pic->Draw(s.C());
    EXPECT_EQ(pic->PicId, kind);
    EXPECT_EQ(s.dib.Pixel(90, 70), vk::kColorGreen);
    EXPECT_EQ(s.dib.Pixel(90, 40), vk::kColorRed);  // top of the outline (handle 2 is at x = 90)
    for (TPoint h : vk::FrameHandles({40, 40, 140, 100})) {
      EXPECT_EQ(s.dib.Pixel(h.X, h.Y), vk::kColorMagenta);
      EXPECT_EQ(s.dib.Pixel(h.X + 2, h.Y - 3), vk::kColorWhite);
    }
    Surface plain;
    pic->Choosed = false;
    pic->Draw(plain.C());
    EXPECT_NE(plain.dib.Pixel(40, 40), vk::kColorMagenta);
  }
}

TEST(BoxPic, DragOutlineIsXorAndLeavesNoTrace) {
  for (vk::TPicType kind : kBoxKinds) {
    for (uint8_t hit = 1; hit <= 9; ++hit) {
      Surface s;
      auto pic = MakeBox(kind, {60, 50, 200, 150}, true, kGreen);
      pic->Draw(s.C());
      const auto before = s.Pixels();
      {
        shapetest::HeldKeys ctrl{VK_CONTROL};
        pic->DragTrack(s.C(), hit, pic->GetRect(), 60, 50, 60, 50, 75, 62);
        pic->DragTrack(s.C(), hit, pic->GetRect(), 60, 50, 75, 62, 20, 30);
        EXPECT_GT(shapetest::CountDifferent(s.Pixels(), before), 0u) << int(hit);
        EXPECT_NE(Box(pic).DragShift & vk::kCtrlKey, 0);
      }
      pic->DragTrack(s.C(), hit, pic->GetRect(), 60, 50, 20, 30, 60, 50);
      EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before), 0u) << int(hit) << " kind " << int(kind);
      EXPECT_EQ(Box(pic).ShapeRect, (TRect{60, 50, 200, 150}));
    }
  }
}

struct BoxEdit {
  const char* what;
  uint8_t hit;
  bool ctrl;
  TPoint down, up;
  TRect shape;
};

TEST(BoxPic, DragEndResizesAndNormalises) {
  const TRect r{10, 20, 110, 220};
  const std::vector<BoxEdit> cases = {
      {"handle 8 grows right and down", 8, false, {110, 220}, {120, 225}, {10, 20, 120, 225}},
      {"handle 8 with ctrl grows every side", 8, true, {110, 220}, {120, 225}, {0, 15, 120, 225}},
      {"handle 1 past handle 8 flips", 1, false, {10, 20}, {160, 270}, {110, 220, 160, 270}},
      {"handle 1 onto handle 8: raised by 2", 1, false, {10, 20}, {110, 220}, {110, 220, 112, 222}},
      {"ctrl handle 3 takes the mouse", 3, true, {111, 21}, {121, 11}, {0, 11, 121, 230}},
      {"ctrl handle 5 past the centre", 5, true, {110, 120}, {40, 120}, {40, 20, 80, 220}},
      {"body moves", 9, true, {50, 50}, {45, 60}, {5, 30, 105, 230}},
      {"no handle: unchanged", 0, false, {50, 50}, {45, 60}, r},
  };
  Surface s;
  for (vk::TPicType kind : kBoxKinds) {
    for (const auto& c : cases) {
      auto pic = MakeBox(kind, r, true);
      Box(pic).DragShift = c.ctrl ? vk::kCtrlKey : 0;
      pic->DragEnd(s.C(), c.hit, pic->GetRect(), c.down.X, c.down.Y, c.up.X, c.up.Y);
      EXPECT_EQ(Box(pic).ShapeRect, c.shape) << c.what;
      EXPECT_EQ(pic->GetRect(), c.shape) << c.what;
    }
  }
}

TEST(BoxPic, MoveByRaisesADegenerateSideByTwo) {
  Surface s;
  for (vk::TPicType kind : kBoxKinds) {
    auto pic = MakeBox(kind, {10, 10, 40, 10}, false);
    EXPECT_EQ(pic->GetRect(), (TRect{10, 10, 40, 12}));
    pic->MoveBy(s.C(), {6, 6});
    EXPECT_EQ(Box(pic).ShapeRect, (TRect{16, 16, 46, 16}));
    EXPECT_EQ(pic->GetRect(), (TRect{16, 16, 46, 18}));
  }
}

TEST(BoxPic, RecordTailRoundTripAndAssign) {
  Surface s;
  for (vk::TPicType kind : kBoxKinds) {
    auto pic = MakeBox(kind, {-5, 6, 700, 80000}, true, kHatch);
    pic->PicFont.Name = "Arial";
    pic->Draw(s.C());
    vk::ByteWriter w;
    pic->SaveToBuffer(w);
    vk::ByteWriter common;
    vk::WritePicRecord(common, pic->ToRecord());
    std::vector<uint8_t> expected = common.Bytes();
    const auto tail = shapetest::Le32({-5, 6, 700, 80000});
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(w.Bytes().size(), 66u + 5u);
    EXPECT_EQ(w.Bytes(), expected);
    EXPECT_EQ(w.Bytes()[45 + 5], kind);

    auto back = vk::CreatePicOfKind(kind);
    vk::ByteReader r(w.Bytes());
    ASSERT_TRUE(back->LoadFromBuffer(r));
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(Box(back).ShapeRect, Box(pic).ShapeRect);
    EXPECT_EQ(back->ToRecord(), pic->ToRecord());

    vk::ByteReader cut(w.Bytes().data(), w.Bytes().size() - 4);
    auto keep = MakeBox(kind, {1, 2, 3, 4}, false);
    EXPECT_FALSE(keep->LoadFromBuffer(cut));
    EXPECT_EQ(cut.Position(), 0u);
    EXPECT_EQ(Box(keep).ShapeRect, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(keep->PicFont.Name, vk::kDefaultFontName);

    auto copy = pic->CreateEmpty();
    int fired = 0;
    copy->DrawEndEvent = [&](vk::TPicBase*) { ++fired; };
    copy->Assign(*pic);
    EXPECT_EQ(typeid(*copy), typeid(*pic));
    EXPECT_EQ(Box(copy).ShapeRect, (TRect{-5, 6, 700, 80000}));
    EXPECT_EQ(copy->ToRecord(), pic->ToRecord());
    EXPECT_TRUE(copy->DrawEndEvent);
  }
}

TEST(PicFactory, MakesTheBuiltKindsOnly) {
  Surface s;
  for (vk::TPicType kind : {vk::PIC_LINE, vk::PIC_RECT, vk::PIC_CIRC}) {
    auto pic = vk::CreatePicOfKind(kind);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->PicId, vk::PIC_NONE);  // the kind shows from the first drawing on
    pic->Draw(s.C());
    EXPECT_EQ(pic->PicId, kind);
  }
  for (int kind : {0, 3, 5, 6, 7, 8, 9, 10, 255})
    EXPECT_EQ(vk::CreatePicOfKind(static_cast<vk::TPicType>(kind)), nullptr) << kind;
}

}  // namespace
