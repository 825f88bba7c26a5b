#include "core/setup/Address.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
  std::string address;
  std::string mode;
  std::string opened;
  std::string modeAfter;
};

TEST(NormaliseAddress, PrefixTrimAndCase) {
  const Case cases[] = {
      {"www.Example.com/Path/Page.HTML?Q=A  ", "web", "http://www.example.com/path/page.html?q=a", "WEB"},
      {"ftp://Example.com/Pub", "WEB", "ftp://example.com/pub", "WEB"},
      {"HtTpS://example.com/", "WEB", "https://example.com/", "WEB"},
      {"http://example.com", "Web", "http://example.com", "WEB"},
      {"Support@Example.com", "MAIL", "mailto:support@example.com", "MAIL"},
      {" Inner Space .com ", "other", " inner space .com", "OTHER"},
      {"", "WEB", "http://", "WEB"},
      {std::string("  \0 \0", 5), "web", "http://", "WEB"},
      {std::string("a\0b \0", 5), "", std::string("a\0b", 3), ""},
      // A protocol name not at the start still gets the prefix.
      {"www.example.com/?u=http://x", "WEB", "http://www.example.com/?u=http://x", "WEB"},
  };
  for (const Case& c : cases) {
    std::string address = c.address;
    std::string mode = c.mode;
    optaset::NormaliseAddress(address, mode);
    EXPECT_EQ(address, c.opened) << c.address;
    EXPECT_EQ(mode, c.modeAfter) << c.address;
  }
}

TEST(NormaliseAddress, DownloadPageOpensUnderTheExampleDomain) {
  std::string address(optaset::kDownloadPage);
  std::string mode = "WEB";
  optaset::NormaliseAddress(address, mode);
  EXPECT_EQ(address, "http://www.example.com/quillora/components.html");
}

}  // namespace
