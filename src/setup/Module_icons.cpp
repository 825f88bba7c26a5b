#include "setup/Module_icons.h"

#include <shellapi.h>

#include "setup/AppFolder.h"

namespace optaset {

void SetFormIcon(HWND curForm, vk::win::Icon& lHIcon, bool force) {
  ::SendMessageW(curForm, WM_SETICON, ICON_BIG, 0);
  ::SendMessageW(curForm, WM_SETICON, ICON_SMALL, 0);
  const std::filesystem::path folder = AppFolder();
  HICON large = nullptr;
  HICON small = nullptr;
  if (!folder.empty()) {
    const std::filesystem::path file = folder / L"images" / L"Titleicon.ico";
    ::ExtractIconExW(file.c_str(), 0, &large, &small, 1);
  }
  vk::win::Icon largeIcon(large);
  vk::win::Icon smallIcon(small);
  // The image not chosen is used by nothing: it goes when this returns.
  lHIcon = force ? std::move(largeIcon) : std::move(smallIcon);
  ::SendMessageW(curForm, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(lHIcon.Get()));
}

}  // namespace optaset
