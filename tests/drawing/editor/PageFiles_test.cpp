// Damaged drawing files and page files that cannot be written: the user is told, the
// objects read so far stay, and nothing is lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "EditorSession.h"
#include "FormSession.h"
#include "PageHost.h"
#include "core/DrawingFile.h"
#include "core/TextRecord.h"
#include "drawing/editor/EditorIds.h"

namespace {

using vkt::FormSession;

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A drawing file of n rectangles, as the editor writes it.
std::vector<uint8_t> Drawing(int n) {
  std::vector<vk::DrawingEntry> entries;
  for (int i = 0; i < n; ++i) {
    auto r = vkt::MakeRect(10 + 40 * i, 10, 40 + 40 * i, 40);
    vk::ByteWriter w;
    r->SaveToBuffer(w);
    entries.push_back({2, w.Take()});
  }
  return vk::EncodeDrawing(entries, vk::DrawingSignature::Page2011);
}

void GoTo(FormSession& s, int page) {
  HWND box = vkt::FindChildById(s.Form().Handle(), vk::PropControlId("edtPage"));
  ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(page).c_str()));
  ::PostMessageW(vkt::FindChildById(s.Form().Handle(), vk::PropControlId("btn1")), BM_CLICK, 0, 0);
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
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().CurrentPageNo() == 2; }));
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
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().CurrentPageNo() == 2 && s.Count() == 2; }));
    s.OnGui([&] {
      EXPECT_EQ(s.Form().Pics()[1]->PicIndex, 1);
    });
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
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().CurrentPageNo() == 2; }));
    EXPECT_EQ(s.Count(), 1u);
  });
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
    ::Sleep(200);
    EXPECT_TRUE(::IsWindow(s.Form().Handle()));
    // Goto reports the same and stays on the page.
    GoTo(s, 2);
    ASSERT_TRUE(vkt::AnswerDialog(L"Error", IDOK, 5000));
    EXPECT_EQ(s.Form().CurrentPageNo(), 1);
    EXPECT_EQ(s.Count(), 1u);
  });
  EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST(PageFiles, ClosingTheWindowWhileWaitingForAPageEndsTheWaitCleanly) {
  FormSession s("close-waiting");
  s.Run([](FormSession& s) {
    s.Add([] { return vkt::MakeRect(5, 5, 50, 50); });
    GoTo(s, 5);  // no host answers: the page never comes
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().Mode() == vk::kModeWait; }));
    EXPECT_FALSE(::IsWindowEnabled(s.Form().SurfaceHandle()));
    ::PostMessageW(s.Form().Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDNO));
    EXPECT_TRUE(vkt::WaitFor([&] { return !::IsWindow(s.Form().Handle()); }));
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
    ASSERT_TRUE(vkt::WaitFor([&] { return s.Form().CurrentPageNo() == 2 && s.Count() == 1; }));
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

}  // namespace
