// Tools and mouse handling on the form: which object a press finds, hover cursors,
// dragging the page, double clicks, and what a chosen tool takes from the property bar.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "FormSession.h"
#include "drawing/editor/EditorIds.h"
#include "drawing/objects/ArccPic.h"
#include "drawing/objects/PolyPic.h"

namespace {

using vkt::FormSession;

void Mouse(FormSession& s, UINT msg, WPARAM keys, int x, int y) {
  s.OnGui([&] { ::SendMessageW(s.Form().SurfaceHandle(), msg, keys, MAKELPARAM(x, y)); });
}

int32_t IndexOfCurrent(FormSession& s) {
  int32_t i = -9;
  s.OnGui([&] { i = s.Form().Current() ? s.Form().Current()->PicIndex : -9; });
  return i;
}

// Tells the property bar that the user picked item of a combo box.
void PickItem(FormSession& s, const char* combo, int item) {
  s.OnGui([&] {
    HWND c = vkt::FindChildById(s.Form().Handle(), vk::PropControlId(combo));
    ::SendMessageW(c, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    ::SendMessageW(::GetParent(c), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(c), CBN_SELCHANGE), reinterpret_cast<LPARAM>(c));
  });
}

TEST(Mouse, TheLaterOfOverlappingObjectsIsHitButTheCurrentOneKeepsWinning) {
  FormSession s("overlap");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 300, 250); });
    s.Add([] { return vkt::MakeRect(200, 150, 400, 300); });
    s.ClickSurface(250, 200);  // in both
    EXPECT_EQ(IndexOfCurrent(s), 1);
    s.ClickSurface(120, 120);  // only in the first
    EXPECT_EQ(IndexOfCurrent(s), 0);
    s.ClickSurface(250, 200);
    EXPECT_EQ(IndexOfCurrent(s), 0);
  });
}

TEST(Mouse, HoverCursorsFollowTheHitCode) {
  FormSession s("hover");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 300, 250); });
    s.ClickSurface(200, 180);
    const vk::TRect r = s.RectOf(0);
    struct Case {
      int x, y;
      int32_t mode;
    } cases[] = {{200, 180, vk::kModeMove},
                 {r.Right - 1, r.Bottom - 1, vk::kModeSizeNWSE},
                 {(r.Left + r.Right) / 2, r.Top, vk::kModeSizeNS},
                 {r.Right - 1, r.Top, vk::kModeSizeNESW},
                 {r.Left, (r.Top + r.Bottom) / 2, vk::kModeSizeWE},
                 {600, 450, vk::kModeArrow}};
    // In arrow mode the hover runs only while a press is pending; the click above left one.
    for (const Case& c : cases) {
      Mouse(s, WM_MOUSEMOVE, 0, c.x, c.y);
      EXPECT_EQ(s.Form().Mode(), c.mode) << c.x << "," << c.y;
    }
  });
}

TEST(Mouse, DraggingEmptyPaperInArrowModeScrollsTheOtherWay) {
  FormSession s("scroll", 2000, 2000);
  s.Run([](FormSession& s) {
    HWND box = s.Form().ScrollBoxHandle();
    ASSERT_EQ(::GetScrollPos(box, SB_HORZ), 0);
    Mouse(s, WM_LBUTTONDOWN, MK_LBUTTON, 500, 400);
    Mouse(s, WM_MOUSEMOVE, MK_LBUTTON, 450, 370);
    Mouse(s, WM_LBUTTONUP, 0, 450, 370);
    EXPECT_EQ(::GetScrollPos(box, SB_HORZ), 50);
    EXPECT_EQ(::GetScrollPos(box, SB_VERT), 30);
  });
}

TEST(Mouse, ADoubleClickEndsTheDrawingTool) {
  FormSession s("dblclick");
  s.Run([](FormSession& s) {
    s.PostButton("SpeedButton8");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == 1; }));
    Mouse(s, WM_LBUTTONDOWN, MK_LBUTTON, 100, 100);
    Mouse(s, WM_LBUTTONUP, 0, 100, 100);
    Mouse(s, WM_LBUTTONDBLCLK, MK_LBUTTON, 100, 100);
    Mouse(s, WM_LBUTTONUP, 0, 100, 100);
    EXPECT_EQ(s.Form().Mode(), vk::kModeArrow);
    EXPECT_EQ(s.Count(), 0u);
  });
}

