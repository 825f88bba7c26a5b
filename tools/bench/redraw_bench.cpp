// Press-to-screen time of the editor on an A4 page at 300 dpi with 0 to 100,000 objects,
// with the redraw that rebuilds only what changed and with a full rebuild from the page
// file, whether the two make the same pixels, and the time to handle one mouse move during
// a drag; the same with texts among the objects, and on A4 at 600 dpi with its memory; one
// mouse move while a vertex of a polyline of 5,000 vertices is dragged; the time to render
// one text with all its effects, afresh and from what it keeps; one undo or redo to the
// screen, checked against a full rebuild, and what the undo history holds; press-to-screen
// at the fit scale and at 400 %, one zoom step and the memory the process holds at each
// scale; the bookkeeping (undo step and area to redraw) of one move among 100,000 objects;
// a pen stroke's mouse moves and how a circular stroke is thinned; several objects at once
// (SelectionBench.cpp; --selection runs only those). Prints medians in milliseconds.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "BenchArgs.h"
#include "BenchClock.h"
#include "GuiDriver.h"
#include "PageHost.h"
#include "Scene.h"
#include "SelectionBench.h"
#include "core/BmpCodec.h"
#include "core/StrokeSimplify.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/editor/RenderTracker.h"
#include "drawing/objects/FigureKinds.h"
#include "drawing/objects/PicFactory.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/TextInk.h"
#include "drawing/session/PenTool.h"

namespace {

using bench::BenchArgs;
using bench::Median;
using bench::Now;

struct Result {
  double pressFast, pressFull, moveFast;
  int32_t zoom;
  double zoomStep;     // one step in or out, painted
  size_t memoryBytes;  // the process's private bytes after the presses
  bool identical;      // after the presses, the pictures are what a full rebuild makes
};

size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  return ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof pmc) ? pmc.PagefileUsage : 0;
}

// Whether the work bitmap and the surface's picture are what a full rebuild makes.
bool SameAsFullRebuild(vk::TFreePicF& form) {
  auto pixels = [](const vk::win::Dib& d) {
    ::GdiFlush();
    std::vector<uint32_t> v(d.Bits(), d.Bits() + static_cast<size_t>(d.Width()) * static_cast<size_t>(d.Height()));
    for (uint32_t& px : v) px &= 0x00FFFFFFu;
    return v;
  };
  const std::vector<uint32_t> work = pixels(form.WorkBitmap()), shown = pixels(form.ImagePicture());
  form.SetFullRebuild(true);
  form.RedrawAll(false, true);
  form.SetFullRebuild(false);
  return pixels(form.WorkBitmap()) == work && pixels(form.ImagePicture()) == shown;
}

