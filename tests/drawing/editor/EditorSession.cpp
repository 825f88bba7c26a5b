#include "EditorSession.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "GuiDriver.h"
#include "drawing/editor/EditorIds.h"

namespace vkt {

namespace {

using ExportFn = void(__stdcall*)(const char* const*, const char* const*, const char* const*, const char* const*,
                                  const char* const*, const char* const*, const char* const*, const char* const*,
                                  const char* const*);

ExportFn Export() {
  static HMODULE lib = ::LoadLibraryW(L"vellumkit.dll");
  return lib ? reinterpret_cast<ExportFn>(reinterpret_cast<void*>(::GetProcAddress(lib, "ShowFreeDrawImageForm")))
             : nullptr;
}

void CloseWhatIsLeft() {
  for (int i = 0; i < 20; ++i) {
    HWND dlg = ::FindWindowW(L"#32770", nullptr);
    if (dlg) {
      ::PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
      ::PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    HWND form = ::FindWindowW(L"TFreePicF", nullptr);
    if (!form && !dlg) return;
    if (form && !dlg) ::PostMessageW(form, WM_CLOSE, 0, 0);
    ::Sleep(150);
  }
}

}  // namespace

HWND EditorWindow::Control(const char* name) const {
  int id = vk::ToolButtonId(name);
  if (id < vk::kIdFirstButton) id = vk::PropControlId(name);
  return FindChildById(Form, id);
}

POINT EditorWindow::Page(int x, int y) const { return ClientToScreenPt(Surface, x, y); }

void EditorWindow::Press(const char* control) const {
  HWND c = Control(control);
  RECT r{};
  ::GetWindowRect(c, &r);
  Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool RunEditorSession(const ExportTexts& t, const std::function<void(EditorWindow&)>& driver) {
  ExportFn fn = Export();
  if (!fn) return false;
  bool appeared = false;
  std::thread th([&] {
    EditorWindow w;
    w.Form = WaitForWindow(L"TFreePicF", L"Draw Graphics");
    if (w.Form) {
      appeared = true;
      w.ScrollBox = FindChildById(w.Form, vk::kIdScrollBox);
      w.Surface = FindChildById(w.Form, vk::kIdImage);
      ::SetForegroundWindow(w.Form);
      ::Sleep(150);
      driver(w);
    }
    CloseWhatIsLeft();
  });
  const char* p[9] = {t.Width.c_str(), t.Height.c_str(), t.PageFile.c_str(), t.ScrollX.c_str(), t.ScrollY.c_str(),
                      t.Pages.c_str(), t.Theme.c_str(),  t.Icon.c_str(),     t.Host.c_str()};
  fn(&p[0], &p[1], &p[2], &p[3], &p[4], &p[5], &p[6], &p[7], &p[8]);
  th.join();
  return appeared;
}

SeenWindow ShowAndClose(const char* const* const args[9]) {
  SeenWindow seen;
  ExportFn fn = Export();
  if (!fn) return seen;
  std::thread th([&] {
    HWND form = WaitForWindow(L"TFreePicF", nullptr);
    if (form) {
      seen.Appeared = true;
      ::GetWindowRect(form, &seen.Rect);
      seen.Caption = WindowText(form);
    }
    CloseWhatIsLeft();
  });
  fn(args[0], args[1], args[2], args[3], args[4], args[5], args[6], args[7], args[8]);
  th.join();
  return seen;
}

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

}  // namespace vkt
