#include "drawing/editor/SetLineW.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "core/EditorArgs.h"
#include "drawing/editor/EditorModule.h"
#include "win/DialogTemplate.h"
#include "win/Text.h"

namespace vk {

namespace {
constexpr WORD kIdGroup = 100, kIdLabel = 101, kIdEdit = 102, kIdSpin = 103;
constexpr int32_t kMin = 1, kMax = 6;
}  // namespace

int32_t SpinEditValue(const wchar_t* text) {
  const int32_t v = ParseIntOr(win::WideToUtf8(text ? text : L""), kMin);
  return std::clamp(v, kMin, kMax);
}

bool AskLineWidth(HWND owner, int32_t& width) {
  const int32_t shown = std::clamp(width, kMin, kMax);
  win::DialogSpec s;
  s.Caption = L"请设置线宽";
  s.ClientWidth = 243;
  s.ClientHeight = 127;
  s.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  s.FontFace = L"宋体";
  s.FontPixels = 12;
  s.FontCharset = GB2312_CHARSET;
  s.Items = {
      {L"BUTTON", L"线宽", kIdGroup, BS_GROUPBOX, {3, 11, 236, 84}},
      {L"STATIC", L"请设置线宽度：", kIdLabel, SS_LEFT, {16, 36, 104, 52}},
      {L"EDIT", std::to_wstring(shown), kIdEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {104, 32, 217, 53}},
      {L"BUTTON", L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {72, 96, 147, 121}},
      {L"BUTTON", L"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {160, 96, 235, 121}},
  };
  s.OnInit = [shown](HWND dlg) {
    HWND edit = ::GetDlgItem(dlg, kIdEdit);
    ::SendMessageW(edit, EM_LIMITTEXT, 6, 0);
    HWND spin = ::CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT |
                                  UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0, dlg,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdSpin)), nullptr, nullptr);
    ::SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    ::SendMessageW(spin, UDM_SETRANGE32, kMin, kMax);
    ::SendMessageW(spin, UDM_SETPOS32, 0, shown);
    ::SetFocus(edit);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
  };
  int32_t chosen = shown;
  s.OnEnd = [&chosen](HWND dlg, INT_PTR result) {
    if (result != IDOK) return;
    wchar_t buf[16] = {};
    ::GetDlgItemTextW(dlg, kIdEdit, buf, 16);
    chosen = SpinEditValue(buf);
  };
  if (win::RunDialog(EditorInstance(), owner, s) != IDOK) return false;
  width = chosen;
  return true;
}

}  // namespace vk
