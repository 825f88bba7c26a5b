// The redraw that rebuilds only what changed must show exactly what a full rebuild shows,
// for every kind of object and each kind's own handles.
#include <gtest/gtest.h>

#include "GuiDriver.h"
#include "PageHost.h"
#include "Scene.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/editor/RenderTracker.h"
#include "drawing/objects/ArccPic.h"
#include "drawing/objects/CurvePic.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/RectPic.h"
#include "drawing/objects/RounPic.h"
#include "drawing/objects/TextPic.h"

namespace {

std::vector<uint32_t> Pixels(const vk::win::Dib& d) {
  ::GdiFlush();
  std::vector<uint32_t> p(d.Bits(), d.Bits() + static_cast<size_t>(d.Width()) * static_cast<size_t>(d.Height()));
  for (uint32_t& v : p) v &= 0x00FFFFFFu;
  return p;
}

size_t Differences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  if (a.size() != b.size()) return static_cast<size_t>(-1);
  size_t n = 0;
  for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
  return n;
}

// The bounding box of the pixels that differ; empty when none does.
vk::TRect Changed(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int32_t width) {
  vk::TRect r;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i] != b[i]) {
      const int32_t x = static_cast<int32_t>(i % static_cast<size_t>(width)), y = static_cast<int32_t>(i / static_cast<size_t>(width));
      r = vk::Union(r, {x, y, x + 1, y + 1});
    }
  return r;
}

// At every scale: the pictures are those of a full rebuild, and the part of the screen
// asked to repaint covers every view pixel that shows a changed page pixel.
class Redraw : public ::testing::TestWithParam<int32_t> {};

