#include "core/EditorArgs.h"

#include <gtest/gtest.h>

namespace {

TEST(EditorArgs, NumbersFallBackToTheirDefaults) {
  struct Case {
    const char* text;
    int32_t def;
    int32_t want;
  } cases[] = {
      {"640", 100, 640}, {" 480 ", 100, 480}, {"-20", 0, -20}, {"+7", 1, 7}, {"", 100, 100},
      {"abc", 100, 100}, {"12px", 100, 100}, {"1.5", 1, 1},   {"-", 0, 0},    {"99999999999", 100, 100},
  };
  for (const Case& c : cases) EXPECT_EQ(vk::ParseIntOr(c.text, c.def), c.want) << c.text;
}

TEST(EditorArgs, HostWindowHandlesRoundTripSignedOrUnsigned) {
  // A sign-extended 64-bit handle printed unsigned, and the same handle printed signed.
  EXPECT_EQ(vk::ParseHandleBits("18446744071562072628", 64), 0xFFFFFFFF80001234ULL);
  EXPECT_EQ(vk::ParseHandleBits("-2147479500", 64), 0xFFFFFFFF80001034ULL);
  EXPECT_EQ(vk::ParseHandleBits("8589934592", 64), 0x200000000ULL);
  EXPECT_EQ(vk::ParseHandleBits("2147488308", 32), 0x80001234ULL);
  EXPECT_EQ(vk::ParseHandleBits("-2147478988", 32), 0x80001234ULL);
  // Too wide for the pointer, or no number at all.
  EXPECT_EQ(vk::ParseHandleBits("4294967296", 32), 0u);
  EXPECT_EQ(vk::ParseHandleBits("-2147483649", 32), 0u);
  EXPECT_EQ(vk::ParseHandleBits("18446744073709551616", 64), 0u);
  EXPECT_EQ(vk::ParseHandleBits("0x10", 64), 0u);
}

TEST(EditorArgs, NullArgumentsCountAsEmptyText) {
  const char* w = "800";
  const char* page = "C:\\docs\\Page7.bmp";
  const char* null = nullptr;
  const char* const* const args[9] = {&w, nullptr, &page, &null, nullptr, &null, nullptr, &null, nullptr};
  const vk::EditorArgs a = vk::ParseEditorArgs(args);
  EXPECT_EQ(a.ImageWidth, 800);
  EXPECT_EQ(a.ImageHeight, 100);
  EXPECT_EQ(a.PageFile, page);
  EXPECT_EQ(a.StartScrollX, 0);
  EXPECT_EQ(a.StartScrollY, 0);
  EXPECT_EQ(a.PageCount, 1);
  EXPECT_TRUE(a.ThemeFile.empty());
  EXPECT_TRUE(a.IconFile.empty());
  EXPECT_TRUE(a.HostWnd.empty());
}

TEST(EditorArgs, PageNumberIsTheFileNameWithoutPageAndExtension) {
  EXPECT_EQ(vk::PageNumberText("Page12.bmp"), "12");
  EXPECT_EQ(vk::PageNumberText("Page7.bmp"), "7");
  EXPECT_EQ(vk::PageNumberText("Scan44.bmp"), "44");
  EXPECT_EQ(vk::PageNumberText("Page.bmp"), "");
  EXPECT_EQ(vk::PageNumberText("x.bmp"), "");
  EXPECT_EQ(vk::ParseIntOr(vk::PageNumberText("Cover.bmp"), 1), 1);
}

}  // namespace
