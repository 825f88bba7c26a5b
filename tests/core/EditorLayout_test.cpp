#include "core/EditorLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(EditorLayout, ToolbarTableHasEveryButtonInPlace) {
  const auto b = vk::ToolButtons();
  ASSERT_EQ(b.size(), 24u);
  const vk::ToolButtonDef& line = b[static_cast<size_t>(vk::IndexOfToolButton("SpeedButton8"))];
  EXPECT_STREQ(line.Caption, "Line");
  EXPECT_EQ(line.Tag, 1);
  EXPECT_EQ(line.Group, 1);
  EXPECT_EQ(line.Left, 198);
  EXPECT_EQ(line.Height(), 40);
  const vk::ToolButtonDef& round = b[static_cast<size_t>(vk::IndexOfToolButton("SpeedButton10"))];
  EXPECT_EQ(round.Width, 72);
  const vk::ToolButtonDef& text = b[static_cast<size_t>(vk::IndexOfToolButton("SpeedButton15"))];
  EXPECT_FALSE(text.Visible);
  EXPECT_EQ(text.Height(), 34);
  EXPECT_EQ(text.Tag, 11);
  EXPECT_STREQ(text.Caption, "文字");
  // Copy, Paste, Delete, Clear, Apply and Cut start disabled; everything else enabled.
  std::set<std::string> disabled;
  for (const auto& d : b)
    if (!d.EnabledAtStart) disabled.insert(d.Name);
  EXPECT_EQ(disabled, (std::set<std::string>{"SpeedButton4", "SpeedButton6", "SpeedButton7", "SpeedButton20",
                                             "SpeedButtonApply", "SpeedButton5"}));
  // Visible buttons sit left to right without overlapping.
  int right = 0;
  for (const auto& d : b) {
    if (!d.Visible) continue;
    EXPECT_GE(d.Left, right) << d.Name;
    right = d.Left + d.Width;
  }
  EXPECT_EQ(vk::IndexOfToolButton("SpeedButton99"), -1);
}

TEST(EditorLayout, CommandKeysReachHiddenButtonsAndTooltipsNameTheVisibleOnes) {
  std::set<std::pair<char, bool>> seen;
  for (const vk::CommandKey& k : vk::CommandKeys()) {
    EXPECT_TRUE(seen.insert({k.Key, k.Shift}).second) << k.Key;
    // C and V are the form's own keys (V whatever Shift does).
    EXPECT_NE(k.Key, 'C');
    EXPECT_NE(k.Key, 'V');
    const vk::ToolButtonDef* b = vk::ButtonOf(k.Command);
    ASSERT_NE(b, nullptr) << k.Key;
    EXPECT_FALSE(b->Visible) << b->Name;
    EXPECT_EQ(vk::CommandForKey(static_cast<unsigned>(k.Key), k.Shift), k.Command);
  }
  EXPECT_EQ(vk::CommandForKey('S', false), vk::CommandId::SavePicture);
  EXPECT_EQ(vk::CommandForKey('S', true), vk::CommandId::None);  // the sector's, in the figure table
  // Every button runs a command, and only tool buttons choose a tool.
  for (const auto& d : vk::ToolButtons()) {
    EXPECT_NE(d.Command, vk::CommandId::None) << d.Name;
    EXPECT_EQ(d.Command == vk::CommandId::ChooseTool, d.Group == 1 && d.Tag > 0) << d.Name;
  }

  std::set<std::string> tips;
  for (const auto& d : vk::ToolButtons())
    if (d.Visible && *vk::ToolTipText(d)) tips.insert(vk::ToolTipText(d));
  EXPECT_EQ(tips, (std::set<std::string>{"Copy (Ctrl+C)", "Paste (Ctrl+V)", "Delete (Del)", "Line", "Rect",
                                         "RoundRect", "Round", "Polyline", "Pen (Ctrl+Shift+F)"}));
}

TEST(EditorLayout, BarsStackAtTheTopAndTheDrawingAreaTakesTheRest) {
  const vk::EditorLayout l = vk::LayoutForClient(969, 619);
  EXPECT_EQ(l.Toolbar, (vk::TRect{0, 0, 969, 46}));
  EXPECT_EQ(l.PropertyBar, (vk::TRect{0, 46, 969, 93}));
  EXPECT_EQ(l.ScrollBox, (vk::TRect{0, 93, 969, 619}));
  const vk::EditorLayout tiny = vk::LayoutForClient(50, 60);
  EXPECT_EQ(tiny.PropertyBar.Bottom, 60);
  EXPECT_TRUE(tiny.ScrollBox.IsEmpty());
}

TEST(EditorLayout, SmallPagesAreCentredLargeOnesFollowTheScrollBar) {
  EXPECT_EQ(vk::SurfaceOffset(800, 600, 0), 100);
  EXPECT_EQ(vk::SurfaceOffset(801, 600, 0), 100);  // 100.5 rounds to even
  EXPECT_EQ(vk::SurfaceOffset(803, 600, 0), 102);  // 101.5 rounds to even
  EXPECT_EQ(vk::SurfaceOffset(800, 800, 0), 0);
  EXPECT_EQ(vk::SurfaceOffset(800, 2480, 300), -300);
  EXPECT_EQ(vk::MaxScroll(800, 2480), 1680);
  EXPECT_EQ(vk::MaxScroll(800, 600), 0);
}

TEST(EditorLayout, PropertyBarControlsSitWhereTheFormPutsThem) {
  const auto p = vk::PropControls();
  const vk::PropControlDef& swatch = p[static_cast<size_t>(vk::IndexOfPropControl("pnlFillColor"))];
  EXPECT_EQ(swatch.Left, 315);
  EXPECT_EQ(swatch.Width, 50);
  const vk::PropControlDef& go = p[static_cast<size_t>(vk::IndexOfPropControl("btn1"))];
  EXPECT_STREQ(go.Text, "Goto");
  EXPECT_EQ(go.Left + go.Width, 570);
}

}  // namespace
