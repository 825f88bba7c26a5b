// Several objects at once: the ways of selecting them, and each command on the selection
// as one undo step.
#include <gtest/gtest.h>

#include <functional>

#include "Scene.h"
#include "SessionHarness.h"
#include "core/EditorLayout.h"
#include "drawing/editor/PicMenu.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/OpaquePic.h"

namespace {

using vkt::MakeRect;
using vkt::SessionHarness;
using Indices = std::vector<int32_t>;

// Filled rectangles 100 wide and 70 high, 150 apart, along y = 50.
void Rects(SessionHarness& h, int count) {
  for (int i = 0; i < count; ++i) h.Add(MakeRect(50 + 150 * i, 50, 150 + 150 * i, 120));
}

Indices Chosen(SessionHarness& h) {
  Indices out;
  for (size_t i = 0; i < h.Count(); ++i)
    if (h.Pic(i).Choosed) out.push_back(static_cast<int32_t>(i));
  return out;
}

void ShiftClick(SessionHarness& h, size_t i) {
  const vk::TRect r = h.Pic(i).GetRect();
  h.Press((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, vk::TMouseButton::Left, vk::kShiftKey);
  h.Release((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

size_t Steps(SessionHarness& h) { return h.S().Drawing().History().Steps(); }

TEST(Selecting, ShiftClickAddsOrTakesOutAPlainClickSelectsAloneAndNoneIsAStep) {
  SessionHarness h("shift-click");
  Rects(h, 3);
  h.Select(0);
  ShiftClick(h, 2);
  EXPECT_EQ(Chosen(h), (Indices{0, 2}));
  EXPECT_EQ(h.IndexOfCurrent(), 2);
  ShiftClick(h, 2);
  EXPECT_EQ(Chosen(h), (Indices{0}));
  EXPECT_EQ(h.IndexOfCurrent(), 0);
  ShiftClick(h, 1);
  h.Select(1);
  EXPECT_EQ(Chosen(h), (Indices{1}));
  // A pan keeps the selection; a click on empty picture clears it.
  ShiftClick(h, 2);
  h.Press(600, 400);
  h.Move(560, 380);
  h.Release(560, 380);
  EXPECT_EQ(Chosen(h), (Indices{1, 2}));
  h.Click(600, 400);
  EXPECT_EQ(Chosen(h), Indices{});
  EXPECT_EQ(h.S().Current(), nullptr);
  EXPECT_EQ(Steps(h), 0u);
}

TEST(Selecting, AShiftDragOverEmptyPictureSelectsWhatLiesWhollyInsideAndLeavesNoTrace) {
  SessionHarness h("marquee");
  Rects(h, 3);
  h.Add(std::make_unique<vk::TOpaquePic>(99));  // a kind this editor cannot make, at (0, 0)
  h.Select(2);
  // The band's lower edge, between the rectangles' handles.
  auto edgeRow = [&] {
    std::vector<uint32_t> row;
    for (int x = 156; x < 164; ++x) row.push_back(h.Pixel(x, 140));
    return row;
  };
  const std::vector<uint32_t> edge = edgeRow();
  for (bool cancel : {true, false}) {
    h.Press(0, 0, vk::TMouseButton::Left, vk::kShiftKey);
    h.Move(200, 100, vk::kLeftButton | vk::kShiftKey);
    h.Move(320, 140, vk::kLeftButton | vk::kShiftKey);
    EXPECT_NE(edgeRow(), edge) << "the band shows";
    if (cancel) h.S().Escape();
    else h.Release(320, 140);
    EXPECT_EQ(edgeRow(), edge);
    EXPECT_EQ(Chosen(h), cancel ? Indices{2} : (Indices{0, 1, 2}));
  }
  EXPECT_EQ(h.IndexOfCurrent(), 1);
}

TEST(Selecting, CtrlATabAndShiftTabLeaveADrawingModeAndPassOverKindsThisEditorCannotMake) {
  SessionHarness h("select-all");
  h.Add(MakeRect(50, 50, 150, 120));
  h.Add(std::make_unique<vk::TOpaquePic>(99));
  h.Add(MakeRect(200, 50, 300, 120));
  h.Add(MakeRect(350, 50, 450, 120));
  h.S().ChooseTool(2);
  h.S().Run(vk::CommandForKey('A', false));
  EXPECT_EQ(h.S().ToolDown(), vk::EditSession::kSelectDown);
  EXPECT_EQ(Chosen(h), (Indices{0, 2, 3}));
  const struct {
    bool back;
    int32_t index;
  } tabs[] = {{false, 0}, {false, 2}, {false, 3}, {false, 0}, {true, 3}, {true, 2}};
  h.S().ChooseTool(2);
  for (const auto& t : tabs) {
    h.S().SelectNext(t.back);
    EXPECT_EQ(h.S().ToolDown(), vk::EditSession::kSelectDown);
    EXPECT_EQ(Chosen(h), Indices{t.index});
    EXPECT_EQ(h.IndexOfCurrent(), t.index);
  }
  EXPECT_EQ(Steps(h), 0u);
}

TEST(Selecting, AHandleOfASelectedObjectResizesItAloneAndKeepsTheSelection) {
  SessionHarness h("handle");
  Rects(h, 2);
  h.Select(0);
  ShiftClick(h, 1);
  const vk::TRect other = h.Pic(1).GetRect();
  h.Move(149, 119, 0);
  h.Drag(149, 119, 169, 139);
  EXPECT_EQ(h.IndexOfCurrent(), 0);
  EXPECT_EQ(Chosen(h), (Indices{0, 1}));
  EXPECT_GT(h.Pic(0).GetRect().Right, 160);
  EXPECT_EQ(h.Pic(1).GetRect(), other);
}

TEST(Selecting, AGroupDragShowsTheOutlinesAndEscapeWipesThem) {
  SessionHarness h("group-outline");
  Rects(h, 2);
  h.Select(0);
  ShiftClick(h, 1);
  auto row = [&] {  // where the first rectangle's top edge goes, moved by (20, 10)
    std::vector<uint32_t> v;
    for (int x = 96; x < 104; ++x) v.push_back(h.Pixel(x, 60));
    return v;
  };
  const std::vector<uint32_t> before = row();
  h.Press(250, 85);
  h.Move(260, 90);
  h.Move(270, 95);
  EXPECT_NE(row(), before);
  h.S().Escape();
  EXPECT_EQ(row(), before);
  EXPECT_EQ(h.Pic(0).GetRect().Left, 50);
}

// Each command on rectangles 0 and 2 of four: the rectangles' left edges after it, what is
// selected then, the pen style of the selected ones, and the steps that undo it.
TEST(SelectionCommands, EachActsOnEverySelectedObjectAsOneStep) {
  const struct {
    const char* name;
    std::function<void(SessionHarness&)> act;
    std::vector<int32_t> lefts;
    Indices chosen;
    uint8_t style = vk::kPenSolid;
    size_t steps = 1;
  } cases[] = {
      {"drag a body", [](SessionHarness& h) { h.Drag(400, 85, 420, 95); }, {70, 200, 370, 500}, {0, 2}},
      {"Shift+drag a selected body",
       [](SessionHarness& h) {
         h.Press(400, 85, vk::TMouseButton::Left, vk::kShiftKey);
         h.Move(410, 90, vk::kLeftButton | vk::kShiftKey);
         h.Release(420, 95);
       },
       {70, 200, 370, 500}, {0, 2}},
      {"a burst of arrow keys", [](SessionHarness& h) { for (int i = 0; i < 3; ++i) h.S().MoveBy({1, 0}); },
       {53, 200, 353, 500}, {0, 2}},
      {"Delete, one question",
       [](SessionHarness& h) {
         h.Host().DeleteAnswers = {true};
         h.S().Delete();
         EXPECT_EQ(h.Host().DeleteQuestions, 1);
       },
       {200, 500}, {}},
      {"Cut, then Paste twice, each 6 on",
       [](SessionHarness& h) {
         h.S().Cut();
         h.S().Paste();
         h.S().Paste();
       },
       {200, 500, 56, 356, 62, 362}, {4, 5}, vk::kPenSolid, 3},
      {"the property bar", [](SessionHarness& h) { h.S().SetLineStyle(2); }, {50, 200, 350, 500}, {0, 2}, vk::kPenDot},
      {"Ctrl+Shift+]", [](SessionHarness& h) { h.S().Run(vk::CommandForKey(0xDD, true)); }, {200, 500, 50, 350}, {2, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SessionHarness h("commands");
    Rects(h, 4);
    h.Select(0);
    ShiftClick(h, 2);
    const vk::DrawingState before = h.S().Drawing().Snapshot();
    c.act(h);
    ASSERT_EQ(h.Count(), c.lefts.size());
    for (size_t i = 0; i < h.Count(); ++i) {
      EXPECT_EQ(h.Pic(i).GetRect().Left, c.lefts[i]) << i;
      EXPECT_EQ(h.Pic(i).PicIndex, static_cast<int32_t>(i));
      EXPECT_EQ(h.Pic(i).PicPen.Style, h.Pic(i).Choosed ? c.style : uint8_t{vk::kPenSolid}) << i;
    }
    EXPECT_EQ(Chosen(h), c.chosen);
    EXPECT_EQ(Steps(h), c.steps);
    while (h.S().Drawing().CanUndo()) h.S().UndoStep(false);
    EXPECT_EQ(h.S().Drawing().Snapshot(), before);
  }
}

TEST(SelectionCommands, OrderChangesKeepTheSelectedObjectsInTheirOwnOrder) {
  const struct {
    vk::CommandId command;
    std::vector<int> order;  // the rectangles' first positions, in the new drawing order
  } cases[] = {{vk::CommandId::BringToFront, {0, 2, 4, 1, 3}},
               {vk::CommandId::SendToBack, {1, 3, 0, 2, 4}},
               {vk::CommandId::BringForward, {0, 2, 1, 4, 3}},
               {vk::CommandId::SendBackward, {1, 0, 3, 2, 4}}};
  for (const auto& c : cases) {
    SessionHarness h("order");
    for (int i = 0; i < 5; ++i) h.Add(MakeRect(20 + 100 * i, 50, 100 + 100 * i, 120));
    h.Select(1);
    ShiftClick(h, 3);
    h.S().Run(c.command);
    for (size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(h.Pic(i).GetRect().Left, 20 + 100 * c.order[i]) << static_cast<int>(c.command) << " at " << i;
      EXPECT_EQ(h.Pic(i).PicIndex, static_cast<int32_t>(i));
    }
    EXPECT_EQ(Steps(h), 1u);
  }
}

TEST(SelectionCommands, AStyleMenuItemGoesOnlyToTheObjectsItIsOfferedFor) {
  SessionHarness h("menu");
  auto line = std::make_unique<vk::TLinePic>();
  line->LineStart = {300, 300};
  line->LineEnd = {400, 300};
  h.Add(std::move(line));
  h.Add(MakeRect(50, 50, 150, 120, false));
  h.S().SelectAll();
  const vk::BrushAttrs lineBrush = h.Pic(0).PicBrush;
  h.S().RunMenuItem(vk::PicMenuItems()[static_cast<size_t>(vk::IndexOfPicMenuItem("N8"))]);  // fill red
  EXPECT_EQ(h.Pic(1).PicBrush, (vk::BrushAttrs{0x0000FF, vk::kBrushSolid}));
  EXPECT_EQ(h.Pic(0).PicBrush, lineBrush);
  h.Select(1);
  EXPECT_EQ(vk::IndexOfPicMenuItem("Front1"), vk::IndexOfPicMenuItem("Redo1") + 1);
  h.S().RunMenuItem(vk::PicMenuItems()[static_cast<size_t>(vk::IndexOfPicMenuItem("Back1"))]);
  EXPECT_EQ(h.Pic(0).GetRect().Left, 50);
  EXPECT_EQ(Steps(h), 2u);
}

}  // namespace
