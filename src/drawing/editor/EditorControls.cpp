#include "drawing/editor/EditorControls.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "core/EditorArgs.h"
#include "core/EditorLayout.h"
#include "drawing/objects/PicFuns.h"
#include "drawing/session/EditSession.h"
#include "win/Canvas.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace vk {

namespace {

LRESULT CALLBACK DigitsOnly(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_CHAR && !((wp >= L'0' && wp <= L'9') || wp == 8)) return 0;
  return ::DefSubclassProc(w, msg, wp, lp);
}

}  // namespace

bool ShowsToolDown(const ToolButtonDef& button, int32_t down) {
  return (button.Command == CommandId::Select && down == EditSession::kSelectDown) ||
         (button.Command == CommandId::ChooseTool && button.Tag == down);
}

HWND AddToolbarTips(HWND form, HWND toolbar, const std::vector<HWND>& buttons) {
  HWND tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, nullptr,
                                nullptr);
  if (!tips) return nullptr;
  const auto defs = ToolButtons();
  for (size_t i = 0; i < defs.size() && i < buttons.size(); ++i) {
    const char* tip = ToolTipText(defs[i]);
    if (!defs[i].Visible || tip[0] == '\0') continue;
    std::wstring text = win::Utf8ToWide(tip);
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = toolbar;
    ti.uId = reinterpret_cast<UINT_PTR>(buttons[i]);
    ti.lpszText = text.data();  // copied by the control
    ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
  return tips;
}

void AcceptDigitsOnly(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (combo && ::GetComboBoxInfo(combo, &info) && info.hwndItem) ::SetWindowSubclass(info.hwndItem, &DigitsOnly, 1, 0);
}

std::wstring WindowText(HWND w) {
  const int n = ::GetWindowTextLengthW(w);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  ::GetWindowTextW(w, s.data(), n + 1);
  s.resize(static_cast<size_t>(n));
  return s;
}

void FirstItemIfBlank(HWND combo) {
  if (WindowText(combo).find_first_not_of(L' ') == std::wstring::npos) ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

int32_t ClampPageBox(HWND box, int32_t page, int32_t pageCount) {
  wchar_t buf[16] = {};
  ::GetWindowTextW(box, buf, 16);
  // Held to the pages that exist, as the arrows are.
  page = std::clamp(ParseIntOr(win::WideToUtf8(buf), page), 1, std::max(pageCount, 1));
  const std::wstring text = std::to_wstring(page);
  if (text != buf) ::SetWindowTextW(box, text.c_str());
  return page;
}

void DrawLineStyleItem(const DRAWITEMSTRUCT& dis) {
  RECT rc = dis.rcItem;
  win::Brush bg(
      ::CreateSolidBrush((dis.itemState & ODS_SELECTED) ? ::GetSysColor(COLOR_HIGHLIGHT) : ::GetSysColor(COLOR_WINDOW)));
  ::FillRect(dis.hDC, &rc, bg.Get());
  if (static_cast<int>(dis.itemID) < 0) return;
  win::Canvas canvas(dis.hDC);
  canvas.Pen().Style = static_cast<uint8_t>(std::min<UINT>(dis.itemID, 4));
  canvas.Pen().Color = (dis.itemState & ODS_SELECTED) ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : 0;
  canvas.MoveTo(0, rc.top + 8);
  canvas.LineTo(rc.right, rc.top + 8);
}

HCURSOR SurfaceCursor(int32_t mode) {
  // The tools' and the line's and vertices' own cursors have positive numbers.
  if (mode > 0) {
    if (HCURSOR c = PicCursor(mode)) return c;
    return ::LoadCursorW(nullptr, IDC_CROSS);
  }
  const wchar_t* id = IDC_ARROW;
  switch (mode) {
    case kModeSizeNWSE: id = IDC_SIZENWSE; break;
    case kModeSizeNS: id = IDC_SIZENS; break;
    case kModeSizeNESW: id = IDC_SIZENESW; break;
    case kModeSizeWE: id = IDC_SIZEWE; break;
    case kModeMove: id = IDC_SIZEALL; break;
    case kModeWait: id = IDC_WAIT; break;
    default: break;
  }
  return ::LoadCursorW(nullptr, id);
}

void FillClient(HWND wnd, HDC dc, HBRUSH brush) {
  RECT rc{};
  ::GetClientRect(wnd, &rc);
  ::FillRect(dc, &rc, brush ? brush : static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
}

}  // namespace vk
