#include "core/setup/Address.h"

#include <algorithm>

namespace optaset {

namespace {

// ASCII only: the result must not depend on the user's locale.
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWith(const std::string& s, std::string_view prefix) {
  return s.size() >= prefix.size() && std::string_view(s).substr(0, prefix.size()) == prefix;
}

}  // namespace

void NormaliseAddress(std::string& webAdd, std::string& mode) {
  std::transform(webAdd.begin(), webAdd.end(), webAdd.begin(), Upper);
  std::transform(mode.begin(), mode.end(), mode.begin(), Upper);
  size_t keep = webAdd.size();
  while (keep > 0 && (webAdd[keep - 1] == ' ' || webAdd[keep - 1] == '\0')) --keep;
  webAdd.resize(keep);
  if (mode == "WEB") {
    if (!StartsWith(webAdd, "HTTP://") && !StartsWith(webAdd, "FTP://") && !StartsWith(webAdd, "HTTPS://"))
      webAdd.insert(0, "http://");
  } else if (mode == "MAIL") {
    webAdd.insert(0, "mailto:");
  }
  std::transform(webAdd.begin(), webAdd.end(), webAdd.begin(), Lower);
}

}  // namespace optaset
