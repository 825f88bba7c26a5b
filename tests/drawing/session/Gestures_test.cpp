// Gestures on the session: which object a press finds, hover cursors, panning, double
// clicks, cancelled gestures and what a gesture leaves to take back.
#include <gtest/gtest.h>

#include "Scene.h"
#include "SessionHarness.h"
#include "drawing/objects/PolyPic.h"

namespace {

using vkt::SessionHarness;

TEST(Gestures, TheLaterOfOverlappingObjectsIsHitButTheCurrentOneKeepsWinning) {
  SessionHarness h("overlap");
  h.Add(vkt::MakeRect(100, 100, 300, 250));
  h.Add(vkt::MakeRect(200, 150, 400, 300));
  h.Click(250, 200);  // in both
  EXPECT_EQ(h.IndexOfCurrent(), 1);
  h.Click(120, 120);  // only in the first
  EXPECT_EQ(h.IndexOfCurrent(), 0);
  h.Click(250, 200);
  EXPECT_EQ(h.IndexOfCurrent(), 0);
}

TEST(Gestures, HoverCursorsFollowTheHitCodeOnceAPressHasCome) {
  SessionHarness h("hover");
  h.Add(vkt::MakeRect(100, 100, 300, 250));
  // Before any press, hovering over empty picture changes nothing.
  h.Move(200, 180, 0);
  EXPECT_EQ(h.S().Mode(), vk::kModeArrow);
  h.Click(200, 180);
  const vk::TRect r = h.Pic(0).GetRect();
  const struct {
    int x, y;
    int32_t mode;
  } cases[] = {{200, 180, vk::kModeMove},
               {r.Right - 1, r.Bottom - 1, vk::kModeSizeNWSE},
               {(r.Left + r.Right) / 2, r.Top, vk::kModeSizeNS},
               {r.Right - 1, r.Top, vk::kModeSizeNESW},
               {r.Left, (r.Top + r.Bottom) / 2, vk::kModeSizeWE},
               {600, 450, vk::kModeArrow}};
  for (const auto& c : cases) {
    h.Move(c.x, c.y, 0);
    EXPECT_EQ(h.S().Mode(), c.mode) << c.x << "," << c.y;
    EXPECT_EQ(h.Host().Cursor, c.mode) << "the window is told of each change";
  }
}

TEST(Gestures, DraggingEmptyPaperPansTheOtherWay) {
  SessionHarness h("pan", 2000, 2000);
  h.Host().Scroll = {10, 20};
  h.Press(500, 400);
  // The surface moves with the scroll; the drawing area's pixels do not.
  vk::PointerEvent e;
  e.Shift = vk::kLeftButton;
  e.Page = {460, 380};
  e.Box = {450, 370};
  h.S().Move(e);
  h.Release(460, 380);
  EXPECT_EQ(h.Host().Scroll.x, 60);
  EXPECT_EQ(h.Host().Scroll.y, 50);
  EXPECT_FALSE(h.Host().Captured);
}

TEST(Gestures, ADoubleClickEndsAPolylineAndTheTool) {
  SessionHarness h("dblclick");
  // On a line tool it only ends the tool.
  h.S().ChooseTool(1);
  h.Click(100, 100);
  h.S().DoubleClick({});
  EXPECT_EQ(h.S().Mode(), vk::kModeArrow);
  EXPECT_EQ(h.Count(), 0u);
  // A polyline is finished at its last point.
  h.S().ChooseTool(8);
  for (vk::TPoint p : {vk::TPoint{300, 50}, vk::TPoint{400, 80}, vk::TPoint{350, 150}}) {
    h.Move(p.X, p.Y, 0);
    h.Click(p.X, p.Y);
  }
  h.S().DoubleClick({});
  EXPECT_EQ(h.S().Mode(), vk::kModeArrow);
  EXPECT_EQ(h.S().ToolDown(), vk::EditSession::kSelectDown);
  ASSERT_EQ(h.Count(), 1u);
  EXPECT_EQ(dynamic_cast<const vk::TPolyPic&>(h.Pic(0)).PolyPoint,
            (std::vector<vk::TPoint>{{300, 50}, {400, 80}, {350, 150}}));
  // One left half made by choosing Select starts afresh with its tool.
  h.S().ChooseTool(8);
  h.Click(500, 50);
  h.S().SelectTool();
  h.S().ChooseTool(8);
  h.Click(500, 100);
  h.Click(600, 100);
  h.Click(600, 100, vk::TMouseButton::Right);
  ASSERT_EQ(h.Count(), 2u);
  EXPECT_EQ(dynamic_cast<const vk::TPolyPic&>(h.Pic(1)).PolyPoint, (std::vector<vk::TPoint>{{500, 100}, {600, 100}}));
}

TEST(Gestures, EscAndALostCaptureEndAGestureForGood) {
  SessionHarness h("cancel");
  h.S().ChooseTool(2);
  h.Press(50, 50);
  h.Move(150, 120);
  h.S().Escape();
  h.Move(200, 200);
  h.Release(200, 200);
  EXPECT_EQ(h.Count(), 0u);
  EXPECT_FALSE(h.Host().Captured);

  // A drag of a selected object that loses the mouse moves nothing.
  h.Add(vkt::MakeRect(300, 100, 400, 150));
  h.S().SelectTool();
  const vk::TRect before = h.Pic(0).GetRect();
  h.Press(350, 120);
  h.Move(351, 121);
  h.Move(370, 140);
  h.S().CaptureLost();
  h.Move(420, 200);
  h.Release(420, 200);
  EXPECT_EQ(h.Pic(0).GetRect(), before);
}

TEST(Gestures, CtrlZInAGestureOnlyEndsItAndDragsAndArrowBurstsAreOneStepEach) {
  SessionHarness h("undo-gesture");
  h.Add(vkt::MakeRect(300, 100, 400, 150));
  const vk::TRect start = h.Pic(0).GetRect();
  // Ctrl+Z in a drag ends the drag; the drag and Esc add nothing to take back.
  h.Press(350, 120);
  h.Move(351, 121);
  h.Move(370, 140);
  h.S().UndoStep(false);
  h.Move(420, 200);
  h.Release(420, 200);
  EXPECT_EQ(h.Pic(0).GetRect(), start);
  EXPECT_FALSE(h.S().Drawing().CanUndo());
  h.Press(350, 120);
  h.Move(370, 140);
  h.S().Escape();
  h.Release(370, 140);
  EXPECT_FALSE(h.S().Drawing().CanUndo());
  // A drag of many moves, then three arrow presses: two steps.
  h.Press(350, 120);
  for (int i = 1; i <= 20; ++i) h.Move(350 + i, 120 + i);
  h.Release(370, 140);
  const vk::TRect dragged = vk::Offset(start, {20, 20});
  ASSERT_EQ(h.Pic(0).GetRect(), dragged);
  for (int i = 0; i < 3; ++i) h.S().MoveBy({1, 0});
  ASSERT_EQ(h.Pic(0).GetRect(), vk::Offset(dragged, {3, 0}));
  h.S().UndoStep(false);
  EXPECT_EQ(h.Pic(0).GetRect(), dragged);
  h.S().UndoStep(false);
  EXPECT_EQ(h.Pic(0).GetRect(), start);
  EXPECT_FALSE(h.S().Drawing().CanUndo());
  // A polygon being built is dropped by Ctrl+Z, and only that.
  h.S().ChooseTool(9);
  h.Click(50, 300);
  h.Click(150, 320);
  ASSERT_TRUE(h.S().Current()->UnderConstruction());
  h.S().UndoStep(false);
  EXPECT_FALSE(h.S().Current()->UnderConstruction());
  EXPECT_EQ(h.Count(), 1u);
  EXPECT_EQ(h.Pic(0).GetRect(), start);
}

TEST(Gestures, AHandleOfTheFigureJustDrawnResizesThatFigure) {
  SessionHarness h("fresh-handle");
  h.S().ChooseTool(2);
  h.Drag(100, 100, 300, 200);
  ASSERT_EQ(h.Count(), 1u);
  h.S().SelectTool();
  const vk::TRect r = h.Pic(0).GetRect();
  h.Press(r.Right - 1, r.Bottom - 1);
  h.Move(r.Right, r.Bottom);
  h.Move(r.Right + 50, r.Bottom + 30);
  h.Release(r.Right + 50, r.Bottom + 30);
  EXPECT_EQ(h.IndexOfCurrent(), 0);
  const vk::TRect after = h.Pic(0).GetRect();
  EXPECT_EQ(after.TopLeft(), r.TopLeft());
  EXPECT_GT(after.Right, r.Right + 40);
  EXPECT_GT(after.Bottom, r.Bottom + 20);
}

}  // namespace
