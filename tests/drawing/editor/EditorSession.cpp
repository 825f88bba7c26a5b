#include "EditorSession.h"

#include <thread>

#include "GuiDriver.h"

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

}  // namespace

bool RunEditorSession(const ExportTexts& t, const std::function<void(EditorWindow&)>& driver) {
  ExportFn fn = Export();
  if (!fn) return false;
  const GuiThread gui;  // the editor's thread: the driver's input waits for it
  bool appeared = false;
  Driver th([&] {
    EditorWindow w;
    if (w.Find()) {
      appeared = true;
      driver(w);
    }
    CloseEditorsLeft();
  });
  const char* p[9] = {t.Width.c_str(), t.Height.c_str(), t.PageFile.c_str(), t.ScrollX.c_str(), t.ScrollY.c_str(),
                      t.Pages.c_str(), t.Theme.c_str(),  t.Icon.c_str(),     t.Host.c_str()};
  fn(&p[0], &p[1], &p[2], &p[3], &p[4], &p[5], &p[6], &p[7], &p[8]);
  th.Join();
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
    CloseEditorsLeft();
  });
  fn(args[0], args[1], args[2], args[3], args[4], args[5], args[6], args[7], args[8]);
  th.join();
  return seen;
}

}  // namespace vkt
