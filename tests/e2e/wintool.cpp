// wintool: small window operations for the end-to-end scripts, run under Wine.
//   wintool wait CAPTION MS        waits for a visible top-level window
//   wintool close CAPTION          asks it to close (WM_CLOSE)
//   wintool answer CAPTION yes|no  presses a button of a dialog with that caption
//   wintool gone CAPTION MS        waits until no such window exists
//   wintool goto CAPTION N         types N into the editor's page box and presses Goto
//   wintool files MS PATH...       waits until every file named exists
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "GuiDriver.h"
#include "drawing/editor/EditorIds.h"
#include "win/Text.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: wintool wait|close|answer|gone|goto CAPTION [MS|yes|no|N] | files MS PATH...\n");
    return 2;
  }
  const std::string verb = argv[1];
  if (verb == "files") {
    const DWORD limit = static_cast<DWORD>(std::atoi(argv[2]));
    return vkt::WaitFor([&] {
             for (int i = 3; i < argc; ++i)
               if (::GetFileAttributesW(vk::win::Utf8ToWide(argv[i]).c_str()) == INVALID_FILE_ATTRIBUTES) return false;
             return true;
           }, limit) ? 0 : 1;
  }
  const std::wstring caption = vk::win::Utf8ToWide(argv[2]);
  const DWORD ms = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : 10000;
  if (verb == "wait") return vkt::WaitForWindow(nullptr, caption.c_str(), ms) ? 0 : 1;
  if (verb == "gone") return vkt::WaitFor([&] { return ::FindWindowW(nullptr, caption.c_str()) == nullptr; }, ms) ? 0 : 1;
  if (verb == "close") {
    HWND w = ::FindWindowW(nullptr, caption.c_str());
    if (!w) return 1;
    ::PostMessageW(w, WM_CLOSE, 0, 0);
    return 0;
  }
  if (verb == "answer" && argc > 3) {
    const int id = std::string(argv[3]) == "yes" ? IDYES : IDNO;
    return vkt::AnswerDialog(caption.c_str(), id, 10000) ? 0 : 1;
  }
  if (verb == "goto" && argc > 3) {
    HWND form = ::FindWindowW(nullptr, caption.c_str());
    HWND box = form ? vkt::FindChildById(form, vk::PropControlId("edtPage")) : nullptr;
    HWND button = form ? vkt::FindChildById(form, vk::PropControlId("btn1")) : nullptr;
    if (!box || !button) return 1;
    ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(vk::win::Utf8ToWide(argv[3]).c_str()));
    ::PostMessageW(button, BM_CLICK, 0, 0);
    return 0;
  }
  std::fprintf(stderr, "wintool: unknown command %s\n", verb.c_str());
  return 2;
}
