#include "core/EditorArgs.h"

#include <limits>

namespace vk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A sign and the magnitude of a whole decimal number, blanks around it allowed.
bool ParseSignAndMagnitude(const std::string& text, bool& neg, uint64_t& v) {
  size_t i = 0, n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  while (n > i && IsBlank(text[n - 1])) --n;
  neg = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) neg = text[i++] == '-';
  if (i == n) return false;
  v = 0;
  for (; i < n; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    const auto digit = static_cast<uint64_t>(text[i] - '0');
    if (v > (std::numeric_limits<uint64_t>::max() - digit) / 10) return false;
    v = v * 10 + digit;
  }
  return true;
}

bool ParseWhole(const std::string& text, int64_t lo, int64_t hi, int64_t& out) {
  bool neg = false;
  uint64_t v = 0;
  if (!ParseSignAndMagnitude(text, neg, v) || v > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
    return false;
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

uint64_t ParseHandleBits(const std::string& text, unsigned pointerBits) {
  bool neg = false;
  uint64_t v = 0;
  if (!ParseSignAndMagnitude(text, neg, v)) return 0;
  const uint64_t signBit = uint64_t{1} << (pointerBits - 1);
  if (neg) {
    if (v > signBit) return 0;
    v = ~v + 1;  // two's complement: the bits a signed print of the handle came from
  } else if (pointerBits < 64 && v >= (signBit << 1)) {
    return 0;
  }
  return pointerBits < 64 ? v & ((uint64_t{1} << pointerBits) - 1) : v;
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
