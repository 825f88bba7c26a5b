// Damaged drawing files and page files that cannot be written: the user is told, the
// objects read so far stay, and nothing is lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <thread>

#include "EditorSession.h"
#include "FormSession.h"
#include "PageHost.h"
#include "core/DrawingFile.h"
#include "core/ShapeRecords.h"
#include "core/TextRecord.h"
#include "drawing/editor/EditorIds.h"
#include "drawing/editor/TestFailPoint.h"
#include "win/FileIO.h"

namespace {

using vkt::FormSession;

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<vk::DrawingEntry> Rects(int n) {
  std::vector<vk::DrawingEntry> entries;
  for (int i = 0; i < n; ++i) {
    auto r = vkt::MakeRect(10 + 40 * i, 10, 40 + 40 * i, 40);
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

std::string Text(const std::string& path) {
  const std::vector<uint8_t> b = vkt::FileBytes(path);
  return std::string(b.begin(), b.end());
}

void Apply(FormSession& s) {
  ASSERT_TRUE(vkt::WaitFor([&] { return s.ButtonEnabled("SpeedButtonApply"); }, 3000));
  s.PostButton("SpeedButtonApply");
  EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(s.Handle()); }));
}

void GoTo(FormSession& s, int page) {
  HWND box = vkt::FindChildById(s.Handle(), vk::PropControlId("edtPage"));
  ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(page).c_str()));
  ::PostMessageW(vkt::FindChildById(s.Handle(), vk::PropControlId("btn1")), BM_CLICK, 0, 0);
}

TEST(PageFiles, AWrongFormatMarkIsReportedAndThePageShowsWithoutADrawing) {
  FormSession s("bad-mark");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);
  std::vector<uint8_t> bad = Drawing(2);
  bad[59] = 7;
  WriteFile(s.Folder() + "Page2.fdf", bad);
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(5, 5, 50, 50); });
    GoTo(s, 2);
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_EQ(text, L"Invalid file format.");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.PageNo() == 2; }));
    EXPECT_EQ(s.Count(), 0u);
  });
}

TEST(PageFiles, AFileThatEndsEarlyKeepsTheObjectsBeforeTheDamage) {
  FormSession s("short");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);
  std::vector<uint8_t> three = Drawing(3);
  three.resize(three.size() - 10);
  WriteFile(s.Folder() + "Page2.fdf", three);
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(5, 5, 50, 50); });
    GoTo(s, 2);
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"Page2.fdf"), std::wstring::npos) << text;
    ASSERT_TRUE(vkt::WaitFor([&] { return s.PageNo() == 2 && s.Count() == 2; }));
    s.OnGui([&] {
      EXPECT_EQ(s.Form().Pics()[1]->PicIndex, 1);
    });
    Apply(s);
  });
  // The file that could not be read whole is kept beside the one that replaced it.
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page2.fdf.damaged"), three);
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page2.fdf"), Drawing(2));
}

TEST(PageFiles, AnObjectOfAKindThisEditorCannotMakeGoesThroughApplyUnchanged) {
  FormSession s("kind42");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);
  std::vector<vk::DrawingEntry> entries = Rects(3);
  entries[1] = {42, {1, 2, 3, 0xFF, 0, 9}};  // not even a common record
  const std::vector<uint8_t> file = vk::EncodeDrawing(entries, vk::DrawingSignature::Page2011);
  WriteFile(s.Folder() + "Page2.fdf", file);
  s.Run([](FormSession& s) {
    GoTo(s, 2);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.PageNo() == 2 && s.Count() == 3; }));
    Apply(s);
  });
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page2.fdf"), file);
  EXPECT_NE(Text(s.Folder() + "2.ini").find("ImageCount=3\r\n"), std::string::npos);
}

TEST(PageFiles, APageKeepsItsHistoryAcrossAVisitElsewhereAndApplyWritesTheUndoneState) {
  FormSession s("undo-pages");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(10, 10, 40, 40); });  // as Drawing(1) holds it
    s.ClickSurface(25, 25);
    vkt::KeyTap(VK_RIGHT);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.RectOf(0).Left == 11; }));
    GoTo(s, 2);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.PageNo() == 2 && s.Count() == 0; }));
    vkt::KeyTap('Z', true);  // page 2 has nothing to take back
    GoTo(s, 1);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.PageNo() == 1 && s.Count() == 1; }));
    vkt::KeyTap('Z', true);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.RectOf(0).Left == 10; }));
    Apply(s);
  });
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page1.fdf"), Drawing(1));
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page2.fdf"), Drawing(0));
}

