#include "core/BmpCodec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

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

// The samples that tools/make_bmp_samples.py writes as the BMP fuzz target's seed corpus.
std::vector<uint8_t> Sample(const std::string& name) {
  std::ifstream f(VK_BMP_SAMPLES + name + ".bmp", std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

void Put32(std::vector<uint8_t>& f, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Rows of letters: Red, Green, Blue, White, D the samples' dark grey (raw 3 in 16-bit
// fields widens as 3 << 3 | 3 >> 2), d the same grey in 565 (3 << 2 | 3 >> 4 for green).
std::vector<uint32_t> Picture(const std::vector<std::string>& rows) {
  std::vector<uint32_t> px;
  for (const std::string& row : rows)
    for (char c : row)
      px.push_back(c == 'R' ? 0xFF0000 : c == 'G' ? 0x00FF00 : c == 'B' ? 0x0000FF : c == 'W' ? 0xFFFFFF
                   : c == 'D' ? 0x181818 : 0x180C18);
  return px;
}

TEST(BmpCodec, ReadsEveryLayoutAndWritesBackTheSamePixels) {
  const std::vector<std::string> plain = {"RGBDR", "GBDRG", "BDRGB"}, in565 = {"RGBdR", "GBdRG", "BdRGB"},
                                 checker = {"RGRGRGRGR", "GRGRGRGRG"};
  const struct {
    const char* name;
    uint16_t bits;
    std::vector<std::string> rows;
  } cases[] = {
      {"rgb1", 1, checker}, {"core1", 1, checker}, {"rgb4", 4, plain}, {"core4", 4, plain}, {"rgb8", 8, plain},
      {"core8", 8, plain}, {"rgb8_short_palette", 8, plain}, {"rgb8_top_down", 8, plain}, {"v5_rgb8", 8, plain},
      {"rgb16_555", 16, plain}, {"fields16_555", 16, plain}, {"fields16_565", 16, in565},
      {"alphafields16_565", 16, in565}, {"v5_fields16_565", 16, in565}, {"rgb24", 24, plain},
      {"core24", 24, plain}, {"rgb24_top_down", 24, plain}, {"v5_rgb24_top_down", 24, plain},
      {"rgb32", 32, plain}, {"fields32", 32, plain}, {"alphafields32", 32, plain}, {"v4_fields32", 32, plain},
      // a run, single pixels past the edge, end of line, a move up, end of picture early
      {"rle8", 8, {"WGGWW", "WWWWW", "RRRGB"}}, {"rle4", 4, {"WGGWW", "WWWWW", "RGRGB"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> file = Sample(c.name);
    vk::PixelImage img, back;
    std::string err;
    ASSERT_TRUE(vk::DecodeBmp(file.data(), file.size(), img, err)) << err;
    EXPECT_EQ(img.Width, static_cast<int32_t>(c.rows[0].size()));
    EXPECT_EQ(img.Height, static_cast<int32_t>(c.rows.size()));
    EXPECT_EQ(img.SourceBits, c.bits);
    EXPECT_EQ(img.Pixels, Picture(c.rows));
    // As the editor writes the page back: 32 bits for a 32-bit source, 24 otherwise.
    const std::vector<uint8_t> saved = vk::EncodeBmp(img, img.SourceBits == 32 ? 32 : 24);
    ASSERT_TRUE(vk::DecodeBmp(saved.data(), saved.size(), back, err)) << err;
    EXPECT_EQ(back.Pixels, img.Pixels);
  }
}

TEST(BmpCodec, SaysWhatIsWrongWithABrokenFile) {
  const struct {
    const char* sample;
    size_t keep;  // bytes kept, 0 for all
    std::vector<std::pair<size_t, uint32_t>> set;  // 32-bit values written at offsets
    const char* says;
  } cases[] = {
      {"fields16_565", 55, {{14, 41}}, "ends inside its colour masks"},  // masks past a 41-byte header
      {"alphafields32", 66, {}, "ends inside its colour masks"},
      {"rgb8", 100, {}, "ends inside its colour table"},
      {"core8", 400, {}, "ends inside its colour table"},
      {"rle8", 0, {{22, 0xFFFFFFFDu}}, "cannot be stored top-down"},
      {"rgb24", 0, {{30, 1}}, "RLE8 codes need 8 bits per pixel, not 24"},
      {"rgb24", 0, {{30, 3}}, "colour masks need 16 or 32 bits per pixel"},
      {"rle8", 72, {{34, 0}}, "stop before the end of the picture"},
      {"rle8", 75, {{34, 0}}, "end inside a run of single pixels"},
      {"rle8", 0, {{34, 100}}, "shorter than its pixels"},
      {"rgb24", 0, {{22, 0x80000000u}}, "and a page may have at most"},
      {"rgb24", 0, {{18, 0}}, "0 x 3 pixels"},
      {"rgb24", 0, {{14, 20}}, "header of 20 bytes"},
      {"rgb24", 0, {{10, 200}}, "start past the end"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    std::vector<uint8_t> f = Sample(c.sample);
    if (c.keep != 0) f = std::vector<uint8_t>(f.begin(), f.begin() + c.keep);  // no spare capacity for ASan to miss
    for (const auto& [at, v] : c.set) Put32(f, at, v);
    vk::PixelImage img;
    std::string err;
    EXPECT_FALSE(vk::DecodeBmp(f.data(), f.size(), img, err));
    EXPECT_NE(err.find(c.says), std::string::npos) << err;
  }
}

// A3 at 600 dpi opens in the 64-bit build only; past the limit, the reader names the
// picture's size and the limit.
TEST(BmpCodec, PixelLimitFollowsTheArchitectureAndIsNamed) {
  EXPECT_TRUE(vk::PagePixelsAllowed(4960, 7016));  // A4 at 600 dpi
  EXPECT_EQ(vk::PagePixelsAllowed(7016, 9921), sizeof(void*) == 8);
  std::vector<uint8_t> f = Sample("rgb24");
  Put32(f, 18, 20000);
  Put32(f, 22, 30000);
  vk::PixelImage img;
  std::string err;
  EXPECT_FALSE(vk::DecodeBmp(f.data(), f.size(), img, err));
  EXPECT_NE(err.find("20000 x 30000 pixels"), std::string::npos) << err;
  EXPECT_NE(err.find(std::to_string(vk::MaxPagePixels())), std::string::npos) << err;
}

}  // namespace
