#include "drawing/images/ShowImgU.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "win/DialogTemplate.h"
#include "win/Handle.h"

namespace vk {

TShowImgF::TShowImgF(const win::Dib& picture) {
  if (Image1.Resize(picture.Width(), picture.Height()) && Image1.Bits())
    ::BitBlt(Image1.Dc(), 0, 0, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
}

void TShowImgF::ShowModal(HWND owner) {
  win::DialogSpec s;
  s.Caption = L"查看编辑的文字,图象宽x高：" + std::to_wstring(Image1.Width()) + L"x" + std::to_wstring(Image1.Height());
  s.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  s.ClientWidth = 620;  // replaced by the screen's size when the window starts
  s.ClientHeight = 460;
  s.OnInit = [this](HWND w) { FormCreate(w); };
  s.OnMessage = [this](HWND w, UINT msg, WPARAM wp, LPARAM lp) { return OnMessage(w, msg, wp, lp); };
  const HINSTANCE inst = owner ? reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE))
                               : ::GetModuleHandleW(nullptr);
  win::RunDialog(inst, owner, s);
}

void TShowImgF::FormCreate(HWND w) {
  ::SetWindowPos(w, nullptr, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  RECT rc{};
  ::GetClientRect(w, &rc);
  clientW_ = rc.right;
  clientH_ = rc.bottom;
  placement_ = PlaceViewerImage(clientW_, clientH_, Image1.Width(), Image1.Height());
  // The hint; the tooltip belongs to the window and goes with it.
  HWND tip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, w, nullptr, nullptr,
                           nullptr);
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_SUBCLASS;
  ti.hwnd = w;
  ti.rect = rc;
  std::wstring hint = L"双击可关闭窗口";
  ti.lpszText = hint.data();
  ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

HCURSOR TShowImgF::PanCursor() const {
  switch (placement_.Axes) {
    case PanAxes::Both: return ::LoadCursorW(nullptr, IDC_SIZEALL);
    case PanAxes::Vertical: return ::LoadCursorW(nullptr, IDC_SIZENS);
    case PanAxes::Horizontal: return ::LoadCursorW(nullptr, IDC_SIZEWE);
    case PanAxes::None: break;
  }
  return ::LoadCursorW(nullptr, IDC_ARROW);
}

std::optional<LRESULT> TShowImgF::OnMessage(HWND w, UINT msg, WPARAM, LPARAM lp) {
  const TPoint p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  switch (msg) {
    case WM_PAINT: Paint(w); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETCURSOR:
      if (LOWORD(lp) != HTCLIENT) return std::nullopt;
      ::SetCursor(PanCursor());
      return TRUE;
    case WM_LBUTTONDOWN: Label1MouseDown(w, true, p); return 0;
    case WM_RBUTTONDOWN: Label1MouseDown(w, false, p); return 0;
    case WM_MOUSEMOVE: Label1MouseMove(w, p); return 0;
    case WM_LBUTTONUP: Label1MouseUp(); return 0;
    case WM_CAPTURECHANGED: dragging_ = false; return 0;
    case WM_LBUTTONDBLCLK: ::EndDialog(w, IDCANCEL); return 0;  // Label1DblClick
    default: return std::nullopt;
  }
}

void TShowImgF::Paint(HWND w) {
  win::PaintDc dc(w);
  const TPoint at = placement_.ImagePos;
  ::BitBlt(dc.Get(), at.X, at.Y, Image1.Width(), Image1.Height(), Image1.Dc(), 0, 0, SRCCOPY);
  // The white panel with its sunken edge around the picture, without painting it twice.
  ::ExcludeClipRect(dc.Get(), at.X, at.Y, at.X + Image1.Width(), at.Y + Image1.Height());
  RECT rc{0, 0, clientW_, clientH_};
  ::FillRect(dc.Get(), &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::DrawEdge(dc.Get(), &rc, BDR_SUNKENOUTER, BF_RECT);
}

void TShowImgF::Label1MouseDown(HWND w, bool left, TPoint p) {
  if (!left) {
    ::EndDialog(w, IDCANCEL);
    return;
  }
  if (placement_.Axes == PanAxes::None) return;
  dragging_ = true;
  down_ = p;
  startPos_ = placement_.ImagePos;
  bounds_ = PanBoundsFor(placement_.Axes, p, startPos_, clientW_, clientH_, Image1.Width(), Image1.Height());
  ::SetCapture(w);  // the bounds hold also when the mouse leaves the window
}

void TShowImgF::Label1MouseMove(HWND w, TPoint p) {
  if (!dragging_) return;
  const TPoint pos = PannedImagePos(bounds_, down_, startPos_, p);
  if (pos == placement_.ImagePos) return;
  placement_.ImagePos = pos;
  ::InvalidateRect(w, nullptr, FALSE);
}

void TShowImgF::Label1MouseUp() {
  if (!dragging_) return;
  dragging_ = false;
  ::ReleaseCapture();
}

}  // namespace vk