// objects in all, the last `texts` of them texts with effects; presses go to the texts then.
// zoom: the view's scale, 0 for the fit; 100 keeps the view as it opens.
Result Measure(int objects, int texts, const std::string& pageFile, int32_t zoom = 100) {
  vkt::GuiThread gui;
  vk::TFreePicF form(BenchArgs(pageFile));
  Result res{};
  std::thread driver([&] {
    vkt::WaitForWindow(L"TFreePicF", L"Draw Graphics");
    HWND surface = form.SurfaceHandle();
    gui.Run([&] {
      for (auto& p : vkt::MakeScene(objects - texts, 900, 600)) form.AppendPic(std::move(p));
      for (auto& p : vkt::MakeTexts(texts, 2400, 3400)) form.AppendPic(std::move(p));
      form.RedrawAll(false, true);
      ::UpdateWindow(surface);
    });
    // The scale is set about the top left corner, where the pressed objects stay in sight.
    gui.Run([&] {
      if (zoom == 0) form.FitPage();
      else form.ZoomTo(zoom, {0, 0});
      ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      res.zoom = form.Zoom();
    });
    // Page points to where the view shows them.
    auto view = [&](POINT p) {
      const vk::TRect v = vk::PageRectToView({p.x, p.y, p.x + 1, p.y + 1}, res.zoom);
      return POINT{v.Left, v.Top};
    };
    // Drag two filled rectangles in turn by their bodies: each press selects one (the
    // other loses its handles), each release moves it by a few pixels.
    auto centre = [&](size_t index) {
      const vk::TRect r = form.Pics()[index]->GetRect();
      return POINT{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };
    auto timed = [&](UINT msg, WPARAM keys, POINT p) {
      const double t0 = Now();
      const POINT v = view(p);
      ::SendMessageW(surface, msg, keys, MAKELPARAM(v.x, v.y));
      ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      ::GdiFlush();
      return Now() - t0;
    };
    // With no objects the press and release land on empty paper.
    auto presses = [&](bool full) {
      std::vector<double> down, up;
      gui.Run([&] { form.SetFullRebuild(full); });
      // Fewer rounds where a full rebuild takes seconds.
      const int rounds = objects > 5000 ? 6 : 30;
      for (int i = 0; i < rounds; ++i) {
        gui.Run([&] {
          const size_t a = texts ? objects - 1 : 1, b = texts ? objects - 2 : 6;
          const POINT p = objects > 6 ? centre(i % 2 ? a : b) : POINT{400, 300};
          const POINT q = objects > 6 ? POINT{p.x + 3, p.y + 2} : p;
          down.push_back(timed(WM_LBUTTONDOWN, MK_LBUTTON, p));
          ::SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(q.x, q.y));
          up.push_back(timed(WM_LBUTTONUP, 0, q));
        });
      }
      gui.Run([&] { form.SetFullRebuild(false); });
      return std::max(Median(down), Median(up));
    };
    res.pressFast = presses(false);
    gui.Run([&] { res.identical = SameAsFullRebuild(form); });
    res.pressFull = presses(true);
    res.memoryBytes = PrivateBytes();
    std::vector<double> steps;
    for (int i = 0; i < 10; ++i)
      gui.Run([&] {
        const double t0 = Now();
        form.ZoomTo(i % 2 ? vk::PrevZoomStep(form.Zoom()) : vk::NextZoomStep(form.Zoom()), {0, 0});
        ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::GdiFlush();
        steps.push_back(Now() - t0);
      });
    res.zoomStep = Median(steps);
    gui.Run([&] { form.ZoomTo(res.zoom, {0, 0}); });
    // Mouse moves while dragging an object (with no objects: dragging the page scrolls it).
    std::vector<double> moves;
    // An object is dragged by its body; empty paper is dragged up and left, which scrolls.
    const POINT hit = objects > 6 ? centre(1) : POINT{600, 500};
    const int step = objects > 6 ? 1 : -1;
    gui.Run([&] {
      const POINT h = view(hit);
      ::SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(h.x, h.y));
      for (int i = 1; i <= 40; ++i) {
        const double t0 = Now();
        const POINT m = view({hit.x + step * i * 3, hit.y + step * i * 2});
        ::SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(m.x, m.y));
        // Everything that became invalid, scroll bars included, is painted now.
        ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::GdiFlush();
        moves.push_back(Now() - t0);
      }
      const POINT u = view({hit.x + step * 120, hit.y + step * 80});
      ::SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(u.x, u.y));
    });
    res.moveFast = Median(moves);
    gui.Run([&] {
      form.AppendPic(std::move(vkt::MakeScene(1, 100, 100)[0]));  // closing then asks; No keeps the files
      ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    });
    vkt::AnswerDialog(L"Quillora Studio", IDNO);
  });
  form.ShowModal();
  driver.join();
  return res;
}

