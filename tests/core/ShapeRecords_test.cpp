// The records of the rounded rectangle, arc, polyline and curve: sizes, what decodes and
// what does not, and that out-of-range values survive a round trip unchanged.
#include "core/ShapeRecords.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using vk::ByteReader;
using vk::ByteWriter;
using vk::TPoint;

vk::PicRecord Common() {
  vk::PicRecord c;
  c.picId = 6;
  c.rect = {1, 2, 3, 4};
  return c;  // the default 4-byte font name: a 54-byte common record
}

template <typename Record, typename Write, typename Read>
void ExpectRoundTrip(const Record& rec, size_t size, Write write, Read read, const char* what) {
  ByteWriter w;
  write(w, rec);
  EXPECT_EQ(w.Size(), size) << what;
  ByteReader r(w.Bytes());
  Record back;
  ASSERT_TRUE(read(r, back)) << what;
  EXPECT_TRUE(r.AtEnd()) << what;
  EXPECT_TRUE(back == rec) << what;
  ByteWriter again;
  write(again, back);
  EXPECT_EQ(again.Bytes(), w.Bytes()) << what;
}

// Out-of-range values going back unchanged are checked through the editor, with the
// page files; here, the sizes and a polyline with no fixed limit.
TEST(ShapeRecords, EveryKindRoundTripsAtItsSize) {
  ExpectRoundTrip(vk::RoundRecord{Common(), {0, 0, 20, 20}, 1.0f / 3, 0.5f, {7, 10}}, 54 + 32, vk::WriteRoundRecord,
                  vk::ReadRoundRecord, "round");
  ExpectRoundTrip(vk::ArcRecord{Common(), 1, {0, 0, 40, 30}, {40, 15}, {20, 0}}, 54 + 33, vk::WriteArcRecord,
                  vk::ReadArcRecord, "sector");
  vk::PolyRecord big{Common(), 0, {}};
  for (int i = 0; i < 5000; ++i) big.vertices.push_back({i, (i * 7) % 300});
  ExpectRoundTrip(big, 54 + 5 + 8 * 5000, vk::WritePolyRecord, vk::ReadPolyRecord, "5000 vertices");
  ExpectRoundTrip(vk::CurveRecord{Common(), 4, {{{0, 0}, {10, -20}, {30, 40}, {50, 0}}}}, 54 + 4 + 32,
                  vk::WriteCurveRecord, vk::ReadCurveRecord, "curve");
}

// The bytes of a record, its count field overwritten; the reader must refuse it whole.
void ExpectRefused(std::vector<uint8_t> bytes, size_t countAt, int32_t count, bool poly, const char* what) {
  for (int i = 0; i < 4; ++i) bytes[countAt + i] = static_cast<uint8_t>(static_cast<uint32_t>(count) >> (8 * i));
  ByteReader r(bytes);
  bool ok = false;
  if (poly) {
    vk::PolyRecord rec;
    ok = vk::ReadPolyRecord(r, rec);
  } else {
    vk::CurveRecord rec;
    ok = vk::ReadCurveRecord(r, rec);
  }
  EXPECT_FALSE(ok) << what;
  EXPECT_EQ(r.Position(), 0u) << what;
}

TEST(ShapeRecords, CountsTheRecordCannotHoldDoNotDecode) {
  ByteWriter poly;
  vk::WritePolyRecord(poly, {Common(), 0, {{1, 1}, {2, 2}, {3, 3}}});
  ExpectRefused(poly.Bytes(), 55, 4, true, "a vertex past the end");
  ExpectRefused(poly.Bytes(), 55, -1, true, "negative count");
  ExpectRefused(poly.Bytes(), 55, std::numeric_limits<int32_t>::max(), true, "huge count");

  // Five points' worth of bytes are there, but a curve holds four.
  ByteWriter curve;
  vk::WriteCurveRecord(curve, {Common(), 4, {}});
  for (int i = 0; i < 2; ++i) curve.WriteI32(77);
  ExpectRefused(curve.Bytes(), 54, 5, false, "five curve points");
  ExpectRefused(curve.Bytes(), 54, -3, false, "negative curve count");

  // Writing never goes past the four points either.
  ByteWriter w;
  vk::WriteCurveRecord(w, {Common(), 9, {}});
  EXPECT_EQ(w.Size(), 54u + 4 + 32);
}

}  // namespace
