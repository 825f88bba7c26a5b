// Zoom: the surface shows the page picture at a scale, the keys and wheels that change
// it, and its readout. The pictures stay at page resolution; only what is painted on
// the screen is scaled, one paint rect at a time.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/EditorLayout.h"
#include "drawing/editor/FreePicU.h"
#include "win/Text.h"

namespace vk {

void TFreePicF::ZoomTo(int32_t zoom, POINT anchor) {
  const int32_t most = MaxZoomFor(session_.Work().Width(), session_.Work().Height());
  zoom = std::clamp(zoom, std::min(kFitMin, most), most);
  if (zoom != zoom_ && scrollBox1_ && image1_) {
    // The page point under the anchor, before and after.
    RECT now{};
    ::GetWindowRect(image1_, &now);
    ::MapWindowPoints(nullptr, scrollBox1_, reinterpret_cast<POINT*>(&now), 2);
    const double px = (anchor.x - now.left + 0.5) * 100.0 / zoom_;
    const double py = (anchor.y - now.top + 0.5) * 100.0 / zoom_;
    zoom_ = zoom;
    // The canvases and the redraw take the handle size of the scale.
    session_.SetZoom(zoom_);
    session_.SetHandleHalf(HandleHalfAt(zoom_));
    session_.RedrawAll(false, true);
    ShowView();
    area_.ScrollTo(SB_HORZ, static_cast<int32_t>(std::floor(px * zoom / 100.0)) - anchor.x);
    area_.ScrollTo(SB_VERT, static_cast<int32_t>(std::floor(py * zoom / 100.0)) - anchor.y);
    ::InvalidateRect(image1_, nullptr, FALSE);
  }
  zoom_ = zoom;
  UpdateZoomReadout();
}

void TFreePicF::FitPage() {
  fit_ = true;
  if (!scrollBox1_) return;
  // The whole client area, as it is once the page fits and the scroll bars have gone.
  RECT c{};
  ::GetClientRect(scrollBox1_, &c);
  const LONG_PTR style = ::GetWindowLongPtrW(scrollBox1_, GWL_STYLE);
  if (style & WS_VSCROLL) c.right += ::GetSystemMetrics(SM_CXVSCROLL);
  if (style & WS_HSCROLL) c.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
  ZoomTo(FitZoom(session_.Work().Width(), session_.Work().Height(), c.right, c.bottom));
}

bool TFreePicF::ZoomKey(UINT key) {
  if (!(::GetKeyState(VK_CONTROL) & 0x8000)) return false;
  enum { In, Out, Fit, Actual } action;
  switch (key) {
    case VK_OEM_PLUS: case VK_ADD: action = In; break;
    case VK_OEM_MINUS: case VK_SUBTRACT: action = Out; break;
    case '0': case VK_NUMPAD0: action = Fit; break;
    case '1': action = Actual; break;
    default: return false;
  }
  if (session_.Busy()) return true;
  session_.EndTextEdit(false);
  fit_ = false;
  switch (action) {
    case In: ZoomTo(NextZoomStep(zoom_)); break;
    case Out: ZoomTo(PrevZoomStep(zoom_)); break;
    case Fit: FitPage(); break;
    case Actual: ZoomTo(100); break;
  }
  return true;
}

bool TFreePicF::PreviewZoom(const MSG& msg) {
  if (!form_ || (msg.hwnd != form_ && !::IsChild(form_, msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN) return ZoomKey(static_cast<UINT>(msg.wParam));
  if (msg.message != WM_MOUSEWHEEL || !scrollBox1_) return false;
  // The wheel goes to the focus; the user means the drawing area whenever the pointer is on it.
  const POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  const HWND over = ::WindowFromPoint(pt);
  if (over != scrollBox1_ && !::IsChild(scrollBox1_, over)) return false;
  OnWheel(GET_KEYSTATE_WPARAM(msg.wParam), GET_WHEEL_DELTA_WPARAM(msg.wParam), pt);
  return true;
}

void TFreePicF::OnWheel(WPARAM keys, int delta, POINT screenPt) {
  if (keys & MK_CONTROL) {
    if (session_.Busy()) return;
    session_.EndTextEdit(false);
    POINT anchor = screenPt;
    ::ScreenToClient(scrollBox1_, &anchor);
    wheelRest_ += delta;
    for (; wheelRest_ >= WHEEL_DELTA; wheelRest_ -= WHEEL_DELTA) {
      fit_ = false;
      ZoomTo(NextZoomStep(zoom_), anchor);
    }
    for (; wheelRest_ <= -WHEEL_DELTA; wheelRest_ += WHEEL_DELTA) {
      fit_ = false;
      ZoomTo(PrevZoomStep(zoom_), anchor);
    }
    return;
  }
  const int bar = (keys & MK_SHIFT) ? SB_HORZ : SB_VERT;
  area_.ScrollTo(bar, area_.Pos(bar) - delta * 48 / WHEEL_DELTA);
}

void TFreePicF::PaintSurface(HDC dc, const RECT& dirty) {
  const win::Dib& overlay = session_.Overlay();
  const win::Dib& work = session_.Work();
  if (zoom_ == 100) {
    ::BitBlt(dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, overlay.Dc(), dirty.left,
             dirty.top, SRCCOPY);
    return;
  }
  // Only what the scroll box shows: the surface may be far larger than the screen.
  const TRect rc = Intersect(win::FromRECT(dirty), area_.Visible());
  if (rc.IsEmpty()) return;
  const int32_t w = overlay.Width(), h = overlay.Height();
  if (!scaler_ || scaler_->Zoom() != zoom_ || scaler_->PageWidth() != w || scaler_->PageHeight() != h)
    scaler_ = std::make_unique<ViewScaler>(w, h, zoom_);
  ::GdiFlush();
  viewPixels_.assign(static_cast<size_t>(rc.Width()) * static_cast<size_t>(rc.Height()), 0xFFFFFF);
  const std::span<const uint32_t> shown{overlay.Bits(), static_cast<size_t>(w) * static_cast<size_t>(h)};
  scaler_->Scale(shown, rc, viewPixels_);
  // What was drawn on the surface since the last redraw (bands, outlines) stays visible.
  const TRect taint = session_.Taint();
  if (zoom_ < 100 && !taint.IsEmpty() && work.Width() == w && work.Height() == h)
    scaler_->Overlay(shown, {work.Bits(), shown.size()}, taint, rc, viewPixels_);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = rc.Width();
  bi.bmiHeader.biHeight = -rc.Height();  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  ::SetDIBitsToDevice(dc, rc.Left, rc.Top, static_cast<DWORD>(rc.Width()), static_cast<DWORD>(rc.Height()), 0, 0, 0,
                      static_cast<UINT>(rc.Height()), viewPixels_.data(), &bi, DIB_RGB_COLORS);
}

void TFreePicF::UpdateZoomReadout() {
  ::SetWindowTextW(ControlHandle(PropRole::ZoomReadout), win::Utf8ToWide(std::to_string(zoom_) + " %").c_str());
}

}  // namespace vk
