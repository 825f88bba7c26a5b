// Copy, cut, paste, delete and clear on the session, and what undo makes of them.
#include <gtest/gtest.h>

#include "Scene.h"
#include "SessionHarness.h"

namespace {

using vkt::MakeRect;
using vkt::SessionHarness;

// Three rectangles in a row, at x = 50, 150 and 250.
void AddThree(SessionHarness& h) {
  for (int x : {50, 150, 250}) h.Add(MakeRect(x, 50, x + 50, 100));
}

TEST(Clipboard, PastesStepBySixTakeTheCopiedObjectAsItIsAndSelectTheLast) {
  SessionHarness h("paste3");
  h.Add(MakeRect(100, 100, 200, 150));
  const vk::TRect first = h.Pic(0).GetRect();
  h.Select(0);
  EXPECT_TRUE(h.S().CanCopy());
  h.S().Copy();
  h.Pic(0).PicPen.Color = 0x00FF00;  // after the copy: a paste takes the object as it is now
  for (int i = 0; i < 3; ++i) h.S().Paste();
  ASSERT_EQ(h.Count(), 4u);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(h.Pic(static_cast<size_t>(i)).GetRect(), vk::Offset(first, {6 * i, 6 * i}));
    EXPECT_EQ(h.Pic(static_cast<size_t>(i)).PicPen.Color, 0x00FF00u);
  }
  EXPECT_EQ(h.S().Current(), &h.Pic(3));
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(h.Pic(i).PicIndex, static_cast<int32_t>(i));
    EXPECT_EQ(h.Pic(i).Choosed, i == 3);
  }
}

TEST(Clipboard, CopyWithADrawingToolCopiesNothing) {
  SessionHarness h("tool-copy");
  h.Add(MakeRect(100, 100, 200, 150));
  h.S().ChooseTool(2);
  h.S().Copy();
  h.S().Paste();
  EXPECT_EQ(h.Count(), 1u);
}

TEST(Clipboard, DeletingTheMiddleOfThreeKeepsOrderAndNumbersAndAskedNoMoreOnceTicked) {
  SessionHarness h("delete");
  AddThree(h);
  h.Select(1);
  h.Host().DeleteAnswers = {true};
  h.S().Delete();
  EXPECT_EQ(h.Host().DeleteQuestions, 1);
  ASSERT_EQ(h.Count(), 2u);
  EXPECT_EQ(h.Pic(0).GetRect().Left, 50);
  EXPECT_EQ(h.Pic(1).GetRect().Left, 250);
  EXPECT_EQ(h.Pic(1).PicIndex, 1);
  EXPECT_EQ(h.S().Current(), nullptr);
  EXPECT_FALSE(h.S().CanCopy());
  EXPECT_FALSE(h.S().CanPaste());
  // Ticked "do not ask again" and No: the object stays, and the next Delete asks nothing.
  h.Select(1);
  h.Host().DontAskAgain = true;
  h.S().Delete();
  EXPECT_EQ(h.Count(), 2u);
  h.S().Delete();
  EXPECT_EQ(h.Count(), 1u);
  EXPECT_EQ(h.Host().DeleteQuestions, 2);
}

TEST(Clipboard, PasteAfterTheCopiedObjectWasDeletedUsesItsOwnCopy) {
  SessionHarness h("delete-paste");
  h.Add(MakeRect(50, 50, 100, 100));
  const vk::TRect r = h.Pic(0).GetRect();
  h.Select(0);
  h.S().Copy();
  h.Host().DeleteAnswers = {true};
  h.S().Delete();
  ASSERT_EQ(h.Count(), 0u);
  EXPECT_FALSE(h.S().CanPaste());  // the button wants a current object; the command does not
  h.S().Paste();
  ASSERT_EQ(h.Count(), 1u);
  EXPECT_EQ(h.Pic(0).GetRect(), vk::Offset(r, {6, 6}));
}

