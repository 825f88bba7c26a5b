#include "drawing/editor/frm_Delete.h"

#include "drawing/editor/EditorModule.h"
#include "win/DialogTemplate.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace vk {

namespace {
constexpr WORD kIdIcon = 100, kIdText = 101, kIdCheck = 102;
}

INT_PTR AskDelete(HWND owner, bool& dontShowAgain, const std::string& iconFile) {
  win::Icon icon;
  if (!iconFile.empty())
    icon.Reset(static_cast<HICON>(::LoadImageW(nullptr, win::AnsiToWide(iconFile).c_str(), IMAGE_ICON, 0, 0,
                                               LR_LOADFROMFILE | LR_DEFAULTSIZE)));
  win::DialogSpec s;
  s.Caption = L"Quillora Studio";
  s.ClientWidth = 310;
  s.ClientHeight = 101;
  s.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  s.CenterOn = owner;
  s.Icon = icon.Get();
  s.Items = {
      {L"STATIC", L"", kIdIcon, SS_ICON | SS_CENTERIMAGE, {7, 13, 40, 47}},
      {L"STATIC", L"Are you sure you want to delete the graphic?", kIdText, SS_LEFT | SS_NOPREFIX, {49, 12, 305, 30}},
      {L"BUTTON", L"&Yes", IDYES, BS_DEFPUSHBUTTON | WS_TABSTOP, {75, 43, 159, 66}},
      {L"BUTTON", L"&No", IDNO, BS_PUSHBUTTON | WS_TABSTOP, {181, 43, 265, 66}},
      {L"BUTTON", L"Don't show next time.", kIdCheck, BS_AUTOCHECKBOX | WS_TABSTOP, {17, 73, 200, 90}},
  };
  s.OnInit = [](HWND dlg) {
    ::SendDlgItemMessageW(dlg, kIdIcon, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconW(nullptr, IDI_QUESTION)), 0);
  };
  bool ticked = false;
  s.OnEnd = [&ticked](HWND dlg, INT_PTR) { ticked = ::IsDlgButtonChecked(dlg, kIdCheck) == BST_CHECKED; };
  const INT_PTR result = win::RunDialog(EditorInstance(), owner, s);
  dontShowAgain = ticked;
  return result;
}

}  // namespace vk
