// The rectangle, and what it shares with the ellipse (run for both kinds).
#include "drawing/objects/RectPic.h"

#include <gtest/gtest.h>

#include <vector>

#include "ShapeTestSupport.h"

namespace {

using shapetest::Surface;
using vk::TBoxPic;
using vk::TPoint;
using vk::TRect;

const vk::BrushAttrs kGreen{vk::kColorGreen, vk::kBrushSolid};
const vk::TPicType kBoxKinds[] = {vk::PIC_RECT, vk::PIC_CIRC};

TBoxPic& Box(vk::TPicBase& pic) { return dynamic_cast<TBoxPic&>(pic); }

TEST(BoxPic, CreationByMouseLeavesOnlyTheFigure) {
  struct Case {
    const char* what;
    shapetest::Gesture g;
    TRect shape;
  };
  const std::vector<Case> cases = {
      {"drag up and left", {{100, 100}, {{130, 140}, {70, 90}, {50, 60}}}, {50, 60, 100, 100}},
      {"flat: height + 1", {{10, 10}, {{30, 30}, {40, 10}}}, {10, 10, 40, 11}},
      {"ctrl keeps the centre", {{100, 100}, {{110, 150}, {130, 120}}, vk::kCtrlKey}, {70, 80, 130, 120}},
      {"shift is no square", {{20, 20}, {{90, 50}}, vk::kShiftKey}, {20, 20, 90, 50}},
      {"tiny: 20 x 20", {{30, 30}, {{36, 42}, {35, 33}}}, {30, 30, 50, 50}},
      {"no move: 20 x 20", {{40, 50}, {}}, {40, 50, 60, 70}},
  };
  const std::pair<vk::PenAttrs, vk::BrushAttrs> styles[] = {
      {{vk::kColorRed, 1, vk::kPenSolid}, {}},
      {{0xFF0000, 4, vk::kPenSolid}, kGreen},
      {{vk::kColorRed, 1, vk::kPenDot}, {0x808000, vk::kBrushDiagCross}},
  };
  for (vk::TPicType kind : kBoxKinds) {
    for (const auto& [pen, brush] : styles) {
      for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << ", kind " << int(kind) << ", brush " << int(brush.Style));
        auto pic = shapetest::CreateByMouse(kind, pen, brush, c.g);
        EXPECT_EQ(Box(*pic).ShapeRect, c.shape);
        EXPECT_EQ(pic->GetRect(), c.shape);
      }
    }
  }
}

TEST(RectPic, HitCodes) {
  shapetest::ExpectBoxHitCodes(vk::PIC_RECT, {0, 0}, {100, 100}, {
      {"hollow centre", false, false, {50, 50}, 0},
      {"hollow near the left edge", false, false, {1, 50}, 9},
      {"hollow 3 outside", false, false, {-3, 50}, 9},
      {"hollow 4 outside", false, false, {-4, 50}, 0},
      {"hollow 3 inside", false, false, {3, 50}, 0},
      {"hollow right ring", false, false, {97, 50}, 9},
      {"hollow right inside", false, false, {96, 50}, 0},
      {"hollow right outside", false, false, {102, 50}, 9},
      {"hollow right far", false, false, {103, 50}, 0},
      {"handle 4 wins", false, true, {1, 50}, 4},
      {"handle 2", false, true, {52, 2}, 2},
      {"handle 8 outside the body", true, true, {102, 102}, 8},
      {"beside handle 1", true, true, {-4, -4}, 0},
      {"filled centre", true, false, {50, 50}, 9},
      {"filled right edge is outside", true, false, {100, 50}, 0},
  });
  Surface s;
  // Too thin for a hole in the ring: hit across its whole width.
  auto thin = shapetest::MakeShape(vk::PIC_RECT, {50, 20}, {52, 120}, false);
  for (int x = 47; x <= 55; ++x) EXPECT_EQ(thin->HitTest(s.C(), {x, 70}), x < 55 ? 9 : 0) << x;
}

TEST(BoxPic, EditsResizeAndNormalise) {
  struct Case {
    const char* what;
    uint8_t hit;
    bool ctrl;
    TPoint down, up;
    TRect shape;
  };
  const std::vector<Case> cases = {
      {"handle 8", 8, false, {110, 220}, {120, 225}, {10, 20, 120, 225}},
      {"handle 8 with ctrl grows every side", 8, true, {110, 220}, {120, 225}, {0, 15, 120, 225}},
      {"handle 1 past handle 8 flips", 1, false, {10, 20}, {160, 270}, {110, 220, 160, 270}},
      {"handle 1 onto handle 8: + 2", 1, false, {10, 20}, {110, 220}, {110, 220, 112, 222}},
      {"ctrl handle 5 past the centre", 5, true, {110, 120}, {40, 120}, {40, 20, 80, 220}},
  };
  Surface s;
  for (vk::TPicType kind : kBoxKinds) {
    for (const auto& c : cases) {
      auto pic = shapetest::MakeShape(kind, {10, 20}, {110, 220}, true);
      Box(*pic).DragShift = c.ctrl ? vk::kCtrlKey : 0;
      pic->DragEnd(s.C(), c.hit, pic->GetRect(), c.down.X, c.down.Y, c.up.X, c.up.Y);
      EXPECT_EQ(Box(*pic).ShapeRect, c.shape) << c.what;
      EXPECT_EQ(pic->GetRect(), c.shape) << c.what;
    }
    auto flat = shapetest::MakeShape(kind, {10, 10}, {40, 10}, false);  // MoveBy (0, 0)
    flat->MoveBy(s.C(), {6, 6});
    EXPECT_EQ(Box(*flat).ShapeRect, (TRect{16, 16, 46, 16}));
    EXPECT_EQ(flat->GetRect(), (TRect{16, 16, 46, 18}));
  }
}

}  // namespace
