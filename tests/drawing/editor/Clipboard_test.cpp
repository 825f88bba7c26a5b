// The questions of Delete and Clear in their own windows, and the buttons they leave.
// What the commands do is the session's (tests/drawing/session/Clipboard_test.cpp).
#include <gtest/gtest.h>

#include "FormSession.h"

namespace {

using vkt::FormSession;

constexpr int kCheckBoxOfDeleteDialog = 102;

void Select(FormSession& s, size_t index) {
  const vk::TRect r = s.RectOf(index);
  s.ClickSurface((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

bool CountBecomes(FormSession& s, size_t n) { return vkt::WaitFor([&] { return s.Count() == n; }, 3000); }

TEST(Clipboard, DeleteQuestionTickedThenNoKeepsTheObjectAndAsksNoMore) {
  FormSession s("delete-tick");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(50, 50, 100, 100); });
    Select(s, 0);
    vkt::KeyTap(VK_DELETE);
    HWND dlg = vkt::WaitForWindow(L"#32770", L"Quillora Studio");
    ASSERT_TRUE(dlg);
    ::SendMessageW(::GetDlgItem(dlg, kCheckBoxOfDeleteDialog), BM_CLICK, 0, 0);
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDNO, 5000, &text));
    EXPECT_EQ(text, L"Are you sure you want to delete the graphic?");
    EXPECT_EQ(s.Count(), 1u);
    vkt::KeyTap(VK_DELETE);
    ASSERT_TRUE(CountBecomes(s, 0));
    EXPECT_FALSE(vkt::DialogShowing(L"Quillora Studio"));
  });
}

TEST(Clipboard, ClosingTheDeleteQuestionFromItsTitleBarKeepsTheObject) {
  FormSession s("delete-close");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(50, 50, 100, 100); });
    Select(s, 0);
    vkt::KeyTap(VK_DELETE);
    HWND dlg = vkt::WaitForWindow(L"#32770", L"Quillora Studio");
    ASSERT_TRUE(dlg);
    ::PostMessageW(dlg, WM_CLOSE, 0, 0);
    ASSERT_TRUE(vkt::WaitFor([&] { return !::IsWindow(dlg); }));  // the question has returned
    EXPECT_EQ(s.Count(), 1u);
  });
}

TEST(Clipboard, ClearAnsweredNoKeepsEverythingAndYesEmptiesTheDrawing) {
  FormSession s("clear");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(50, 50, 100, 100); });
    s.Add([] { return vkt::MakeRect(150, 50, 200, 100); });
    Select(s, 1);
    ASSERT_TRUE(s.ButtonEnabled("SpeedButton20"));
    s.PostButton("SpeedButton20");
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDNO, 5000, &text));
    EXPECT_EQ(text, L"Are you sure you want to clear all the graphics?");
    EXPECT_EQ(s.Count(), 2u);
    s.PostButton("SpeedButton20");
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDYES));
    ASSERT_TRUE(CountBecomes(s, 0));
    EXPECT_EQ(s.Mode(), vk::kModeArrow);
    for (const char* b : {"SpeedButton4", "SpeedButton6", "SpeedButton7", "SpeedButton20"})
      EXPECT_FALSE(s.ButtonEnabled(b)) << b;
  });
}

}  // namespace