TEST(PageFiles, ThePageBoxIsHeldToThePagesThatExist) {
  FormSession s("page-box");
  s.Run([](FormSession& s) {
    HWND box = vkt::FindChildById(s.Handle(), vk::PropControlId("edtPage"));
    s.Add([] { return vkt::MakeRect(10, 10, 40, 40); });
    s.ClickSurface(25, 25);
    vkt::KeyTap(VK_RIGHT);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.RectOf(0).Left == 11; }));
    GoTo(s, 0);  // the first page is this page: nothing happens
    ASSERT_TRUE(vkt::WaitFor([&] { return vkt::WindowText(box) == L"1"; }));
    vkt::WaitInputTaken();  // the click has been handled whole
    EXPECT_NE(s.Mode(), vk::kModeWait);
    GoTo(s, 99);  // nine pages: the last one is asked for
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == vk::kModeWait; }));
    EXPECT_EQ(vkt::WindowText(box), L"9");
    // The drawing waits with the page: undo too.
    vkt::KeyTap('Z', true);
    EXPECT_EQ(s.RectOf(0).Left, 11);
  });
}

TEST(PageFiles, AFailureInsideAStepIsReportedAndTheDrawingStays) {
  FormSession s("fail-step");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(100, 100, 200, 150); });
    s.ClickSurface(150, 120);
    s.PostButton("SpeedButton4");  // Copy
    s.OnGui([] { vk::ArmFailPoint("paste"); });
    s.PostButton("SpeedButton6");  // Paste runs out of memory
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"not enough memory"), std::wstring::npos) << text;
    EXPECT_EQ(s.Count(), 1u);
    s.OnGui([] { vk::ArmFailPoint("drawing-writer"); });
    ASSERT_TRUE(vkt::WaitFor([&] { return s.ButtonEnabled("SpeedButtonApply"); }, 3000));
    s.PostButton("SpeedButtonApply");  // writing the page files fails the same way
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"could not be written"), std::wstring::npos) << text;
    EXPECT_TRUE(::IsWindow(s.Handle()));
    EXPECT_EQ(s.Count(), 1u);
    s.OnGui([] { vk::ArmFailPoint(nullptr); });
  });
}

TEST(PageFiles, ARecordWhoseFieldsDoNotFitItsLengthIsAnInvalidFile) {
  FormSession s("short-record");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);
  std::vector<uint8_t> f = Drawing(2);
  // Second entry: claim 20 bytes and end the file there.
  const size_t second = 64 + 5 + 70;
  f[second + 1] = 20;
  f.resize(second + 5 + 20);
  WriteFile(s.Folder() + "Page2.fdf", f);
  s.Run([](FormSession& s) {
    GoTo(s, 2);
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_EQ(text, L"Invalid file format.");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.PageNo() == 2; }));
    EXPECT_EQ(s.Count(), 1u);
  });
}

TEST(PageFiles, OutOfRangeValuesLoadDrawAndGoBackAsTheyWere) {
  FormSession s("out-of-range");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);
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
  WriteFile(s.Folder() + "Page2.fdf", page2);
  s.Run([](FormSession& s) {
    GoTo(s, 2);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.PageNo() == 2; }));
    EXPECT_EQ(s.Count(), 6u);
    s.OnGui([&] {
      for (const auto& p : s.Form().Pics()) p->Choosed = true;  // handles too
      s.Form().RedrawAll(false, true);
    });
    for (POINT p : {POINT{50, 70}, POINT{20, 40}, POINT{60, 60}}) s.ClickSurface(p.x, p.y);  // hit tests
    s.OnGui([&] { EXPECT_TRUE(s.Form().SavePage(2)); });  // untouched objects go back as they were
  });
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page2.fdf"), page2);
}

