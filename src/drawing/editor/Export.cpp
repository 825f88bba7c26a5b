// The library's one export and its load-time set-up.
#include <windows.h>

#include "vellumkit.h"

#include "core/EditorArgs.h"
#include "drawing/editor/EditorModule.h"
#include "drawing/editor/FreePicU.h"

namespace {
bool g_editorOpen = false;  // one editor window at a time
}

extern "C" BOOL WINAPI DllMain(HINSTANCE inst, DWORD reason, LPVOID) {
  // Nothing from user32 here, under the loader lock: the form loads its cursors itself.
  if (reason == DLL_PROCESS_ATTACH) {
    ::DisableThreadLibraryCalls(inst);
    vk::SetEditorInstance(inst);
  }
  return TRUE;
}

// The header's declaration is checked against this definition; the header keeps the
// export's type in plain C, so a host passes its texts without a cast.
extern "C" __declspec(dllexport) void WINAPI ShowFreeDrawImageForm(char** width, char** height, char** pageFile,
                                                                  char** scrollX, char** scrollY, char** pageCount,
                                                                  char** themeFile, char** iconFile, char** hostWnd) {
  if (g_editorOpen) return;
  g_editorOpen = true;
  // No exception may cross into the host.
  try {
    const char* const* const args[9] = {width, height, pageFile, scrollX, scrollY, pageCount, themeFile, iconFile, hostWnd};
    vk::TFreePicF form(vk::ParseEditorArgs(args));
    form.ShowModal();
  } catch (...) {
    ::MessageBoxW(nullptr, L"The drawing editor stopped because of an internal error.", L"Error", MB_OK | MB_ICONERROR);
  }
  g_editorOpen = false;
}
