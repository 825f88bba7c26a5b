#include "win/Barrier.h"

#include <string>

#include "win/Text.h"

namespace vk::win {

void ReportFailure(HWND owner, const char* what) noexcept {
  try {
    const std::wstring text = L"This step could not be finished: " + Utf8ToWide(what) + L".";
    ::MessageBoxW(owner, text.c_str(), L"Error", MB_OK | MB_ICONERROR);
  } catch (...) {
    // Not even the message could be built: say the least that can be said.
    ::MessageBoxW(owner, L"This step could not be finished.", L"Error", MB_OK | MB_ICONERROR);
  }
}

}  // namespace vk::win
