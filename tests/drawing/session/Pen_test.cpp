// The freehand pen on the session: strokes, dots, straight strokes, cancelling, and that
// what it leaves is a plain open polyline.
#include <gtest/gtest.h>

#include "SessionHarness.h"
#include "core/PageDescription.h"
#include "drawing/editor/KindOps.h"
#include "drawing/objects/FigureKinds.h"
#include "drawing/objects/PolyPic.h"

namespace {

using vkt::SessionHarness;

const vk::TPolyPic& Stroke(SessionHarness& h, size_t i) { return dynamic_cast<const vk::TPolyPic&>(h.Pic(i)); }

void ChoosePen(SessionHarness& h) {
  const vk::FigureKind* pen = vk::FigureForKey('F', true);  // Ctrl+Shift+F
  ASSERT_NE(pen, nullptr);
  h.S().ChooseTool(pen->Tag);
  EXPECT_EQ(h.S().Mode(), vk::kModePen);
}

TEST(Pen, AStrokeIsAThinnedOpenPolylineInTheLineStyleAndShowsAsItIsDrawn) {
  SessionHarness h("pen-stroke");
  h.S().SetLineWidth(2);  // no current object yet: the width waits for one
  ChoosePen(h);
  h.S().SetLineWidth(3);
  h.Press(100, 100);
  for (int x = 101; x <= 200; ++x) h.Move(x, 100);  // straight along a row: two points
  EXPECT_EQ(h.Pixel(150, 100), 0xFF0000u) << "the red stroke shows before it ends";
  for (int y = 101; y <= 150; ++y) h.Move(200, y);
  h.Release(200, 150);
  ASSERT_EQ(h.Count(), 1u);
  const vk::TPolyPic& s = Stroke(h, 0);
  EXPECT_EQ(s.PolyType, vk::PolyOpen);
  EXPECT_EQ(s.PolyPoint, (std::vector<vk::TPoint>{{100, 100}, {200, 100}, {200, 150}}));
  EXPECT_EQ(s.PicPen.Width, 6);
  EXPECT_EQ(s.PicBrush.Style, vk::kBrushClear);
  EXPECT_EQ(vk::Describe(s).What, vk::DescribedObject::Kind::OpenPolyline);
  EXPECT_EQ(h.S().Mode(), vk::kModePen) << "the pen stays chosen";
  // One step to take back.
  h.S().UndoStep(false);
  EXPECT_EQ(h.Count(), 0u);
}

TEST(Pen, AClickIsADotShiftDrawsStraightAndEscOrALostCaptureDropTheStroke) {
  SessionHarness h("pen-ways");
  ChoosePen(h);
  h.Click(300, 300);
  ASSERT_EQ(h.Count(), 1u);
  EXPECT_EQ(Stroke(h, 0).PolyPoint, (std::vector<vk::TPoint>{{300, 300}, {301, 300}}));

  h.Press(50, 50);
  h.Move(80, 90);
  h.Move(120, 60, vk::kLeftButton | vk::kShiftKey);
  h.S().Release([] {
    vk::PointerEvent e;
    e.Shift = vk::kShiftKey;
    e.Page = {150, 70};
    return e;
  }());
  ASSERT_EQ(h.Count(), 2u);
  EXPECT_EQ(Stroke(h, 1).PolyPoint, (std::vector<vk::TPoint>{{50, 50}, {150, 70}}));

  const uint32_t paper = h.Pixel(400, 420);
  h.Press(400, 400);
  h.Move(400, 440);
  h.S().Escape();
  h.Move(420, 440);
  h.Release(420, 440);
  h.Press(400, 400);
  h.Move(400, 440);
  h.S().CaptureLost();
  h.Release(400, 440);
  EXPECT_EQ(h.Count(), 2u);
  EXPECT_EQ(h.Pixel(400, 420), paper) << "a dropped stroke leaves nothing on the surface";
}

}  // namespace
