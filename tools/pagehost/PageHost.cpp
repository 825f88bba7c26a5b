#include "PageHost.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include "PdfPages.h"
#include "core/BmpCodec.h"
#include "win/FileIO.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace pagehost {

namespace {

bool ParseInt(const std::string& s, int32_t& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (*end != '\0') return false;
  out = static_cast<int32_t>(v);
  return true;
}

bool ParsePair(const std::string& s, int32_t& a, int32_t& b) {
  size_t x = s.find_first_of("x,");
  return x != std::string::npos && ParseInt(s.substr(0, x), a) && ParseInt(s.substr(x + 1), b);
}

std::string ModuleDirectory() {
  wchar_t buf[MAX_PATH * 2] = {};
  ::GetModuleFileNameW(nullptr, buf, MAX_PATH * 2);
  return vk::win::DirectoryWithSeparator(vk::win::WideToAnsi(buf));
}

// Renders a recognisable page: a frame, the page number, lines of "text", figures.
vk::PixelImage RenderPage(int32_t page, int32_t width, int32_t height) {
  vk::PixelImage img;
  img.Width = width;
  img.Height = height;
  img.XPelsPerMeter = img.YPelsPerMeter = 5906;  // 150 dpi
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  vk::win::MemoryDc dc(::CreateCompatibleDC(nullptr));
  vk::win::Bitmap bmp(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc || !bmp || !bits) {
    img.Pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0x00FFFFFFu);
    return img;
  }
  {
    vk::win::SelectGuard selBmp(dc.Get(), bmp.Get());
    RECT all{0, 0, width, height};
    vk::win::Brush white(::CreateSolidBrush(RGB(255, 255, 255)));
    ::FillRect(dc.Get(), &all, white.Get());
    const int margin = width / 12;
    vk::win::Pen frame(::CreatePen(PS_SOLID, 1, RGB(200, 200, 200)));
    {
      vk::win::SelectGuard selPen(dc.Get(), frame.Get());
      vk::win::SelectGuard selBrush(dc.Get(), ::GetStockObject(NULL_BRUSH));
      ::Rectangle(dc.Get(), margin / 2, margin / 2, width - margin / 2, height - margin / 2);
    }
    vk::win::Font title(::CreateFontW(-(height / 24), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                      ANTIALIASED_QUALITY, 0, L"Arial"));
    vk::win::Font body(::CreateFontW(-(height / 70), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                     ANTIALIASED_QUALITY, 0, L"Times New Roman"));
    ::SetBkMode(dc.Get(), TRANSPARENT);
    {
      vk::win::SelectGuard selFont(dc.Get(), title.Get());
      ::SetTextColor(dc.Get(), RGB(20, 20, 60));
      std::wstring t = L"Page " + std::to_wstring(page);
      ::TextOutW(dc.Get(), margin, margin, t.c_str(), static_cast<int>(t.size()));
    }
    {
      vk::win::SelectGuard selFont(dc.Get(), body.Get());
      ::SetTextColor(dc.Get(), RGB(40, 40, 40));
      const int lineH = height / 50;
      const wchar_t* words[] = {L"The quick survey of the northern field shows steady growth in every plot.",
                                L"Measurements were taken at dawn and at dusk over a period of six weeks.",
                                L"Figures below compare the average heights against the control group."};
      for (int i = 0; i < 12; ++i) {
        const wchar_t* w = words[(i + page) % 3];
        ::TextOutW(dc.Get(), margin, margin + height / 12 + i * lineH, w, static_cast<int>(wcslen(w)));
      }
    }
    vk::win::Pen ink(::CreatePen(PS_SOLID, 3, RGB(30, 90, 160)));
    vk::win::Brush fill(::CreateSolidBrush(RGB(210, 225, 245)));
    vk::win::SelectGuard selPen(dc.Get(), ink.Get());
    vk::win::SelectGuard selBrush(dc.Get(), fill.Get());
    const int top = height / 2;
    const int bw = (width - 2 * margin) / 7;
    for (int i = 0; i < 5; ++i) {
      int h = (height / 6) * (1 + (i * 37 + page * 11) % 5) / 5;
      ::Rectangle(dc.Get(), margin + i * bw * 3 / 2, top + height / 5 - h, margin + i * bw * 3 / 2 + bw, top + height / 5);
    }
    ::Ellipse(dc.Get(), width / 2, top + height / 4, width / 2 + width / 4, top + height / 4 + width / 4);
    ::MoveToEx(dc.Get(), margin, top + height / 4, nullptr);
    ::LineTo(dc.Get(), width / 2 - margin, top + height / 4 + width / 5);
  }
  img.Pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  const auto* src = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < img.Pixels.size(); ++i) img.Pixels[i] = src[i] & 0x00FFFFFFu;
  return img;
}

}  // namespace

