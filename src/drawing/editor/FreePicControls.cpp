// The editor window's controls: creation, painting and the routing of their messages.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "core/EditorLayout.h"
#include "drawing/editor/EditorControls.h"
#include "drawing/editor/EditorIds.h"
#include "drawing/editor/EditorWindows.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/editor/ToolGlyphs.h"
#include "drawing/objects/FigureKinds.h"
#include "drawing/objects/TextPic.h"
#include "win/Canvas.h"
#include "win/Text.h"

namespace vk {

void TFreePicF::CreateControls() {
  captionFont_.Reset(::CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Arial"));
  labelFont_.Reset(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Arial"));
  barBrush_.Reset(::CreateSolidBrush(kBarBackground));

  panel1_ = EditorWindows::CreatePanel(this, form_, kIdToolbar);
  pnl1_ = EditorWindows::CreatePanel(this, form_, kIdPropertyBar);
  scrollBox1_ = EditorWindows::CreateScrollBox(this, form_, kIdScrollBox);
  image1_ = EditorWindows::CreateSurface(this, scrollBox1_, kIdImage);
  area_.Attach(scrollBox1_, image1_);

  const auto defs = ToolButtons();
  buttons_.assign(defs.size(), nullptr);
  for (size_t i = 0; i < defs.size(); ++i) {
    const ToolButtonDef& d = defs[i];
    // A tool whose kind this editor cannot draw yet is shown, but disabled.
    const bool enabled = d.EnabledAtStart && (d.Command != CommandId::ChooseTool || FigureOfTag(d.Tag));
    DWORD style = WS_CHILD | BS_OWNERDRAW | (d.Visible ? WS_VISIBLE : 0) | (enabled ? 0 : WS_DISABLED);
    buttons_[i] = ::CreateWindowExW(0, WC_BUTTONW, win::Utf8ToWide(d.Caption).c_str(), style, d.Left,
                                    ToolButtonDef::Top, d.Width, d.Height(), panel1_,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdFirstButton + i)), nullptr, nullptr);
    ::SendMessageW(buttons_[i], WM_SETFONT, reinterpret_cast<WPARAM>(captionFont_.Get()), FALSE);
  }
  tooltip_ = AddToolbarTips(form_, panel1_, buttons_);

  const auto props = PropControls();
  props_.assign(props.size(), nullptr);
  for (size_t i = 0; i < props.size(); ++i) {
    const PropControlDef& d = props[i];
    const int id = kIdFirstProp + static_cast<int>(i);
    const HMENU hid = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    const std::wstring text = win::Utf8ToWide(d.Text);
    HWND w = nullptr;
    switch (d.Kind) {
      case PropControlKind::Label:
        w = ::CreateWindowExW(0, WC_STATICW, text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT, d.Left, d.Top, d.Width,
                              d.Height, pnl1_, hid, nullptr, nullptr);
        break;
      case PropControlKind::LineWidthCombo:
        // The drop-down list sits below the edit part; the height given is the closed box.
        w = ::CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, d.Left, d.Top,
                              d.Width, 220, pnl1_, hid, nullptr, nullptr);
        for (int n = 1; n <= 10; ++n) ::SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(n).c_str()));
        ::SendMessageW(w, CB_SETCURSEL, 0, 0);
        ::SendMessageW(w, CB_LIMITTEXT, 2, 0);
        break;
      case PropControlKind::LineStyleCombo:
        w = ::CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                              d.Left, d.Top, d.Width, 160, pnl1_, hid, nullptr, nullptr);
        for (int n = 0; n < 5; ++n) ::SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
        ::SendMessageW(w, CB_SETITEMHEIGHT, 0, 16);
        ::SendMessageW(w, CB_SETCURSEL, 0, 0);
        break;
      case PropControlKind::ColorSwatch:
        w = EditorWindows::CreateSwatch(this, pnl1_, id, d.Left, d.Top, d.Width, d.Height);
        EditorWindows::SetSwatchColor(w, d.Role == PropRole::LineColor ? session_.Style().LineSwatch
                                                                                   : session_.Style().FillSwatch);
        break;
      case PropControlKind::CheckBox:
        w = ::CreateWindowExW(0, WC_BUTTONW, text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, d.Left,
                              d.Top, d.Width, d.Height, pnl1_, hid, nullptr, nullptr);
        break;
      case PropControlKind::PageEdit:
        w = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, text.c_str(),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_UPPERCASE | ES_AUTOHSCROLL, d.Left, d.Top, d.Width,
                              d.Height, pnl1_, hid, nullptr, nullptr);
        ::SendMessageW(w, EM_LIMITTEXT, 4, 0);
        pageSpin_ = ::CreateWindowExW(0, UPDOWN_CLASSW, L"",
                                      WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS |
                                          UDS_ARROWKEYS,
                                      0, 0, 0, 0, pnl1_, nullptr, nullptr, nullptr);
        ::SendMessageW(pageSpin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(w), 0);
        ::SendMessageW(pageSpin_, UDM_SETRANGE32, 1, 1);
        ::SendMessageW(pageSpin_, UDM_SETPOS32, 0, 1);
        break;
      case PropControlKind::Button:
        w = ::CreateWindowExW(0, WC_BUTTONW, text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, d.Left,
                              d.Top, d.Width, d.Height, pnl1_, hid, nullptr, nullptr);
        break;
    }
    if (w && d.Kind != PropControlKind::ColorSwatch)
      ::SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.Get()), FALSE);
    props_[i] = w;
  }
  AcceptDigitsOnly(ControlHandle(PropRole::LineWidth));  // cbbLineWKeyPress
  FormResize();
}