// One mouse move (and its painting) while the last vertex of a 5,000-vertex polyline is dragged.
// The pen: a stroke of 5,000 mouse moves, each to the screen (medians of its first and
// last 500 moves); and a stroke of 2,000 samples along a circle of radius 200, thinned.
void MeasurePen(const std::string& pageFile) {
  vkt::GuiThread gui;
  vk::TFreePicF form(BenchArgs(pageFile));
  std::vector<double> moves;
  size_t stored = 0;
  std::thread driver([&] {
    vkt::WaitForWindow(L"TFreePicF", L"Draw Graphics");
    HWND surface = form.SurfaceHandle();
    gui.Run([&] {
      form.Session().ChooseTool(vk::FigureForKey('F', true)->Tag);
      ::SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
      for (int i = 1; i <= 5000; ++i) {
        const double t0 = Now();
        ::SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100 + (i % 800), 100 + (i / 800) * 40 + (i % 7)));
        ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::GdiFlush();
        moves.push_back(Now() - t0);
      }
      ::SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(100, 400));
      stored = form.Pics().size();
      ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    });
    vkt::AnswerDialog(L"Quillora Studio", IDNO);
  });
  form.ShowModal();
  driver.join();
  const std::vector<double> first(moves.begin(), moves.begin() + 500), last(moves.end() - 500, moves.end());
  std::printf("pen: one mouse move of a 5000-move stroke, to the screen: %.3f ms (first 500), %.3f ms (last 500)%s\n",
              Median(first), Median(last), stored == 1 ? "" : "; NO stroke was stored");
  std::vector<vk::TPoint> circle;
  for (int i = 0; i < 2000; ++i) {
    const double a = 2 * 3.14159265358979 * i / 2000;
    circle.push_back({static_cast<int32_t>(std::lround(500 + 200 * std::cos(a))),
                      static_cast<int32_t>(std::lround(500 + 200 * std::sin(a)))});
  }
  const std::vector<vk::TPoint> kept = vk::SimplifyStroke(circle, vk::PenTool::kStrokeTolerance);
  double farthest = 0;
  for (const vk::TPoint& p : circle) {
    double nearest = 1e9;
    for (size_t i = 1; i < kept.size(); ++i) nearest = std::min(nearest, vk::DistanceToSegment(p, kept[i - 1], kept[i]));
    farthest = std::max(farthest, nearest);
  }
  std::printf("pen: 2000 samples along a circle of radius 200 stored as %zu points; farthest sample %.3f px\n",
              kept.size(), farthest);
}

double MeasureVertexDrag(const std::string& pageFile) {
  vkt::GuiThread gui;
  vk::TFreePicF form(BenchArgs(pageFile));
  double result = 0;
  std::thread driver([&] {
    vkt::WaitForWindow(L"TFreePicF", L"Draw Graphics");
    HWND surface = form.SurfaceHandle();
    const POINT last{950, 650};
    gui.Run([&] {
      auto poly = std::make_unique<vk::TPolyPic>();
      for (int i = 0; i < 4999; ++i) poly->PolyPoint.push_back({10 + i * 900 / 5000, i % 2 ? 500 : 100});
      poly->PolyPoint.push_back({last.x, last.y});
      vk::win::Dib scratch(1, 1);
      vk::win::Canvas canvas(scratch.Dc());
      poly->MoveBy(canvas, {0, 0});
      poly->Draw(canvas);
      form.AppendPic(std::move(poly));
      form.RedrawAll(false, true);
      // Select it by its first edge, then take hold of its last vertex.
      ::SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 300));
      ::SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(10, 300));
      ::SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(last.x, last.y));
      ::SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(last.x, last.y));
      std::vector<double> moves;
      for (int i = 1; i <= 40; ++i) {
        const double t0 = Now();
        ::SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(last.x - i * 3, last.y - i * 2));
        ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::GdiFlush();
        moves.push_back(Now() - t0);
      }
      ::SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(last.x - 120, last.y - 80));
      // A drag that never took hold of the vertex measured nothing.
      const auto& dragged = dynamic_cast<const vk::TPolyPic&>(*form.Pics()[0]).PolyPoint.back();
      result = dragged == vk::TPoint{last.x - 120, last.y - 80} ? Median(moves) : -1;
      ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    });
    vkt::AnswerDialog(L"Quillora Studio", IDNO);
  });
  form.ShowModal();
  driver.join();
  return result;
}

struct UndoResult {
  double undo = 0, redo = 0;
  bool identical = false;
};

