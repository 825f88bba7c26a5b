#include "drawing/objects/CircPic.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "ShapeTestSupport.h"

namespace {

using shapetest::Surface;
using vk::TPoint;

TEST(CircPic, HitCodes) {
  shapetest::ExpectBoxHitCodes(vk::PIC_CIRC, {0, 0}, {100, 50}, {
      {"hollow centre", false, false, {50, 25}, 0},
      {"hollow top of the curve", false, false, {50, 1}, 9},
      {"hollow box corner is off the ring", false, false, {1, 1}, 0},
      {"hollow left end of the curve", false, false, {1, 25}, 9},
      {"hollow inside the ring", false, false, {50, 6}, 0},
      {"filled centre", true, false, {50, 25}, 9},
      {"filled box corner", true, false, {1, 1}, 0},
      {"selected corner: handle 1", true, true, {1, 1}, 1},
      {"selected corner: handle 3", false, true, {99, 1}, 3},
      {"selected corner: handle 6", false, true, {1, 49}, 6},
      {"selected corner: handle 8", true, true, {99, 49}, 8},
  });
}

// A hollow figure is hit on every pixel its outline paints, and nowhere farther than the
// ring's margin (plus a pixel of rasterisation) from it.
TEST(BoxPic, HollowFiguresAreHitOnlyNearTheirOutline) {
  const TPoint a{40, 30}, b{121, 82};
  for (vk::TPicType kind : {vk::PIC_RECT, vk::PIC_CIRC}) {
    auto pic = shapetest::MakeShape(kind, a, b, false);
    pic->PicPen.Color = vk::kColorBlack;
    Surface s;
    s.dib.Fill(vk::kColorWhite);
    pic->Draw(s.C());
    std::vector<TPoint> outline;
    for (int y = 0; y < shapetest::kSurfaceH; ++y)
      for (int x = 0; x < shapetest::kSurfaceW; ++x)
        if (s.dib.Pixel(x, y) == vk::kColorBlack) outline.push_back({x, y});
    ASSERT_GT(outline.size(), 150u);
    size_t misses = 0, farHits = 0;
    for (TPoint p : outline) misses += pic->HitTest(s.C(), p) != vk::kHitBody;
    for (int y = a.Y - 8; y < b.Y + 8; ++y) {
      for (int x = a.X - 8; x < b.X + 8; ++x) {
        bool nearOutline = false;
        for (TPoint o : outline) nearOutline = nearOutline || (std::abs(o.X - x) <= 4 && std::abs(o.Y - y) <= 4);
        if (!nearOutline) farHits += pic->HitTest(s.C(), {x, y}) != vk::kHitNone;
      }
    }
    EXPECT_EQ(misses, 0u) << int(kind);
    EXPECT_EQ(farHits, 0u) << int(kind);
  }
}

}  // namespace