TEST(Mouse, AChosenToolTakesTheLineAndFillOfThePropertyBar) {
  FormSession s("tool-style");
  s.Run([](FormSession& s) {
    PickItem(s, "cbbLineW", 2);  // width step 3, solid: pen width 6
    s.PostButton("SpeedButton8");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == 1; }));
    s.DragSurface(50, 50, 250, 120);
    ASSERT_EQ(s.Count(), 1u);
    s.OnGui([&] { EXPECT_EQ(s.Form().Pics()[0]->PicPen.Width, 6); });

    PickItem(s, "cbbLineStype", 2);  // dotted: width 1 whatever the step
    s.OnGui([&] {
      HWND fill = vkt::FindChildById(s.Form().Handle(), vk::PropControlId("schckbxFillColor"));
      ::SendMessageW(fill, BM_CLICK, 0, 0);
    });
    s.PostButton("SpeedButton9");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == 2; }));
    s.DragSurface(300, 200, 450, 330);
    ASSERT_EQ(s.Count(), 2u);
    s.OnGui([&] {
      const vk::TPicBase& r = *s.Form().Pics()[1];
      EXPECT_EQ(r.PicPen.Width, 1);
      EXPECT_EQ(r.PicPen.Style, vk::kPenDot);
      EXPECT_EQ(r.PicBrush.Style, vk::kBrushSolid);
      EXPECT_EQ(r.PicBrush.Color, 0xFFFFFFu);
    });
  });
}

TEST(Mouse, EscAndALostCaptureEndAGestureForGood) {
  FormSession s("cancel");
  s.Run([](FormSession& s) {
    s.PostButton("SpeedButton9");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == 2; }));
    Mouse(s, WM_LBUTTONDOWN, MK_LBUTTON, 50, 50);
    Mouse(s, WM_MOUSEMOVE, MK_LBUTTON, 150, 120);
    vkt::KeyTap(VK_ESCAPE);
    ::Sleep(100);
    Mouse(s, WM_MOUSEMOVE, MK_LBUTTON, 200, 200);
    Mouse(s, WM_LBUTTONUP, 0, 200, 200);
    EXPECT_EQ(s.Count(), 0u);

    // A drag of a selected object that loses the mouse moves nothing.
    s.Add([] { return vkt::MakeRect(300, 100, 400, 150); });
    s.PostButton("SpeedButtonSelect");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == vk::kModeArrow; }));
    const vk::TRect before = s.RectOf(0);
    Mouse(s, WM_LBUTTONDOWN, MK_LBUTTON, 350, 120);
    Mouse(s, WM_MOUSEMOVE, MK_LBUTTON, 351, 121);
    Mouse(s, WM_MOUSEMOVE, MK_LBUTTON, 370, 140);
    s.OnGui([] { ::ReleaseCapture(); });
    Mouse(s, WM_MOUSEMOVE, MK_LBUTTON, 420, 200);
    Mouse(s, WM_LBUTTONUP, 0, 420, 200);
    EXPECT_EQ(s.RectOf(0), before);
  });
}

TEST(Mouse, AHandleOfTheFigureJustDrawnResizesThatFigure) {
  FormSession s("fresh-handle");
  s.Run([](FormSession& s) {
    s.PostButton("SpeedButton9");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == 2; }));
    s.DragSurface(100, 100, 300, 200);
    ASSERT_EQ(s.Count(), 1u);
    s.PostButton("SpeedButtonSelect");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == vk::kModeArrow; }));
    const vk::TRect r = s.RectOf(0);
    Mouse(s, WM_LBUTTONDOWN, MK_LBUTTON, r.Right - 1, r.Bottom - 1);
    Mouse(s, WM_MOUSEMOVE, MK_LBUTTON, r.Right, r.Bottom);
    Mouse(s, WM_MOUSEMOVE, MK_LBUTTON, r.Right + 50, r.Bottom + 30);
    Mouse(s, WM_LBUTTONUP, 0, r.Right + 50, r.Bottom + 30);
    EXPECT_EQ(IndexOfCurrent(s), 0);
    const vk::TRect after = s.RectOf(0);
    EXPECT_EQ(after.TopLeft(), r.TopLeft());
    EXPECT_GT(after.Right, r.Right + 40);
    EXPECT_GT(after.Bottom, r.Bottom + 20);
  });
}

