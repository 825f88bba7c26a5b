// The property bar and the style items of the object menu: line width, line style,
// line colour and fill of the current object and of the objects drawn next.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "drawing/editor/EditorWindows.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/editor/SetLineW.h"
#include "win/Text.h"

namespace vk {

namespace {

// cbbLineWKeyPress: only digits and backspace reach the width box.
LRESULT CALLBACK DigitsOnly(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_CHAR && !((wp >= L'0' && wp <= L'9') || wp == 8)) return 0;
  return ::DefSubclassProc(w, msg, wp, lp);
}

std::wstring WindowText(HWND w) {
  const int n = ::GetWindowTextLengthW(w);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  ::GetWindowTextW(w, s.data(), n + 1);
  s.resize(static_cast<size_t>(n));
  return s;
}

bool RunColorDialog(HWND owner, COLORREF& color) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = color;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!::ChooseColorW(&cc)) return false;
  color = cc.rgbResult;
  return true;
}

}  // namespace

void TFreePicF::InstallPropertyBarFilters() {
  HWND combo = ControlHandle("cbbLineW");
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (combo && ::GetComboBoxInfo(combo, &info) && info.hwndItem) ::SetWindowSubclass(info.hwndItem, &DigitsOnly, 1, 0);
}

bool TFreePicF::FillTicked() const {
  HWND b = ControlHandle("schckbxFillColor");
  return b && ::SendMessageW(b, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TFreePicF::OnPropCommand(size_t index, int code) {
  const char* name = PropControls()[index].Name;
  // Styles wait with the drawing while a page is awaited (the page box and Goto do not).
  if (waitingForPage_ && std::strcmp(name, "btn1") != 0 && std::strcmp(name, "edtPage") != 0) return;
  if (!std::strcmp(name, "cbbLineW")) {
    if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE) {
      if (code == CBN_SELCHANGE) {
        // The edit part shows the new item only after this notification.
        HWND combo = ControlHandle("cbbLineW");
        const LRESULT sel = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
        if (sel >= 0) ::SetWindowTextW(combo, std::to_wstring(sel + 1).c_str());
      }
      cbbLineWChange();
    } else if (code == CBN_KILLFOCUS) {
      cbbLineWExit();
    }
  } else if (!std::strcmp(name, "cbbLineStype")) {
    if (code == CBN_SELCHANGE) cbbLineStypeChange();
  } else if (!std::strcmp(name, "pnlLineColor")) {
    pnlLineColorClick();
  } else if (!std::strcmp(name, "pnlFillColor")) {
    pnlFillColorClick();
  } else if (!std::strcmp(name, "schckbxFillColor")) {
    if (code == BN_CLICKED) schckbxFillColorClick();
  } else if (!std::strcmp(name, "btn1")) {
    if (code == BN_CLICKED) btn1Click();
  } else if (!std::strcmp(name, "edtPage")) {
    if (code == EN_KILLFOCUS) ClampPageBox();
  }
  // Digits typed into the width box one after another are one change.
  CommitChange(!std::strcmp(name, "cbbLineW") ? DrawingHistory::kWidthBox : DrawingHistory::kNoGroup);
}

void TFreePicF::cbbLineWExit() {
  HWND combo = ControlHandle("cbbLineW");
  std::wstring t = WindowText(combo);
  t.erase(std::remove(t.begin(), t.end(), L' '), t.end());
  if (t.empty()) {
    ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
  }
}

void TFreePicF::cbbLineWChange() {
  if (!CurPic) return;
  CurLineWidth = ParseIntOr(win::WideToUtf8(WindowText(ControlHandle("cbbLineW"))), 1);
  CurPic->PicPen.Width = CurLineStyle != 0 ? 1 : 2 * CurLineWidth;
  RedrawAll(false, true);
}

void TFreePicF::cbbLineStypeChange() {
  if (!CurPic) return;
  const LRESULT sel = ::SendMessageW(ControlHandle("cbbLineStype"), CB_GETCURSEL, 0, 0);
  CurLineStyle = static_cast<uint8_t>(std::clamp<LRESULT>(sel, 0, 4));
  CurPic->PicPen.Style = CurLineStyle;
  if (CurLineStyle != 0) {
    HWND width = ControlHandle("cbbLineW");
    if (::SendMessageW(width, CB_GETCURSEL, 0, 0) != 0) ::SendMessageW(width, CB_SETCURSEL, 0, 0);
    CurLineWidth = 1;
    CurPic->PicPen.Width = 1;
  } else {
    CurPic->PicPen.Width = 2 * CurLineWidth;
  }
  RedrawAll(false, true);
  ::SetFocus(scrollBox1_);
}

void TFreePicF::pnlLineColorClick() {
  HWND swatch = ControlHandle("pnlLineColor");
  COLORREF c = EditorWindows::SwatchColor(swatch);
  if (!RunColorDialog(form_, c)) return;
  EditorWindows::SetSwatchColor(swatch, c);
  if (!CurPic) return;
  CurPic->PicPen.Color = c;
  CurLineColor = c;
  RedrawAll(false, true);
}

void TFreePicF::pnlFillColorClick() {
  if (!FillTicked()) return;
  HWND swatch = ControlHandle("pnlFillColor");
  COLORREF c = EditorWindows::SwatchColor(swatch);
  if (!RunColorDialog(form_, c) || !CurPic) return;
  EditorWindows::SetSwatchColor(swatch, c);
  CurPic->PicBrush.SetColor(c);
  CurFillColor = c;
  RedrawAll(false, true);
}

void TFreePicF::schckbxFillColorClick() {
  if (!CurPic) return;
  if (FillTicked()) CurPic->PicBrush.SetColor(EditorWindows::SwatchColor(ControlHandle("pnlFillColor")));
  else CurPic->PicBrush.Style = kBrushClear;
  RedrawAll(false, true);
  ::SetFocus(scrollBox1_);
}

// --- style items of the object menu ---

void TFreePicF::N1Click() {
  if (!CurPic) return;
  int32_t w = CurPic->PicPen.Width;
  if (AskLineWidth(form_, w) && CurPic) CurPic->PicPen.Width = w;
  RedrawAll(false, true);
}

void TFreePicF::N20Click(int32_t tag) {
  if (!CurPic) return;
  if (tag >= 1 && tag <= 5) CurPic->PicPen.Style = static_cast<uint8_t>(tag - 1);
  RedrawAll(false, true);
}

void TFreePicF::N3Click(int32_t tag) {
  if (!CurPic) return;
  static constexpr uint32_t kColors[] = {0x0000FF, 0x00FF00, 0x00FFFF};
  if (tag >= 1 && tag <= 3) CurPic->PicPen.Color = kColors[tag - 1];
  RedrawAll(false, true);
}

void TFreePicF::N10Click(int32_t tag) {
  if (!CurPic) return;
  static constexpr uint32_t kColors[] = {0x0000FF, 0x00FF00, 0x00FFFF};
  if (tag == 1) {
    CurPic->PicBrush.Style = kBrushClear;
  } else if (tag >= 2 && tag <= 4) {
    CurPic->PicBrush.Color = kColors[tag - 2];
    CurPic->PicBrush.Style = kBrushSolid;
  }
  RedrawAll(false, true);
}

void TFreePicF::N26Click(int32_t tag) {
  if (!CurPic) return;
  static constexpr uint8_t kStyles[] = {kBrushCross, kBrushDiagCross, kBrushHorizontal,
                                        kBrushVertical, kBrushBDiagonal, kBrushFDiagonal};
  if (tag >= 1 && tag <= 6) CurPic->PicBrush.Style = kStyles[tag - 1];
  RedrawAll(false, true);
}

}  // namespace vk
