// Copy, paste, delete and clear as the user gives them: keys and toolbar buttons.
#include <gtest/gtest.h>

#include "FormSession.h"
#include "drawing/objects/PicFactory.h"

namespace {

using vkt::FormSession;

constexpr int kCheckBoxOfDeleteDialog = 102;

void Select(FormSession& s, size_t index) {
  const vk::TRect r = s.RectOf(index);
  s.ClickSurface((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

bool CountBecomes(FormSession& s, size_t n) { return vkt::WaitFor([&] { return s.Count() == n; }, 3000); }

// The drawing as records with their own numbering and selection left out.
vk::DrawingState Records(FormSession& s) {
  vk::DrawingState r;
  s.OnGui([&] {
    for (const auto& p : s.Form().Pics()) r.push_back(vk::StoredEntry(*p, p->PicIndex));
  });
  return r;
}

bool RecordsBecome(FormSession& s, const vk::DrawingState& want) {
  return vkt::WaitFor([&] { return Records(s) == want; }, 3000);
}

TEST(Clipboard, CopyThenPasteThreeTimesStepsBySixAndSelectsTheLast) {
  FormSession s("paste3");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 200, 150); });
    const vk::TRect first = s.RectOf(0);
    Select(s, 0);
    EXPECT_TRUE(s.ButtonEnabled("SpeedButton4"));
    vkt::KeyTap('C', true);
    for (int i = 1; i <= 3; ++i) {
      vkt::KeyTap('V', true);
      ASSERT_TRUE(CountBecomes(s, static_cast<size_t>(i) + 1));
    }
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(s.RectOf(static_cast<size_t>(i)), vk::Offset(first, {6 * i, 6 * i}));
    s.OnGui([&] {
      const auto& pics = s.Form().Pics();
      EXPECT_EQ(s.Form().Current(), pics[3].get());
      for (size_t i = 0; i < pics.size(); ++i) {
        EXPECT_EQ(pics[i]->PicIndex, static_cast<int32_t>(i));
        EXPECT_EQ(pics[i]->Choosed, i == 3);
      }
    });
  });
}

TEST(Clipboard, PasteTakesTheCopiedObjectAsItIsWhenPasting) {
  FormSession s("paste-colour");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 200, 150); });
    Select(s, 0);
    vkt::KeyTap('C', true);
    s.OnGui([&] { s.Form().Current()->PicPen.Color = 0x00FF00; });
    vkt::KeyTap('V', true);
    ASSERT_TRUE(CountBecomes(s, 2));
    s.OnGui([&] { EXPECT_EQ(s.Form().Pics()[1]->PicPen.Color, 0x00FF00u); });
  });
}

TEST(Clipboard, CtrlCWithADrawingToolCopiesNothing) {
  FormSession s("tool-copy");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 200, 150); });
    s.PostButton("SpeedButton9");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == 2; }));
    vkt::KeyTap('C', true);
    vkt::KeyTap('V', true);
    EXPECT_EQ(s.Count(), 1u);
  });
}

TEST(Clipboard, DeletingTheMiddleOfThreeKeepsOrderAndNumbers) {
  FormSession s("delete-middle");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(50, 50, 100, 100); });
    s.Add([] { return vkt::MakeRect(150, 50, 200, 100); });
    s.Add([] { return vkt::MakeRect(250, 50, 300, 100); });
    Select(s, 1);
    vkt::KeyTap(VK_DELETE);
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDYES, 5000, &text));
    EXPECT_EQ(text, L"Are you sure you want to delete the graphic?");
    ASSERT_TRUE(CountBecomes(s, 2));
    EXPECT_EQ(s.RectOf(0).Left, 50);
    EXPECT_EQ(s.RectOf(1).Left, 250);
    s.OnGui([&] {
      EXPECT_EQ(s.Form().Pics()[0]->PicIndex, 0);
      EXPECT_EQ(s.Form().Pics()[1]->PicIndex, 1);
      EXPECT_EQ(s.Form().Current(), nullptr);
    });
    EXPECT_FALSE(s.ButtonEnabled("SpeedButton7"));
    EXPECT_FALSE(s.ButtonEnabled("SpeedButton6"));
  });
}

TEST(Clipboard, DeleteQuestionTickedThenNoKeepsTheObjectAndAsksNoMore) {
  FormSession s("delete-tick");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(50, 50, 100, 100); });
    Select(s, 0);
    vkt::KeyTap(VK_DELETE);
    HWND dlg = vkt::WaitForWindow(L"#32770", L"Quillora Studio");
    ASSERT_TRUE(dlg);
    ::SendMessageW(::GetDlgItem(dlg, kCheckBoxOfDeleteDialog), BM_CLICK, 0, 0);
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDNO));
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

