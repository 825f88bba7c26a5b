#include "drawing/editor/EditorWindows.h"

#include <commctrl.h>

#include "drawing/editor/EditorModule.h"
#include "drawing/editor/FreePicU.h"
#include "win/Barrier.h"
#include "win/Handle.h"

namespace vk {

namespace {

constexpr const wchar_t* kClassNames[5] = {L"TFreePicF", L"TVkPanel", L"TVkScrollBox", L"TVkImage", L"TVkSwatch"};

TFreePicF* FormOf(HWND w, UINT m, LPARAM lp) {
  if (m == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    ::SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* f = reinterpret_cast<TFreePicF*>(::GetWindowLongPtrW(w, GWLP_USERDATA));
  if (m == WM_NCDESTROY) ::SetWindowLongPtrW(w, GWLP_USERDATA, 0);
  return f;
}

}  // namespace

EditorWindows::~EditorWindows() {
  for (int i = 0; i < 5; ++i)
    if (registered_[i]) ::UnregisterClassW(kClassNames[i], EditorInstance());
}

bool EditorWindows::Register() {
  WNDPROC procs[5] = {&FormProc, &PanelProc, &ScrollBoxProc, &SurfaceProc, &SwatchProc};
  for (int i = 0; i < 5; ++i) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procs[i];
    wc.hInstance = EditorInstance();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassNames[i];
    wc.cbWndExtra = sizeof(LONG_PTR);
    if (i == 0) wc.style = CS_HREDRAW | CS_VREDRAW;
    if (i == 3) {
      wc.style = CS_DBLCLKS;
      wc.hCursor = nullptr;  // the surface shows the cursor of its mode
    }
    registered_[i] = ::RegisterClassExW(&wc) != 0;
    if (!registered_[i] && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  }
  return true;
}

HWND EditorWindows::CreateForm(TFreePicF* form, int width, int height) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
  const int x = (sw - width) / 2, y = (sh - height) / 2;
  return ::CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kClassNames[0], L"Draw Graphics", style, x, y, width,
                           height, nullptr, nullptr, EditorInstance(), form);
}

HWND EditorWindows::CreatePanel(TFreePicF* form, HWND parent, int id) {
  return ::CreateWindowExW(WS_EX_CONTROLPARENT, kClassNames[1], L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10,
                           10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), EditorInstance(), form);
}

HWND EditorWindows::CreateScrollBox(TFreePicF* form, HWND parent, int id) {
  return ::CreateWindowExW(0, kClassNames[2], L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL |
                           WS_TABSTOP, 0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           EditorInstance(), form);
}

HWND EditorWindows::CreateSurface(TFreePicF* form, HWND parent, int id) {
  // It holds the text tool's edit, which its painting must leave alone.
  return ::CreateWindowExW(0, kClassNames[3], L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1, 1, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), EditorInstance(), form);
}

HWND EditorWindows::CreateSwatch(TFreePicF* form, HWND parent, int id, int x, int y, int w, int h) {
  return ::CreateWindowExW(0, kClassNames[4], L"", WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), EditorInstance(), form);
}

void EditorWindows::SetSwatchColor(HWND swatch, COLORREF c) {
  ::SetWindowLongPtrW(swatch, 0, static_cast<LONG_PTR>(c));
  ::InvalidateRect(swatch, nullptr, TRUE);
}

COLORREF EditorWindows::SwatchColor(HWND swatch) { return static_cast<COLORREF>(::GetWindowLongPtrW(swatch, 0)); }

LRESULT CALLBACK EditorWindows::FormProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  TFreePicF* f = FormOf(w, m, lp);
  if (!f || m == WM_NCCREATE || m == WM_NCDESTROY) return ::DefWindowProcW(w, m, wp, lp);
  if (!f->form_) f->form_ = w;
  return win::Guarded(w, 0, [&] { return f->OnFormMessage(m, wp, lp); });
}

LRESULT CALLBACK EditorWindows::PanelProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  TFreePicF* f = FormOf(w, m, lp);
  if (!f || m == WM_NCCREATE || m == WM_NCDESTROY) return ::DefWindowProcW(w, m, wp, lp);
  return win::Guarded(w, 0, [&] { return f->OnPanelMessage(w, m, wp, lp); });
}

LRESULT CALLBACK EditorWindows::ScrollBoxProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  TFreePicF* f = FormOf(w, m, lp);
  if (!f || m == WM_NCCREATE || m == WM_NCDESTROY) return ::DefWindowProcW(w, m, wp, lp);
  if (!f->scrollBox1_) f->scrollBox1_ = w;
  return win::Guarded(w, 0, [&] { return f->OnScrollBoxMessage(m, wp, lp); });
}

LRESULT CALLBACK EditorWindows::SurfaceProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  TFreePicF* f = FormOf(w, m, lp);
  if (!f || m == WM_NCCREATE || m == WM_NCDESTROY) return ::DefWindowProcW(w, m, wp, lp);
  if (!f->image1_) f->image1_ = w;
  return win::Guarded(w, 0, [&] { return f->OnSurfaceMessage(m, wp, lp); });
}

LRESULT CALLBACK EditorWindows::SwatchProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  TFreePicF* f = FormOf(w, m, lp);
  switch (m) {
    case WM_PAINT: {
      win::PaintDc dc(w);
      RECT rc{};
      ::GetClientRect(w, &rc);
      ::DrawEdge(dc.Get(), &rc, BDR_SUNKENINNER, BF_RECT | BF_ADJUST);
      win::Brush b(::CreateSolidBrush(SwatchColor(w)));
      ::FillRect(dc.Get(), &rc, b.Get());
      return 0;
    }
    case WM_LBUTTONUP:
      if (f) ::SendMessageW(::GetParent(w), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(w), STN_CLICKED),
                            reinterpret_cast<LPARAM>(w));
      return 0;
    default:
      return ::DefWindowProcW(w, m, wp, lp);
  }
}

}  // namespace vk
