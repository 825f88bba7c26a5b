// Optaset's entry point. The installer starts it with no arguments; its outcome reaches the
// installer only through files, and the process always ends with status 0.
#include <windows.h>

#include <commctrl.h>

#include "setup/frmMain.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof(icc);
  icc.dwICC = ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
  ::InitCommonControlsEx(&icc);

  optaset::FrmMain form(instance);
  if (!form.Create(showCommand)) return 0;
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
