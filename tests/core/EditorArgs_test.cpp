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
  EXPECT_EQ(vk::ParseInt64Or("4294967297", 0), 4294967297LL);
  EXPECT_EQ(vk::ParseInt64Or("0x10", 0), 0);
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
