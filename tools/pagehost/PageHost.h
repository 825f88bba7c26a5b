#pragma once
// The page host: plays the PDF application's part so that the editor can be run whole.
// It renders page pictures into a working folder, calls the editor's export with its own
// window as the host window, and answers the editor's page requests.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "core/BmpCodec.h"
#include "vellumkit.h"
#include "win/Handle.h"

namespace pagehost {

inline constexpr UINT kPageMessage = VELLUMKIT_PAGE_MESSAGE;

struct HostOptions {
  std::string Dir = ".";            // working folder of the page pictures
  std::string Dll;                  // editor library; default: vellumkit.dll beside the host
  int32_t Page = 1;                 // page opened first
  int32_t Pages = 3;                // page count handed to the editor
  int32_t PageWidth = 1240;         // A4 at 150 dpi
  int32_t PageHeight = 1754;
  int32_t WindowWidth = 1000;
  int32_t WindowHeight = 720;
  int32_t ScrollX = 0;
  int32_t ScrollY = 0;
  uint32_t DelayMs = 0;             // answer page requests this much later (a slow host)
  // 0: a page picture is written to a temporary file and renamed into place. Otherwise it
  // is written in place, in this many pieces PieceMs apart, as a host that renders
  // straight into the file does (a reader may see it incomplete).
  int32_t InPlacePieces = 0;
  int32_t PieceMs = 0;
  std::string Theme;
  std::string Icon;
  // A real document: its pages are rendered by this program (poppler's pdftoppm) on demand.
  std::string Pdf;
  std::string PdfRenderer = "pdftoppm";
  bool ShowHelp = false;
};

// Parses "--name value" options; returns false with a message on bad input.
bool ParseHostArgs(const std::vector<std::string>& args, HostOptions& opt, std::string& error);
std::string HostUsage();

// Writes Page<N>.bmp (24 bits per pixel): white paper, its number, lines of text, figures.
bool WritePagePicture(const std::string& dir, int32_t page, int32_t width, int32_t height, std::string& error);

std::string PagePicturePath(const std::string& dir, int32_t page);

// The host's own page: the generated one, or the document's page when there is a PDF.
bool PagePixels(const HostOptions& opt, int32_t page, vk::PixelImage& out, std::string& error);
bool WriteHostPage(const HostOptions& opt, int32_t page, std::string& error);

// The host's main window; answers the page message by writing the requested picture.
class HostWindow {
 public:
  explicit HostWindow(const HostOptions& opt);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  bool Create();
  HWND Handle() const { return wnd_; }
  // Page numbers asked for so far, in order.
  const std::vector<int32_t>& Requests() const { return requests_; }
  // When the last page picture was complete on disk (performance counter, milliseconds).
  double LastDeliveredAt() const { return deliveredAt_.load(); }

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void Deliver(int32_t page);
  void WriteNextPiece();

  HostOptions opt_;
  HWND wnd_ = nullptr;
  std::vector<int32_t> requests_;
  std::vector<int32_t> pending_;
  std::atomic<double> deliveredAt_{0};  // read by drivers on other threads
  // A picture being written in place.
  vk::win::File piecesOut_;
  std::vector<uint8_t> piecesBytes_;
  size_t piecesDone_ = 0;
  int32_t piecesPage_ = 0;
};

// Loads the editor and calls its export once. Returns the process exit code:
// 0 when the editor ran, 2 when the library or its export is missing.
int RunEditor(const HostOptions& opt, HWND hostWnd, std::string& error);

// The whole host: window, first page, editor. Messages go to stderr.
int RunHost(const HostOptions& opt);

}  // namespace pagehost
