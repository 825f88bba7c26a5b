#include "core/ByteIO.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using vk::ByteReader;
using vk::ByteWriter;

TEST(ByteIO, DecodesLittleEndianWithSignAndHighBits) {
  const std::vector<uint8_t> bytes{0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF,
                                   0x00, 0x00, 0x00, 0x80, 0xFE, 0xFF, 0x34, 0x12};
  ByteReader r(bytes);
  uint32_t u = 0;
  int32_t i = 0;
  int16_t s = 0;
  uint16_t w = 0;
  ASSERT_TRUE(r.ReadU32(u));
  EXPECT_EQ(u, 0x12345678u);
  ASSERT_TRUE(r.ReadI32(i));
  EXPECT_EQ(i, -1);
  ASSERT_TRUE(r.ReadI32(i));
  EXPECT_EQ(i, std::numeric_limits<int32_t>::min());
  ASSERT_TRUE(r.ReadI16(s));
  EXPECT_EQ(s, -2);
  ASSERT_TRUE(r.ReadU16(w));
  EXPECT_EQ(w, 0x1234);
  EXPECT_TRUE(r.AtEnd());
}

TEST(ByteIO, FailedReadConsumesNothingAndKeepsOutput) {
  const std::vector<uint8_t> bytes{1, 2, 3};
  ByteReader r(bytes);
  uint32_t u = 77;
  EXPECT_FALSE(r.ReadU32(u));
  EXPECT_EQ(u, 77u);
  EXPECT_EQ(r.Position(), 0u);
  std::string s = "keep";
  EXPECT_FALSE(r.ReadBytes(4, s));
  EXPECT_EQ(s, "keep");
  // A length near SIZE_MAX must not wrap the bounds check.
  EXPECT_FALSE(r.ReadBytes(std::numeric_limits<size_t>::max(), s));
  EXPECT_FALSE(r.Skip(std::numeric_limits<size_t>::max()));
  ASSERT_TRUE(r.ReadBytes(3, s));
  EXPECT_EQ(s, std::string("\x01\x02\x03", 3));
  uint8_t b = 9;
  EXPECT_FALSE(r.ReadU8(b));
  EXPECT_EQ(b, 9);
}

TEST(ByteIO, WriterRoundTripsEveryWidth) {
  ByteWriter w;
  w.WriteU8(0xAB);
  w.WriteI16(-300);
  w.WriteU32(0xDEADBEEF);
  w.WriteI32(-123456789);
  w.WriteF32(0.08726646f);
  w.WriteF64(-2.5e300);
  w.WriteBytes(std::string_view("\xCB\xCE", 2));
  ASSERT_EQ(w.Size(), 1u + 2 + 4 + 4 + 4 + 8 + 2);
  EXPECT_EQ(w.Bytes()[1], 0xD4);  // -300 = 0xFED4, low byte first
  EXPECT_EQ(w.Bytes()[2], 0xFE);
  EXPECT_EQ(w.Bytes()[3], 0xEF);

  ByteReader r(w.Bytes());
  uint8_t b;
  int16_t s;
  uint32_t u;
  int32_t i;
  float f;
  double d;
  std::string tail;
  ASSERT_TRUE(r.ReadU8(b) && r.ReadI16(s) && r.ReadU32(u) && r.ReadI32(i) && r.ReadF32(f) &&
              r.ReadF64(d) && r.ReadBytes(2, tail));
  EXPECT_EQ(b, 0xAB);
  EXPECT_EQ(s, -300);
  EXPECT_EQ(u, 0xDEADBEEFu);
  EXPECT_EQ(i, -123456789);
  EXPECT_EQ(f, 0.08726646f);
  EXPECT_EQ(d, -2.5e300);
  EXPECT_EQ(tail, "\xCB\xCE");
  EXPECT_TRUE(r.AtEnd());
}

TEST(ByteIO, RewindReturnsToAnEarlierPositionOnly) {
  const std::vector<uint8_t> bytes{1, 2, 3, 4};
  ByteReader r(bytes);
  ASSERT_TRUE(r.Skip(3));
  r.Rewind(1);
  EXPECT_EQ(r.Position(), 1u);
  r.Rewind(99);  // past the end: ignored
  EXPECT_EQ(r.Position(), 1u);
  EXPECT_EQ(r.Remaining(), 3u);
}

}  // namespace