std::string HostUsage() {
  return "pagehost [--dir FOLDER] [--dll vellumkit.dll] [--page N] [--pages COUNT]\n"
         "         [--size WxH (page picture, default 1240x1754)] [--window WxH] [--scroll X,Y]\n"
         "         [--delay MS (answer page requests later)] [--icon FILE] [--theme FILE]\n"
         "         [--in-place PIECES,MS (write page pictures in place, in pieces MS apart)]\n"
         "         [--pdf FILE (render the document's pages at 150 dpi) [--pdftoppm PROGRAM]]\n";
}

bool ParseHostArgs(const std::vector<std::string>& args, HostOptions& opt, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h" || a == "/?") {
      opt.ShowHelp = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = "missing value after " + a;
      return false;
    }
    const std::string& v = args[++i];
    bool ok = true;
    int32_t n = 0;
    if (a == "--dir") opt.Dir = v;
    else if (a == "--dll") opt.Dll = v;
    else if (a == "--page") ok = ParseInt(v, opt.Page) && opt.Page > 0;
    else if (a == "--pages") ok = ParseInt(v, opt.Pages) && opt.Pages > 0;
    else if (a == "--size") ok = ParsePair(v, opt.PageWidth, opt.PageHeight) && opt.PageWidth > 0 && opt.PageHeight > 0;
    else if (a == "--window") ok = ParsePair(v, opt.WindowWidth, opt.WindowHeight);
    else if (a == "--scroll") ok = ParsePair(v, opt.ScrollX, opt.ScrollY);
    else if (a == "--delay") {
      ok = ParseInt(v, n) && n >= 0;
      opt.DelayMs = static_cast<uint32_t>(n);
    } else if (a == "--in-place") {
      ok = ParsePair(v, opt.InPlacePieces, opt.PieceMs) && opt.InPlacePieces > 0 && opt.PieceMs >= 0;
    } else if (a == "--icon") opt.Icon = v;
    else if (a == "--theme") opt.Theme = v;
    else if (a == "--pdf") opt.Pdf = v;
    else if (a == "--pdftoppm") opt.PdfRenderer = v;
    else {
      error = "unknown option " + a;
      return false;
    }
    if (!ok) {
      error = "bad value for " + a + ": " + v;
      return false;
    }
  }
  return true;
}

std::string PagePicturePath(const std::string& dir, int32_t page) {
  std::string d = dir;
  if (!d.empty() && d.back() != '\\' && d.back() != '/') d += '\\';
  return d + "Page" + std::to_string(page) + ".bmp";
}

bool WritePagePicture(const std::string& dir, int32_t page, int32_t width, int32_t height, std::string& error) {
  vk::PixelImage img = RenderPage(page, width, height);
  return vk::win::WriteFileReplacing(PagePicturePath(dir, page), vk::EncodeBmp(img, 24), error);
}

bool PagePixels(const HostOptions& opt, int32_t page, vk::PixelImage& out, std::string& error) {
  if (!opt.Pdf.empty()) return RenderPdfPage(opt.PdfRenderer, opt.Pdf, page, opt.Dir, out, error);
  out = RenderPage(page, opt.PageWidth, opt.PageHeight);
  return true;
}

bool WriteHostPage(const HostOptions& opt, int32_t page, std::string& error) {
  vk::PixelImage img;
  return PagePixels(opt, page, img, error) &&
         vk::win::WriteFileReplacing(PagePicturePath(opt.Dir, page), vk::EncodeBmp(img, 24), error);
}

HostWindow::HostWindow(const HostOptions& opt) : opt_(opt) {}

HostWindow::~HostWindow() {
  if (wnd_) ::DestroyWindow(wnd_);
}

bool HostWindow::Create() {
  HINSTANCE inst = ::GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = &HostWindow::Proc;
  wc.hInstance = inst;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"VellumkitPageHost";
  ::RegisterClassW(&wc);  // a second host window in one process reuses the class
  wnd_ = ::CreateWindowExW(0, wc.lpszClassName, L"Page Host", WS_OVERLAPPEDWINDOW, 0, 0, 320, 120, nullptr, nullptr,
                           inst, this);
  return wnd_ != nullptr;
}

LRESULT CALLBACK HostWindow::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    static_cast<HostWindow*>(cs->lpCreateParams)->wnd_ = wnd;
  }
  auto* self = reinterpret_cast<HostWindow*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
    if (self) self->wnd_ = nullptr;
    return ::DefWindowProcW(wnd, msg, wp, lp);
  }
  return self ? self->OnMessage(msg, wp, lp) : ::DefWindowProcW(wnd, msg, wp, lp);
}

namespace {
constexpr UINT_PTR kPieceTimer = 0x7000;  // page timers count up from 1
double NowMs() {
  LARGE_INTEGER f, t;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}
}  // namespace

LRESULT HostWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kPageMessage: {
      const int32_t page = static_cast<int32_t>(wp);
      requests_.push_back(page);
      if (opt_.DelayMs == 0) {
        Deliver(page);
      } else {
        pending_.push_back(page);
        ::SetTimer(wnd_, pending_.size(), opt_.DelayMs, nullptr);
      }
      return 0;
    }
    case WM_TIMER: {
      if (wp == kPieceTimer) {
        WriteNextPiece();
        return 0;
      }
      ::KillTimer(wnd_, wp);
      if (!pending_.empty()) {
        int32_t page = pending_.front();
        pending_.erase(pending_.begin());
        Deliver(page);
      }
      return 0;
    }
    default:
      return ::DefWindowProcW(wnd_, msg, wp, lp);
  }
}

