#include "EditorWindow.h"

#include "GuiDriver.h"
#include "drawing/editor/EditorIds.h"

namespace vkt {

bool EditorWindow::Find(DWORD timeoutMs) {
  Form = WaitForWindow(L"TFreePicF", L"Draw Graphics", timeoutMs);
  if (!Form) return false;
  ScrollBox = FindChildById(Form, vk::kIdScrollBox);
  Surface = FindChildById(Form, vk::kIdImage);
  ::SetForegroundWindow(Form);
  // Keys go where the focus is: wait until the form is in front and holds it, or until
  // a message box it shows while opening has taken its place.
  WaitFor([&] { return IsActive(Form) || DialogShowing(nullptr); }, timeoutMs);
  WaitInputTaken();
  return true;
}

HWND EditorWindow::Control(const char* name) const {
  int id = vk::ToolButtonId(name);
  if (id < vk::kIdFirstButton) id = vk::PropControlId(name);
  return FindChildById(Form, id);
}

POINT EditorWindow::Page(int x, int y) const { return ClientToScreenPt(Surface, x, y); }

void EditorWindow::Press(const char* control) const {
  RECT r{};
  ::GetWindowRect(Control(control), &r);
  Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void CloseEditorsLeft() {
  for (int i = 0; i < 30; ++i) {
    HWND dlg = ::FindWindowW(L"#32770", nullptr);
    HWND form = ::FindWindowW(L"TFreePicF", nullptr);
    if (!form && !dlg) return;
    if (dlg) {
      ::PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
      ::PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      WaitFor([&] { return !::IsWindow(dlg); }, 2000);
    } else {
      // Closing may ask a question first; the next round answers it.
      ::PostMessageW(form, WM_CLOSE, 0, 0);
      WaitFor([&] { return !::IsWindow(form) || ::FindWindowW(L"#32770", nullptr); }, 2000);
    }
  }
}

}  // namespace vkt
