// The arc's guides on the form at scales other than 100 %: the ellipse in the arc's own pen
// and the radius to the end while the end is chosen, gone without a trace once it ends.
// Every way to end it is the session's (tests/drawing/session/ArcGuides_test.cpp).
#include <gtest/gtest.h>

#include <windows.h>

#include "FormSession.h"
#include "core/ViewZoom.h"

namespace {

// The scale, and the button whose click ends the arc (0: Esc drops it).
class ArcGuides : public ::testing::TestWithParam<std::tuple<int32_t, UINT>> {};

TEST_P(ArcGuides, ShowWhileTheEndIsChosenAndLeaveNoTrace) {
  const auto [zoom, press] = GetParam();
  vkt::FormSession s("arc-guides");
  s.Run([zoom, press](vkt::FormSession& s) {
    vk::TFreePicF& f = *s.Read([&] { return &s.Form(); });  // used on its own thread only
    // Page points, sent where the view shows them (multiples of 100 survive every scale).
    auto mouse = [&](UINT msg, WPARAM keys, int x, int y) {
      const vk::TRect v = vk::PageRectToView({x, y, x + 1, y + 1}, zoom);
      s.OnGui([&] { ::SendMessageW(f.SurfaceHandle(), msg, keys, MAKELPARAM(v.Left, v.Top)); });
    };
    // Page pixels within r of (x, y) that show what a clean redraw does not (only red ones).
    auto extra = [&](int x, int y, int r, bool red) {
      size_t n = 0;
      s.OnGui([&] {
        ::GdiFlush();
        const uint32_t *shown = f.ImagePicture().Bits(), *clean = f.WorkBitmap().Bits();
        for (int py = y - r; py <= y + r; ++py)
          for (int px = x - r; px <= x + r; ++px) {
            const uint32_t i = static_cast<uint32_t>(py * f.WorkBitmap().Width() + px), v = shown[i] & 0xFFFFFFu;
            n += v != (clean[i] & 0xFFFFFFu) && (!red || v == 0xFF0000u);
          }
      });
      return n;
    };
    s.OnGui([&] {
      // The move the system sends where the real pointer is, when the capture goes, would
      // choose an end of its own: keep the pointer off the form.
      RECT r{};
      ::GetWindowRect(f.Handle(), &r);
      ::SetCursorPos(r.right + 10, r.bottom + 10);
      f.ZoomTo(zoom);
    });
    vkt::KeyTap('A', true, true);  // the arc tool
    auto state = [&](auto read) {
      decltype(read()) v{};
      s.OnGui([&] { v = read(); });
      return v;
    };
    ASSERT_TRUE(vkt::WaitFor([&] { return state([&] { return f.Mode(); }) == vk::PIC_ARCC; }));
    mouse(WM_LBUTTONDOWN, MK_LBUTTON, 300, 200);  // a circle about (300, 200) of radius 100
    mouse(WM_MOUSEMOVE, MK_LBUTTON, 400, 100);
    mouse(WM_MOUSEMOVE, MK_LBUTTON, 400, 200);
    mouse(WM_LBUTTONUP, 0, 400, 200);
    EXPECT_GT(extra(300, 200, 101, true), 300u) << "no guide ellipse in the arc's red pen";
    mouse(WM_MOUSEMOVE, 0, 300, 0);  // the end straight above the centre
    EXPECT_GT(extra(300, 150, 1, false), 0u) << "no radius to the end";
    EXPECT_GT(extra(200, 200, 1, false), 0u) << "the guide went with the first move";
    mouse(WM_MOUSEMOVE, 0, 200, 100);
    if (press == 0) {
      s.OnGui([&] { ::PostMessageW(f.SurfaceHandle(), WM_KEYDOWN, VK_ESCAPE, 0); });
      EXPECT_TRUE(vkt::WaitFor([&] { return !state([&] { return f.Current()->UnderConstruction(); }); }));
    } else {  // a click without a move, the release right after the press
      mouse(press, press == WM_LBUTTONDOWN ? MK_LBUTTON : press == WM_RBUTTONDOWN ? MK_RBUTTON : MK_MBUTTON, 200, 100);
      mouse(press + 1, 0, 200, 100);
    }
    EXPECT_EQ(s.Count(), press == 0 ? 0u : 1u);
    EXPECT_EQ(extra(300, 200, 110, false), 0u) << "pixels left by the guides";
  });
}

INSTANTIATE_TEST_SUITE_P(Scales, ArcGuides,
                         ::testing::Combine(::testing::Values(33, 400), ::testing::Values(WM_LBUTTONDOWN)));

}  // namespace
