#include "core/Geometry.h"

#include <gtest/gtest.h>

namespace {

using vk::TPoint;
using vk::TRect;

TEST(Geometry, ContainsIsHalfOpen) {
  const TRect r{0, 0, 6, 6};
  struct Case {
    TPoint p;
    bool inside;
  };
  const Case cases[] = {{{0, 0}, true},  {{5, 5}, true},   {{6, 5}, false},
                        {{5, 6}, false}, {{-1, 0}, false}, {{3, -1}, false}};
  for (const Case& c : cases) EXPECT_EQ(vk::Contains(r, c.p), c.inside) << c.p.X << "," << c.p.Y;
  EXPECT_FALSE(vk::Contains(TRect{5, 5, 5, 5}, {5, 5}));
}

TEST(Geometry, HandleSquareIsSixBySix) {
  const TRect h = vk::HandleRect({10, 20}, 3);
  EXPECT_EQ(h, (TRect{7, 17, 13, 23}));
  EXPECT_TRUE(vk::Contains(h, {7, 17}));
  EXPECT_FALSE(vk::Contains(h, {13, 20}));
}

TEST(Geometry, NormalizeUnionOffsetInflate) {
  EXPECT_EQ(vk::Normalize(TRect{10, 20, 0, 5}), (TRect{0, 5, 10, 20}));
  EXPECT_EQ(vk::RectOf({3, 1}, {-2, 4}), (TRect{-2, 1, 3, 4}));
  EXPECT_EQ(vk::Union(TRect{0, 0, 2, 2}, TRect{5, -1, 6, 1}), (TRect{0, -1, 6, 2}));
  EXPECT_EQ(vk::Union(TRect{}, TRect{5, 5, 6, 6}), (TRect{5, 5, 6, 6}));
  EXPECT_EQ(vk::Offset(TRect{0, 0, 2, 2}, {6, -6}), (TRect{6, -6, 8, -4}));
  EXPECT_EQ(vk::Inflate(TRect{20, 20, 30, 30}, 12, 12), (TRect{8, 8, 42, 42}));
  EXPECT_EQ(vk::Inflate(TRect{INT32_MIN + 1, 0, INT32_MAX - 1, 1}, 2, INT32_MAX),
            (TRect{INT32_MIN, INT32_MIN + 1, INT32_MAX, INT32_MAX}));
}

}  // namespace
