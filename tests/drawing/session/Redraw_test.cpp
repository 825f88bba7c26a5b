// The redraw that rebuilds only what changed shows exactly what a full rebuild shows, for
// every kind of object and each kind's own handles, and the window is told of every change.
#include <gtest/gtest.h>

#include <functional>

#include "Scene.h"
#include "SessionHarness.h"
#include "drawing/objects/ArccPic.h"
#include "drawing/objects/CurvePic.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/RounPic.h"
#include "drawing/objects/TextPic.h"
#include "core/ViewZoom.h"
#include "drawing/editor/RenderTracker.h"

namespace {

using vkt::SessionHarness;

std::vector<uint32_t> Pixels(const vk::win::Dib& d) {
  ::GdiFlush();
  std::vector<uint32_t> p(d.Bits(), d.Bits() + static_cast<size_t>(d.Width()) * static_cast<size_t>(d.Height()));
  for (uint32_t& v : p) v &= 0x00FFFFFFu;
  return p;
}

// The bounding box of the pixels that differ; empty when none does.
vk::TRect Changed(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int32_t width) {
  vk::TRect r;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) {
      const int32_t x = static_cast<int32_t>(i % static_cast<size_t>(width)), y = static_cast<int32_t>(i / static_cast<size_t>(width));
      r = vk::Union(r, {x, y, x + 1, y + 1});
    }
  return r;
}

struct Checker {
  SessionHarness& h;
  // What the window shows, and a redraw that rebuilds only the changes, equal a full rebuild.
  void Same(const std::string& step) {
    const auto shown = Pixels(h.S().Overlay());
    h.S().RedrawAll(false, true);
    const auto fastImage = Pixels(h.S().Overlay()), fastWork = Pixels(h.S().Work());
    h.S().SetFullRebuild(true);
    h.S().RedrawAll(false, true);
    h.S().SetFullRebuild(false);
    const auto full = Pixels(h.S().Overlay());
    EXPECT_EQ(shown, full) << step;
    EXPECT_EQ(fastImage, full) << step;
    EXPECT_EQ(fastWork, Pixels(h.S().Work())) << step;
  }
  // A mouse event; every pixel it changes on the surface's picture, the window is told to show.
  void Mouse(const std::function<void()>& event) {
    const auto before = Pixels(h.S().Overlay());
    h.Host().Shown = {};
    event();
    h.S().TakeTaint();  // as the window does after each message
    const vk::TRect changed = Changed(before, Pixels(h.S().Overlay()), h.S().Overlay().Width());
    EXPECT_EQ(vk::Intersect(changed, h.Host().Shown), changed);
  }
  void Drag(int x, int y, int dx, int dy, int steps) {
    Mouse([&] { h.Press(x, y); });
    for (int i = 1; i <= steps; ++i) Mouse([&] { h.Move(x + dx * i, y + dy * i); });
    Mouse([&] { h.Release(x + dx * steps, y + dy * steps); });
  }
};

