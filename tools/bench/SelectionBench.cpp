// Several objects at once: a marquee over 100,000 objects (each mouse move, and the
// release that selects about 1,000 of them), a drag of those objects, against a full
// rebuild in the same run; Ctrl+A, Delete and one undo among 10,000 objects.
#include "SelectionBench.h"

#include <windows.h>

#include <cstdio>
#include <thread>
#include <vector>

#include "BenchArgs.h"
#include "BenchClock.h"
#include "GuiDriver.h"
#include "Scene.h"
#include "drawing/editor/FreePicU.h"

namespace {

using bench::BenchArgs;
using bench::Median;
using bench::Now;

// Where the band starts: between the scene's first two columns, on empty paper.
constexpr POINT kBandFrom{98, 2};

// The band's far corner that takes about 1,000 objects wholly inside it.
POINT BandCorner(const vk::PicDocument::List& pics) {
  for (int side = 50;; side += 2) {
    const vk::TRect band{kBandFrom.x, kBandFrom.y, kBandFrom.x + side * 3, kBandFrom.y + side};
    size_t inside = 0;
    for (const auto& p : pics) {
      const vk::TRect r = p->GetRect();
      if (r.Left >= band.Left && r.Top >= band.Top && r.Right <= band.Right && r.Bottom <= band.Bottom) ++inside;
    }
    if (inside >= 1000 || side > 3000) return {band.Right, band.Bottom};
  }
}

size_t SelectedCount(const vk::PicDocument::List& pics) {
  size_t n = 0;
  for (const auto& p : pics) n += p->Choosed ? 1 : 0;
  return n;
}

void MeasureMarqueeAndDrag(const std::string& pageFile) {
  vkt::GuiThread gui;
  vk::TFreePicF form(BenchArgs(pageFile));
  std::thread driver([&] {
    vkt::WaitForWindow(L"TFreePicF", L"Draw Graphics");
    HWND surface = form.SurfaceHandle();
    gui.Run([&] {
      for (auto& p : vkt::MakeScene(100000, 2480, 3508)) form.AppendPic(std::move(p));
      form.RedrawAll(false, true);
      // At 100 % about the top left corner the surface's pixels are the page's.
      form.ZoomTo(100, {0, 0});
      ::UpdateWindow(surface);
    });
    auto paint = [&] {
      ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      ::GdiFlush();
    };
    auto timed = [&](UINT msg, WPARAM keys, POINT p) {
      const double t0 = Now();
      ::SendMessageW(surface, msg, keys, MAKELPARAM(p.x, p.y));
      paint();
      return Now() - t0;
    };
    gui.Run([&] {
      std::vector<double> full;
      for (int i = 0; i < 3; ++i) {
        const double t0 = Now();
        form.SetFullRebuild(true);
        form.RedrawAll(false, true);
        form.SetFullRebuild(false);
        paint();
        full.push_back(Now() - t0);
      }
      const POINT corner = BandCorner(form.Pics());
      std::vector<double> moves, drags;
      ::SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(kBandFrom.x, kBandFrom.y));
      for (int i = 1; i <= 40; ++i)
        moves.push_back(timed(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT,
                              {kBandFrom.x + (corner.x - kBandFrom.x) * i / 40,
                               kBandFrom.y + (corner.y - kBandFrom.y) * i / 40}));
      const double release = timed(WM_LBUTTONUP, MK_SHIFT, corner);
      const size_t selected = SelectedCount(form.Pics());
      // Shift holds the selection whichever object's body is on top where the drag starts.
      const vk::TRect r = form.Current()->GetRect();
      const POINT from{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
      ::SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(from.x, from.y));
      for (int i = 1; i <= 40; ++i) drags.push_back(timed(WM_MOUSEMOVE, MK_LBUTTON, {from.x + 3 * i, from.y + 2 * i}));
      const double drop = timed(WM_LBUTTONUP, 0, {from.x + 120, from.y + 80});
      std::printf("marquee over 100,000 objects: %.2f ms per mouse move; the release selecting %zu: %.2f ms "
                  "(full rebuild %.2f ms)\n",
                  Median(moves), selected, release, Median(full));
      std::printf("drag of %zu selected objects among 100,000: %.2f ms per mouse move; the drop %.2f ms\n",
                  SelectedCount(form.Pics()), Median(drags), drop);
      form.AppendPic(std::move(vkt::MakeScene(1, 100, 100)[0]));  // closing then asks; No keeps the files
      ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    });
    vkt::AnswerDialog(L"Quillora Studio", IDNO);
  });
  form.ShowModal();
  driver.join();
}

// What the session needs of a window, answering every question Yes and showing nothing:
// Delete then runs without its question.
class QuietHost : public vk::EditorHost {
 public:
  void ShowRect(const vk::TRect&) override {}
  void PageResized() override {}
  void CursorChanged(int32_t) override {}
  void CaptureMouse(bool) override {}
  POINT ScrollPosition() override { return {}; }
  void ScrollTo(POINT) override {}
  bool AskYesNo(vk::Question) override { return true; }
  bool AskDelete(bool&) override { return true; }
  void ShowError(const std::string& text) override { std::printf("error: %s\n", text.c_str()); }
  bool PickColor(uint32_t&) override { return false; }
  bool PickFont(vk::FontAttrs&) override { return false; }
  bool PickLineWidth(int32_t&) override { return false; }
  std::string PickFile(vk::FileDialog) override { return {}; }
  int PickMenuItem(const vk::PicMenuEnabling&) override { return -1; }
  bool ShowPicture(const vk::win::Dib&) override { return false; }
  HWND TextEntryParent() override { return nullptr; }
  void SendPageMessage(int32_t) override {}
  void WaitForPage(const std::string&) override {}
  void ToolsChanged() override {}
  void EnablingChanged() override {}
  void StyleChanged() override {}
  void PageNumberChanged() override {}
};

void MeasureSelectAllDeleteUndo(const std::string& pageFile) {
  QuietHost host;
  vk::EditSession s(host, BenchArgs(pageFile));
  if (!s.Open()) return;
  for (auto& p : vkt::MakeScene(10000, 2480, 3508)) s.AppendPic(std::move(p));
  s.RedrawAll(false, true);
  s.Drawing().Rebase();
  std::vector<double> all, del, undo;
  for (int i = 0; i < 5; ++i) {
    double t0 = Now();
    s.SelectAll();
    ::GdiFlush();
    all.push_back(Now() - t0);
    t0 = Now();
    s.Delete();
    ::GdiFlush();
    del.push_back(Now() - t0);
    t0 = Now();
    s.UndoStep(false);
    ::GdiFlush();
    undo.push_back(Now() - t0);
  }
  std::vector<double> full;
  for (int i = 0; i < 3; ++i) {
    const double t0 = Now();
    s.SetFullRebuild(true);
    s.RedrawAll(false, true);
    s.SetFullRebuild(false);
    ::GdiFlush();
    full.push_back(Now() - t0);
  }
  std::printf("10,000 objects, drawn into the page bitmaps (the window's painting aside): Ctrl+A %.2f ms, "
              "Delete %.2f ms, one undo %.2f ms; %zu objects back (full rebuild %.2f ms)\n",
              Median(all), Median(del), Median(undo), s.Pics().size(), Median(full));
}

}  // namespace

void MeasureSelection(const std::string& pageFile) {
  MeasureMarqueeAndDrag(pageFile);
  MeasureSelectAllDeleteUndo(pageFile);
}
