#pragma once
// Conversions between the UTF-8 of our source literals, the system code page of the
// host's paths and the UTF-16 of the wide API.
#include <string>
#include <string_view>

namespace vk::win {

std::wstring Utf8ToWide(std::string_view s);
std::wstring AnsiToWide(std::string_view s);
std::string WideToAnsi(std::wstring_view s);
std::string WideToUtf8(std::wstring_view s);
// s in the system code page, leaving out (never replacing with a look-alike or "?") the
// characters the code page cannot hold; those go to `lost`, in their order.
std::string WideToAnsiKeeping(std::wstring_view s, std::wstring& lost);

}  // namespace vk::win