TEST_P(Redraw, OnlyWhatChangedIsRebuiltAndTheResultIsPixelIdentical) {
  const int32_t zoom = GetParam();
  const std::string dir = vkt::FreshFolder("redraw" + std::to_string(zoom));
  std::string err;
  ASSERT_TRUE(pagehost::WritePagePicture(dir, 1, 900, 700, err)) << err;
  vk::EditorArgs args;
  args.ImageWidth = 1000;
  args.ImageHeight = 720;
  args.PageFile = pagehost::PagePicturePath(dir, 1);
  vkt::GuiThread gui;
  vk::TFreePicF form(args);
  std::unique_ptr<vkt::SentMouseOnly> sentMouseOnly;

  std::vector<std::string> failures;
  vkt::Driver driver([&] {
    if (!vkt::WaitForWindow(L"TFreePicF", L"Draw Graphics")) {
      failures.push_back("no window");
      return;
    }
    HWND surface = nullptr;
    auto check = [&](const char* step) {
      gui.Run([&] {
        // What the user sees now, and what a redraw that rebuilds only the changes gives.
        const auto shown = Pixels(form.ImagePicture());
        form.RedrawAll(false, true);
        const auto fastImage = Pixels(form.ImagePicture());
        const auto fastWork = Pixels(form.WorkBitmap());
        form.SetFullRebuild(true);
        form.RedrawAll(false, true);
        form.SetFullRebuild(false);
        const auto full = Pixels(form.ImagePicture());
        const size_t ds = Differences(shown, full);
        const size_t di = Differences(fastImage, full);
        const size_t dw = Differences(fastWork, Pixels(form.WorkBitmap()));
        if (ds || di || dw)
          failures.push_back(std::string(step) + ": " + std::to_string(ds) + " shown, " + std::to_string(di) +
                             " surface and " + std::to_string(dw) + " work pixels differ");
      });
    };
    // Points are given in page pixels and sent where the view shows them.
    // What each message changes on the surface's picture, the screen is asked to repaint
    // where the view shows it.
    auto mouse = [&](UINT msg, WPARAM keys, int x, int y) {
      const vk::TRect v = vk::PageRectToView({x, y, x + 1, y + 1}, zoom);
      gui.Run([&] {
        const auto before = Pixels(form.ImagePicture());
        ::ValidateRect(surface, nullptr);
        ::SendMessageW(surface, msg, keys, MAKELPARAM(v.Left, v.Top));
        RECT client{}, asked{};
        ::GetClientRect(form.ScrollBoxHandle(), &client);
        ::MapWindowPoints(form.ScrollBoxHandle(), surface, reinterpret_cast<POINT*>(&client), 2);
        ::GetUpdateRect(surface, &asked, FALSE);
        const vk::TRect changed = Changed(before, Pixels(form.ImagePicture()), form.ImagePicture().Width());
        const vk::TRect need = vk::Intersect(vk::PageRectToView(changed, zoom), vk::win::FromRECT(client));
        if (!need.IsEmpty() && vk::Intersect(need, vk::win::FromRECT(asked)) != need)
          failures.push_back("message " + std::to_string(msg) + " at " + std::to_string(x) + "," + std::to_string(y) +
                             ": the screen is not asked to show every change");
      });
    };
    gui.Run([&] {
      surface = form.SurfaceHandle();
      sentMouseOnly = std::make_unique<vkt::SentMouseOnly>(surface);
      form.ZoomTo(zoom);
      for (auto& p : vkt::MakeScene(120, 900, 700)) form.AppendPic(std::move(p));
      form.RedrawAll(false, true);
    });
    check("first drawing");
    // Select an object by its body: a click on a rectangle's outline (object 1).
    vk::TRect r;
    gui.Run([&] { r = form.Pics()[1]->GetRect(); });
    const int bx = r.Left + 1, by = (r.Top + r.Bottom) / 2;
    mouse(WM_LBUTTONDOWN, MK_LBUTTON, bx, by);
    check("selected");
    for (int i = 1; i <= 5; ++i) mouse(WM_MOUSEMOVE, MK_LBUTTON, bx + 9 * i, by + 7 * i);
    mouse(WM_LBUTTONUP, 0, bx + 45, by + 35);
    check("moved by the mouse");
    gui.Run([&] {
      for (int i = 0; i < 3; ++i) {
        ::SendMessageW(form.Handle(), WM_NULL, 0, 0);
        form.Current()->MoveBy(*std::make_unique<vk::win::Canvas>(form.ImagePicture().Dc()), {-1, 0});
        form.RedrawAll(false, true);
      }
    });
    check("moved by one pixel");
    // A resize by the bottom-right handle, then a click on empty paper in arrow mode.
    vk::TRect r2;
    gui.Run([&] { r2 = form.Pics()[1]->GetRect(); });
    mouse(WM_LBUTTONDOWN, MK_LBUTTON, r2.Right - 2, r2.Bottom - 2);
    for (int i = 1; i <= 4; ++i) mouse(WM_MOUSEMOVE, MK_LBUTTON, r2.Right - 2 + 6 * i, r2.Bottom - 2 + 4 * i);
    mouse(WM_LBUTTONUP, 0, r2.Right + 22, r2.Bottom + 14);
    check("resized");
    // Each kind's own handle, on an object selected by a click on its body: a rounded
    // rectangle's corner, an arc's start, a polyline's vertex, a curve's control point.
    struct Grab {
      size_t index;
      POINT body, handle;
    };
    std::vector<Grab> grabs;
    gui.Run([&] {
      const auto& pics = form.Pics();
      const auto& round = dynamic_cast<const vk::TRounPic&>(*pics[2]);
      const auto& arc = dynamic_cast<const vk::TArccPic&>(*pics[4]);
      const auto& poly = dynamic_cast<const vk::TPolyPic&>(*pics[5]);
      const auto& curve = dynamic_cast<const vk::TCurvePic&>(*pics[6]);
      const vk::TRect rr = round.ShapeRect, cr = curve.GetRect();
      grabs = {{2, {(rr.Left + rr.Right) / 2, rr.Top + 1}, {rr.Left + round.CornerSize.X, rr.Top}},
               {4, {arc.ShapeRect.Left + 1, (arc.ShapeRect.Top + arc.ShapeRect.Bottom) / 2},
                {arc.StartPoint.X, arc.StartPoint.Y}},
               {5, {(poly.PolyPoint[0].X + poly.PolyPoint[1].X) / 2, (poly.PolyPoint[0].Y + poly.PolyPoint[1].Y) / 2},
                {poly.PolyPoint[1].X, poly.PolyPoint[1].Y}},
               {6, {(cr.Left + cr.Right) / 2, (cr.Top + cr.Bottom) / 2}, {curve.CurvePoints[1].X, curve.CurvePoints[1].Y}}};
    });
    for (const Grab& g : grabs) {
      mouse(WM_LBUTTONDOWN, MK_LBUTTON, g.body.x, g.body.y);
      mouse(WM_LBUTTONUP, 0, g.body.x, g.body.y);
      bool hit = false;
      gui.Run([&] { hit = form.Current() == form.Pics()[g.index].get(); });
      if (!hit) failures.push_back("no body hit on " + std::to_string(g.index));
      auto record = [&] {
        vk::ByteWriter w;
        gui.Run([&] { form.Pics()[g.index]->SaveToBuffer(w); });
        return w.Take();
      };
      const std::vector<uint8_t> before = record();
      mouse(WM_LBUTTONDOWN, MK_LBUTTON, g.handle.x, g.handle.y);
      for (int i = 1; i <= 4; ++i) mouse(WM_MOUSEMOVE, MK_LBUTTON, g.handle.x + 5 * i, g.handle.y + 3 * i);
      mouse(WM_LBUTTONUP, 0, g.handle.x + 20, g.handle.y + 12);
      if (record() == before) failures.push_back("the handle drag changed nothing on " + std::to_string(g.index));
      check(("handle of object " + std::to_string(g.index)).c_str());
    }
    gui.Run([&] {
      auto extra = vkt::MakeScene(3, 300, 200);
      form.AppendPic(std::move(extra[1]));
      form.RedrawAll(true, true);
    });
    check("added and deselected");
    // Texts with effects: added, selected by the body, moved, restyled.
    gui.Run([&] {
      for (auto& t : vkt::MakeTexts(6, 900, 700)) form.AppendPic(std::move(t));
      form.RedrawAll(false, true);
    });
    check("texts added");
    vk::TRect t;
    gui.Run([&] { t = form.Pics().back()->GetRect(); });
    const int tx = (t.Left + t.Right) / 2, ty = (t.Top + t.Bottom) / 2;
    mouse(WM_LBUTTONDOWN, MK_LBUTTON, tx, ty);
    check("text selected");
    for (int i = 1; i <= 4; ++i) mouse(WM_MOUSEMOVE, MK_LBUTTON, tx - 11 * i, ty + 5 * i);
    mouse(WM_LBUTTONUP, 0, tx - 44, ty + 20);
    check("text moved");
    gui.Run([&] {
      auto& text = dynamic_cast<vk::TTextPic&>(*form.Pics().back());
      text.Hollow = 0;
      text.PicBrush.SetColor(0x00FFFF);
      form.RedrawAll(false, true);
    });
    check("text restyled");
    gui.Run([&] { ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0); });
    vkt::AnswerDialog(L"Quillora Studio", IDNO);
  });
  form.ShowModal();
  driver.Join();
  sentMouseOnly.reset();
  for (const std::string& f : failures) ADD_FAILURE() << f;
}