TEST(PageFiles, AFailedSaveIsReportedAndTheWindowStaysOpen) {
  FormSession s("unwritable");
  // A folder where the drawing file should go: it cannot be replaced by a file.
  std::filesystem::create_directory(s.Folder() + "Page1.fdf");
  std::filesystem::path ini = s.Folder() + "1.ini";
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(5, 5, 50, 50); });
    ASSERT_TRUE(vkt::WaitFor([&] { return s.ButtonEnabled("SpeedButtonApply"); }, 3000));
    s.PostButton("SpeedButtonApply");
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"Page1.fdf"), std::wstring::npos) << text;
    EXPECT_TRUE(::IsWindow(s.Handle()));
    // Goto reports the same and stays on the page.
    GoTo(s, 2);
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000));
    EXPECT_EQ(s.PageNo(), 1);
    EXPECT_EQ(s.Count(), 1u);
  });
  EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST(PageFiles, ClosingTheWindowWhileWaitingForAPageEndsTheWaitCleanly) {
  FormSession s("close-waiting");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(5, 5, 50, 50); });
    GoTo(s, 5);  // no host answers: the page never comes
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Mode() == vk::kModeWait; }));
    EXPECT_FALSE(::IsWindowEnabled(s.Surface()));
    ::PostMessageW(s.Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDNO));
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(s.Handle()); }));
  });
  EXPECT_TRUE(std::filesystem::exists(s.Folder() + "Page1.fdf"));  // saved by the Goto
}

TEST(PageFiles, APagePictureThatCannotBeReadIsNamedAndAWhitePageShown) {
  const std::string dir = vkt::FreshFolder("unreadable");
  WriteFile(dir + "Page4.bmp", {'B', 'M', 1, 2, 3});
  vkt::ExportTexts t;
  t.Width = "640";
  t.Height = "480";
  t.PageFile = dir + "Page4.bmp";
  std::wstring text;
  ASSERT_TRUE(vkt::RunEditorSession(t, [&](vkt::EditorWindow& w) {
    // The message comes while the window shows; afterwards the editor works on.
    EXPECT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    RECT r{};
    ::GetWindowRect(w.Surface, &r);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);
    EXPECT_TRUE(::IsWindowEnabled(w.Form));
  }));
  EXPECT_NE(text.find(L"Page4.bmp"), std::wstring::npos) << text;
}

TEST(PageFiles, TextRecordsKeepOutOfRangeEffectsAndALengthPastTheEndIsAnInvalidFile) {
  FormSession s("text-records");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);
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
  WriteFile(s.Folder() + "Page2.fdf", vk::EncodeDrawing(entries, vk::DrawingSignature::Page2011));
  s.Run([](FormSession& s) {
    GoTo(s, 2);
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_EQ(text, L"Invalid file format.");
    ASSERT_TRUE(vkt::WaitFor([&] { return s.PageNo() == 2 && s.Count() == 1; }));
    s.OnGui([&] {
      vk::ByteWriter w;
      s.Form().Pics()[0]->SaveToBuffer(w);
      vk::ByteReader r(w.Bytes());
      vk::TextRecord back;
      ASSERT_TRUE(vk::ReadTextRecord(r, back));
      EXPECT_EQ(back.hollow, 2);
      EXPECT_EQ(back.text, "Hi");
    });
  });
}

// --- a page change or a page picture that cannot be taken whole leaves the page as it was ---

// The editor stays on page 1 with its drawing, both bitmaps at page 1's size.
void ExpectStillOnPageOne(FormSession& s, int width, int height) {
  EXPECT_TRUE(vkt::WaitFor([&] { return s.Mode() != vk::kModeWait; }));
  s.OnGui([&] {
    EXPECT_EQ(s.Form().CurrentPageNo(), 1);
    EXPECT_EQ(vk::win::FileNamePart(s.Form().CurrentPageFile()), "Page1.bmp");
    EXPECT_EQ(s.Form().WorkBitmap().Width(), width);
    EXPECT_EQ(s.Form().WorkBitmap().Height(), height);
    EXPECT_EQ(s.Form().ImagePicture().Width(), width);
    EXPECT_EQ(s.Form().ImagePicture().Height(), height);
  });
  EXPECT_EQ(vkt::WindowText(s.Control("edtPage")), L"1");
}

TEST(PageFiles, APageWhoseBitmapsCannotBeMadeIsNotEnteredAndTheDrawingStays) {
  FormSession s("no-bitmaps");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);  // no drawing file: the other way in
  const std::vector<uint8_t> page1 = vkt::FileBytes(s.Folder() + "Page1.bmp");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(10, 10, 40, 40); });
    s.OnGui([] { vk::ArmFailPoint("second-page-bitmap"); });
    GoTo(s, 2);
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"300 x 200"), std::wstring::npos) << text;
    ExpectStillOnPageOne(s, 700, 500);
    EXPECT_EQ(s.Count(), 1u);
    Apply(s);
  });
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page1.bmp"), page1);
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page1.fdf"), Drawing(1));
  EXPECT_FALSE(std::filesystem::exists(s.Folder() + "Page2.fdf"));
}

