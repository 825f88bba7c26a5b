// Writing and reading a drawing of 10,000 objects, and Apply (SavePage) of a page with
// 1,000 objects, and of pages of 10,000 and 100,000 lines, with the page description written in one go; beside it, the same
// description written key by key through the profile writer. Medians in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "BenchArgs.h"
#include "BenchClock.h"
#include "GuiDriver.h"
#include "PageHost.h"
#include "Scene.h"
#include "core/PageDescription.h"
#include "drawing/editor/DrawingIO.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/editor/KindOps.h"
#include "drawing/objects/PicFuns.h"

using bench::Median;
using bench::Now;

int main() {
  const std::string dir = vkt::FreshFolder("files-bench");
  vk::PicListType pics;
  for (auto& p : vkt::MakeScene(10000, 2480, 3508)) pics.push_back(std::move(p));
  std::vector<double> w, r;
  std::string err;
  const std::string fdf = dir + "big.fdf";
  for (int i = 0; i < 11; ++i) {
    double t0 = Now();
    if (!vk::SaveDrawingFile(pics, fdf, vk::DrawingSignature::Page2011, err)) {
      std::fprintf(stderr, "write failed: %s\n", err.c_str());
      return 1;
    }
    w.push_back(Now() - t0);
    vk::PicListType back;
    t0 = Now();
    if (vk::LoadDrawingFile(fdf, back, err) != vk::DrawingLoadOutcome::Ok || back.size() != pics.size()) {
      std::fprintf(stderr, "read failed\n");
      return 1;
    }
    r.push_back(Now() - t0);
  }
  WIN32_FILE_ATTRIBUTE_DATA info{};
  ::GetFileAttributesExA(fdf.c_str(), GetFileExInfoStandard, &info);
  std::printf("drawing of 10000 objects (%lu bytes): write %.1f ms, read %.1f ms\n", info.nFileSizeLow, Median(w),
              Median(r));

  // Fitting the font of a 1 MB text to a box fitted by height, as a handle drag does: the
  // answer is the largest size, so every size is measured.
  {
    std::string text;
    while (text.size() < (1u << 20)) text += "Fitting a long text, line after line. ";
    vk::FontAttrs font;
    font.Name = "Arial";
    const double t0 = Now();
    const int32_t size = vk::FitFontSize({0, 0, 10, 5000}, text, font, 2);
    std::printf("fitting the font of a %zu-byte text: size %d in %.1f ms\n", text.size(), size, Now() - t0);
  }

  // Apply of a page (A4 at 300 dpi) with 1000 objects.
  if (!pagehost::WritePagePicture(dir, 1, 2480, 3508, err)) return 1;
  vkt::GuiThread gui;
  vk::TFreePicF form(bench::BenchArgs(pagehost::PagePicturePath(dir, 1)));
  std::vector<double> apply;
  double perKey = 0;
  size_t keys = 0;
  std::vector<std::pair<int, double>> lineApply;
  std::thread driver([&] {
    vkt::WaitForWindow(L"TFreePicF", L"Draw Graphics");
    gui.Run([&] {
      for (auto& p : vkt::MakeScene(1000, 2480, 3508)) form.AppendPic(std::move(p));
      form.RedrawAll(false, true);
      for (int i = 0; i < 11; ++i) {
        const double t0 = Now();
        form.SavePage(1);
        apply.push_back(Now() - t0);
      }
      // The same description, one profile-writer call per key.
      std::vector<vk::DescribedObject> objs;
      for (const auto& p : form.Pics()) objs.push_back(vk::Describe(*p));
      const vk::IniDocument doc = vk::BuildPageDescription(objs);
      const std::string ini = dir + "perkey.ini";
      const double t0 = Now();
      for (const auto& s : doc.Sections())
        for (const auto& e : s.Entries) {
          ::WritePrivateProfileStringA(s.Name.c_str(), e.Key.c_str(), e.Value.c_str(), ini.c_str());
          ++keys;
        }
      perKey = Now() - t0;
      // Apply of pages of line objects only, the size a page of a drawing program can reach.
      for (const int n : {10000, 100000}) {
        form.Drawing().FreeAllPics();
        for (auto& p : vkt::MakeLines(n, 2480, 3508)) form.AppendPic(std::move(p));
        form.RedrawAll(false, true);
        std::vector<double> t;
        for (int i = 0; i < 5; ++i) {
          const double t0 = Now();
          form.SavePage(1);
          t.push_back(Now() - t0);
        }
        lineApply.emplace_back(n, Median(t));
      }
      form.AppendPic(std::move(vkt::MakeScene(1, 10, 10)[0]));
      ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    });
    vkt::AnswerDialog(L"Quillora Studio", IDNO);
  });
  form.ShowModal();
  driver.join();
  std::printf("Apply of a 2480 x 3508 page with 1000 objects: %.1f ms (description written in one go)\n", Median(apply));
  std::printf("the same description through the profile writer, %zu calls: %.0f ms\n", keys, perKey);
  for (const auto& [n, ms] : lineApply)
    std::printf("Apply of a 2480 x 3508 page with %d line objects: %.1f ms (goal: %d ms)\n", n, ms, n / 100);
  return 0;
}
