#include "HostSession.h"

#include <thread>

#include "GuiDriver.h"
#include "drawing/editor/EditorIds.h"

namespace vkt {

HWND HostedEditor::Control(const char* name) const {
  int id = vk::ToolButtonId(name);
  if (id < vk::kIdFirstButton) id = vk::PropControlId(name);
  return FindChildById(Form, id);
}

POINT HostedEditor::Page(int x, int y) const { return ClientToScreenPt(Surface, x, y); }

void HostedEditor::Press(const char* control) const {
  RECT r{};
  ::GetWindowRect(Control(control), &r);
  Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool RunHosted(const pagehost::HostOptions& opt, const std::function<void(HostedEditor&)>& driver) {
  pagehost::HostWindow host(opt);
  if (!host.Create()) return false;
  std::string err;
  if (!pagehost::WritePagePicture(opt.Dir, opt.Page, opt.PageWidth, opt.PageHeight, err)) return false;
  bool appeared = false;
  std::thread th([&] {
    HostedEditor e;
    e.Host = &host;
    e.Form = WaitForWindow(L"TFreePicF", L"Draw Graphics");
    if (e.Form) {
      appeared = true;
      e.Surface = FindChildById(e.Form, vk::kIdImage);
      e.ScrollBox = FindChildById(e.Form, vk::kIdScrollBox);
      ::SetForegroundWindow(e.Form);
      ::Sleep(150);
      driver(e);
    }
    for (int i = 0; i < 30 && ::FindWindowW(L"TFreePicF", nullptr); ++i) {
      if (HWND d = ::FindWindowW(L"#32770", nullptr)) ::PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
      else ::PostMessageW(::FindWindowW(L"TFreePicF", nullptr), WM_CLOSE, 0, 0);
      ::Sleep(150);
    }
  });
  std::string error;
  const int rc = pagehost::RunEditor(opt, host.Handle(), error);
  th.join();
  return rc == 0 && appeared;
}

}  // namespace vkt
