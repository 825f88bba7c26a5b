// How long the user waits for a page once the host has finished writing it: from the
// moment the page picture is complete on disk to the moment the editor shows that page.
// The host answers the page message 300 ms late, writing either to a temporary file that
// it renames into place, or straight into the page picture in pieces.
//
//   page_bench [--dll vellumkit.dll]   (another build of the library, to compare)
#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "GuiDriver.h"
#include "HostSession.h"

namespace {

std::vector<double> Measure(const std::string& dll, int pieces, int gotos) {
  pagehost::HostOptions opt;
  opt.Dir = vkt::FreshFolder(pieces ? "bench-pages-inplace" : "bench-pages-rename");
  opt.Dll = dll;
  opt.Pages = 9;
  opt.DelayMs = 300;
  opt.InPlacePieces = pieces;
  opt.PieceMs = 40;
  std::vector<double> waits;
  vkt::RunHosted(opt, [&](vkt::HostedEditor& e) {
    for (int i = 0; i < gotos; ++i) {
      const int page = 2 + i;  // a page not written yet, so the wait is real
      ::SendMessageW(e.Control("edtPage"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(page).c_str()));
      e.Press("btn1");
      ::Sleep(50);  // the press reaches the editor, which saves and asks the host
      while (!::IsWindowEnabled(e.Surface)) ::Sleep(1);
      const double shown = bench::Now();
      waits.push_back(shown - e.Host->LastDeliveredAt());
      ::Sleep(100);
    }
  });
  return waits;
}

void Report(const char* what, const std::vector<double>& w) {
  if (w.empty()) {
    std::printf("%-40s no page arrived\n", what);
    return;
  }
  double worst = 0;
  for (double x : w) worst = std::max(worst, x);
  std::printf("%-40s median %7.1f ms  worst %7.1f ms  (%zu page changes)\n", what, bench::Median(w), worst, w.size());
}

}  // namespace

int main(int argc, char** argv) {
  std::string dll;
  if (argc == 3 && std::string(argv[1]) == "--dll") dll = argv[2];
  Report("page renamed into place", Measure(dll, 0, 7));
  Report("page written in place in 6 pieces", Measure(dll, 6, 7));
  return 0;
}
