#include "win/Dib.h"

#include <gtest/gtest.h>

namespace {

using vk::win::Dib;

TEST(Dib, FillsAndReadsInColorRefOrder) {
  Dib dib(4, 3);
  ASSERT_EQ(dib.Width(), 4);
  ASSERT_EQ(dib.Height(), 3);
  EXPECT_EQ(dib.Stride(), 16);
  dib.Fill(0x0000FF);  // red
  EXPECT_EQ(dib.Bits()[0] & 0xFFFFFF, 0x00FF0000u);  // memory is 0x00RRGGBB
  EXPECT_EQ(dib.Pixel(3, 2), 0x0000FFu);
  ::SetPixel(dib.Dc(), 1, 2, RGB(1, 2, 3));  // top-down: row 2 is the last in memory
  EXPECT_EQ(dib.Pixel(1, 2), RGB(1, 2, 3));
  EXPECT_EQ(dib.Bits()[2 * 4 + 1] & 0xFFFFFF, 0x010203u);
  EXPECT_EQ(dib.Pixel(4, 0), CLR_INVALID);
  EXPECT_EQ(dib.Pixel(0, -1), CLR_INVALID);
}

TEST(Dib, ResizeKeepsTheDcUsable) {
  Dib dib;
  EXPECT_EQ(dib.Bits(), nullptr);
  ASSERT_TRUE(dib.Resize(8, 8));
  dib.Fill(0xFFFFFF);
  ASSERT_TRUE(dib.Resize(30, 20));
  EXPECT_EQ(dib.Width(), 30);
  dib.Fill(0x00FF00);
  ::SetPixel(dib.Dc(), 29, 19, RGB(9, 9, 9));
  EXPECT_EQ(dib.Pixel(29, 19), RGB(9, 9, 9));
  ASSERT_TRUE(dib.Resize(0, 0));
  EXPECT_EQ(dib.Width(), 0);
  EXPECT_EQ(dib.Bits(), nullptr);
  EXPECT_FALSE(dib.Resize(100000, 100000));  // beyond what a stride can hold
  EXPECT_EQ(dib.Width(), 0);
}

}  // namespace
