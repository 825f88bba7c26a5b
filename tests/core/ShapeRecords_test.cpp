#include "core/ShapeRecords.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Le32(std::initializer_list<int32_t> values) {
  std::vector<uint8_t> out;
  for (int32_t v : values) {
    const auto u = static_cast<uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(u >> shift));
  }
  return out;
}

std::vector<uint8_t> Tail(const std::vector<uint8_t>& record) {
  return {record.end() - static_cast<std::ptrdiff_t>(vk::kShapeTailSize), record.end()};
}

TEST(ShapeRecords, TailsAreFourLittleEndianIntegersAfterTheCommonRecord) {
  vk::LineRecord line;
  line.line = {{10, -2}, {0x01020304, -0x01020304}};
  vk::ByteWriter w;
  vk::WriteLineRecord(w, line);
  ASSERT_EQ(w.Size(), 66u + 4u);
  EXPECT_EQ(Tail(w.Bytes()), Le32({10, -2, 0x01020304, -0x01020304}));

  vk::BoxRecord box;
  box.common.font.Name.clear();
  box.box = {-5, 6, 700, 80000};
  w.Clear();
  vk::WriteBoxRecord(w, box);
  ASSERT_EQ(w.Size(), 66u);
  EXPECT_EQ(Tail(w.Bytes()), Le32({-5, 6, 700, 80000}));
}

TEST(ShapeRecords, RoundTrip) {
  vk::LineRecord line;
  line.common.pen = {0x123456, 3, vk::kPenDash};
  line.common.rect = {1, 2, 3, 4};
  line.common.choosed = true;
  line.common.picId = vk::PIC_LINE;
  line.common.picIndex = 7;
  line.line = {{1, 2}, {3, 4}};
  vk::ByteWriter w;
  vk::WriteLineRecord(w, line);
  vk::ByteReader r(w.Bytes());
  vk::LineRecord back;
  ASSERT_TRUE(vk::ReadLineRecord(r, back));
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(back, line);

  vk::BoxRecord box;
  box.common.brush = {0xFF00, vk::kBrushCross};
  box.box = {9, 8, 7, 6};  // stored as found, not normalised
  w.Clear();
  vk::WriteBoxRecord(w, box);
  vk::ByteReader rb(w.Bytes());
  vk::BoxRecord boxBack;
  ASSERT_TRUE(vk::ReadBoxRecord(rb, boxBack));
  EXPECT_EQ(boxBack, box);
}

TEST(ShapeRecords, TruncatedRecordsConsumeNothingAndChangeNothing) {
  vk::BoxRecord box;
  box.box = {1, 2, 3, 4};
  vk::ByteWriter w;
  vk::WriteBoxRecord(w, box);
  const auto bytes = w.Take();
  // Short in the tail, and short in the common part.
  for (size_t cut : {bytes.size() - 1, bytes.size() - 16, size_t{30}, size_t{0}}) {
    vk::ByteReader r(bytes.data(), cut);
    vk::BoxRecord out;
    out.box = {42, 42, 42, 42};
    out.common.picIndex = 99;
    EXPECT_FALSE(vk::ReadBoxRecord(r, out)) << cut;
    EXPECT_EQ(r.Position(), 0u) << cut;
    EXPECT_EQ(out.box, (vk::TRect{42, 42, 42, 42})) << cut;
    EXPECT_EQ(out.common.picIndex, 99) << cut;

    vk::ByteReader rl(bytes.data(), cut);
    vk::LineRecord line;
    EXPECT_FALSE(vk::ReadLineRecord(rl, line)) << cut;
    EXPECT_EQ(rl.Position(), 0u) << cut;
  }
  // A tail read on its own is all or nothing too.
  vk::ByteReader r(bytes.data() + bytes.size() - 15, 15);
  vk::LineEnds ends{{5, 5}, {6, 6}};
  EXPECT_FALSE(vk::ReadLineTail(r, ends));
  EXPECT_EQ(ends, (vk::LineEnds{{5, 5}, {6, 6}}));
  EXPECT_EQ(r.Remaining(), 15u);
}

}  // namespace