TEST(PageFiles, RunningOutOfMemoryWhileLoadingAPageKeepsThePreviousPageAndItsHistory) {
  FormSession s("load-fails");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);
  WriteFile(s.Folder() + "Page2.fdf", Drawing(3));
  const std::vector<uint8_t> page1 = vkt::FileBytes(s.Folder() + "Page1.bmp");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(10, 10, 40, 40); });
    s.ClickSurface(25, 25);
    vkt::KeyTap(VK_RIGHT);
    ASSERT_TRUE(vkt::WaitFor([&] { return s.RectOf(0).Left == 11; }));
    s.OnGui([] { vk::ArmFailPoint("drawing-reader"); });
    GoTo(s, 2);
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"not enough memory"), std::wstring::npos) << text;
    ExpectStillOnPageOne(s, 700, 500);
    vkt::KeyTap('Z', true);  // the page's history is still there
    ASSERT_TRUE(vkt::WaitFor([&] { return s.RectOf(0).Left == 10; }));
    Apply(s);
  });
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page1.bmp"), page1);
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page1.fdf"), Drawing(1));
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page2.fdf"), Drawing(3));
}

TEST(PageFiles, APagePictureReadAgainLargerThanCanBeShownLeavesThePreviousOne) {
  FormSession s("grows");
  s.Run([](FormSession& s) {
    std::string err;
    ASSERT_TRUE(pagehost::WritePagePicture(s.Folder(), 1, 900, 600, err));
    s.OnGui([] { vk::ArmFailPoint("second-page-bitmap"); });
    std::thread redraw([&] { s.OnGui([&] { s.Form().RedrawAll(false, true); }); });
    std::wstring text;
    EXPECT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    redraw.join();
    EXPECT_NE(text.find(L"900 x 600"), std::wstring::npos) << text;
    s.OnGui([&] {
      s.Form().RedrawAll(false, true);  // not read again until the file changes
      EXPECT_EQ(s.Form().WorkBitmap().Width(), 700);
      EXPECT_EQ(s.Form().ImagePicture().Width(), 700);
    });
  });
}

TEST(PageFiles, APagePictureThatCannotBeShownAtFirstEndsTheEditorWithAMessage) {
  FormSession s("first-show");
  vk::ArmFailPoint("second-page-bitmap");  // the window is not up yet
  s.Run([](FormSession& s) {
    std::wstring text;
    EXPECT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"700 x 500"), std::wstring::npos) << text;
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(s.Handle()); }));
  });
  vk::ArmFailPoint(nullptr);
}

TEST(PageFiles, DamagedCopiesNeverReplaceAnEarlierOne) {
  FormSession s("damaged-twice");
  std::string err;
  pagehost::WritePagePicture(s.Folder(), 2, 300, 200, err);
  std::vector<uint8_t> three = Drawing(3);
  three.resize(three.size() - 10);
  WriteFile(s.Folder() + "Page2.fdf", three);
  WriteFile(s.Folder() + "Page2.fdf.damaged", {1, 2, 3});
  s.Run([](FormSession& s) {
    GoTo(s, 2);
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000));
    ASSERT_TRUE(vkt::WaitFor([&] { return s.PageNo() == 2 && s.Count() == 2; }));
    Apply(s);
  });
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page2.fdf.damaged"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page2.fdf.damaged.2"), three);
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page2.fdf"), Drawing(2));
}

TEST(PageFiles, AFileThatCannotBeWrittenLeavesAllThreePageFilesAsTheyWere) {
  FormSession s("staged");
  WriteFile(s.Folder() + "Page1.fdf", Drawing(1));
  WriteFile(s.Folder() + "1.ini", {'o', 'l', 'd'});
  // The description's temporary name is taken by a folder: its write fails.
  std::filesystem::create_directory(s.Folder() + "1.ini.tmp" + std::to_string(::GetCurrentProcessId()));
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(10, 10, 40, 40); });
    s.Add([] { return vkt::MakeRect(50, 10, 80, 40); });
    ASSERT_TRUE(vkt::WaitFor([&] { return s.ButtonEnabled("SpeedButtonApply"); }, 3000));
    s.PostButton("SpeedButtonApply");
    std::wstring text;
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000, &text));
    EXPECT_NE(text.find(L"1.ini"), std::wstring::npos) << text;
  });
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "Page1.fdf"), Drawing(1));
  EXPECT_EQ(vkt::FileBytes(s.Folder() + "1.ini"), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

}  // namespace
