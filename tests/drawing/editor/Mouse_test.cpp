// Tools and mouse handling on the form: cursors, keys, the text entry, the object menu's
// dialogs, the picture viewer, the property bar's controls and the zoomed view.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <thread>
#include <tuple>

#include "FormSession.h"
#include "core/TextRecord.h"
#include "drawing/editor/EditorIds.h"
#include "drawing/editor/SetLineW.h"
#include "drawing/objects/ArccPic.h"
#include "drawing/objects/PicFuns.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/TextPic.h"

namespace {

using vkt::FormSession;

void Mouse(FormSession& s, UINT msg, WPARAM keys, int x, int y) {
  s.OnGui([&] { ::SendMessageW(s.Surface(), msg, keys, MAKELPARAM(x, y)); });
}

int32_t IndexOfCurrent(FormSession& s) {
  int32_t i = -9;
  s.OnGui([&] { i = s.Form().Current() ? s.Form().Current()->PicIndex : -9; });
  return i;
}

// Tells the property bar that the user picked item of a combo box.
void PickItem(FormSession& s, const char* combo, int item) {
  s.OnGui([&] {
    HWND c = vkt::FindChildById(s.Handle(), vk::PropControlId(combo));
    ::SendMessageW(c, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    ::SendMessageW(::GetParent(c), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(c), CBN_SELCHANGE), reinterpret_cast<LPARAM>(c));
  });
}

TEST(Mouse, TheFormLoadsTheDrawingCursorsFromItsOwnModule) {
  FormSession s("cursors");
  s.Run([](FormSession& s) {
    const char* name = vk::PicCursorResourceName(vk::PIC_ARCC);
    s.OnGui([&] { EXPECT_EQ(vk::PicCursor(vk::PIC_ARCC), ::LoadCursorA(::GetModuleHandleW(nullptr), name)); });
  });
}

TEST(Mouse, KeysChooseTheHiddenToolsAndCutAndTheToolbarShowsItsTooltips) {
  FormSession s("keys");
  s.Run([](FormSession& s) {
    EXPECT_EQ(::SendMessageW(s.Control("ToolTips"), TTM_GETTOOLCOUNT, 0, 0), 9);
    auto arcType = [&] {
      int t = -1;
      s.OnGui([&] {
        if (auto* a = dynamic_cast<vk::TArccPic*>(s.Form().Current())) t = a->PicArccType;
      });
      return t;
    };
    // The arc, sector and curve keys are used end to end.
    vkt::KeyTap('D', true, true);
    EXPECT_EQ(s.Mode(), vk::PIC_ARCC);
    EXPECT_EQ(arcType(), vk::Arcc_Chord);
    vkt::KeyTap('P', true, true);
    EXPECT_EQ(s.Mode(), vk::PIC_POLY);
    s.OnGui([&] { EXPECT_EQ(dynamic_cast<vk::TPolyPic&>(*s.Form().Current()).PolyType, vk::PolyClose); });

    s.Add([] { return vkt::MakeRect(100, 100, 200, 200); });
    s.PostButton("SpeedButtonSelect");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == vk::kModeArrow; }));
    s.ClickSurface(150, 150);
    vkt::KeyTap('X', true);
    EXPECT_EQ(s.Count(), 0u);
    vkt::KeyTap('V', true, true);  // Paste, Shift or not: the cut object comes back
    EXPECT_EQ(s.Count(), 1u);
    vkt::KeyTap('Z', true);  // undo, and redo with Shift
    EXPECT_EQ(s.Count(), 0u);
    vkt::KeyTap('Z', true, true);
    EXPECT_EQ(s.Count(), 1u);
  });
}

HWND TextEdit(FormSession& s) {
  HWND e = nullptr;
  s.OnGui([&] {
    if (auto* t = dynamic_cast<vk::TTextPic*>(s.Form().Current())) e = t->EditWindow();
  });
  return e;
}

void Type(FormSession& s, const wchar_t* text) {
  s.OnGui([&] { ::SendMessageW(TextEdit(s), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text)); });
}

