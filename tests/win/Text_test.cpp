#include "win/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, Utf8RoundTripsThroughWide) {
  const std::string s = "Draw Graphics \xE5\xAE\x8B\xE4\xBD\x93";  // with the default font name
  std::wstring w = vk::win::Utf8ToWide(s);
  EXPECT_EQ(w.size(), 16u);
  EXPECT_EQ(w[14], L'\x5B8B');
  EXPECT_EQ(vk::win::WideToUtf8(w), s);
  EXPECT_TRUE(vk::win::Utf8ToWide("").empty());
}

}  // namespace
