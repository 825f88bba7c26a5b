// Going to other pages and writing the page files: damaged drawing files, files that
// cannot be written and pages that cannot be shown are reported, and nothing is lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "Scene.h"
#include "SessionHarness.h"
#include "core/DrawingFile.h"
#include "core/ShapeRecords.h"
#include "core/TextRecord.h"
#include "drawing/editor/TestFailPoint.h"
#include "win/FileIO.h"

namespace {

using vkt::MakeRect;
using vkt::SessionHarness;

std::vector<vk::DrawingEntry> Rects(int n) {
  std::vector<vk::DrawingEntry> entries;
  for (int i = 0; i < n; ++i) {
    auto r = MakeRect(10 + 40 * i, 10, 40 + 40 * i, 40);
    r->PicIndex = i;
    r->PicId = vk::PIC_RECT;  // as it is once drawn
    vk::ByteWriter w;
    r->SaveToBuffer(w);
    entries.push_back({2, w.Take()});
  }
  return entries;
}

// A drawing file of n rectangles, as the editor writes it.
std::vector<uint8_t> Drawing(int n) { return vk::EncodeDrawing(Rects(n), vk::DrawingSignature::Page2011); }

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A session on page 1 with page 2's picture (300 x 200) and, when given, its drawing file.
struct TwoPages : SessionHarness {
  explicit TwoPages(const std::string& name, const std::vector<uint8_t>* page2 = nullptr) : SessionHarness(name) {
    WritePage(2);
    if (page2) WriteFile("Page2.fdf", *page2);
  }
  const std::vector<std::string>& Errors() { return Host().Errors; }
};

// Damaged drawing files of page 2: what the user is told, and the objects read.
TEST(Pages, DamagedDrawingFilesAreReportedAndThePageShowsWhatCouldBeRead) {
  std::vector<uint8_t> badMark = Drawing(2), shortFile = Drawing(3), shortRecord = Drawing(2);
  badMark[59] = 7;
  shortFile.resize(shortFile.size() - 10);
  const size_t second = 64 + 5 + 70;  // the second entry claims 20 bytes, and the file ends there
  shortRecord[second + 1] = 20;
  shortRecord.resize(second + 5 + 20);
  const struct {
    const char* name;
    const std::vector<uint8_t>& file;
    const char* error;
    size_t count;
  } cases[] = {{"bad-mark", badMark, "Invalid file format.", 0},
               {"short", shortFile, "Page2.fdf", 2},
               {"short-record", shortRecord, "Invalid file format.", 1}};
  for (const auto& c : cases) {
    TwoPages h(c.name, &c.file);
    h.Add(MakeRect(5, 5, 50, 50));
    h.S().Goto(2);
    ASSERT_EQ(h.Errors().size(), 1u) << c.name;
    EXPECT_TRUE(Has(h.Errors()[0], c.error)) << h.Errors()[0];
    EXPECT_EQ(h.S().PageNo(), 2) << c.name;
    ASSERT_EQ(h.Count(), c.count) << c.name;
    if (c.count) {
      EXPECT_EQ(h.Pic(c.count - 1).PicIndex, static_cast<int32_t>(c.count - 1));
    }
  }
}

TEST(Pages, ADamagedFileIsKeptBesideItsReplacementUnderAFreeName) {
  std::vector<uint8_t> three = Drawing(3);
  three.resize(three.size() - 10);
  for (bool earlierCopy : {false, true}) {
    TwoPages h(earlierCopy ? "damaged-twice" : "damaged", &three);
    if (earlierCopy) h.WriteFile("Page2.fdf.damaged", {1, 2, 3});
    h.S().Goto(2);
    ASSERT_EQ(h.Count(), 2u);
    EXPECT_TRUE(h.S().Apply());
    EXPECT_EQ(h.FileBytes("Page2.fdf"), Drawing(2));
    if (earlierCopy) {
      EXPECT_EQ(h.FileBytes("Page2.fdf.damaged"), (std::vector<uint8_t>{1, 2, 3}));
    }
    EXPECT_EQ(h.FileBytes(earlierCopy ? "Page2.fdf.damaged.2" : "Page2.fdf.damaged"), three);
  }
}

TEST(Pages, AnObjectOfAKindThisEditorCannotMakeGoesThroughApplyUnchanged) {
  std::vector<vk::DrawingEntry> entries = Rects(3);
  entries[1] = {42, {1, 2, 3, 0xFF, 0, 9}};  // not even a common record
  const std::vector<uint8_t> file = vk::EncodeDrawing(entries, vk::DrawingSignature::Page2011);
  TwoPages h("kind42", &file);
  h.S().Goto(2);
  ASSERT_EQ(h.Count(), 3u);
  EXPECT_TRUE(h.S().Apply());
  EXPECT_EQ(h.FileBytes("Page2.fdf"), file);
  const std::vector<uint8_t> ini = h.FileBytes("2.ini");
  EXPECT_TRUE(Has(std::string(ini.begin(), ini.end()), "ImageCount=3\r\n"));
}

TEST(Pages, APageKeepsItsHistoryAcrossAVisitElsewhereAndApplyWritesTheUndoneState) {
  TwoPages h("undo-pages");
  h.Add(MakeRect(10, 10, 40, 40));  // as Drawing(1) holds it
  h.Select(0);
  h.S().MoveBy({1, 0});
  h.S().Goto(2);
  ASSERT_EQ(h.S().PageNo(), 2);
  EXPECT_EQ(h.Count(), 0u);
  h.S().UndoStep(false);  // page 2 has nothing to take back
  h.S().Goto(1);
  ASSERT_EQ(h.Count(), 1u);
  EXPECT_EQ(h.Pic(0).GetRect().Left, 11);
  h.S().UndoStep(false);
  EXPECT_EQ(h.Pic(0).GetRect().Left, 10);
  EXPECT_TRUE(h.S().Apply());
  EXPECT_EQ(h.FileBytes("Page1.fdf"), Drawing(1));
  EXPECT_EQ(h.FileBytes("Page2.fdf"), Drawing(0));
}

TEST(Pages, OutOfRangeValuesLoadDrawAndGoBackAsTheyWere) {
  auto common = [](uint8_t kind, int32_t index) {
    vk::PicRecord c;
    c.picId = kind;
    c.picIndex = index;
    c.rect = {400, 400, 500, 500};  // nowhere near the points: a damaged file may say so
    return c;
  };
  std::vector<vk::DrawingEntry> entries(6);
  vk::ByteWriter w;
  vk::WriteRoundRecord(w, {common(3, 0), {50, 50, 50, 90}, std::numeric_limits<float>::quiet_NaN(), 9.0f, {7, 7}});
  entries[0] = {3, w.Take()};
  vk::WriteArcRecord(w, {common(5, 1), 7, {0, 0, 0, 0}, {5, 5}, {9, 9}});
  entries[1] = {5, w.Take()};
  vk::WritePolyRecord(w, {common(6, 2), 1, {{60, 60}}});
  entries[2] = {6, w.Take()};
  vk::WritePolyRecord(w, {common(6, 3), 0, {}});
  entries[3] = {6, w.Take()};
  vk::WriteCurveRecord(w, {common(7, 4), 2, {{{10, 10}, {90, 10}}}});
  entries[4] = {7, w.Take()};
  vk::WriteArcRecord(w, {common(5, 5), 2, {20, 20, 20, 60}, {20, 20}, {20, 60}});  // zero width
  entries[5] = {5, w.Take()};
  const std::vector<uint8_t> page2 = vk::EncodeDrawing(entries, vk::DrawingSignature::Page2011);
  TwoPages h("out-of-range", &page2);
  h.S().Goto(2);
  ASSERT_EQ(h.Count(), 6u);
  for (const auto& p : h.S().Pics()) p->Choosed = true;  // handles too
  h.S().RedrawAll(false, true);
  for (vk::TPoint p : {vk::TPoint{50, 70}, vk::TPoint{20, 40}, vk::TPoint{60, 60}}) h.Click(p.X, p.Y);  // hit tests
  EXPECT_TRUE(h.S().SavePage(2));  // untouched objects go back as they were
  EXPECT_EQ(h.FileBytes("Page2.fdf"), page2);
}

TEST(Pages, TextRecordsKeepOutOfRangeEffectsAndALengthPastTheEndIsAnInvalidFile) {
  vk::TextRecord rec;
  rec.shape = {10, 10, 60, 30};
  rec.text = "Hi";
  rec.hollow = 2;  // out of range: loads, and is kept
  vk::ByteWriter good, bad;
  vk::WriteTextRecord(good, rec);
  rec.text = "length past the end";
  vk::WriteTextRecord(bad, rec);
  std::vector<uint8_t> damaged = bad.Take();
  damaged.resize(damaged.size() - 20);  // the stored length now runs past the record
  const std::vector<vk::DrawingEntry> entries{{8, good.Bytes()}, {8, damaged}};
  const std::vector<uint8_t> file = vk::EncodeDrawing(entries, vk::DrawingSignature::Page2011);
  TwoPages h("text-records", &file);
  h.S().Goto(2);
  EXPECT_EQ(h.Errors(), (std::vector<std::string>{"Invalid file format."}));
  ASSERT_EQ(h.Count(), 1u);
  vk::ByteWriter w;
  h.Pic(0).SaveToBuffer(w);
  vk::ByteReader r(w.Bytes());
  vk::TextRecord back;
  ASSERT_TRUE(vk::ReadTextRecord(r, back));
  EXPECT_EQ(back.hollow, 2);
  EXPECT_EQ(back.text, "Hi");
}

// Page files that cannot be written: Apply and Goto say so and stay, the drawing stays,
// and the files are all as they were.
TEST(Pages, AFailedSaveIsReportedAndLeavesThePageFilesAsTheyWere) {
  TwoPages h("unwritable");
  std::filesystem::create_directory(h.Folder() + "Page1.fdf");  // cannot be replaced by a file
  h.Add(MakeRect(5, 5, 50, 50));
  EXPECT_FALSE(h.S().Apply());
  ASSERT_EQ(h.Errors().size(), 1u);
  EXPECT_TRUE(Has(h.Errors()[0], "Page1.fdf")) << h.Errors()[0];
  h.S().Goto(2);
  EXPECT_EQ(h.Errors().size(), 2u);
  EXPECT_EQ(h.S().PageNo(), 1);
  EXPECT_FALSE(h.S().WaitingForPage());
  EXPECT_EQ(h.Count(), 1u);
  EXPECT_FALSE(std::filesystem::exists(h.Folder() + "1.ini"));

  // The description's temporary name is taken by a folder: its write fails, and the
  // drawing file written before it is not put in place either.
  SessionHarness s("staged");
  s.WriteFile("Page1.fdf", Drawing(1));
  s.WriteFile("1.ini", {'o', 'l', 'd'});
  std::filesystem::create_directory(s.Folder() + "1.ini.tmp" + std::to_string(::GetCurrentProcessId()));
  s.Add(MakeRect(10, 10, 40, 40));
  s.Add(MakeRect(50, 10, 80, 40));
  EXPECT_FALSE(s.S().Apply());
  ASSERT_EQ(s.Host().Errors.size(), 1u);
  EXPECT_TRUE(Has(s.Host().Errors[0], "1.ini")) << s.Host().Errors[0];
  EXPECT_EQ(s.FileBytes("Page1.fdf"), Drawing(1));
  EXPECT_EQ(s.FileBytes("1.ini"), (std::vector<uint8_t>{'o', 'l', 'd'}));

  // Writing runs out of memory.
  vk::ArmFailPoint("drawing-writer");
  EXPECT_FALSE(s.S().Apply());
  ASSERT_EQ(s.Host().Errors.size(), 2u);
  EXPECT_TRUE(Has(s.Host().Errors[1], "could not be written")) << s.Host().Errors[1];
  EXPECT_EQ(s.Count(), 2u);
}

// A page that cannot be taken whole (its bitmaps, its drawing) is not entered: the editor
// stays on page 1 with its drawing, its history and both bitmaps at its size.
TEST(Pages, APageThatCannotBeLoadedLeavesThePreviousPageAndItsHistory) {
  const std::vector<uint8_t> three = Drawing(3);
  const struct {
    const char* failPoint;
    const char* error;
    bool drawing;  // without one, the page is entered the other way
  } cases[] = {{"second-page-bitmap", "300 x 200", false}, {"drawing-reader", "not enough memory", true}};
  for (const auto& c : cases) {
    TwoPages h(c.failPoint, c.drawing ? &three : nullptr);
    const std::vector<uint8_t> page1 = h.FileBytes("Page1.bmp");
    h.Add(MakeRect(10, 10, 40, 40));
    h.Select(0);
    h.S().MoveBy({1, 0});
    vk::ArmFailPoint(c.failPoint);
    h.S().Goto(2);
    ASSERT_EQ(h.Errors().size(), 1u) << c.failPoint;
    EXPECT_TRUE(Has(h.Errors()[0], c.error)) << h.Errors()[0];
    EXPECT_FALSE(h.S().WaitingForPage());
    EXPECT_EQ(h.S().PageNo(), 1);
    EXPECT_GT(h.Host().PageNumberChanges, 0) << "the page box shows page 1 again";
    EXPECT_EQ(vk::win::FileNamePart(h.S().PageFile()), "Page1.bmp");
    for (const vk::win::Dib* d : {&h.S().Work(), &h.S().Overlay()}) {
      EXPECT_EQ(d->Width(), 700);
      EXPECT_EQ(d->Height(), 500);
    }
    h.S().UndoStep(false);  // the page's history is still there
    EXPECT_EQ(h.Pic(0).GetRect().Left, 10);
    EXPECT_TRUE(h.S().Apply());
    EXPECT_EQ(h.FileBytes("Page1.bmp"), page1);
    EXPECT_EQ(h.FileBytes("Page1.fdf"), Drawing(1));
    EXPECT_EQ(std::filesystem::exists(h.Folder() + "Page2.fdf"), c.drawing);
    if (c.drawing) {
      EXPECT_EQ(h.FileBytes("Page2.fdf"), three);
    }
  }
}

TEST(Pages, APagePictureReadAgainLargerThanCanBeShownLeavesThePreviousOne) {
  SessionHarness h("grows");
  h.WritePage(1, 900, 600);
  vk::ArmFailPoint("second-page-bitmap");
  h.S().RedrawAll(false, true);
  ASSERT_EQ(h.Host().Errors.size(), 1u);
  EXPECT_TRUE(Has(h.Host().Errors[0], "900 x 600")) << h.Host().Errors[0];
  h.S().RedrawAll(false, true);  // not read again until the file changes
  EXPECT_EQ(h.Host().Errors.size(), 1u);
  EXPECT_EQ(h.S().Work().Width(), 700);
  EXPECT_EQ(h.S().Overlay().Width(), 700);
}

}  // namespace