// One undo and one redo of a drag of one object among 500, to the screen.
UndoResult MeasureUndo(const std::string& pageFile) {
  vkt::GuiThread gui;
  vk::TFreePicF form(BenchArgs(pageFile));
  UndoResult res;
  std::thread driver([&] {
    vkt::WaitForWindow(L"TFreePicF", L"Draw Graphics");
    HWND surface = form.SurfaceHandle();
    gui.Run([&] {
      for (auto& p : vkt::MakeScene(500, 900, 600)) form.AppendPic(std::move(p));
      form.RedrawAll(false, true);
      form.Drawing().Rebase();
      const vk::TRect r = form.Pics()[6]->GetRect();
      const POINT p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
      ::SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
      ::SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x + 3, p.y + 2));
      ::SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(p.x + 40, p.y + 30));
      ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      std::vector<double> undo, redo;
      // A drag that made no step measures nothing.
      res.identical = form.Drawing().CanUndo();
      for (int i = 0; i < 30; ++i) {
        for (bool again : {false, true}) {
          const double t0 = Now();
          form.UndoStep(again);
          ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
          ::GdiFlush();
          (again ? redo : undo).push_back(Now() - t0);
          if (i % 10 == 0) res.identical = res.identical && SameAsFullRebuild(form);
        }
      }
      res.undo = Median(undo);
      res.redo = Median(redo);
      ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    });
    vkt::AnswerDialog(L"Quillora Studio", IDNO);
  });
  form.ShowModal();
  driver.join();
  return res;
}

// 10,000 moves, each of one object of a 500-object drawing, each its own step.
void MeasureHistoryMemory() {
  vk::win::Dib scratch(1, 1);
  vk::win::Canvas canvas(scratch.Dc());
  vk::PicDocument doc;
  for (auto& p : vkt::MakeScene(500, 2480, 3508)) doc.AppendPic(std::move(p));
  doc.Rebase();
  const size_t before = PrivateBytes();
  std::vector<double> commits;
  for (int i = 0; i < 10000; ++i) {
    vk::TPicBase& pic = *doc.PicList[static_cast<size_t>(i * 7) % doc.PicList.size()];
    pic.MoveBy(canvas, {1, 0});
    const double t0 = Now();
    doc.Touch(&pic);
    doc.Commit();
    commits.push_back(Now() - t0);
  }
  std::printf("history of 10,000 one-object changes to 500 objects: %zu steps, %.2f MB held (process grew %.2f MB); "
              "recording one change %.3f ms\n",
              doc.History().Steps(), doc.History().Bytes() / 1048576.0, (PrivateBytes() - before) / 1048576.0,
              Median(commits));
}

// One move of one object among 100,000: what recording it for undo and finding the area to
// redraw cost, drawing left aside.
void MeasureBookkeeping() {
  vk::win::Dib scratch(1, 1);
  vk::win::Canvas canvas(scratch.Dc());
  vk::PicDocument doc;
  for (auto& p : vkt::MakeScene(100000, 2480, 3508)) doc.AppendPic(std::move(p));
  doc.Rebase();
  vk::RenderTracker tracker;
  tracker.SetArea(2480, 3508);
  tracker.Update(doc.TakeRedrawChanges(), doc.PicList);
  std::vector<double> times;
  for (int i = 0; i < 30; ++i) {
    vk::TPicBase& pic = *doc.PicList[static_cast<size_t>(i) * 7919 % doc.PicList.size()];
    pic.MoveBy(canvas, {1, 0});
    const double t0 = Now();
    doc.Touch(&pic);
    doc.Commit();
    tracker.Update(doc.TakeRedrawChanges(), doc.PicList);
    times.push_back(Now() - t0);
  }
  std::printf("bookkeeping of one move among 100,000 objects (undo step and area to redraw): %.3f ms; %zu steps\n",
              Median(times), doc.History().Steps());
}

// Changes of a 20,000-vertex polyline, far more than 64 MB of them in all.
void MeasureHistoryCap() {
  vk::win::Dib scratch(1, 1);
  vk::win::Canvas canvas(scratch.Dc());
  vk::PicDocument doc;
  auto poly = std::make_unique<vk::TPolyPic>();
  for (int i = 0; i < 20000; ++i) poly->PolyPoint.push_back({i % 2000, i / 10});
  poly->MoveBy(canvas, {0, 0});
  doc.AppendPic(std::move(poly));
  doc.Rebase();
  const size_t before = PrivateBytes();
  size_t recordBytes = 0;
  for (int i = 0; i < 1000; ++i) {
    doc.PicList[0]->MoveBy(canvas, {1, 0});
    doc.Touch(doc.PicList[0].get());
    doc.Commit();
    if (i == 0) recordBytes = doc.History().Bytes();
  }
  std::printf("history cap: 1000 changes of %.2f MB each: %zu steps kept, %.2f MB held (process grew %.2f MB)\n",
              recordBytes / 1048576.0, doc.History().Steps(), doc.History().Bytes() / 1048576.0,
              (PrivateBytes() - before) / 1048576.0);
}

