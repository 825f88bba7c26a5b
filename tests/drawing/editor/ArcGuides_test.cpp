// The arc's guides on the form at every scale: the ellipse in the arc's own pen and the
// radius to the pointer while the end is chosen, gone without a trace however the arc ends.
#include <gtest/gtest.h>

#include <windows.h>

#include "FormSession.h"
#include "core/ViewZoom.h"
#include "drawing/objects/ArccPic.h"

namespace {

using vkt::FormSession;

enum class End { LeftClick, RightClick, Esc };

class ArcGuides : public ::testing::TestWithParam<std::tuple<int32_t, End>> {};

TEST_P(ArcGuides, ShowWhileTheEndIsChosenAndLeaveNoTrace) {
  const auto [zoom, end] = GetParam();
  FormSession s("arc-guides");
  s.Run([zoom, end](FormSession& s) {
    vk::TFreePicF& f = s.Form();
    // Points in page pixels, sent where the view shows them; multiples of 100 come back
    // unchanged at every scale.
    auto mouse = [&](UINT msg, WPARAM keys, int x, int y) {
      const vk::TRect v = vk::PageRectToView({x, y, x + 1, y + 1}, zoom);
      s.OnGui([&] { ::SendMessageW(f.SurfaceHandle(), msg, keys, MAKELPARAM(v.Left, v.Top)); });
    };
    // Whether a page pixel next to (x, y) shows what a clean redraw would not, and how
    // many shown pixels are red where a clean redraw has no red.
    auto extra = [&](int x, int y) {
      bool differs = false;
      s.OnGui([&] {
        ::GdiFlush();
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const size_t i = static_cast<size_t>((y + dy) * f.WorkBitmap().Width() + x + dx);
            differs |= ((f.ImagePicture().Bits()[i] ^ f.WorkBitmap().Bits()[i]) & 0xFFFFFFu) != 0;
          }
      });
      return differs;
    };
    auto redGuide = [&] {
      size_t n = 0;
      s.OnGui([&] {
        ::GdiFlush();
        const size_t count = static_cast<size_t>(f.WorkBitmap().Width() * f.WorkBitmap().Height());
        for (size_t i = 0; i < count; ++i)
          n += (f.ImagePicture().Bits()[i] & 0xFFFFFFu) == 0xFF0000u && (f.WorkBitmap().Bits()[i] & 0xFFFFFFu) != 0xFF0000u;
      });
      return n;
    };
    // The real pointer stays off the form: the move the system sends where it is, when the
    // capture goes, would pick an end angle of its own.
    s.OnGui([&] {
      RECT r{};
      ::GetWindowRect(f.Handle(), &r);
      ::SetCursorPos(r.right + 10, r.bottom + 10);
      f.ZoomTo(zoom);
    });
    vkt::KeyTap('A', true, true);  // the arc tool
    ASSERT_TRUE(vkt::WaitFor([&] {
      int32_t mode = 0;
      s.OnGui([&] { mode = f.Mode(); });
      return mode == vk::PIC_ARCC;
    }));
    mouse(WM_LBUTTONDOWN, MK_LBUTTON, 300, 200);  // the circle about (300, 200), radius 100
    mouse(WM_MOUSEMOVE, MK_LBUTTON, 400, 100);
    mouse(WM_MOUSEMOVE, MK_LBUTTON, 400, 200);
    mouse(WM_LBUTTONUP, 0, 400, 200);
    EXPECT_GT(redGuide(), 300u) << "no guide ellipse in the arc's red pen";
    mouse(WM_MOUSEMOVE, 0, 300, 0);  // the end straight above the centre
    EXPECT_TRUE(extra(300, 150)) << "no radius towards the pointer";
    EXPECT_TRUE(extra(200, 200)) << "the guide went with the first move";
    mouse(WM_MOUSEMOVE, 0, 200, 100);
    if (end == End::Esc) {
      s.OnGui([&] { ::PostMessageW(f.SurfaceHandle(), WM_KEYDOWN, VK_ESCAPE, 0); });
      EXPECT_TRUE(vkt::WaitFor([&] {
        bool building = true;
        s.OnGui([&] { building = f.Current()->UnderConstruction(); });
        return !building;
      }));
    } else {
      const bool right = end == End::RightClick;
      mouse(right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, 200, 100);
      mouse(right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, 200, 100);
    }
    EXPECT_EQ(s.Count(), end == End::Esc ? 0u : 1u);
    s.OnGui([&] {
      ::GdiFlush();
      const vk::win::Dib& shown = f.ImagePicture();
      const std::vector<uint32_t> before(shown.Bits(), shown.Bits() + shown.Width() * shown.Height());
      f.SetFullRebuild(true);
      f.RedrawAll(false, true);
      f.SetFullRebuild(false);
      ::GdiFlush();
      size_t traces = 0;
      for (size_t i = 0; i < before.size(); ++i) traces += ((before[i] ^ shown.Bits()[i]) & 0xFFFFFFu) != 0;
      EXPECT_EQ(traces, 0u) << "pixels left by the guides";
    });
  });
}

INSTANTIATE_TEST_SUITE_P(Scales, ArcGuides,
                         ::testing::Combine(::testing::Values(100, 33, 400),
                                            ::testing::Values(End::LeftClick, End::RightClick, End::Esc)));

}  // namespace
