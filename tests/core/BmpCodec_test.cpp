#include "core/BmpCodec.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

vk::PixelImage Pattern(int w, int h) {
  vk::PixelImage img;
  img.Width = w;
  img.Height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.Pixels.push_back(static_cast<uint32_t>((x * 40) << 16 | (y * 30) << 8 | (x + y)));
  return img;
}

TEST(BmpCodec, RoundTripsIn24And32Bits) {
  for (uint16_t bits : {uint16_t{24}, uint16_t{32}}) {
    const vk::PixelImage src = Pattern(5, 3);  // 5 * 3 bytes: rows need padding at 24 bits
    const std::vector<uint8_t> file = vk::EncodeBmp(src, bits);
    const size_t stride = bits == 24 ? 16 : 20;
    ASSERT_EQ(file.size(), 54 + stride * 3);
    EXPECT_EQ(file[28], bits);
    vk::PixelImage back;
    std::string err;
    ASSERT_TRUE(vk::DecodeBmp(file.data(), file.size(), back, err)) << err;
    EXPECT_EQ(back.Width, 5);
    EXPECT_EQ(back.Height, 3);
    EXPECT_EQ(back.SourceBits, bits);
    EXPECT_EQ(back.Pixels, src.Pixels);
  }
}

TEST(BmpCodec, ReadsPalettesAndTopDownRows) {
  // 2 x 2, 8 bits, top-down, two palette entries: red and blue.
  std::vector<uint8_t> f(14 + 40 + 8 + 8, 0);
  f[0] = 'B';
  f[1] = 'M';
  f[10] = 14 + 40 + 8;
  f[14] = 40;
  f[18] = 2;
  std::memset(&f[22], 0xFF, 4);  // height -1 ... make it -2
  f[22] = 0xFE;
  f[26] = 1;
  f[28] = 8;
  f[46] = 2;  // colours used
  f[54 + 2] = 0xFF;  // entry 0: red (B, G, R, 0)
  f[58 + 0] = 0xFF;  // entry 1: blue
  f[62] = 0;
  f[63] = 1;  // row 0: red, blue
  f[66] = 1;
  f[67] = 0;  // row 1: blue, red
  vk::PixelImage img;
  std::string err;
  ASSERT_TRUE(vk::DecodeBmp(f.data(), f.size(), img, err)) << err;
  EXPECT_EQ(img.Pixels, (std::vector<uint32_t>{0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000}));
}

TEST(BmpCodec, RefusesDamagedFiles) {
  const std::vector<uint8_t> good = vk::EncodeBmp(Pattern(4, 4), 24);
  vk::PixelImage img;
  std::string err;
  EXPECT_FALSE(vk::DecodeBmp(good.data(), good.size() - 1, img, err));  // pixels cut short
  EXPECT_FALSE(vk::DecodeBmp(good.data(), 20, img, err));
  std::vector<uint8_t> bad = good;
  bad[0] = 'X';
  EXPECT_FALSE(vk::DecodeBmp(bad.data(), bad.size(), img, err));
  bad = good;
  bad[18] = 0;  // width 0
  EXPECT_FALSE(vk::DecodeBmp(bad.data(), bad.size(), img, err));
  bad = good;
  bad[30] = 1;  // run-length compressed
  EXPECT_FALSE(vk::DecodeBmp(bad.data(), bad.size(), img, err));
  bad = good;
  bad[10] = 0xFF;
  bad[11] = 0xFF;
  bad[12] = 0xFF;
  bad[13] = 0x7F;  // pixels beyond the end
  EXPECT_FALSE(vk::DecodeBmp(bad.data(), bad.size(), img, err));
  EXPECT_FALSE(err.empty());
}

}  // namespace
