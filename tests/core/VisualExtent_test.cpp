#include "core/VisualExtent.h"

#include <gtest/gtest.h>

namespace {

using vk::TRect;

TEST(VisualExtent, GrowsByPenHandlesAndThree) {
  EXPECT_EQ(vk::VisualExtent({30, 40, 10, 20}, 2, 3), (TRect{2, 12, 38, 48}));
  EXPECT_EQ(vk::VisualExtent({10, 20, 30, 40}, -2, 3), (TRect{2, 12, 38, 48}));
}

// Figures at the coordinate limits, or with any stored pen width, still have what they
// paint as their extent: an empty one would never be drawn or redrawn.
TEST(VisualExtent, HeldToTheRangeAtTheExtremes) {
  const TRect all{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  EXPECT_EQ(vk::VisualExtent(all, 1, 3), all);
  EXPECT_EQ(vk::VisualExtent({0, 0, 10, 10}, INT32_MIN, 3), all);
  EXPECT_EQ(vk::VisualExtent({0, 0, 10, 10}, INT32_MAX, INT32_MAX), all);
  EXPECT_EQ(vk::VisualExtent({INT32_MAX - 5, 0, INT32_MAX, 10}, 1, 3), (TRect{INT32_MAX - 12, -7, INT32_MAX, 17}));
  EXPECT_FALSE(vk::VisualExtent({INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, 0, 0).IsEmpty());
}

}  // namespace
