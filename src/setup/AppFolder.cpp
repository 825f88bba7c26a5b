#include "setup/AppFolder.h"

#include <windows.h>

#include <string>

namespace optaset {

std::filesystem::path AppFolder() {
  // Long paths do not fit MAX_PATH: grow the buffer until the whole name fits.
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) {
      buf.resize(n);
      break;
    }
    if (buf.size() >= 32768) return {};
    buf.resize(buf.size() * 2);
  }
  return std::filesystem::path(buf).parent_path();
}

}  // namespace optaset
