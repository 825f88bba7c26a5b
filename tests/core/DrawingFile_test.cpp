#include "core/DrawingFile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using vk::DrawingEntry;
using vk::DrawingReadStatus;
using vk::DrawingSignature;

TEST(DrawingFile, EmptyPageDrawingIsExactly64Bytes) {
  const std::vector<uint8_t> f = vk::EncodeDrawing({}, DrawingSignature::Page2011);
  ASSERT_EQ(f.size(), 64u);
  EXPECT_EQ(std::memcmp(f.data(), "This File Structure Is Designed By Zelq! 2011-07-20", 51), 0);
  for (size_t i = 51; i < 59; ++i) EXPECT_EQ(f[i], 0) << i;
  EXPECT_EQ(f[59], 0x12);
  EXPECT_EQ(f[60] | f[61] | f[62] | f[63], 0);
}

TEST(DrawingFile, EntriesAreFramedByKindAndLengthAndRoundTrip) {
  const std::vector<DrawingEntry> in = {{1, std::vector<uint8_t>(70, 0xAB)}, {4, {1, 2, 3}}, {9, {}}};
  const std::vector<uint8_t> page = vk::EncodeDrawing(in, DrawingSignature::Page2011);
  ASSERT_EQ(page.size(), 64u + 5 + 70 + 5 + 3 + 5);
  EXPECT_EQ(page[60], 3);
  EXPECT_EQ(page[64], 1);
  EXPECT_EQ(page[65], 70);
  EXPECT_EQ(page[66] | page[67] | page[68], 0);
  const vk::DrawingReadResult r = vk::DecodeDrawing(page.data(), page.size());
  EXPECT_EQ(r.Status, DrawingReadStatus::Ok);
  ASSERT_EQ(r.Entries.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(r.Entries[i].Kind, in[i].Kind);
    EXPECT_EQ(r.Entries[i].Record, in[i].Record);
  }
  // The two signatures differ only in the first 59 bytes, and both read alike.
  const std::vector<uint8_t> saved = vk::EncodeDrawing(in, DrawingSignature::Save2004);
  ASSERT_EQ(saved.size(), page.size());
  EXPECT_EQ(std::memcmp(saved.data(), "This File Structure Is Designed By Tarvelmoren! 2004-06-22", 58), 0);
  EXPECT_EQ(saved[58], 0);
  EXPECT_TRUE(std::equal(saved.begin() + 59, saved.end(), page.begin() + 59));
  EXPECT_EQ(vk::DecodeDrawing(saved.data(), saved.size()).Entries.size(), 3u);
}

TEST(DrawingFile, RecordsLongerThanAnyFixedBufferRoundTripWhole) {
  std::vector<uint8_t> big(200000);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 7);
  const std::vector<DrawingEntry> in = {{6, big}, {1, {9}}};
  const std::vector<uint8_t> f = vk::EncodeDrawing(in, DrawingSignature::Page2011);
  const vk::DrawingReadResult r = vk::DecodeDrawing(f.data(), f.size());
  ASSERT_EQ(r.Status, DrawingReadStatus::Ok);
  ASSERT_EQ(r.Entries.size(), 2u);
  EXPECT_EQ(r.Entries[0].Record, big);
  EXPECT_EQ(r.Entries[1].Record, std::vector<uint8_t>{9});
}

TEST(DrawingFile, DamageKeepsTheCompleteEntriesBeforeIt) {
  const std::vector<DrawingEntry> in = {{1, {1, 2, 3, 4}}, {2, {5, 6}}};
  std::vector<uint8_t> f = vk::EncodeDrawing(in, DrawingSignature::Page2011);

  std::vector<uint8_t> mark = f;
  mark[59] = 17;
  EXPECT_EQ(vk::DecodeDrawing(mark.data(), mark.size()).Status, DrawingReadStatus::BadFormatMark);
  EXPECT_EQ(vk::DecodeDrawing(f.data(), 40).Status, DrawingReadStatus::BadFormatMark);
  EXPECT_EQ(vk::DecodeDrawing(f.data(), 62).Status, DrawingReadStatus::Truncated);

  // Header bytes other than the mark are not looked at.
  std::vector<uint8_t> header = f;
  std::memset(header.data(), 'x', 59);
  EXPECT_EQ(vk::DecodeDrawing(header.data(), header.size()).Entries.size(), 2u);

  // A count larger than the entries: the entries that are there, then the damage.
  std::vector<uint8_t> count = f;
  count[60] = 200;
  vk::DrawingReadResult r = vk::DecodeDrawing(count.data(), count.size());
  EXPECT_EQ(r.Status, DrawingReadStatus::Truncated);
  EXPECT_EQ(r.Entries.size(), 2u);

  // A record cut short.
  r = vk::DecodeDrawing(f.data(), f.size() - 1);
  EXPECT_EQ(r.Status, DrawingReadStatus::Truncated);
  EXPECT_EQ(r.Entries.size(), 1u);

  // Negative and absurd lengths.
  for (uint8_t top : {uint8_t{0x80}, uint8_t{0x7F}}) {
    std::vector<uint8_t> len = f;
    len[64 + 4] = top;  // high byte of the first entry's length
    r = vk::DecodeDrawing(len.data(), len.size());
    EXPECT_EQ(r.Status, DrawingReadStatus::BadLength);
    EXPECT_TRUE(r.Entries.empty());
  }

  // A count of zero or less reads nothing.
  std::vector<uint8_t> neg = f;
  neg[63] = 0x80;
  r = vk::DecodeDrawing(neg.data(), neg.size());
  EXPECT_EQ(r.Status, DrawingReadStatus::Ok);
  EXPECT_TRUE(r.Entries.empty());
}

}  // namespace
