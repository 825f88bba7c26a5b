#include "win/Text.h"

#include <windows.h>

namespace vk::win {

namespace {
std::wstring ToWide(UINT cp, std::string_view s) {
  if (s.empty()) return {};
  int n = ::MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
  return out;
}
std::string FromWide(UINT cp, std::wstring_view s) {
  if (s.empty()) return {};
  int n = ::WideCharToMultiByte(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(cp, 0, s.data(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
  return out;
}
// The bytes of s in code page cp, or false when some character has none there.
bool ExactBytes(UINT cp, std::wstring_view s, std::string& out) {
  const DWORD flags = cp == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* used = cp == CP_UTF8 ? nullptr : &usedDefault;
  const int len = static_cast<int>(s.size());
  const int n = ::WideCharToMultiByte(cp, flags, s.data(), len, nullptr, 0, nullptr, used);
  if (n <= 0 || usedDefault) return false;
  out.assign(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(cp, flags, s.data(), len, out.data(), n, nullptr, used);
  return !usedDefault;
}

}  // namespace

std::string WideToAnsiKeeping(std::wstring_view s, std::wstring& lost) {
  lost.clear();
  const UINT cp = ::GetACP();
  std::string out;
  if (s.empty() || ExactBytes(cp, s, out)) return out;
  out.clear();
  // Character by character; a surrogate pair is one character.
  for (size_t i = 0; i < s.size();) {
    const size_t n = (s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size()) ? 2 : 1;
    std::string bytes;
    if (ExactBytes(cp, s.substr(i, n), bytes)) out += bytes;
    else lost.append(s.substr(i, n));
    i += n;
  }
  return out;
}

std::wstring Utf8ToWide(std::string_view s) { return ToWide(CP_UTF8, s); }
std::wstring AnsiToWide(std::string_view s) { return ToWide(CP_ACP, s); }
std::string WideToAnsi(std::wstring_view s) { return FromWide(CP_ACP, s); }
std::string WideToUtf8(std::wstring_view s) { return FromWide(CP_UTF8, s); }

}  // namespace vk::win