TEST(Clipboard, ClearAnsweredNoKeepsEverythingAndYesEmptiesTheDrawing) {
  SessionHarness h("clear");
  AddThree(h);
  h.Select(1);
  h.S().Clear();
  EXPECT_EQ(h.Host().Asked, (std::vector<vk::Question>{vk::Question::ClearAll}));
  EXPECT_EQ(h.Count(), 3u);
  h.Host().YesNo = {true};
  h.S().Clear();
  EXPECT_EQ(h.Count(), 0u);
  EXPECT_EQ(h.S().Mode(), vk::kModeArrow);
  EXPECT_FALSE(h.S().CanCopy() || h.S().CanPaste() || h.S().CanClear());
}

TEST(Clipboard, PasteWithADrawingToolDownSwitchesToSelectOnTheCopy) {
  SessionHarness h("paste-tool");
  h.Add(MakeRect(100, 100, 200, 150));
  h.Select(0);
  h.S().Copy();
  h.S().ChooseTool(4);
  h.S().Paste();
  ASSERT_EQ(h.Count(), 2u);
  EXPECT_EQ(h.S().Mode(), vk::kModeArrow);
  EXPECT_EQ(h.S().Current(), &h.Pic(1));
  // The next drag is no ellipse and no reshaping of the copy.
  const vk::TRect copy = h.Pic(1).GetRect();
  h.Drag(400, 300, 500, 400);
  EXPECT_EQ(h.Count(), 2u);
  EXPECT_EQ(h.Pic(1).GetRect(), copy);
}

TEST(Clipboard, UndoTakesBackDeleteClearAndPasteAndLeavesTheClipboardAlone) {
  SessionHarness h("undo-clipboard");
  AddThree(h);
  const vk::DrawingState three = h.S().Drawing().Snapshot();
  const vk::TRect copied = h.Pic(1).GetRect();
  // The object on the clipboard deleted and taken back: in its place, current and
  // selected, and the clipboard still pastes its own copy.
  h.Select(1);
  h.S().Copy();
  h.Host().DeleteAnswers = {true};
  h.S().Delete();
  ASSERT_EQ(h.Count(), 2u);
  h.S().UndoStep(false);
  ASSERT_EQ(h.S().Drawing().Snapshot(), three);
  ASSERT_EQ(h.S().Current(), &h.Pic(1));
  EXPECT_TRUE(h.Pic(1).Choosed);
  // A paste made while a tool is down, taken back and made again.
  h.S().ChooseTool(4);
  h.S().Paste();
  ASSERT_EQ(h.Count(), 4u);
  EXPECT_EQ(h.Pic(3).GetRect(), vk::Offset(copied, {6, 6}));
  const vk::DrawingState pasted = h.S().Drawing().Snapshot();
  h.S().UndoStep(false);
  EXPECT_EQ(h.S().Drawing().Snapshot(), three);
  EXPECT_EQ(h.S().Mode(), vk::kModeArrow);
  h.S().UndoStep(true);
  EXPECT_EQ(h.S().Drawing().Snapshot(), pasted);
  // Clear answered Yes, taken back, made again, taken back again.
  h.Host().YesNo = {true};
  h.S().Clear();
  ASSERT_EQ(h.Count(), 0u);
  h.S().UndoStep(false);
  EXPECT_EQ(h.S().Drawing().Snapshot(), pasted);
  h.S().UndoStep(true);
  EXPECT_EQ(h.Count(), 0u);
  h.S().UndoStep(false);
  EXPECT_EQ(h.S().Drawing().Snapshot(), pasted);
  // The clipboard was never part of it: it still holds (its own copy of) the last pasted
  // object, which the Clear took away.
  h.S().Paste();
  ASSERT_EQ(h.Count(), 5u);
  EXPECT_EQ(h.Pic(4).GetRect(), vk::Offset(copied, {12, 12}));
}

}  // namespace