void HostWindow::Deliver(int32_t page) {
  if (page <= 0) return;
  if (opt_.InPlacePieces > 0 && !piecesOut_) {
    const std::string path = PagePicturePath(opt_.Dir, page);
    // Readers may open it while it grows, as they may a real host's file.
    piecesOut_ = vk::win::File(::CreateFileW(vk::win::AnsiToWide(path).c_str(), GENERIC_WRITE,
                                             FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!piecesOut_) {
      std::fprintf(stderr, "pagehost: could not create %s\n", path.c_str());
      return;
    }
    vk::PixelImage img;
    std::string error;
    if (!PagePixels(opt_, page, img, error)) {
      std::fprintf(stderr, "pagehost: page %d: %s\n", static_cast<int>(page), error.c_str());
      piecesOut_.Close();
      return;
    }
    piecesBytes_ = vk::EncodeBmp(img, 24);
    piecesDone_ = 0;
    piecesPage_ = page;
    WriteNextPiece();
    return;
  }
  std::string error;
  if (!WriteHostPage(opt_, page, error))
    std::fprintf(stderr, "pagehost: could not write %s: %s\n", PagePicturePath(opt_.Dir, page).c_str(), error.c_str());
  deliveredAt_ = NowMs();
}

void HostWindow::WriteNextPiece() {
  ::KillTimer(wnd_, kPieceTimer);
  if (!piecesOut_) return;
  const size_t piece = (piecesBytes_.size() + static_cast<size_t>(opt_.InPlacePieces) - 1) /
                       static_cast<size_t>(opt_.InPlacePieces);
  const size_t n = std::min(piece, piecesBytes_.size() - piecesDone_);
  DWORD done = 0;
  if (!::WriteFile(piecesOut_.Get(), piecesBytes_.data() + piecesDone_, static_cast<DWORD>(n), &done, nullptr) ||
      done != n) {
    std::fprintf(stderr, "pagehost: could not write page %d in place\n", piecesPage_);
    piecesOut_.Close();
    return;
  }
  piecesDone_ += n;
  if (piecesDone_ < piecesBytes_.size()) {
    ::SetTimer(wnd_, kPieceTimer, static_cast<UINT>(opt_.PieceMs), nullptr);
    return;
  }
  piecesOut_.Close();
  piecesBytes_.clear();
  deliveredAt_ = NowMs();
}

int RunEditor(const HostOptions& opt, HWND hostWnd, std::string& error) {
  const std::string dll = opt.Dll.empty() ? ModuleDirectory() + "vellumkit.dll" : opt.Dll;
  vk::win::Module lib(::LoadLibraryW(vk::win::AnsiToWide(dll).c_str()));
  if (!lib) {
    error = "cannot load " + dll + ": " + vk::win::LastErrorText(::GetLastError());
    return 2;
  }
  auto fn = reinterpret_cast<ShowFreeDrawImageFormProc>(
      reinterpret_cast<void*>(::GetProcAddress(lib.Get(), "ShowFreeDrawImageForm")));
  if (!fn) {
    error = dll + " has no export ShowFreeDrawImageForm";
    return 2;
  }
  char full[MAX_PATH * 2] = {};
  const std::string picture = PagePicturePath(opt.Dir, opt.Page);
  if (!::GetFullPathNameA(picture.c_str(), sizeof full, full, nullptr)) std::snprintf(full, sizeof full, "%s", picture.c_str());
  std::string texts[9] = {std::to_string(opt.WindowWidth), std::to_string(opt.WindowHeight), full,
                                std::to_string(opt.ScrollX), std::to_string(opt.ScrollY), std::to_string(opt.Pages),
                                opt.Theme, opt.Icon, std::to_string(reinterpret_cast<uintptr_t>(hostWnd))};
  char* p[9];
  for (int i = 0; i < 9; ++i) p[i] = texts[i].data();
  fn(&p[0], &p[1], &p[2], &p[3], &p[4], &p[5], &p[6], &p[7], &p[8]);
  return 0;
}

int RunHost(const HostOptions& opt) {
  ::CreateDirectoryW(vk::win::AnsiToWide(opt.Dir).c_str(), nullptr);
  HostWindow host(opt);
  if (!host.Create()) {
    std::fprintf(stderr, "pagehost: cannot create the host window\n");
    return 1;
  }
  std::string error;
  if (!WriteHostPage(opt, opt.Page, error)) {
    std::fprintf(stderr, "pagehost: cannot write %s: %s\n", PagePicturePath(opt.Dir, opt.Page).c_str(), error.c_str());
    return 1;
  }
  int rc = RunEditor(opt, host.Handle(), error);
  if (rc != 0) std::fprintf(stderr, "pagehost: %s\n", error.c_str());
  return rc;
}

}  // namespace pagehost