TEST(Mouse, TheTextToolTypesInPlaceAndEveryWayOutEndsTheEntry) {
  FormSession s("text-tool");
  s.Run([](FormSession& s) {
    vkt::KeyTap('T', true, true);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == vk::PIC_TEXT; }));
    s.ClickSurface(100, 100);
    ASSERT_TRUE(::IsWindowVisible(TextEdit(s)));
    Type(s, L"One");
    s.ClickSurface(300, 200);  // commits, and opens the next entry there
    ASSERT_EQ(s.Count(), 1u);
    EXPECT_EQ(s.RectOf(0).TopLeft(), (vk::TPoint{100, 100}));
    Type(s, L"gone");
    vkt::KeyTap(VK_ESCAPE);  // Esc: no object
    EXPECT_FALSE(::IsWindowVisible(TextEdit(s)));
    s.ClickSurface(300, 200);
    Type(s, L"gone too");
    s.PostButton("SpeedButton9");  // another tool drops the entry
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == vk::PIC_RECT; }));
    EXPECT_EQ(s.Count(), 1u);
    vkt::KeyTap('T', true, true);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == vk::PIC_TEXT; }));
    s.ClickSurface(50, 300);
    Type(s, L"Two\U0001F600");
    // Apply commits what is typed first; the character the code page lacks is named.
    s.PostButton("SpeedButtonApply");
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"\U0001F600"), std::wstring::npos) << text;
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(s.Handle()); }));
  });
  const std::vector<uint8_t> file = vkt::FileBytes(s.Folder() + "Page1.fdf");
  const vk::DrawingReadResult r = vk::DecodeDrawing(file.data(), file.size());
  ASSERT_EQ(r.Entries.size(), 2u);
  std::vector<std::string> texts;
  for (const vk::DrawingEntry& e : r.Entries) {
    vk::ByteReader rd(e.Record);
    vk::TextRecord rec;
    ASSERT_EQ(e.Kind, vk::PIC_TEXT);
    ASSERT_TRUE(vk::ReadTextRecord(rd, rec));
    texts.push_back(rec.text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"One", "Two"}));
}

TEST(Mouse, TheFontItemOfTheObjectMenuRecommitsTheText) {
  FormSession s("font-item");
  s.Run([](FormSession& s) {
    s.Add([] {
      auto t = std::make_unique<vk::TTextPic>();
      t->Text.Text = "Font";
      t->ShapeRect = {100, 100, 300, 140};  // wider than the text: a re-commit fits it again
      vk::win::Dib scratch(1, 1);
      vk::win::Canvas c(scratch.Dc());
      t->MoveBy(c, {0, 0});
      return t;
    });
    s.ClickSurface(110, 110);
    const HWND surface = s.Surface();
    ::PostMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(112, 110));  // the hover cursor of the body
    ::PostMessageW(surface, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(112, 110));
    ::PostMessageW(surface, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(114, 110));
    ::PostMessageW(surface, WM_RBUTTONUP, 0, MAKELPARAM(114, 110));
    ASSERT_TRUE(vkt::WaitForWindow(L"#32768", nullptr, 3000));
    vkt::KeyTap('F');
    HWND dlg = vkt::WaitForWindow(L"#32770", nullptr, 5000);
    ASSERT_TRUE(dlg);
    ::PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(vkt::WaitFor([&] { return !::IsWindow(dlg); }));
    s.OnGui([&] {
      const vk::TPicBase& t = *s.Form().Pics()[0];
      EXPECT_EQ(t.GetRect(), (vk::TRect{100, 100, 100 + vk::MeasureText("Font", t.PicFont, true),
                                        100 + vk::MeasureText("Font", t.PicFont, false)}));
    });
  });
}

TEST(Mouse, ViewShowsThePictureCentredWithoutPanningAndADoubleClickClosesIt) {
  FormSession s("view");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 300, 250); });
    vkt::KeyTap(VK_F5);
    HWND v = vkt::WaitForWindow(L"#32770", L"查看编辑的文字,图象宽x高：700x500");
    ASSERT_TRUE(v);
    RECT rc{};
    ::GetClientRect(v, &rc);
    // The rectangle's fill shows where the centred picture puts it, also after a drag.
    const POINT at = vkt::ClientToScreenPt(v, (rc.right - 700) / 2 + 200, (rc.bottom - 500) / 2 + 175);
    vkt::Drag(at, {at.x + 80, at.y + 60});
    s.OnGui([&] {
      ::UpdateWindow(v);  // a pan would show now
      POINT p = at;
      ::ScreenToClient(v, &p);
      HDC dc = ::GetDC(v);
      EXPECT_EQ(::GetPixel(dc, p.x, p.y), 0x80FF80u);
      ::ReleaseDC(v, dc);
    });
    vkt::DoubleClick(at.x, at.y);
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(v); }, 3000));
  });
}

