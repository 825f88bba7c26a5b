#include "core/Arith.h"

#include <gtest/gtest.h>

namespace {

TEST(Arith, RoundsHalvesToEven) {
  EXPECT_EQ(vk::RoundEven(0.5), 0);
  EXPECT_EQ(vk::RoundEven(1.5), 2);
  EXPECT_EQ(vk::RoundEven(2.5), 2);
  EXPECT_EQ(vk::RoundEven(-0.5), 0);
  EXPECT_EQ(vk::RoundEven(-1.5), -2);
  EXPECT_EQ(vk::RoundEven(2.4999), 2);
  EXPECT_EQ(vk::RoundEven(1e12), INT32_MAX);
}

TEST(Arith, HalvingTruncatesTowardZero) {
  EXPECT_EQ(vk::Div2(7), 3);
  EXPECT_EQ(vk::Div2(-7), -3);
  EXPECT_EQ(vk::Trunc(-2.9), -2);
  EXPECT_EQ(vk::Trunc(2.9), 2);
}

}  // namespace
