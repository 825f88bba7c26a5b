#include "core/PicRecord.h"

#include "core/DrawingFile.h"
#include "core/TextRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using vk::ByteReader;
using vk::ByteWriter;
using vk::PicRecord;

PicRecord Sample() {
  PicRecord rec;
  rec.pen = {0x00112233, -2, 4, vk::PenMode::Copy};
  rec.brush = {0x00445566, 7};
  rec.rect = {-1, 2, 300, 0x01020304};
  rec.font = {"AB", 134, 12, 0x0B, 0x00FF00};
  rec.choosed = true;
  rec.picId = 6;
  rec.picIndex = 7;
  return rec;
}

const std::vector<uint8_t> kSampleBytes{
    0x33, 0x22, 0x11, 0x00,  // pen colour
    0xFE, 0xFF, 0xFF, 0xFF,  // pen width -2
    0x04,                    // pen style
    0x66, 0x55, 0x44, 0x00,  // brush colour
    0x07,                    // brush style
    0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x00, 0x00,
    0x04, 0x03, 0x02, 0x01,  // rect
    0x02, 0x00, 0x00, 0x00, 'A', 'B',  // name
    0x86,                    // charset
    0x0C, 0x00, 0x00, 0x00,  // size
    0x0B,                    // style
    0x00, 0xFF, 0x00, 0x00,  // font colour
    0x01, 0x06,              // chosen, kind
    0x07, 0x00, 0x00, 0x00,  // list index
};

TEST(PicRecord, WritesFieldsInOrderWithoutGaps) {
  ByteWriter w;
  vk::WritePicRecord(w, Sample());
  EXPECT_EQ(w.Bytes(), kSampleBytes);
}

TEST(PicRecord, ReadsBackWhatWasWrittenAndStopsAtTheTail) {
  std::vector<uint8_t> bytes = kSampleBytes;
  bytes.push_back(0xAA);  // a shape's tail follows
  ByteReader r(bytes);
  PicRecord rec;
  ASSERT_TRUE(vk::ReadPicRecord(r, rec));
  EXPECT_EQ(rec, Sample());
  EXPECT_EQ(r.Position(), kSampleBytes.size());
}

TEST(PicRecord, RejectsEveryTruncationWithoutConsuming) {
  for (size_t n = 0; n < kSampleBytes.size(); ++n) {
    ByteReader r(kSampleBytes.data(), n);
    PicRecord rec;
    rec.picIndex = 42;
    EXPECT_FALSE(vk::ReadPicRecord(r, rec)) << n;
    EXPECT_EQ(r.Position(), 0u) << n;
    EXPECT_EQ(rec.picIndex, 42) << n;
  }
}

std::vector<uint8_t> WithNameLength(int32_t n) {
  std::vector<uint8_t> bytes = kSampleBytes;
  const uint32_t u = static_cast<uint32_t>(n);
  for (int i = 0; i < 4; ++i) bytes[30 + i] = static_cast<uint8_t>(u >> (8 * i));
  return bytes;
}

TEST(PicRecord, NameLengthAtMostZeroMeansNoName) {
  for (int32_t n : {0, -1, INT32_MIN}) {
    std::vector<uint8_t> bytes = WithNameLength(n);
    bytes.erase(bytes.begin() + 34, bytes.begin() + 36);  // no name bytes stored
    ByteReader r(bytes);
    PicRecord rec;
    ASSERT_TRUE(vk::ReadPicRecord(r, rec)) << n;
    EXPECT_EQ(rec.font.Name, "") << n;
    EXPECT_EQ(rec.font.Charset, 134) << n;
    EXPECT_EQ(rec.picIndex, 7) << n;
    EXPECT_EQ(r.Position(), 50u) << n;
  }
}

TEST(PicRecord, RejectsANameLongerThanWhatRemains) {
  for (int32_t n : {19, 1000, INT32_MAX}) {  // 18 bytes follow the length field
    const std::vector<uint8_t> bytes = WithNameLength(n);
    ByteReader r(bytes);
    PicRecord rec;
    EXPECT_FALSE(vk::ReadPicRecord(r, rec)) << n;
    EXPECT_EQ(r.Position(), 0u);
  }
}

TEST(PicRecord, EmptyNameIsFiftyBytesAndLongNamesGrowTheBuffer) {
  PicRecord rec = Sample();
  rec.font.Name.clear();
  ByteWriter w;
  vk::WritePicRecord(w, rec);
  EXPECT_EQ(w.Size(), vk::kPicRecordFixedSize);

  rec.font.Name.assign(3000, 'x');  // well beyond a fixed 1024-byte buffer
  ByteWriter big;
  vk::WritePicRecord(big, rec);
  ASSERT_EQ(big.Size(), 3050u);
  ByteReader r(big.Bytes());
  PicRecord back;
  ASSERT_TRUE(vk::ReadPicRecord(r, back));
  EXPECT_EQ(back, rec);
}