TEST(Mouse, KeysChooseTheHiddenToolsAndCutAndTheToolbarShowsItsTooltips) {
  FormSession s("keys");
  s.Run([](FormSession& s) {
    EXPECT_EQ(::SendMessageW(s.Form().ControlHandle("ToolTips"), TTM_GETTOOLCOUNT, 0, 0), 8);
    auto arcType = [&] {
      int t = -1;
      s.OnGui([&] {
        if (auto* a = dynamic_cast<vk::TArccPic*>(s.Form().Current())) t = a->PicArccType;
      });
      return t;
    };
    // The arc, sector and curve keys are used end to end.
    vkt::KeyTap('D', true, true);
    EXPECT_EQ(s.Form().Mode(), vk::PIC_ARCC);
    EXPECT_EQ(arcType(), vk::Arcc_Chord);
    vkt::KeyTap('P', true, true);
    EXPECT_EQ(s.Form().Mode(), vk::PIC_POLY);
    s.OnGui([&] { EXPECT_EQ(dynamic_cast<vk::TPolyPic&>(*s.Form().Current()).PolyType, vk::PolyClose); });

    s.Add([] { return vkt::MakeRect(100, 100, 200, 200); });
    s.PostButton("SpeedButtonSelect");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == vk::kModeArrow; }));
    s.ClickSurface(150, 150);
    vkt::KeyTap('X', true);
    EXPECT_EQ(s.Count(), 0u);
    vkt::KeyTap('V', true, true);  // Paste, Shift or not: the cut object comes back
    EXPECT_EQ(s.Count(), 1u);
  });
}

TEST(Mouse, ADoubleClickEndsAPolylineAndAHalfMadeOneDoesNotComeBack) {
  FormSession s("clicks");
  s.Run([](FormSession& s) {
    // A polyline: clicks, then a double click at its last point ends it and the tool.
    s.PostButton("SpeedButton13");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == vk::PIC_POLY; }));
    for (POINT p : {POINT{300, 50}, POINT{400, 80}, POINT{350, 150}}) {
      Mouse(s, WM_MOUSEMOVE, 0, p.x, p.y);
      s.ClickSurface(p.x, p.y);
    }
    Mouse(s, WM_LBUTTONDBLCLK, MK_LBUTTON, 350, 150);
    Mouse(s, WM_LBUTTONUP, 0, 350, 150);
    EXPECT_EQ(s.Form().Mode(), vk::kModeArrow);
    ASSERT_EQ(s.Count(), 1u);
    s.OnGui([&] {
      EXPECT_EQ(dynamic_cast<const vk::TPolyPic&>(*s.Form().Pics()[0]).PolyPoint,
                (std::vector<vk::TPoint>{{300, 50}, {400, 80}, {350, 150}}));
    });
    // A polyline left half made by choosing Select starts afresh with its tool.
    s.PostButton("SpeedButton13");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == vk::PIC_POLY; }));
    s.ClickSurface(500, 50);
    s.PostButton("SpeedButtonSelect");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == vk::kModeArrow; }));
    s.PostButton("SpeedButton13");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == vk::PIC_POLY; }));
    s.ClickSurface(500, 100);
    s.ClickSurface(600, 100);
    s.ClickSurface(600, 100, true);
    ASSERT_EQ(s.Count(), 2u);
    s.OnGui([&] {
      EXPECT_EQ(dynamic_cast<const vk::TPolyPic&>(*s.Form().Pics()[1]).PolyPoint,
                (std::vector<vk::TPoint>{{500, 100}, {600, 100}}));
    });
  });
}

}  // namespace