// The property bar applies to the current object; its width box takes digits only.
TEST(PropertyBar, WidthBoxStyleAndFillOfTheSelectedObject) {
  FormSession s("property-bar");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 300, 250); });
    s.ClickSurface(200, 180);
    HWND combo = vkt::FindChildById(s.Handle(), vk::PropControlId("cbbLineW"));
    HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
    auto pen = [&] {
      int32_t w = 0;
      s.OnGui([&] { w = s.Form().Pics()[0]->PicPen.Width; });
      return w;
    };
    s.OnGui([&] {
      ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
      for (wchar_t c : {L'x', L'7', L'-'}) ::SendMessageW(edit, WM_CHAR, c, 0);
    });
    EXPECT_EQ(vkt::WindowText(combo), L"7");
    EXPECT_EQ(pen(), 14);
    PickItem(s, "cbbLineStype", 2);  // dotted: the box goes back to 1
    EXPECT_EQ(vkt::WindowText(combo), L"1");
    EXPECT_EQ(pen(), 1);
    PickItem(s, "cbbLineStype", 0);
    EXPECT_EQ(pen(), 2);
    // Leaving the box empty puts "1" back.
    s.OnGui([&] {
      ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
      ::SendMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(combo));
    });
    EXPECT_EQ(vkt::WindowText(combo), L"1");
    // Ctrl+Z in the width box takes back the drawing's last changes, not the box's text.
    s.OnGui([&] { ::SetFocus(edit); });
    vkt::KeyTap('Z', true);
    ASSERT_TRUE(vkt::WaitFor([&] { return pen() == 1; }));
    vkt::KeyTap('Z', true);
    ASSERT_TRUE(vkt::WaitFor([&] { return pen() == 14; }));
    EXPECT_EQ(vkt::WindowText(combo), L"1");

    // The fill swatch opens the colour dialog only while the box is ticked.
    HWND swatch = vkt::FindChildById(s.Handle(), vk::PropControlId("pnlFillColor"));
    HWND fill = vkt::FindChildById(s.Handle(), vk::PropControlId("schckbxFillColor"));
    ::PostMessageW(swatch, WM_LBUTTONUP, 0, 0);
    EXPECT_FALSE(vkt::WaitForWindow(L"#32770", nullptr, 500));
    auto brush = [&] {
      vk::BrushAttrs b;
      s.OnGui([&] { b = s.Form().Pics()[0]->PicBrush; });
      return b;
    };
    s.OnGui([&] { ::SendMessageW(fill, BM_CLICK, 0, 0); });  // ticked: the swatch's white
    EXPECT_EQ(brush(), (vk::BrushAttrs{0xFFFFFF, vk::kBrushSolid}));
    s.OnGui([&] { ::SendMessageW(fill, BM_CLICK, 0, 0); });  // unticked: hollow
    EXPECT_EQ(brush().Style, vk::kBrushClear);
    s.OnGui([&] { ::SendMessageW(fill, BM_CLICK, 0, 0); });  // ticked again: filled again
    EXPECT_EQ(brush(), (vk::BrushAttrs{0xFFFFFF, vk::kBrushSolid}));
    ::PostMessageW(swatch, WM_LBUTTONUP, 0, 0);
    HWND colours = vkt::WaitForWindow(L"#32770", nullptr, 3000);
    ASSERT_TRUE(colours);
    ::PostMessageW(colours, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(colours); }));
  });
}

TEST(PropertyBar, TheLineWidthDialogShowsAtMostSixAndGivesWhatIsChosen) {
  int32_t width = 8;
  bool ok = false;
  std::thread ask([&] { ok = vk::AskLineWidth(nullptr, width); });
  HWND d = vkt::WaitForWindow(L"#32770", L"请设置线宽");
  ASSERT_TRUE(d);
  HWND edit = ::FindWindowExW(d, nullptr, L"Edit", nullptr);
  EXPECT_EQ(vkt::WindowText(edit), L"6");
  ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"3"));
  ::PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  ask.join();
  EXPECT_TRUE(ok);
  EXPECT_EQ(width, 3);
}

}  // namespace

namespace {

// Each kind drawn by mouse at 50 % is stored exactly as the same page points drawn at
// 100 %: the editor hands the figures page pixels.
TEST(Zoom, FiguresDrawnAtHalfScaleStoreThePagePointsOfTheirDrags) {
  FormSession s("zoom-draw");
  s.Run([](FormSession& s) {
    const char* kinds[] = {"SpeedButton8", "SpeedButton9", "SpeedButton10", "SpeedButton11", "SpeedButton13",
                           "SpeedButton15"};
    auto draw = [&](const char* button, int scale) {
      s.OnGui([&] { s.Form().ZoomTo(scale); });
      s.PostButton(button);
      ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() > 0; }));
      auto at = [scale](int page) { return page * scale / 100; };
      const std::string name = button;
      if (name == "SpeedButton13") {
        s.ClickSurface(at(80), at(60));
        s.ClickSurface(at(180), at(140));
        s.ClickSurface(at(180), at(140), true);
      } else if (name == "SpeedButton15") {
        s.ClickSurface(at(80), at(60));
        Type(s, L"z");
        vkt::KeyTap(VK_RETURN);
      } else {
        s.DragSurface(at(80), at(60), at(180), at(140));
      }
      s.PostButton("SpeedButtonSelect");
      ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == vk::kModeArrow; }));
    };
    for (const char* k : kinds) {
      draw(k, 100);
      draw(k, 50);
      ASSERT_EQ(s.Count() % 2, 0u) << k;
      s.OnGui([&] {
        // The two records differ only in the object's number and selection.
        auto record = [](vk::TPicBase& p) {
          const auto keep = std::pair{p.PicIndex, p.Choosed};
          std::tie(p.PicIndex, p.Choosed) = std::pair{0, false};
          vk::ByteWriter w;
          p.SaveToBuffer(w);
          std::tie(p.PicIndex, p.Choosed) = keep;
          return w.Take();
        };
        const auto& pics = s.Form().Pics();
        EXPECT_EQ(pics.back()->GetRect().Left, 80) << k;
        EXPECT_EQ(record(*pics[pics.size() - 2]), record(*pics.back())) << k;
      });
    }
  });
}