// At 100 %; the form's test takes the other scales, with their handle sizes.
TEST(Redraw, OnlyWhatChangedIsRebuiltAndTheResultIsPixelIdentical) {
  SessionHarness h("redraw", 900, 700);
  Checker c{h};
  for (auto& p : vkt::MakeScene(60, 900, 700)) h.S().AppendPic(std::move(p));
  h.S().RedrawAll(false, true);
  c.Same("first drawing");
  // Select an object by its body (a click on a rectangle's outline), move it by mouse and keys.
  const vk::TRect r = h.Pic(1).GetRect();
  c.Drag(r.Left + 1, (r.Top + r.Bottom) / 2, 9, 7, 5);
  c.Same("moved by the mouse");
  for (int i = 0; i < 3; ++i) h.S().MoveBy({-1, 0});
  c.Same("moved by one pixel");
  const vk::TRect r2 = h.Pic(1).GetRect();
  c.Drag(r2.Right - 2, r2.Bottom - 2, 6, 4, 4);  // the bottom-right handle
  c.Same("resized");
  // Each kind's own handle, on an object selected by a click on its body: a rounded
  // rectangle's corner, an arc's start, a polyline's vertex, a curve's control point.
  const auto& round = dynamic_cast<const vk::TRounPic&>(h.Pic(2));
  const auto& arc = dynamic_cast<const vk::TArccPic&>(h.Pic(4));
  const auto& poly = dynamic_cast<const vk::TPolyPic&>(h.Pic(5));
  const auto& curve = dynamic_cast<const vk::TCurvePic&>(h.Pic(6));
  const vk::TRect rr = round.ShapeRect, cr = curve.GetRect();
  const struct {
    size_t index;
    vk::TPoint body, handle;
  } grabs[] = {{2, {(rr.Left + rr.Right) / 2, rr.Top + 1}, {rr.Left + round.CornerSize.X, rr.Top}},
               {4, {arc.ShapeRect.Left + 1, (arc.ShapeRect.Top + arc.ShapeRect.Bottom) / 2}, {arc.StartPoint.X, arc.StartPoint.Y}},
               {5, {(poly.PolyPoint[0].X + poly.PolyPoint[1].X) / 2, (poly.PolyPoint[0].Y + poly.PolyPoint[1].Y) / 2}, poly.PolyPoint[1]},
               {6, {(cr.Left + cr.Right) / 2, (cr.Top + cr.Bottom) / 2}, {curve.CurvePoints[1].X, curve.CurvePoints[1].Y}}};
  for (const auto& g : grabs) {
    c.Mouse([&] { h.Click(g.body.X, g.body.Y); });
    EXPECT_EQ(h.S().Current(), &h.Pic(g.index)) << "no body hit on " << g.index;
    const vk::DrawingState before = h.S().Drawing().Snapshot();
    c.Drag(g.handle.X, g.handle.Y, 5, 3, 4);
    EXPECT_NE(h.S().Drawing().Snapshot(), before) << "the handle drag changed nothing on " << g.index;
    c.Same("handle of object " + std::to_string(g.index));
  }
  auto extra = vkt::MakeScene(3, 300, 200);
  h.S().AppendPic(std::move(extra[1]));
  h.S().RedrawAll(true, true);
  c.Same("added and deselected");
  // Texts with effects: added, selected by the body, moved, restyled.
  for (auto& t : vkt::MakeTexts(6, 900, 700)) h.S().AppendPic(std::move(t));
  h.S().RedrawAll(false, true);
  c.Same("texts added");
  const vk::TRect t = h.S().Pics().back()->GetRect();
  c.Drag((t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2, -11, 5, 4);
  c.Same("text moved");
  auto& text = dynamic_cast<vk::TTextPic&>(*h.S().Pics().back());
  text.Hollow = 0;
  text.PicBrush.SetColor(0x00FFFF);
  h.S().RedrawAll(false, true);
  c.Same("text restyled");
}

// On a crowded page the objects are found through the page's grid: the hit is what a walk
// over every object gives (the current object first, then the topmost down), at any
// handle size; and the redraw of what changed still equals a full rebuild.
TEST(Redraw, ACrowdedPageHitsInOrderAndRedrawsExactly) {
  SessionHarness h("crowded", 320, 220);
  Checker c{h};
  for (auto& p : vkt::MakeScene(120, 300, 200)) h.S().AppendPic(std::move(p));
  h.S().AppendPic(vkt::MakeRect(-40, -40, 400, 300, false));  // wider than the grid keeps in cells
  // A rectangle just inside a cell, whose large handles reach into the next one.
  h.S().AppendPic(vkt::MakeRect(70, 70, 120, 100, true));
  vk::TPicBase& probe = h.Pic(h.Count() - 1);
  h.S().RedrawAll(false, true);
  vk::win::Dib scratch(1, 1);
  vk::win::Canvas canvas(scratch.Dc());
  auto walk = [&](vk::TPoint p) -> std::pair<uint8_t, int32_t> {
    vk::TPicBase* cur = h.S().Current();
    if (cur && cur->PicIndex != -1)
      if (const uint8_t code = cur->HitTest(canvas, p)) return {code, cur->PicIndex};
    for (size_t i = h.Count(); i-- > 0;)
      if (const uint8_t code = h.Pic(i).HitTest(canvas, p)) return {code, h.Pic(i).PicIndex};
    return {0, -1};
  };
  auto sameHits = [&](const std::string& step) {
    std::vector<vk::TPoint> points;
    // Every cell's corners and middles, a little off the grid's lines (the cells are 64 px).
    for (int y = -3; y < 225; y += 16)
      for (int x = -3; x < 325; x += 16) points.push_back({x, y});
    // The outer corners of the probe's handles.
    const int32_t hh = canvas.HandleHalf();
    for (const int32_t x : {70, 95, 120})
      for (const int32_t y : {70, 85, 100}) points.insert(points.end(), {{x - hh, y - hh}, {x + hh - 1, y + hh - 1}});
    int wrong = 0;
    for (const vk::TPoint p : points) {
      int32_t index = -1;
      const uint8_t code = h.S().FindPicAt(p, index);
      const auto expected = walk(p);
      if (code != expected.first || (code != 0 && index != expected.second)) ++wrong;
    }
    EXPECT_EQ(wrong, 0) << step;
  };
  sameHits("crowded");
  c.Same("crowded");
  h.Select(1);  // a filled rectangle, or what lies on it, which now shows its handles
  const vk::TPicBase* chosen = h.S().Current();
  ASSERT_NE(chosen, nullptr);
  sameHits("one selected");
  for (int i = 0; i < 6; ++i) h.S().MoveBy({13, 9});
  c.Same("moved across cells");
  sameHits("moved across cells");
  for (const int32_t zoom : {25, 400}) {
    h.S().SetHandleHalf(vk::HandleHalfAt(zoom));
    canvas.SetHandleHalf(vk::HandleHalfAt(zoom));
    h.S().Drawing().Select(&probe);
    h.S().RedrawAll(false, true);
    sameHits("handles at " + std::to_string(zoom) + " %");
    c.Same("handles at " + std::to_string(zoom) + " %");
  }
  h.S().UndoStep(false);
  c.Same("undone");
  sameHits("undone");
  h.S().Cut();
  c.Same("cut");
  sameHits("cut");
}

// Changes far apart are rebuilt each on its own; areas that meet, even through a third
// one, become one; past the limit everything is one area.
TEST(Redraw, AreasJoinOnlyWhereTheyMeet) {
  std::vector<vk::TRect> a;
  vk::RenderTracker::AddArea(a, {0, 0, 10, 10});
  vk::RenderTracker::AddArea(a, {100, 0, 110, 10});
  EXPECT_EQ(a.size(), 2u);
  vk::RenderTracker::AddArea(a, {5, 5, 105, 6});  // meets both
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0], (vk::TRect{0, 0, 110, 10}));
  for (int i = 0; i < static_cast<int>(vk::RenderTracker::kMaxAreas); ++i)
    vk::RenderTracker::AddArea(a, {0, 20 + 20 * i, 5, 30 + 20 * i});
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0], (vk::TRect{0, 0, 110, 30 + 20 * (static_cast<int>(vk::RenderTracker::kMaxAreas) - 1)}));
}

}  // namespace
