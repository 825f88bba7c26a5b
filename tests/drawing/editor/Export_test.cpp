// The editor through its real export, as a host calls it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "EditorSession.h"
#include "GuiDriver.h"
#include "PageHost.h"

namespace {

using vkt::EditorWindow;
using vkt::ExportTexts;

std::string MakePage(const std::string& dir, int page, int w, int h) {
  std::string err;
  EXPECT_TRUE(pagehost::WritePagePicture(dir, page, w, h, err)) << err;
  return pagehost::PagePicturePath(dir, page);
}

RECT ChildRectIn(HWND child, HWND parent) {
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(Export, TextsThatAreNotNumbersGiveTheDefaultsAndNullsDoNotCrash) {
  const std::string dir = vkt::FreshFolder("defaults");
  const std::string page = MakePage(dir, 2, 120, 90);
  const char* w = "wide";
  const char* h = "";
  const char* p = page.c_str();
  const char* none = nullptr;
  const char* const* const args[9] = {&w, &h, &p, &none, nullptr, &w, nullptr, &none, nullptr};
  const vkt::SeenWindow seen = vkt::ShowAndClose(args);
  ASSERT_TRUE(seen.Appeared);
  // The system's minimum width for a captioned window may be above 100.
  EXPECT_EQ(seen.Rect.right - seen.Rect.left, std::max(100, ::GetSystemMetrics(SM_CXMINTRACK)));
  EXPECT_EQ(seen.Rect.bottom - seen.Rect.top, 100);
  EXPECT_EQ(seen.Caption, L"Draw Graphics");

  const char* const* const empty[9] = {};
  EXPECT_TRUE(vkt::ShowAndClose(empty).Appeared);  // no page at all: an error, then a white page
}

TEST(Export, SizePageNumberAndCentringOfASmallPage) {
  const std::string dir = vkt::FreshFolder("small");
  ExportTexts t;
  t.Width = "900";
  t.Height = "700";
  t.PageFile = MakePage(dir, 7, 301, 200);
  t.Pages = "12";
  ASSERT_TRUE(vkt::RunEditorSession(t, [](EditorWindow& w) {
    RECT r{};
    ::GetWindowRect(w.Form, &r);
    EXPECT_EQ(r.right - r.left, 900);
    EXPECT_EQ(r.bottom - r.top, 700);
    EXPECT_EQ(vkt::WindowText(w.Control("edtPage")), L"7");
    RECT box{};
    ::GetClientRect(w.ScrollBox, &box);
    const RECT img = ChildRectIn(w.Surface, w.ScrollBox);
    EXPECT_EQ(img.right - img.left, 301);
    EXPECT_EQ(img.bottom - img.top, 200);
    const double cx = (box.right - 301) / 2.0, cy = (box.bottom - 200) / 2.0;
    EXPECT_NEAR(img.left, cx, 0.5);
    EXPECT_NEAR(img.top, cy, 0.5);
    // Resizing the window centres the page again.
    ::SetWindowPos(w.Form, nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    vkt::WaitInputTaken();
    ::GetClientRect(w.ScrollBox, &box);
    const RECT img2 = ChildRectIn(w.Surface, w.ScrollBox);
    EXPECT_NEAR(img2.left, (box.right - 301) / 2.0, 0.5);
    // With nothing drawn, Exit closes at once.
    w.Press("SpeedButtonExit");
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(w.Form); }, 3000));
    EXPECT_FALSE(vkt::DialogShowing(L"Quillora Studio"));
  }));
}

TEST(Export, LargePageStartsAtTheGivenScrollPosition) {
  const std::string dir = vkt::FreshFolder("large");
  ExportTexts t;
  t.PageFile = MakePage(dir, 3, 1240, 1754);
  t.ScrollX = "100";
  t.ScrollY = "250";
  ASSERT_TRUE(vkt::RunEditorSession(t, [](EditorWindow& w) {
    const RECT img = ChildRectIn(w.Surface, w.ScrollBox);
    EXPECT_EQ(img.left, -100);
    EXPECT_EQ(img.top, -250);
    EXPECT_EQ(::GetScrollPos(w.ScrollBox, SB_HORZ), 100);
    EXPECT_EQ(::GetScrollPos(w.ScrollBox, SB_VERT), 250);
  }));
}

TEST(Export, ExitWithADrawingAsksAndNoLeavesEveryFileUntouched) {
  const std::string dir = vkt::FreshFolder("exit-no");
  ExportTexts t;
  t.PageFile = MakePage(dir, 7, 600, 400);
  const std::vector<uint8_t> before = vkt::FileBytes(t.PageFile);
  ASSERT_TRUE(vkt::RunEditorSession(t, [](EditorWindow& w) {
    w.Press("SpeedButton8");
    vkt::Drag(w.Page(40, 40), w.Page(220, 130));
    // Apply is enabled by the once-a-second check.
    EXPECT_TRUE(vkt::WaitFor([&] { return ::IsWindowEnabled(w.Control("SpeedButtonApply")) != FALSE; }, 3000));
    w.Press("SpeedButtonExit");
    std::wstring text;
    EXPECT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDNO, 5000, &text));
    EXPECT_EQ(text, L"Do you want to save changes?");
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(w.Form); }, 3000));
  }));
  EXPECT_EQ(vkt::Listing(dir), std::vector<std::string>{"Page7.bmp"});
  EXPECT_EQ(vkt::FileBytes(t.PageFile), before);
}

TEST(Export, ApplyWritesThePageFilesAndTheDescriptionNamedByThePageNumber) {
  const std::string dir = vkt::FreshFolder("apply");
  ExportTexts t;
  t.PageFile = MakePage(dir, 7, 600, 400);
  const std::vector<uint8_t> before = vkt::FileBytes(t.PageFile);
  ASSERT_TRUE(vkt::RunEditorSession(t, [](EditorWindow& w) {
    EXPECT_FALSE(::IsWindowEnabled(w.Control("SpeedButtonApply")));
    w.Press("SpeedButton9");
    vkt::Drag(w.Page(50, 60), w.Page(250, 200));
    ASSERT_TRUE(vkt::WaitFor([&] { return ::IsWindowEnabled(w.Control("SpeedButtonApply")) != FALSE; }, 3000));
    w.Press("SpeedButtonApply");
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(w.Form); }, 3000));
    EXPECT_FALSE(vkt::DialogShowing(L"Quillora Studio"));
  }));
  EXPECT_EQ(vkt::Listing(dir), (std::vector<std::string>{"7.ini", "Page7.bmp", "Page7.fdf"}));
  EXPECT_EQ(vkt::FileBytes(t.PageFile), before);  // the page goes back without the drawing
  const std::vector<uint8_t> fdf = vkt::FileBytes(dir + "Page7.fdf");
  ASSERT_EQ(fdf.size(), 64u + 5 + 70);
  EXPECT_EQ(fdf[60], 1);
  EXPECT_EQ(fdf[64], 2);  // a rectangle
}

}  // namespace