// Mouse positions are 16-bit: a page wider than 8,191 pixels cannot go to 400 %.
TEST(Zoom, ViewsOfLargePagesStayWithinMousePositions) {
  FormSession s("zoom-large", 9000, 300);
  s.Run([](FormSession& s) {
    s.OnGui([&] { s.Form().ZoomTo(400); });
    EXPECT_EQ(s.Zoom(), vk::MaxZoomFor(9000, 300));
    RECT rc{};
    s.OnGui([&] { ::GetClientRect(s.Form().SurfaceHandle(), &rc); });
    EXPECT_LE(rc.right, 32767);
  });
}

TEST(Zoom, HandlesAreFoundAndCtrlWheelKeepsThePointUnderThePointer) {
  FormSession s("zoom-view");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 300, 250); });
    s.ClickSurface(200, 175);
    ASSERT_EQ(IndexOfCurrent(s), 0);
    for (int scale : {25, 400}) {
      s.OnGui([&] { s.Form().ZoomTo(scale, {0, 0}); });
      // The corner handle is about 6 screen pixels across at every scale.
      Mouse(s, WM_MOUSEMOVE, 0, 300 * scale / 100 + 2, 250 * scale / 100 + 2);
      EXPECT_EQ(s.Mode(), vk::kModeSizeNWSE) << scale;
      Mouse(s, WM_MOUSEMOVE, 0, 300 * scale / 100 + 9, 250 * scale / 100 + 9);
      EXPECT_NE(s.Mode(), vk::kModeSizeNWSE) << scale;
      Mouse(s, WM_MOUSEMOVE, 0, 200 * scale / 100, 140 * scale / 100);
      EXPECT_EQ(s.Mode(), vk::kModeMove) << scale;
    }

    // The page point under the pointer before and after each notch, while the page is larger
    // than the view (at the edge the page does not move past its border).
    HWND box = s.ScrollBox();
    HWND surface = s.Surface();
    s.OnGui([&] { s.Form().ZoomTo(200); });
    auto pageAt = [&](POINT screen) {
      POINT p = screen;
      s.OnGui([&] { ::ScreenToClient(surface, &p); });
      return POINT{p.x * 100 / s.Zoom(), p.y * 100 / s.Zoom()};
    };
    POINT pt{250, 170};
    s.OnGui([&] { ::ClientToScreen(box, &pt); });
    for (int notch : {120, 120, -120, -120}) {
      const POINT before = pageAt(pt);
      const int32_t was = s.Zoom();
      s.OnGui([&] { ::SendMessageW(box, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, notch), MAKELPARAM(pt.x, pt.y)); });
      EXPECT_EQ(s.Zoom(), notch > 0 ? vk::NextZoomStep(was) : vk::PrevZoomStep(was));
      const POINT after = pageAt(pt);
      EXPECT_LE(std::abs(after.x - before.x), 1) << was;
      EXPECT_LE(std::abs(after.y - before.y), 1) << was;
    }

    // Fit on a page smaller than the view: enlarged, whole, centred.
    vkt::KeyTap('0', true);
    RECT client{}, shown{};
    s.OnGui([&] {
      ::GetClientRect(box, &client);
      ::GetWindowRect(surface, &shown);
      ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&shown), 2);
    });
    EXPECT_GT(s.Zoom(), 100);
    EXPECT_TRUE(shown.left >= 0 && shown.top >= 0 && shown.right <= client.right && shown.bottom <= client.bottom);
    EXPECT_TRUE(shown.left <= 4 || shown.top <= 4);  // as large as fits, to a percent
    vkt::KeyTap('1', true);
    EXPECT_EQ(s.Zoom(), 100);
  });
}

}  // namespace