TEST(PicRecord, AnyNonZeroChosenByteMeansChosen) {
  std::vector<uint8_t> bytes = kSampleBytes;
  bytes[46] = 0x7F;
  ByteReader r(bytes);
  PicRecord rec;
  ASSERT_TRUE(vk::ReadPicRecord(r, rec));
  EXPECT_TRUE(rec.choosed);
}

// A text record: the common record, the box, the text of any length, the effect bytes.
TEST(TextRecord, LayoutAndAHundredThousandCharactersThroughTheDrawingFile) {
  vk::TextRecord rec;
  rec.common = Sample();
  rec.shape = {10, 20, 410, 44};
  rec.text = "Hi";
  rec.hollow = 1;
  rec.view3d = 2;  // out of range, from a damaged file: kept as it is
  rec.bkColor = -1;
  ByteWriter w;
  vk::WriteTextRecord(w, rec);
  const std::vector<uint8_t> tail(w.Bytes().begin() + static_cast<long>(kSampleBytes.size()), w.Bytes().end());
  EXPECT_EQ(tail, (std::vector<uint8_t>{10, 0, 0, 0, 20, 0, 0, 0, 0x9A, 1, 0, 0, 44, 0, 0, 0, 2, 0, 0, 0, 'H', 'i',
                                        1, 0, 2, 0xFF, 0xFF, 0xFF, 0xFF}));  // 27 + n

  rec.text.assign(100000, 'x');
  for (size_t i = 0; i < rec.text.size(); i += 7) rec.text[i] = static_cast<char>(0x80 + i % 100);
  w.Clear();
  vk::WriteTextRecord(w, rec);
  const std::vector<vk::DrawingEntry> in{{8, w.Bytes()}};
  const std::vector<uint8_t> file = vk::EncodeDrawing(in, vk::DrawingSignature::Page2011);
  const vk::DrawingReadResult out = vk::DecodeDrawing(file.data(), file.size());
  ASSERT_EQ(out.Entries.size(), 1u);
  ByteReader r(out.Entries[0].Record);
  vk::TextRecord back;
  ASSERT_TRUE(vk::ReadTextRecord(r, back));
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(back, rec);
}

TEST(TextRecord, ALengthPastTheEndOrBelowZeroDoesNotDecode) {
  vk::TextRecord rec;
  rec.text = "abc";
  ByteWriter w;
  vk::WriteTextRecord(w, rec);
  std::vector<uint8_t> bytes = w.Bytes();
  const size_t lengthAt = bytes.size() - 27 - 3 + 16;
  for (uint8_t bad : {uint8_t{4}, uint8_t{0xFF}}) {
    std::vector<uint8_t> b = bytes;
    b[lengthAt] = bad;
    if (bad == 0xFF) b[lengthAt + 1] = b[lengthAt + 2] = b[lengthAt + 3] = 0xFF;  // -1
    ByteReader r(b);
    vk::TextRecord out;
    out.text = "kept";
    EXPECT_FALSE(vk::ReadTextRecord(r, out)) << int(bad);
    EXPECT_EQ(r.Position(), 0u);
    EXPECT_EQ(out.text, "kept");
  }
  bytes.pop_back();
  ByteReader cut(bytes);
  vk::TextRecord out;
  EXPECT_FALSE(vk::ReadTextRecord(cut, out));
}

// One limit: the longest text, with the font name allowed for, reads back; one byte more does not.
TEST(TextRecord, TheLongestTextReadsBackThroughTheDrawingFileAndALongerOneIsRefused) {
  vk::TextRecord rec, back;
  rec.common.font.Name.assign(vk::kTextFontNameReserve, 'F');
  rec.text.assign(vk::kMaxTextLength, 't');
  ByteWriter w;
  vk::WriteTextRecord(w, rec);
  const std::vector<vk::DrawingEntry> in{{8, w.Take()}};
  const std::vector<uint8_t> file = vk::EncodeDrawing(in, vk::DrawingSignature::Page2011);
  const vk::DrawingReadResult out = vk::DecodeDrawing(file.data(), file.size());
  ByteReader r(out.Entries.at(0).Record);
  EXPECT_TRUE(vk::ReadTextRecord(r, back));
  rec.text.push_back('t');
  vk::WriteTextRecord(w, rec);
  ByteReader longer(w.Bytes());
  EXPECT_FALSE(vk::ReadTextRecord(longer, back));
}

}  // namespace
