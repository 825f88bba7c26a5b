#include "core/EditorArgs.h"

#include <limits>

namespace vk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool ParseWhole(const std::string& text, int64_t lo, int64_t hi, int64_t& out) {
  size_t i = 0, n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  while (n > i && IsBlank(text[n - 1])) --n;
  bool neg = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) neg = text[i++] == '-';
  if (i == n) return false;
  uint64_t v = 0;
  for (; i < n; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + static_cast<uint64_t>(text[i] - '0');
    if (v > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return false;
  }
  int64_t s = neg ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
  if (s < lo || s > hi) return false;
  out = s;
  return true;
}

std::string TextAt(const char* const* p) { return (p != nullptr && *p != nullptr) ? std::string(*p) : std::string(); }

}  // namespace

int32_t ParseIntOr(const std::string& text, int32_t def) {
  int64_t v = 0;
  return ParseWhole(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), v)
             ? static_cast<int32_t>(v)
             : def;
}

int64_t ParseInt64Or(const std::string& text, int64_t def) {
  int64_t v = 0;
  return ParseWhole(text, std::numeric_limits<int64_t>::min() + 1, std::numeric_limits<int64_t>::max(), v) ? v : def;
}

EditorArgs ParseEditorArgs(const char* const* const args[9]) {
  EditorArgs a;
  a.ImageWidth = ParseIntOr(TextAt(args[0]), 100);
  a.ImageHeight = ParseIntOr(TextAt(args[1]), 100);
  a.PageFile = TextAt(args[2]);
  a.StartScrollX = ParseIntOr(TextAt(args[3]), 0);
  a.StartScrollY = ParseIntOr(TextAt(args[4]), 0);
  a.PageCount = ParseIntOr(TextAt(args[5]), 1);
  a.ThemeFile = TextAt(args[6]);
  a.IconFile = TextAt(args[7]);
  a.HostWnd = TextAt(args[8]);
  return a;
}

std::string PageNumberText(const std::string& fileName) {
  if (fileName.size() <= 8) return std::string();
  return fileName.substr(4, fileName.size() - 8);
}

}  // namespace vk
