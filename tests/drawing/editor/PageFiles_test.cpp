// What the window does with pages and failures: the page box, a command's failure
// reported, a close while a page is awaited, pictures that cannot be shown. The page files
// themselves are the session's (tests/drawing/session/Pages_test.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "EditorSession.h"
#include "FormSession.h"
#include "drawing/editor/EditorIds.h"
#include "drawing/editor/TestFailPoint.h"

namespace {

using vkt::FormSession;

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void GoTo(FormSession& s, int page) {
  HWND box = vkt::FindChildById(s.Handle(), vk::PropControlId("edtPage"));
  ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(page).c_str()));
  ::PostMessageW(vkt::FindChildById(s.Handle(), vk::PropControlId("btn1")), BM_CLICK, 0, 0);
}

TEST(PageFiles, ThePageBoxIsHeldToThePagesThatExist) {
  FormSession s("page-box");
  s.Run([](FormSession& s) {
    HWND box = vkt::FindChildById(s.Handle(), vk::PropControlId("edtPage"));
    s.Add([] { return vkt::MakeRect(10, 10, 40, 40); });
    s.ClickSurface(25, 25);
    vkt::KeyTap(VK_RIGHT);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.RectOf(0).Left == 11; }));
    GoTo(s, 0);  // the first page is this page: nothing happens
    ASSERT_TRUE(vkt::WaitFor([&] { return vkt::WindowText(box) == L"1"; }));
    vkt::WaitInputTaken();  // the click has been handled whole
    EXPECT_NE(s.Mode(), vk::kModeWait);
    GoTo(s, 99);  // nine pages: the last one is asked for
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == vk::kModeWait; }));
    EXPECT_EQ(vkt::WindowText(box), L"9");
    // The drawing waits with the page: undo too.
    vkt::KeyTap('Z', true);
    EXPECT_EQ(s.RectOf(0).Left, 11);
  });
}

TEST(PageFiles, AFailureInsideAStepIsReportedAndTheDrawingStays) {
  FormSession s("fail-step");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 200, 150); });
    s.ClickSurface(150, 120);
    s.PostButton("SpeedButton4");  // Copy
    s.OnGui([] { vk::ArmFailPoint("paste"); });
    s.PostButton("SpeedButton6");  // Paste runs out of memory
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"not enough memory"), std::wstring::npos) << text;
    EXPECT_EQ(s.Count(), 1u);
    s.OnGui([] { vk::ArmFailPoint(nullptr); });
  });
}

TEST(PageFiles, ClosingTheWindowWhileWaitingForAPageEndsTheWaitCleanly) {
  FormSession s("close-waiting");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(5, 5, 50, 50); });
    GoTo(s, 5);  // no host answers: the page never comes
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == vk::kModeWait; }));
    EXPECT_FALSE(::IsWindowEnabled(s.Surface()));
    ::PostMessageW(s.Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDNO));
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(s.Handle()); }));
  });
  EXPECT_TRUE(std::filesystem::exists(s.Folder() + "Page1.fdf"));  // saved by the Goto
}

TEST(PageFiles, APagePictureThatCannotBeReadIsNamedAndAWhitePageShown) {
  const std::string dir = vkt::FreshFolder("unreadable");
  WriteFile(dir + "Page4.bmp", {'B', 'M', 1, 2, 3});
  vkt::ExportTexts t;
  t.Width = "640";
  t.Height = "480";
  t.PageFile = dir + "Page4.bmp";
  std::wstring text;
  ASSERT_TRUE(vkt::RunEditorSession(t, [&](vkt::EditorWindow& w) {
    // The message comes while the window shows; afterwards the editor works on.
    EXPECT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    RECT r{};
    ::GetWindowRect(w.Surface, &r);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);
    EXPECT_TRUE(::IsWindowEnabled(w.Form));
  }));
  EXPECT_NE(text.find(L"Page4.bmp"), std::wstring::npos) << text;
}

TEST(PageFiles, APagePictureThatCannotBeShownAtFirstEndsTheEditorWithAMessage) {
  FormSession s("first-show");
  vk::ArmFailPoint("second-page-bitmap");  // the window is not up yet
  s.Run([](FormSession& s) {
    std::wstring text;
    EXPECT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"700 x 500"), std::wstring::npos) << text;
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(s.Handle()); }));
  });
  vk::ArmFailPoint(nullptr);
}

}  // namespace