LRESULT TFreePicF::OnFormMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      FormResize();
      return 0;
    case WM_ERASEBKGND:
      FillClient(form_, reinterpret_cast<HDC>(wp), barBrush_.Get());
      return 1;
    case WM_CLOSE:
      RequestClose();
      return 0;
    case WM_TIMER:
      if (wp == EditorWindows::kTimerApply) tmr1Timer();
      if (wp == EditorWindows::kTimerPage) session_.PageTimer();
      return 0;
    case WM_DESTROY:
      closed_ = true;  // the host destroyed us: leave the modal loop
      return 0;
    default:
      return ::DefWindowProcW(form_, msg, wp, lp);
  }
}

LRESULT TFreePicF::OnPanelMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      FillClient(wnd, reinterpret_cast<HDC>(wp), barBrush_.Get());
      if (wnd == panel1_) {
        RECT rc{};
        ::GetClientRect(wnd, &rc);
        DrawDecorStrip(reinterpret_cast<HDC>(wp), rc);
      }
      return 1;
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
      return 0;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      mis->itemHeight = 16;
      return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wp);
      ::SetTextColor(dc, kCaptionColor);
      ::SetBkColor(dc, kBarBackground);
      return reinterpret_cast<LRESULT>(barBrush_.Get());
    }
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(barBrush_.Get());
    case WM_SETCURSOR:
      // While a page is awaited the bar and its Goto button show the wait cursor.
      if (session_.WaitingForPage() && wnd == pnl1_ &&
          (reinterpret_cast<HWND>(wp) == pnl1_ || reinterpret_cast<HWND>(wp) == ControlHandle(PropRole::Goto))) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      return ::DefWindowProcW(wnd, msg, wp, lp);
    default:
      return ::DefWindowProcW(wnd, msg, wp, lp);
  }
}

void TFreePicF::OnDrawItem(const DRAWITEMSTRUCT& dis) {
  if (dis.CtlType == ODT_COMBOBOX) {
    DrawLineStyleItem(dis);
    return;
  }
  const int i = static_cast<int>(dis.CtlID) - kIdFirstButton;
  if (i < 0 || static_cast<size_t>(i) >= buttons_.size()) return;
  const ToolButtonDef& d = ToolButtons()[static_cast<size_t>(i)];
  const bool down = ShowsToolDown(d, shownToolDown_) || (dis.itemState & ODS_SELECTED);
  const bool enabled = (dis.itemState & ODS_DISABLED) == 0;
  DrawToolButton(dis.hDC, dis.rcItem, d, down, enabled, captionFont_.Get());
}

void TFreePicF::OnCommand(HWND ctl, int code) {
  const int id = ::GetDlgCtrlID(ctl);
  const int bi = id - kIdFirstButton;
  if (ctl && ::GetParent(ctl) == panel1_ && bi >= 0 && static_cast<size_t>(bi) < buttons_.size()) {
    // A quick second click on an owner-drawn button comes as a double click.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
    OnToolButton(static_cast<size_t>(bi));
    return;
  }
  const int pi = id - kIdFirstProp;
  if (pi >= 0 && static_cast<size_t>(pi) < props_.size()) OnPropCommand(static_cast<size_t>(pi), code);
}

bool TFreePicF::PreviewKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (!form_ || (msg.hwnd != form_ && !::IsChild(form_, msg.hwnd))) return false;
  // Arrows, Delete and Ctrl+C/V edit the text in the text entry.
  if (const TTextPic* t = session_.TextTool(); t && msg.hwnd && msg.hwnd == t->EditWindow()) return false;
  FormKeyDown(static_cast<UINT>(msg.wParam));
  return true;
}

LRESULT TFreePicF::OnScrollBoxMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      ShowView();
      return 0;
    case WM_ERASEBKGND:
      FillClient(scrollBox1_, reinterpret_cast<HDC>(wp), barBrush_.Get());
      return 1;
    case WM_HSCROLL:
    case WM_VSCROLL:
      area_.OnScrollBar(msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wp));
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(GET_KEYSTATE_WPARAM(wp), GET_WHEEL_DELTA_WPARAM(wp), {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_LBUTTONDOWN:
      ::SetFocus(scrollBox1_);
      return 0;
    case WM_SETCURSOR:
      // The disabled surface gets no cursor messages of its own while a page is awaited.
      if (session_.WaitingForPage() && LOWORD(lp) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      return ::DefWindowProcW(scrollBox1_, msg, wp, lp);
    default:
      return ::DefWindowProcW(scrollBox1_, msg, wp, lp);
  }
}

LRESULT TFreePicF::OnSurfaceMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      win::PaintDc dc(image1_);
      PaintSurface(dc.Get(), dc.Dirty());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        ::SetCursor(SurfaceCursor(session_.Mode()));
        return TRUE;
      }
      return ::DefWindowProcW(image1_, msg, wp, lp);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnSurfaceMouse(msg, wp, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse in the middle of a press (a message box, the
      // system): the gesture ends rather than apply half of it.
      if (reinterpret_cast<HWND>(lp) != image1_) session_.CaptureLost();
      return 0;
    default:
      return ::DefWindowProcW(image1_, msg, wp, lp);
  }
}

}  // namespace vk