TEST(Clipboard, PasteAfterTheCopiedObjectWasDeletedUsesItsOwnCopy) {
  FormSession s("delete-paste");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(50, 50, 100, 100); });
    const vk::TRect r = s.RectOf(0);
    Select(s, 0);
    vkt::KeyTap('C', true);
    vkt::KeyTap(VK_DELETE);
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDYES));
    ASSERT_TRUE(CountBecomes(s, 0));
    // Paste needs a current object to be offered by the button, but the key works.
    vkt::KeyTap('V', true);
    ASSERT_TRUE(CountBecomes(s, 1));
    EXPECT_EQ(s.RectOf(0), vk::Offset(r, {6, 6}));
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

TEST(Clipboard, PasteWithADrawingToolDownSwitchesToSelectOnTheCopy) {
  FormSession s("paste-tool");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 200, 150); });
    Select(s, 0);
    vkt::KeyTap('C', true);
    s.PostButton("SpeedButton11");  // ellipse tool
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == 4; }));
    vkt::KeyTap('V', true);
    ASSERT_TRUE(CountBecomes(s, 2));
    EXPECT_EQ(s.Mode(), vk::kModeArrow);
    s.OnGui([&] { EXPECT_EQ(s.Form().Current(), s.Form().Pics()[1].get()); });
    // The next drag is no ellipse and no reshaping of the copy.
    const vk::TRect copy = s.RectOf(1);
    s.DragSurface(400, 300, 500, 400);
    EXPECT_EQ(s.Count(), 2u);
    EXPECT_EQ(s.RectOf(1), copy);
  });
}

TEST(Clipboard, UndoTakesBackDeleteClearAndPasteAndLeavesTheClipboardAlone) {
  FormSession s("undo-clipboard");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(50, 50, 100, 100); });
    s.Add([] { return vkt::MakeRect(150, 50, 200, 100); });
    s.Add([] { return vkt::MakeRect(250, 50, 300, 100); });
    const vk::DrawingState three = Records(s);
    const vk::TRect copied = s.RectOf(1);
    // Delete the object on the clipboard, take the Delete back: the object is back in its
    // place, current and selected, and the clipboard still pastes its own copy.
    Select(s, 1);
    vkt::KeyTap('C', true);
    vkt::KeyTap(VK_DELETE);
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDYES));
    ASSERT_TRUE(CountBecomes(s, 2));
    vkt::KeyTap('Z', true);
    ASSERT_TRUE(RecordsBecome(s, three));
    s.OnGui([&] {
      ASSERT_EQ(s.Form().Current(), s.Form().Pics()[1].get());
      EXPECT_TRUE(s.Form().Current()->Choosed);
    });
    // A paste made while a tool is down, taken back and made again.
    s.PostButton("SpeedButton11");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == 4; }));
    vkt::KeyTap('V', true);
    ASSERT_TRUE(CountBecomes(s, 4));
    EXPECT_EQ(s.RectOf(3), vk::Offset(copied, {6, 6}));
    const vk::DrawingState pasted = Records(s);
    vkt::KeyTap('Z', true);
    ASSERT_TRUE(RecordsBecome(s, three));
    EXPECT_EQ(s.Mode(), vk::kModeArrow);
    vkt::KeyTap('Y', true);
    ASSERT_TRUE(RecordsBecome(s, pasted));
    // Clear answered Yes, taken back, made again with Ctrl+Shift+Z, taken back again.
    s.PostButton("SpeedButton20");
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDYES));
    ASSERT_TRUE(CountBecomes(s, 0));
    vkt::KeyTap('Z', true);
    ASSERT_TRUE(RecordsBecome(s, pasted));
    vkt::KeyTap('Z', true, true);
    ASSERT_TRUE(CountBecomes(s, 0));
    vkt::KeyTap('Z', true);
    ASSERT_TRUE(RecordsBecome(s, pasted));
    // The clipboard was never part of it: it still holds (its own copy of) the last
    // pasted object, which the Clear took away.
    vkt::KeyTap('V', true);
    ASSERT_TRUE(CountBecomes(s, 5));
    EXPECT_EQ(s.RectOf(4), vk::Offset(copied, {12, 12}));
  });
}

}  // namespace
