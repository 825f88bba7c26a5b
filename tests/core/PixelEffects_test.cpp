#include "core/PixelEffects.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kYellow = 0xFFFF00, kBlue = 0x0000FF;

struct Picture {
  int32_t w = 10, h = 10;
  std::vector<uint32_t> px = std::vector<uint32_t>(100, 0);
  uint32_t& at(int x, int y) { return px[static_cast<size_t>(y * w + x)]; }
  // The pixels that are not black, by position.
  std::map<std::pair<int, int>, uint32_t> Ink() const {
    std::map<std::pair<int, int>, uint32_t> out;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (uint32_t c = px[static_cast<size_t>(y * w + x)] & 0xFFFFFF) out[{x, y}] = c;
    return out;
  }
};

using Ink = std::map<std::pair<int, int>, uint32_t>;

Ink Ring(int cx, int cy, uint32_t c) {
  Ink r;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (dx || dy) r[{cx + dx, cy + dy}] = c;
  return r;
}

TEST(PixelEffects, OnePixelOfInk) {
  Picture hollow;
  hollow.at(5, 5) = kRed | 0xFF000000u;  // the unused top byte does not matter
  vk::MakeHollow(hollow.px, hollow.w, hollow.h);
  EXPECT_EQ(hollow.Ink(), Ring(5, 5, kRed));

  Picture relief;
  relief.at(5, 5) = kRed;
  vk::MakeView3D(relief.px, relief.w, relief.h);
  EXPECT_EQ(relief.Ink(), (Ink{{{5, 4}, kRed}, {{6, 4}, kRed}, {{6, 5}, kRed}}));
}

TEST(PixelEffects, TwoPixelsOfInkSideBySide) {
  // Two red pixels side by side: each turns the other green, the ring around is red.
  Picture p;
  p.at(4, 5) = p.at(5, 5) = kRed;
  vk::MakeSided(p.px, p.w, p.h);
  Ink want = Ring(4, 5, kRed);
  for (const auto& [pos, c] : Ring(5, 5, kRed)) want[pos] = c;
  want[{4, 5}] = want[{5, 5}] = kGreen;
  EXPECT_EQ(p.Ink(), want);
}

TEST(PixelEffects, AllBlackStaysBlackAndInkOnTheBorderSkipsOutsideNeighbours) {
  Picture black;
  vk::MakeHollow(black.px, black.w, black.h);
  vk::MakeSided(black.px, black.w, black.h);
  vk::MakeView3D(black.px, black.w, black.h);
  EXPECT_TRUE(black.Ink().empty());

  Picture corner;
  corner.at(0, 0) = kRed;
  corner.at(9, 9) = kGreen;
  vk::MakeHollow(corner.px, corner.w, corner.h);
  EXPECT_EQ(corner.Ink(), (Ink{{{1, 0}, kRed}, {{0, 1}, kRed}, {{1, 1}, kRed},
                               {{8, 8}, kGreen}, {{9, 8}, kGreen}, {{8, 9}, kGreen}}));
  std::vector<uint32_t> none;
  vk::MakeSided(none, 0, 0);  // an empty bitmap is left alone
}

// The effects as defined: ink pixels scanned column by column, each setting its
// neighbours, the last visit winning.
std::vector<uint32_t> ByDefinition(const std::vector<uint32_t>& src, int w, int h,
                                   std::initializer_list<std::pair<int, int>> steps, bool swap) {
  std::vector<uint32_t> out(src.size(), 0);
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) {
      const uint32_t k = src[static_cast<size_t>(y * w + x)];
      if (!k) continue;
      for (auto [dx, dy] : steps) {
        const int nx = x + dx, ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
        uint32_t& o = out[static_cast<size_t>(ny * w + nx)];
        if (!src[static_cast<size_t>(ny * w + nx)]) o = k;
        else if (!swap) o = 0;
        else if (k == kRed) o = kGreen;
        else if (k == kGreen || k == kYellow) o = kRed;
      }
    }
  return out;
}

TEST(PixelEffects, MixedInkGivesWhatTheColumnScanDefines) {
  const int w = 23, h = 17;
  const uint32_t colours[] = {0, 0, kRed, kGreen, kYellow, kBlue};
  std::vector<uint32_t> src(static_cast<size_t>(w * h));
  uint32_t seed = 12345;
  for (uint32_t& p : src) {
    seed = seed * 1103515245u + 12345u;
    p = colours[(seed >> 16) % 6];
  }
  const auto around = {std::pair{-1, -1}, {0, -1}, {1, -1}, {-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}};
  std::vector<uint32_t> a = src, b = src, c = src;
  vk::MakeHollow(a, w, h);
  vk::MakeSided(b, w, h);
  vk::MakeView3D(c, w, h);
  EXPECT_EQ(a, ByDefinition(src, w, h, around, false));
  EXPECT_EQ(b, ByDefinition(src, w, h, around, true));
  EXPECT_EQ(c, ByDefinition(src, w, h, {{0, -1}, {1, -1}, {1, 0}}, true));
}

}  // namespace
