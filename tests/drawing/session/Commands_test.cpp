// The commands as a whole: the property bar's styles, a command that fails half-way, the
// commands that wait with an awaited page, and the figure table behind the tool buttons.
#include <gtest/gtest.h>

#include <new>
#include <set>

#include "Scene.h"
#include "SessionHarness.h"
#include "core/EditorLayout.h"
#include "drawing/editor/TestFailPoint.h"
#include "drawing/objects/FigureKinds.h"

namespace {

using vkt::MakeRect;
using vkt::SessionHarness;

TEST(Styles, AChosenToolTakesTheLineAndFillOfThePropertyBar) {
  SessionHarness h("tool-style");
  h.S().SetLineWidth(3);  // width step 3, solid: pen width 6
  h.S().ChooseTool(1);
  h.Drag(50, 50, 250, 120);
  ASSERT_EQ(h.Count(), 1u);
  EXPECT_EQ(h.Pic(0).PicPen.Width, 6);
  h.S().SetLineStyle(2);  // dotted: width 1 whatever the step
  h.S().SetFill(true);
  h.S().ChooseTool(2);
  h.Drag(300, 200, 450, 330);
  ASSERT_EQ(h.Count(), 2u);
  const vk::TPicBase& r = h.Pic(1);
  EXPECT_EQ(r.PicPen.Width, 1);
  EXPECT_EQ(r.PicPen.Style, vk::kPenDot);
  EXPECT_EQ(r.PicBrush, (vk::BrushAttrs{0xFFFFFF, vk::kBrushSolid}));
}

TEST(Styles, ThePropertyBarRestylesTheSelectedObjectOneStepAtATime) {
  SessionHarness h("property-bar");
  h.Add(MakeRect(100, 100, 300, 250));
  h.Select(0);
  auto pen = [&] { return h.Pic(0).PicPen.Width; };  // an undo replaces the object
  h.S().SetLineWidth(7);
  EXPECT_EQ(pen(), 14);
  EXPECT_TRUE(h.S().SetLineStyle(2));  // dotted: the width goes back to 1
  EXPECT_EQ(h.S().Style().LineWidth, 1);
  EXPECT_EQ(pen(), 1);
  h.S().SetLineStyle(0);
  EXPECT_EQ(pen(), 2);
  h.S().UndoStep(false);
  EXPECT_EQ(pen(), 1);
  h.S().UndoStep(false);
  EXPECT_EQ(pen(), 14);
  // The fill colour is asked for only while "Fill with color" is ticked.
  h.Host().Colors = {0x00FFFF};
  h.S().PickFillColor();
  EXPECT_EQ(h.Host().Colors.size(), 1u);
  const vk::BrushAttrs white{0xFFFFFF, vk::kBrushSolid};  // the swatch's
  for (bool on : {true, false, true}) {
    EXPECT_TRUE(h.S().SetFill(on));
    EXPECT_EQ(h.Pic(0).PicBrush.Style, on ? vk::kBrushSolid : vk::kBrushClear);
  }
  EXPECT_EQ(h.Pic(0).PicBrush, white);
  h.S().PickFillColor();
  EXPECT_EQ(h.Pic(0).PicBrush, (vk::BrushAttrs{0x00FFFF, vk::kBrushSolid}));
}

// Half a command is no command: the drawing and its history are as before, and the
// failure reaches the caller, which tells the user.
TEST(Commands, ACommandThatThrowsHalfWayLeavesTheDrawingAndItsHistoryAsBefore) {
  SessionHarness h("throws");
  h.Add(MakeRect(100, 100, 200, 150));
  const vk::TRect start = h.Pic(0).GetRect();
  h.Select(0);
  h.S().MoveBy({1, 0});  // the step to take back next
  h.S().Copy();
  const vk::DrawingState before = h.S().Drawing().Snapshot();
  vk::ArmFailPoint("paste");  // before anything changes
  EXPECT_THROW(h.S().Paste(), std::bad_alloc);
  EXPECT_EQ(h.S().Drawing().Snapshot(), before);
  h.S().ChooseTool(2);
  h.Press(300, 300);
  h.Move(400, 380);
  vk::ArmFailPoint("draw-end");  // after the figure is in the list
  EXPECT_THROW(h.Release(400, 380), std::bad_alloc);
  EXPECT_EQ(h.S().Drawing().Snapshot(), before);
  EXPECT_TRUE(h.S().Drawing().CanUndo());
  EXPECT_FALSE(h.S().Drawing().CanRedo());
  h.S().UndoStep(false);  // takes back the move, not a figure
  EXPECT_EQ(h.Count(), 1u);
  EXPECT_EQ(h.Pic(0).GetRect(), start);
  EXPECT_FALSE(h.S().Drawing().CanUndo());
}

TEST(Commands, WhileAPageIsAwaitedOnlyCopyAndViewRun) {
  SessionHarness h("awaited");
  h.Add(MakeRect(100, 100, 200, 150));
  h.Select(0);
  h.S().MoveBy({1, 0});
  h.S().Goto(5);  // the host never answers
  ASSERT_TRUE(h.S().WaitingForPage());
  EXPECT_EQ(h.Host().PageMessages, (std::vector<int32_t>{5}));
  EXPECT_EQ(h.S().Mode(), vk::kModeWait);
  const vk::DrawingState before = h.S().Drawing().Snapshot();
  EXPECT_FALSE(h.S().CanPaste());
  h.S().Copy();
  EXPECT_TRUE(h.S().CanPaste());
  h.Host().DeleteAnswers = {true};
  h.Host().YesNo = {true};
  h.Host().Colors = {0x00FF00, 0x00FF00};
  h.S().Paste();
  h.S().Delete();
  h.S().Cut();
  h.S().MoveBy({5, 5});
  h.S().SetLineWidth(5);
  h.S().SetLineStyle(2);
  h.S().SetFill(true);
  h.S().PickLineColor();
  h.S().PickFillColor();
  h.S().UndoStep(false);
  h.S().Clear();
  EXPECT_EQ(h.S().Drawing().Snapshot(), before);
  EXPECT_EQ(h.Host().DeleteQuestions, 0);
  h.S().ViewPicture();
  EXPECT_EQ(h.Host().Pictures, 1);
}

TEST(Commands, EveryToolButtonHasItsRowInTheFigureTableAndEveryRowItsButton) {
  std::set<std::pair<int32_t, std::string>> buttons, rows;
  for (const vk::ToolButtonDef& b : vk::ToolButtons())
    if (b.Command == vk::CommandId::ChooseTool) buttons.insert({b.Tag, b.Name});
  for (const vk::FigureKind& f : vk::FigureKinds()) rows.insert({f.Tag, f.Button});
  EXPECT_EQ(buttons, rows);
  EXPECT_EQ(rows.size(), vk::FigureKinds().size());
}

}  // namespace
