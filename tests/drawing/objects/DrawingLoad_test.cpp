// Drawing files into objects and back: every file that loads saves and loads again to the
// same objects; what a record holds past its end, and kinds without a class, go back as
// they came; a drawing past the memory budget is refused before anything is made for it.
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <typeinfo>

#include "core/ShapeRecords.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/PicFactory.h"

namespace {

using vk::DrawingLoadOutcome;
using vk::PicListType;

std::vector<uint8_t> Saved(const PicListType& pics) {
  return vk::EncodeDrawing(vk::StoredEntries(pics), vk::DrawingSignature::Page2011);
}

std::vector<uint8_t> File(const std::vector<vk::DrawingEntry>& entries) {
  return vk::EncodeDrawing(entries, vk::DrawingSignature::Page2011);
}

std::vector<uint8_t> LineRecord(int32_t x, int32_t index = 0) {
  vk::TLinePic line;
  line.PicId = vk::PIC_LINE;
  line.LineStart = {x, 1};
  line.LineEnd = {x + 5, 9};
  return vk::StoredEntry(line, index).Record;
}

void ExpectSavesAndLoadsAgain(const std::vector<uint8_t>& file, const std::string& name) {
  PicListType first;
  vk::PicsFromDrawing(file.data(), file.size(), first);  // damaged or not: what loaded
  const std::vector<uint8_t> saved = Saved(first);
  PicListType second;
  ASSERT_EQ(vk::PicsFromDrawing(saved.data(), saved.size(), second), DrawingLoadOutcome::Ok) << name;
  ASSERT_EQ(second.size(), first.size()) << name;
  for (size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(typeid(*second[i]), typeid(*first[i])) << name << " #" << i;
    EXPECT_EQ(second[i]->PicId, first[i]->PicId) << name << " #" << i;
  }
  EXPECT_EQ(vk::StoredEntries(second), vk::StoredEntries(first)) << name;
}

TEST(DrawingLoad, EverySeedFileAndAKindItsRecordDisputesSaveAndLoadToTheSameObjects) {
  int files = 0;
  for (const auto& f : std::filesystem::directory_iterator(VK_DRAWING_CORPUS)) {
    std::ifstream in(f.path(), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    ExpectSavesAndLoadsAgain(bytes, f.path().filename().string());
    ++files;
  }
  EXPECT_GT(files, 10);

  // A polyline of one vertex is never drawn, so nothing sets its kind but the load.
  vk::PolyRecord poly;
  poly.common.picId = vk::PIC_CURVE;
  poly.vertices = {{3, 4}};
  vk::ByteWriter w;
  vk::WritePolyRecord(w, poly);
  const std::vector<uint8_t> disputed = File({{vk::PIC_POLY, w.Take()}, {vk::PIC_LINE, LineRecord(7)}});
  PicListType pics;
  ASSERT_EQ(vk::PicsFromDrawing(disputed.data(), disputed.size(), pics), DrawingLoadOutcome::Ok);
  EXPECT_EQ(pics.at(0)->PicId, vk::PIC_POLY);
  ExpectSavesAndLoadsAgain(disputed, "disputed kind");
}

TEST(DrawingLoad, BytesPastAKnownRecordGoBackUntilAnEditChangesTheRecord) {
  std::vector<uint8_t> longer = LineRecord(10, 1);
  const std::vector<uint8_t> extra{0xE1, 0xE2, 0xE3};
  longer.insert(longer.end(), extra.begin(), extra.end());
  const std::vector<uint8_t> file = File({{vk::PIC_LINE, LineRecord(20)}, {vk::PIC_LINE, longer}});
  PicListType pics;
  ASSERT_EQ(vk::PicsFromDrawing(file.data(), file.size(), pics), DrawingLoadOutcome::Ok);
  pics[1]->Choosed = true;  // selection is no edit, nor is a new place in the list
  std::swap(pics[0], pics[1]);
  EXPECT_EQ(vk::StoredEntry(*pics[0], 1).Record, longer);
  EXPECT_EQ(vk::StoredEntries(pics)[0].Record.size(), longer.size());

  auto& line = dynamic_cast<vk::TLinePic&>(*pics[0]);
  line.LineEnd.X += 1;
  EXPECT_EQ(vk::StoredEntry(line, 1).Record.size(), longer.size() - extra.size());
  line.LineEnd.X -= 1;  // as read again, as an undo leaves it
  EXPECT_EQ(vk::StoredEntry(line, 1).Record, longer);
}

// Kinds without a class keep their place, count and bytes, and cost little: a file of a
// million five-byte records of such a kind between two lines.
TEST(DrawingLoad, RecordsOfUnknownKindsCostAtMost32BytesEachBeyondTheirRecord) {
  constexpr uint32_t kCount = 1000000;
  std::vector<vk::DrawingEntry> entries{{vk::PIC_LINE, LineRecord(1)}};
  for (uint32_t i = 0; i < kCount; ++i) entries.push_back({0x42, {1, 2, 3, 4, static_cast<uint8_t>(i)}});
  entries.push_back({vk::PIC_LINE, LineRecord(2, kCount + 1)});
  const std::vector<uint8_t> file = File(entries);
  entries.clear();
  entries.shrink_to_fit();

  PROCESS_MEMORY_COUNTERS before{}, after{};
  ASSERT_TRUE(::GetProcessMemoryInfo(::GetCurrentProcess(), &before, sizeof before));
  PicListType pics;
  ASSERT_EQ(vk::PicsFromDrawing(file.data(), file.size(), pics), DrawingLoadOutcome::Ok);
  ASSERT_TRUE(::GetProcessMemoryInfo(::GetCurrentProcess(), &after, sizeof after));
  const size_t perEntry = (after.PagefileUsage - before.PagefileUsage) / kCount;
  EXPECT_LE(perEntry, 5u + 32u) << "bytes kept per unknown entry, its 5 record bytes included";

  uint32_t count = 0;
  for (const auto& p : pics) count += vk::StoredCountOf(*p);
  EXPECT_EQ(count, kCount + 2);
  EXPECT_EQ(Saved(pics), file);
}

TEST(DrawingLoad, ADrawingPastTheBudgetIsTooLargeBeforeAnythingIsMade) {
  const std::vector<uint8_t> one = File({{vk::PIC_LINE, LineRecord(0)}});
  const size_t lines = static_cast<size_t>(vk::kDrawingMemoryBudget / vk::DrawingMemoryNeed(one.data(), one.size())) + 1;
  std::vector<uint8_t> file = one;
  const std::vector<uint8_t> entry(one.begin() + vk::kDrawingHeaderSize, one.end());
  file.reserve(file.size() + lines * entry.size());
  for (size_t i = 1; i < lines; ++i) file.insert(file.end(), entry.begin(), entry.end());
  const auto n = static_cast<uint32_t>(lines);
  for (int b = 0; b < 4; ++b) file[vk::kSignatureSize + 1 + b] = static_cast<uint8_t>(n >> (8 * b));
  PicListType pics;
  EXPECT_EQ(vk::PicsFromDrawing(file.data(), file.size(), pics), DrawingLoadOutcome::TooLarge);
  EXPECT_TRUE(pics.empty());
  // One line fewer fits.
  file.resize(file.size() - entry.size());
  for (int b = 0; b < 4; ++b) file[vk::kSignatureSize + 1 + b] = static_cast<uint8_t>((n - 1) >> (8 * b));
  EXPECT_EQ(vk::PicsFromDrawing(file.data(), file.size(), pics), DrawingLoadOutcome::Ok);
  EXPECT_EQ(pics.size(), lines - 1);
}

}  // namespace
