// The form session itself: what a driver sees of the form is what the test made happen.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "FormSession.h"

namespace {

using vkt::FormSession;

TEST(FormSession, TheFormIsReadOnItsOwnThreadOnly) {
  FormSession s("own-thread");
  s.Run([](FormSession& s) {
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(s.Form(), "off its thread");
    EXPECT_EQ(s.Mode(), vk::kModeArrow);
  });
}

// The real pointer moves whenever the X server says it did (as windows appear or change
// under it), at its own place. Such a move reached the surface while a sent click held the
// capture, and the click deselected as a drag over empty paper does.
TEST(FormSession, TheRealPointerDoesNotReachTheSurface) {
  FormSession s("real-pointer");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 300, 250); });
    s.OnGui([&] { ::SendMessageW(s.Surface(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 180)); });
    const POINT paper = vkt::ClientToScreenPt(s.Surface(), 600, 450);
    vkt::MouseMove(paper.x, paper.y);
    s.OnGui([&] { ::SendMessageW(s.Surface(), WM_LBUTTONUP, 0, MAKELPARAM(200, 180)); });
    EXPECT_TRUE(s.Read([&] { return s.Form().Current() != nullptr; }));
  });
}

}  // namespace