// A drawing of about 10 MB as stored: 40 polylines of 32,000 vertices each.
vk::DrawingState TenMegabyteDrawing() {
  vk::win::Dib scratch(1, 1);
  vk::win::Canvas canvas(scratch.Dc());
  vk::DrawingState s;
  for (int n = 0; n < 40; ++n) {
    vk::TPolyPic poly;
    for (int i = 0; i < 32000; ++i) poly.PolyPoint.push_back({(i + n) % 2400, i / 10});
    poly.MoveBy(canvas, {0, 0});
    s.push_back(vk::StoredEntry(poly, 0));
  }
  return s;
}

size_t StoredBytes(const vk::DrawingState& s) {
  size_t n = 0;
  for (const vk::DrawingEntry& e : s) n += e.Record.size();
  return n;
}

// 20 pages visited as the editor visits them: each arrives without a drawing, gets a 10 MB
// drawing by Open, and is left with it (or with the Open taken back, when undoOpen).
void MeasurePageHistories(const vk::DrawingState& drawing, bool undoOpen) {
  constexpr double MB = 1048576.0;
  vk::PicDocument doc;
  size_t newestStep = 0, mostCounted = 0, firstPrivate = 0, lastPrivate = 0;
  for (int32_t page = 1; page <= 20; ++page) {
    doc.FreeAllPics();
    doc.EnterPage(page);
    const size_t before = doc.History().Bytes();
    for (const vk::DrawingEntry& e : drawing) doc.AppendPic(vk::PicFromEntry(e, 0));
    doc.RenumberPics();
    doc.Commit();
    newestStep = std::max(newestStep, doc.History().Bytes() - before);
    if (undoOpen) doc.Undo();
    mostCounted = std::max(mostCounted, doc.HistoryBytes());
    (page == 1 ? firstPrivate : lastPrivate) = PrivateBytes();
  }
  const double growth = (static_cast<double>(lastPrivate) - static_cast<double>(firstPrivate)) / MB;
  const double limit = (static_cast<double>(vk::PicDocument::kHistoryBudget) + static_cast<double>(newestStep)) / MB;
  std::printf("history over 20 pages, an Open of %.2f MB %s on each: step %.2f MB; history counts %.2f MB at most "
              "(%.2f MB at page 20); private bytes page 1 to 20 grew %.2f MB; limit %.2f MB: %s\n",
              StoredBytes(drawing) / MB, undoOpen ? "undone" : "left", newestStep / MB, mostCounted / MB,
              doc.HistoryBytes() / MB, growth, limit,
              static_cast<double>(mostCounted) / MB <= limit && growth <= limit ? "within" : "PAST IT");
}

