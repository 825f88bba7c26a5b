#include "core/ViewZoom.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewZoom, StepsFromAnyValueStopAtTheEndsAndFitShowsTheWholePage) {
  EXPECT_EQ(vk::NextZoomStep(37), 50);  // a fit value between steps
  EXPECT_EQ(vk::PrevZoomStep(37), 33);
  EXPECT_EQ(vk::NextZoomStep(400), 400);
  EXPECT_EQ(vk::PrevZoomStep(25), 25);
  EXPECT_EQ(vk::PrevZoomStep(10), 10);  // a fit below the smallest step stays

  const int32_t a4 = vk::FitZoom(2480, 3508, 1000, 700);
  EXPECT_LE(vk::ViewSize(3508, a4), 700);
  EXPECT_GT(vk::ViewSize(3508, a4 + 1), 700);
  EXPECT_EQ(vk::FitZoom(200, 100, 1000, 700), 400);  // a small page grows, up to the largest step
  EXPECT_EQ(vk::FitZoom(301, 100, 1000, 700), 332);

  // Handles keep about their size on the screen: 6 view pixels across at 25 % and 100 %.
  EXPECT_EQ(vk::HandleHalfAt(25), 4 * vk::HandleHalfSize);
  EXPECT_EQ(vk::HandleHalfAt(400), 1);
}

// Mouse positions are signed 16-bit: every view position must stay at or below 32,767.
TEST(ViewZoom, LargePagesLimitTheZoomSoTheViewFitsMousePositions) {
  EXPECT_EQ(vk::MaxZoomFor(8191, 100), 400);
  EXPECT_EQ(vk::MaxZoomFor(100, 8192), 399);
  EXPECT_EQ(vk::MaxZoomFor(0, 0), 400);
  EXPECT_EQ(vk::MaxZoomFor(INT32_MAX, 1), 1);
  for (const int32_t side : {8191, 8192, 9000, 20000, 32767, 32768, 100000}) {
    const int32_t z = vk::MaxZoomFor(side, 1);
    EXPECT_LE(vk::ViewSize(side, z), 32767) << side;
    if (z < 400 && z > 1) {
      EXPECT_GT(vk::ViewSize(side, z + 1), 32767) << side;
    }
  }
}

// Every view pixel shows the page pixels of its block; the rects that map between the two
// are exactly the pixels involved, so that a redraw repaints no less (and no more).
TEST(ViewZoom, RectMappingsMatchTheBlocksOfEveryViewPixel) {
  for (int32_t zoom : {19, 25, 33, 67, 100, 125, 300, 400}) {
    auto block = [zoom](int32_t v) {
      const int32_t a = vk::ViewToPage(v, zoom);
      return std::pair{a, std::max(vk::ViewToPage(v + 1, zoom), a + 1)};
    };
    for (int32_t l = -3; l < 12; ++l)
      for (int32_t r = l + 1; r < 14; ++r) {
        const vk::TRect page{l, 0, r, 1};
        const vk::TRect view = vk::PageRectToView(page, zoom);
        for (int32_t v = -20; v < 70; ++v) {
          const auto [a, b] = block(v);
          const bool shows = a < r && b > l;
          EXPECT_EQ(shows, v >= view.Left && v < view.Right) << zoom << " " << l << " " << r << " " << v;
        }
        const vk::TRect back = vk::ViewRectToPage({l, 0, r, 1}, zoom);
        EXPECT_EQ(back.Left, block(l).first) << zoom;
        EXPECT_EQ(back.Right, block(r - 1).second) << zoom;
      }
  }
}

TEST(ViewZoom, ReductionAveragesEachBlockAndEnlargementCopiesPixels) {
  // 50 %: two 2 x 2 blocks.
  const std::vector<uint32_t> half{0x000000, 0xFFFFFF, 0x102030, 0x102030,  //
                                   0xFFFFFF, 0x000000, 0x102030, 0x000000};
  std::vector<uint32_t> out(2);
  vk::ViewScaler(4, 2, 50).Scale(half, {0, 0, 2, 1}, out);
  EXPECT_EQ(out, (std::vector<uint32_t>{0x808080, 0x0C1824}));

  // 33 %: a 3 x 3 checkerboard is grey, not the colour of one of its pixels.
  const std::vector<uint32_t> board{0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF};
  std::vector<uint32_t> one(1);
  vk::ViewScaler(3, 3, 33).Scale(board, {0, 0, 1, 1}, one);
  EXPECT_EQ(one[0], 0x8E8E8Eu);

  // 200 %: each page pixel becomes 2 x 2; a part scaled alone equals that part of the whole.
  const std::vector<uint32_t> two{0x010203, 0xFF0A0B0C};
  std::vector<uint32_t> all(8), part(2, 0xDEAD);
  const vk::ViewScaler s(2, 1, 200);
  s.Scale(two, {0, 0, 4, 2}, all);
  EXPECT_EQ(all, (std::vector<uint32_t>{0x010203, 0x010203, 0x0A0B0C, 0x0A0B0C,  //
                                        0x010203, 0x010203, 0x0A0B0C, 0x0A0B0C}));
  s.Scale(two, {1, 1, 3, 2}, part);
  EXPECT_EQ(part, (std::vector<uint32_t>{0x010203, 0x0A0B0C}));

  // A band pixel drawn over the page stays whole in the marked area, and only there.
  std::vector<uint32_t> banded = half;
  banded[5] = 0x00FF00;  // in the first block
  banded[7] = 0x0000FF;  // in the second, outside the mark
  out = {1, 2};
  vk::ViewScaler(4, 2, 50).Overlay(banded, half, {0, 0, 2, 2}, {0, 0, 2, 1}, out);
  EXPECT_EQ(out, (std::vector<uint32_t>{0x00FF00, 2}));
}

}  // namespace
