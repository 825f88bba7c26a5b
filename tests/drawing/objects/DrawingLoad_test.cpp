// Drawing files into objects and back, as they came, within the memory budget.
#include <windows.h>
#include <psapi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/ShapeRecords.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/PicFactory.h"

namespace {
using vk::DrawingLoadOutcome;

std::vector<uint8_t> File(const std::vector<vk::DrawingEntry>& e) {
  return vk::EncodeDrawing(e, vk::DrawingSignature::Page2011);
}

std::vector<uint8_t> LineRecord(int32_t index = 0) {
  vk::TLinePic line;
  line.PicId = vk::PIC_LINE;
  return vk::StoredEntry(line, index).Record;
}

void ExpectSavesAndLoadsAgain(const std::vector<uint8_t>& file, const std::string& name) {
  vk::PicListType first, second;
  vk::PicsFromDrawing(file.data(), file.size(), first);  // damaged or not: what loaded
  const std::vector<uint8_t> saved = File(vk::StoredEntries(first));
  ASSERT_EQ(vk::PicsFromDrawing(saved.data(), saved.size(), second), DrawingLoadOutcome::Ok) << name;
  EXPECT_EQ(vk::StoredEntries(second), vk::StoredEntries(first)) << name;  // kinds, so classes, and records
}

TEST(DrawingLoad, EverySeedFileAndAKindItsRecordDisputesSaveAndLoadToTheSameObjects) {
  for (const auto& f : std::filesystem::directory_iterator(VK_DRAWING_CORPUS)) {
    std::ifstream in(f.path(), std::ios::binary);
    ExpectSavesAndLoadsAgain({std::istreambuf_iterator<char>(in), {}}, f.path().filename().string());
  }
  vk::PicRecord curve;  // on a polyline of one vertex, never drawn: only the load sets its kind
  curve.picId = vk::PIC_CURVE;
  vk::ByteWriter w;
  vk::WritePolyRecord(w, {curve, 0, {{3, 4}}});
  ExpectSavesAndLoadsAgain(File({{vk::PIC_POLY, w.Take()}, {vk::PIC_LINE, LineRecord(1)}}), "disputed kind");
}

TEST(DrawingLoad, BytesPastAKnownRecordGoBackUntilAnEditChangesTheRecord) {
  std::vector<uint8_t> longer = LineRecord(1);
  longer.insert(longer.end(), {0xE1, 0xE2, 0xE3});
  const std::vector<uint8_t> file = File({{vk::PIC_LINE, LineRecord()}, {vk::PIC_LINE, longer}});
  vk::PicListType pics;
  ASSERT_EQ(vk::PicsFromDrawing(file.data(), file.size(), pics), DrawingLoadOutcome::Ok);
  auto& line = dynamic_cast<vk::TLinePic&>(*pics[1]);
  line.Choosed = true;  // selection is no edit
  EXPECT_EQ(vk::StoredEntries(pics)[1].Record, longer);
  line.LineEnd.X += 1;
  EXPECT_EQ(vk::StoredEntry(line, 1).Record.size(), longer.size() - 3);
  line.LineEnd.X -= 1;  // as an undo leaves it
  EXPECT_EQ(vk::StoredEntry(line, 1).Record, longer);
}

// A million five-byte records of a kind without a class between two lines keep their
// places, count and bytes, at most 32 bytes each beyond their records.
TEST(DrawingLoad, RecordsOfUnknownKindsCostAtMost32BytesEachBeyondTheirRecord) {
  constexpr uint32_t kCount = 1000000;
  std::vector<vk::DrawingEntry> entries{{vk::PIC_LINE, LineRecord()}};
  for (uint32_t i = 0; i < kCount; ++i) entries.push_back({0x42, {1, 2, 3, 4, static_cast<uint8_t>(i)}});
  entries.push_back({vk::PIC_LINE, LineRecord(kCount + 1)});
  const std::vector<uint8_t> file = File(entries);
  entries = {};
  PROCESS_MEMORY_COUNTERS m[2]{};
  vk::PicListType pics;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &m[0], sizeof m[0]);
  ASSERT_EQ(vk::PicsFromDrawing(file.data(), file.size(), pics), DrawingLoadOutcome::Ok);
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &m[1], sizeof m[1]);
  EXPECT_LE((m[1].PagefileUsage - m[0].PagefileUsage) / kCount, 5u + 32u);
  EXPECT_EQ(File(vk::StoredEntries(pics)), file);
  EXPECT_EQ(vk::StoredCountOf(*pics.at(1)), kCount);
}

TEST(DrawingLoad, ADrawingPastTheBudgetIsTooLargeBeforeAnythingIsMade) {
  const std::vector<uint8_t> one = File({{vk::PIC_LINE, LineRecord()}});
  const auto n = static_cast<uint32_t>(vk::kDrawingMemoryBudget / vk::DrawingMemoryNeed(one.data(), one.size()) + 1);
  std::vector<uint8_t> file = one;
  for (uint32_t i = 1; i < n; ++i) file.insert(file.end(), one.begin() + vk::kDrawingHeaderSize, one.end());
  for (int b = 0; b < 4; ++b) file[vk::kSignatureSize + 1 + b] = static_cast<uint8_t>(n >> (8 * b));
  vk::PicListType pics;
  EXPECT_EQ(vk::PicsFromDrawing(file.data(), file.size(), pics), DrawingLoadOutcome::TooLarge);
  EXPECT_TRUE(pics.empty());
}

}  // namespace