// One text of 40 characters at 60 points with all three effects, drawn whole: rendered
// afresh, or from what the text keeps.
double TextRenderTime(bool afresh) {
  auto text = std::move(vkt::MakeTexts(1, 2400, 200)[0]);
  vk::win::Dib page(2400, 200);
  vk::win::Canvas canvas(page);
  const vk::TextInk::Bypass fresh(afresh);
  std::vector<double> times;
  for (int i = 0; i < 30; ++i) {
    const double t0 = Now();
    text->Draw(canvas);
    ::GdiFlush();
    times.push_back(Now() - t0);
  }
  return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = vkt::FreshFolder("bench");
  std::string err;
  if (!pagehost::WritePagePicture(dir, 1, 2480, 3508, err) || !pagehost::WritePagePicture(dir, 2, 4960, 7016, err)) {
    std::fprintf(stderr, "cannot write the page: %s\n", err.c_str());
    return 1;
  }
  const std::string page = pagehost::PagePicturePath(dir, 1);
  std::printf("%d-bit build; page 2480 x 3508 (A4 at 300 dpi), 24 bits per pixel; medians in ms; \"same\": the\n"
              "partial redraw's pictures equal a full rebuild's, pixel for pixel, after the presses\n",
              static_cast<int>(sizeof(void*) * 8));
  // --selection: only the measurements of several objects at once.
  if (argc > 1 && std::strcmp(argv[1], "--selection") == 0) {
    MeasureSelection(page);
    return 0;
  }
  std::printf("%8s %18s %18s %18s %6s\n", "objects", "press/release", "full rebuild", "drag move", "same");
  for (int n : {0, 500, 10000, 100000}) {
    const Result r = Measure(n, 0, page);
    std::printf("%8d %18.2f %18.2f %18.3f %6s\n", n, r.pressFast, r.pressFull, r.moveFast, r.identical ? "yes" : "NO");
  }
  const Result t = Measure(500, 100, page);
  std::printf("%8s %18.2f %18.2f %18.3f %6s   (100 of them texts, 60 pt, all effects)\n", "500", t.pressFast,
              t.pressFull, t.moveFast, t.identical ? "yes" : "NO");
  std::printf("%8s %8s %14s %14s %14s %16s\n", "objects", "zoom %", "press/release", "drag move", "zoom step",
              "private MB");
  for (int32_t z : {100, 0, 400}) {
    const Result r = Measure(500, 0, page, z);
    std::printf("%8d %8d %14.2f %14.3f %14.2f %16.1f\n", 500, r.zoom, r.pressFast, r.moveFast, r.zoomStep,
                static_cast<double>(r.memoryBytes) / (1024.0 * 1024.0));
  }
  const Result big = Measure(500, 0, pagehost::PagePicturePath(dir, 2));
  std::printf("A4 at 600 dpi (4960 x 7016), 500 objects: press/release %.2f ms, full rebuild %.2f ms, drag move "
              "%.3f ms, private %.1f MB, same: %s\n",
              big.pressFast, big.pressFull, big.moveFast, static_cast<double>(big.memoryBytes) / (1024.0 * 1024.0),
              big.identical ? "yes" : "NO");
  // A3 at 600 dpi opens where the page pixel limit allows it (the 64-bit build).
  if (!vk::PagePixelsAllowed(7016, 9921)) {
    std::printf("A3 at 600 dpi (7016 x 9921): refused: %s\n", vk::PageTooLargeText(7016, 9921).c_str());
  } else if (!pagehost::WritePagePicture(dir, 3, 7016, 9921, err)) {
    std::printf("A3 at 600 dpi (7016 x 9921): cannot write the page: %s\n", err.c_str());
  } else {
    const Result a3 = Measure(500, 0, pagehost::PagePicturePath(dir, 3));
    std::printf("A3 at 600 dpi (7016 x 9921), 500 objects: press/release %.2f ms, full rebuild %.2f ms, drag move "
                "%.3f ms, private %.1f MB, same: %s\n",
                a3.pressFast, a3.pressFull, a3.moveFast, static_cast<double>(a3.memoryBytes) / (1024.0 * 1024.0),
                a3.identical ? "yes" : "NO");
  }
  std::printf("one 60-point text of 40 characters with all three effects: %.2f ms rendered, %.2f ms kept; "
              "texts keep at most %zu MB\n",
              TextRenderTime(true), TextRenderTime(false), vk::TextInk::kBudget >> 20);
  std::printf("vertex drag of a 5000-vertex polyline: %.3f ms per mouse move\n", MeasureVertexDrag(page));
  MeasurePen(page);
  const UndoResult u = MeasureUndo(page);
  std::printf("undo / redo of a drag among 500 objects, to the screen: %.2f / %.2f ms; pixels as a full rebuild: %s\n",
              u.undo, u.redo, u.identical ? "yes" : "NO");
  MeasureBookkeeping();
  MeasureSelection(page);
  MeasureHistoryMemory();
  MeasureHistoryCap();
  const vk::DrawingState drawing = TenMegabyteDrawing();
  MeasurePageHistories(drawing, true);
  MeasurePageHistories(drawing, false);
  return 0;
}