// At 100 % the view is the page: the session's test covers that scale.
INSTANTIATE_TEST_SUITE_P(Scales, Redraw, ::testing::Values(33, 400));

}  // namespace

namespace {

// Stored values at the int32 limits: the figure still covers the page, so it is redrawn
// when it appears, changes and goes.
TEST(RedrawTracker, FiguresAtTheCoordinateLimitsAreTracked) {
  vk::RenderTracker tracker;
  vk::RenderTracker::List list;
  auto rect = std::make_unique<vk::TRectPic>();
  rect->ShapeRect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  rect->PicPen.Width = INT32_MIN;
  vk::TPicBase* pic = rect.get();
  list.push_back(std::move(rect));
  const vk::TRect page{0, 0, 100, 100};
  vk::PicDocument::RedrawChanges changes;
  changes.Changed = {pic};
  EXPECT_EQ(vk::Intersect(tracker.Update(changes, list), page), page);
  pic->PicPen.Width = INT32_MAX;
  EXPECT_EQ(vk::Intersect(tracker.Update(changes, list), page), page);
  list.clear();
  changes = {false, {pic}, {}};
  EXPECT_EQ(vk::Intersect(tracker.Update(changes, list), page), page);
}

// The area to redraw is what the drawing reports: a moved object's old and new extents,
// the extent of one that went, and after a zoom step each selected object's.
TEST(RedrawTracker, TheAreaIsTheExtentsOfWhatTheDrawingReports) {
  vk::win::Dib dib(700, 500);
  vk::win::Canvas canvas(dib);
  vk::PicDocument doc;
  doc.AppendPics(vkt::MakeScene(20, 700, 500));
  vk::RenderTracker tracker;
  tracker.Update(doc.TakeRedrawChanges(), doc.PicList);
  vk::TPicBase& moved = *doc.PicList[7];
  const vk::TRect before = tracker.VisualExtent(moved);
  moved.MoveBy(canvas, {40, 30});
  doc.Touch(&moved);
  EXPECT_EQ(tracker.Update(doc.TakeRedrawChanges(), doc.PicList), vk::Union(before, tracker.VisualExtent(moved)));
  EXPECT_TRUE(tracker.Update(doc.TakeRedrawChanges(), doc.PicList).IsEmpty());
  doc.Select(&moved);
  tracker.Update(doc.TakeRedrawChanges(), doc.PicList);
  const vk::TRect small = tracker.VisualExtent(moved);
  tracker.SetHandleHalf(vk::HandleHalfSize * 3);
  EXPECT_EQ(tracker.Update({}, doc.PicList), vk::Union(small, tracker.VisualExtent(moved)));
  const vk::TRect large = tracker.VisualExtent(moved);
  doc.RemovePicAt(7);
  EXPECT_EQ(tracker.Update(doc.TakeRedrawChanges(), doc.PicList), large);
}

}  // namespace
