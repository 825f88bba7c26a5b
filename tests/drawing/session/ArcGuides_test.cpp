// The arc's guides: the ellipse in the arc's own pen and the radius to the end while the
// end is chosen, gone without a trace however the arc ends.
#include <gtest/gtest.h>

#include "SessionHarness.h"

namespace {

// Overlay pixels within r of (x, y) that a clean redraw does not show (only red ones).
size_t Extra(vkt::SessionHarness& h, int x, int y, int r, bool red) {
  size_t n = 0;
  ::GdiFlush();
  const vk::win::Dib &shown = h.S().Overlay(), &clean = h.S().Work();
  for (int py = y - r; py <= y + r; ++py)
    for (int px = x - r; px <= x + r; ++px) {
      const size_t i = static_cast<size_t>(py * clean.Width() + px);
      const uint32_t v = shown.Bits()[i] & 0xFFFFFFu;
      n += v != (clean.Bits()[i] & 0xFFFFFFu) && (!red || v == 0xFF0000u);
    }
  return n;
}

TEST(ArcGuides, ShowWhileTheEndIsChosenAndLeaveNoTrace) {
  using B = vk::TMouseButton;
  for (int end = 0; end < 4; ++end) {  // a click of each button, or Esc
    vkt::SessionHarness h("arc-guides");
    h.S().ChooseTool(5);
    h.Press(300, 200);  // a circle about (300, 200) of radius 100
    h.Move(400, 100);
    h.Move(400, 200);
    h.Release(400, 200);
    EXPECT_GT(Extra(h, 300, 200, 101, true), 300u) << "no guide ellipse in the arc's red pen";
    h.Move(300, 0, 0);  // the end straight above the centre
    EXPECT_GT(Extra(h, 300, 150, 1, false), 0u) << "no radius to the end";
    EXPECT_GT(Extra(h, 200, 200, 1, false), 0u) << "the guide went with the first move";
    h.Move(200, 100, 0);
    if (end == 3) {
      h.S().Escape();
      EXPECT_FALSE(h.S().Current()->UnderConstruction());
    } else {  // a click without a move
      h.Click(200, 100, end == 0 ? B::Left : end == 1 ? B::Right : B::Middle);
    }
    EXPECT_EQ(h.Count(), end == 3 ? 0u : 1u) << end;
    EXPECT_EQ(Extra(h, 300, 200, 110, false), 0u) << "pixels left by the guides, end " << end;
  }
}

}  // namespace
