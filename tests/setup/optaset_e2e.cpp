// Optaset end to end: the real program in a folder of its own, driven with real clicks, its
// questions answered, and the files it leaves for the installer checked byte for byte.
//
//   optaset_e2e <optaset.exe> <an icon file to ship as images\Titleicon.ico>
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "Desktop.h"
#include "RemoteListView.h"
#include "setup/ControlIds.h"

namespace fs = std::filesystem;
using namespace optaset::e2e;

namespace {

fs::path g_exe;
fs::path g_icon;

constexpr DWORD kWait = 15000;
constexpr LPARAM kBlack = RGB(0, 0, 0);
constexpr LPARAM kRed = RGB(255, 0, 0);
const std::string kMarker = "###\r\n";
// Flat colours of the two icons: the program's own (laid out with the window) and the title
// icon the test installs as images\Titleicon.ico.
constexpr COLORREF kProgramIconColour = RGB(200, 140, 60);
constexpr COLORREF kShippedIconColour = RGB(120, 40, 200);
const char* const kAllMarkers[] = {"CancelAll.log", "cancelCAPICOM.log", "CancelVirtualPrinter.log",
                                   "CancelInternetTransfer.log", "CancelWinsock.log"};

// A folder as the installer lays it out: the program, optionally "Doc" and the title icon.
fs::path FreshFolder(const char* name, bool withDoc, bool withIcon) {
  const fs::path dir = fs::current_path() / "optaset-e2e" / name;
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::create_directories(dir);
  fs::copy_file(g_exe, dir / "optaset.exe");
  if (withDoc) fs::create_directory(dir / "Doc");
  if (withIcon) {
    fs::create_directory(dir / "images");
    fs::copy_file(g_icon, dir / "images" / "Titleicon.ico");
  }
  return dir;
}

void Put(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::optional<std::string> Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> MarkersIn(const fs::path& dir) {
  std::vector<std::string> present;
  for (const char* m : kAllMarkers)
    if (fs::exists(dir / m)) present.push_back(m);
  return present;
}

// One run of the program, seen from outside.
class Session {
 public:
  explicit Session(const fs::path& dir) : process_(dir / "optaset.exe", dir) {}

  bool Start() {
    if (!process_) return false;
    main_ = WaitForProcessWindow(process_.Id(), L"OptasetMain", L"Quillora Installation", 30000);
    if (!main_) return false;
    listWindow_ = ::GetDlgItem(main_, optaset::kIdListView1);
    list_ = std::make_unique<RemoteListView>(listWindow_, process_.Id());
    // A visible window may not be on the screen yet: a click sent before the display shows
    // it lands on the desktop. The painted caption, active or not, says it is there.
    return listWindow_ && *list_ && WaitUntil([&] { return CaptionPainted(); }, kWait);
  }

  const RemoteListView& List() const { return *list_; }
  const Process& Program() const { return process_; }
  HWND Main() const { return main_; }

  HWND Box() const { return WaitForProcessWindow(process_.Id(), L"#32770", L"Optaset", kWait); }
  bool NoBox() const { return FindProcessWindow(process_.Id(), L"#32770") == nullptr; }
  bool Row(int row, bool ticked, LPARAM colour) const {
    return list_->Ticked(row) == ticked && list_->Data(row) == colour;
  }

  // Clicks alternate between the two halves of a target, so that two clicks in a row are
  // never taken for a double click.
  bool ClickCheckBox(int row) {
    RemoteListView::Span box = list_->CheckBox(row);
    if (box.first < 0) return false;
    const int quarter = (box.last - box.first) / 4;
    const int x = (otherHalf_ = !otherHalf_) ? box.last - quarter : box.first + quarter;
    ClickClient(main_, listWindow_, POINT{x, box.y});
    return true;
  }
  void ClickRowText(int row) {
    RECT r = list_->ItemRect(row, LVIR_LABEL);
    ClickClient(main_, listWindow_, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  void ClickPicture(int id, int clicks = 1) {
    HWND picture = ::GetDlgItem(main_, id);
    RECT r{};
    ::GetClientRect(picture, &r);
    const int x = (otherHalf_ = !otherHalf_) ? r.right * 2 / 3 : r.right / 3;
    ClickClient(main_, picture, POINT{x, r.bottom / 2}, clicks);
  }
  bool CaptionPainted() const {
    return CaptionPixels(::GetSysColor(COLOR_ACTIVECAPTION)) + CaptionPixels(::GetSysColor(COLOR_INACTIVECAPTION)) > 0;
  }
  // Pixels of that colour where the caption shows its icon, at the window's top left.
  // (The icon handle cannot be asked for across processes here, so look at the screen.)
  int CaptionPixels(COLORREF colour) const {
    RECT r{};
    ::GetWindowRect(main_, &r);
    const int caption = ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFIXEDFRAME);
    return CountScreenPixels(RECT{r.left, r.top, r.left + caption + 8, r.top + caption}, colour);
  }

 private:
  Process process_;
  HWND main_ = nullptr;
  HWND listWindow_ = nullptr;
  std::unique_ptr<RemoteListView> list_;
  bool otherHalf_ = false;
};

// While it lives, http addresses open with this test program in its recording role (see
// main), which leaves one file per opening in a folder, so that a test can count them.
// The prefix's own handler is put back afterwards.
class CountingHttpHandler {
 public:
  explicit CountingHttpHandler(const fs::path& folder) {
    wchar_t old[1024] = {};
    DWORD size = sizeof old;
    if (::RegGetValueW(HKEY_CLASSES_ROOT, kKey, nullptr, RRF_RT_REG_SZ, nullptr, old, &size) == ERROR_SUCCESS)
      old_ = old;
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    ok_ = Set(L"\"" + std::wstring(self) + L"\" --record-open \"" + folder.wstring() + L"\" \"%1\"");
  }
  ~CountingHttpHandler() {
    if (old_.empty()) ::RegDeleteKeyValueW(HKEY_CLASSES_ROOT, kKey, nullptr);
    else Set(old_);
  }
  explicit operator bool() const { return ok_; }

 private:
  static bool Set(const std::wstring& command) {
    return ::RegSetKeyValueW(HKEY_CLASSES_ROOT, kKey, nullptr, REG_SZ, command.c_str(),
                             static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }
  static constexpr const wchar_t* kKey = L"http\\shell\\open\\command";
  std::wstring old_;
  bool ok_ = false;
};

// The recording role: one new file per opening, holding the address.
int RecordOpening(const fs::path& folder, const std::string& address) {
  for (int i = 0; i < 100; ++i) {
    std::FILE* f = _wfopen((folder / ("opened-" + std::to_string(i) + ".txt")).c_str(), L"wx");
    if (!f) continue;
    std::fputs(address.c_str(), f);
    std::fclose(f);
    return 0;
  }
  return 1;
}

std::vector<std::string> Openings(const fs::path& folder) {
  std::vector<std::string> all;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) all.push_back(Bytes(e.path()).value_or(""));
  return all;
}

// Unticks an optional row and answers its question.
void UntickAnswering(Session& s, int row, int answer) {
  ASSERT_TRUE(s.ClickCheckBox(row)) << "no check box found for row " << row;
  HWND box = s.Box();
  ASSERT_NE(box, nullptr) << "no question for row " << row;
  Answer(box, answer);
  ASSERT_TRUE(WaitUntil([&] { return s.NoBox(); }, kWait));
}

TEST(Optaset, UntickedOptionalRowsReachTheInstaller) {
  const fs::path dir = FreshFolder("proceed", true, true);
  const std::string config("[Options]\r\nLanguage=2052\r\n\0\x01\xfe", 31);
  Put(dir / "QuilloraStudio.cfg", config);
  Put(dir / "QuilloraStudio.cfg.old", "an older backup");
  for (const char* m : {"CancelAll.log", "CancelVirtualPrinter.log", "CancelWinsock.log"}) Put(dir / m, kMarker);

  Session s(dir);
  ASSERT_TRUE(s.Start());
  const RemoteListView& list = s.List();

  // As the window opens: the title icon, nine ticked black rows numbered in order, the
  // markers of the earlier run gone and the configuration backed up.
  EXPECT_TRUE(WaitUntil([&] { return s.CaptionPixels(kShippedIconColour) > 20; }, kWait));
  EXPECT_EQ(s.CaptionPixels(kProgramIconColour), 0);
  ASSERT_EQ(list.Count(), 9);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(list.Text(i, 0), std::to_wstring(i + 1));
    EXPECT_TRUE(s.Row(i, true, kBlack)) << "row " << i + 1;
  }
  EXPECT_EQ(list.Text(1, 1), L"CAPICOM v2.1 Type Library");
  EXPECT_EQ(list.Text(8, 1), L"Winsock Control");
  EXPECT_EQ(list.Text(8, 3), L"85%");
  EXPECT_EQ(list.Text(2, 2), L"Ostrel");
  EXPECT_TRUE(MarkersIn(dir).empty());
  EXPECT_EQ(Bytes(dir / "QuilloraStudio.cfg.old"), config);

  // The question is about the toggled row, which is selected while it is asked; the row the
  // user had selected is selected again afterwards.
  s.ClickRowText(4);
  ASSERT_TRUE(WaitUntil([&] { return list.Selected() == 4; }, kWait));
  ASSERT_TRUE(s.ClickCheckBox(1));
  HWND box = s.Box();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box),
            L"Don't install CAPICOM v2.1 Type Library, are you sure?\r\rNote: This will disable Quillora "
            L"Studio from signing PDFs.");
  EXPECT_TRUE(HasButton(box, IDYES) && HasButton(box, IDNO));
  EXPECT_EQ(list.Selected(), 1);
  Answer(box, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return s.NoBox() && s.Row(1, false, kRed) && list.Selected() == 4; }, kWait));

  // No ticks the row again; Yes leaves it out.
  UntickAnswering(s, 8, IDNO);
  EXPECT_TRUE(WaitUntil([&] { return s.Row(8, true, kBlack); }, kWait));
  UntickAnswering(s, 8, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return s.Row(8, false, kRed); }, kWait));

  // A required row is ticked again at once and only told so.
  ASSERT_TRUE(s.ClickCheckBox(0));
  box = s.Box();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"This item is required, please check it.");
  EXPECT_FALSE(HasButton(box, IDYES) || HasButton(box, IDNO));
  EXPECT_TRUE(list.Ticked(0));
  Answer(box, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return s.NoBox() && s.Row(0, true, kBlack); }, kWait));

  // Ticking a left-out row again asks nothing and turns it black (the colour changes only
  // after any question has been answered).
  UntickAnswering(s, 2, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return s.Row(2, false, kRed); }, kWait));
  ASSERT_TRUE(s.ClickCheckBox(2));
  EXPECT_TRUE(WaitUntil([&] { return s.Row(2, true, kBlack); }, kWait));
  EXPECT_TRUE(s.NoBox());

  // Next asks because rows are unticked; No changes nothing.
  s.ClickPicture(optaset::kIdImage3);
  box = s.Box();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box),
            L"Are you sure to don't install some components?\r\rNote: Quillora Studio will be disabled from "
            L"some important functions.");
  Answer(box, IDNO);
  ASSERT_TRUE(WaitUntil([&] { return s.NoBox(); }, kWait));
  EXPECT_TRUE(s.Program().Running());
  EXPECT_TRUE(s.Row(1, false, kRed));
  EXPECT_TRUE(s.Row(8, false, kRed));

  s.ClickPicture(optaset::kIdImage3);
  box = s.Box();
  ASSERT_NE(box, nullptr);
  Answer(box, IDYES);
  ASSERT_EQ(s.Program().WaitExit(kWait), 0);

  EXPECT_EQ(Bytes(dir / "Doc" / "Cancelinst.ini"), "[CancelItems]\r\nCancelCAPICOM=1\r\nCancelWinsock=1\r\n");
  EXPECT_EQ(Bytes(dir / "cancelCAPICOM.log"), kMarker);
  EXPECT_EQ(Bytes(dir / "CancelWinsock.log"), kMarker);
  EXPECT_EQ(MarkersIn(dir), (std::vector<std::string>{"cancelCAPICOM.log", "CancelWinsock.log"}));
  EXPECT_EQ(Bytes(dir / "QuilloraStudio.cfg"), config);
}

TEST(Optaset, QuitDeclinedKeepsTheWindowAndConfirmedCancelsAll) {
  const fs::path dir = FreshFolder("cancel", true, false);
  Session s(dir);
  ASSERT_TRUE(s.Start());
  const RemoteListView& list = s.List();

  // Without the title icon file the icon laid out with the window is gone from the caption
  // (which Start saw painted).
  EXPECT_EQ(s.CaptionPixels(kProgramIconColour), 0);
  EXPECT_EQ(s.CaptionPixels(kShippedIconColour), 0);

  UntickAnswering(s, 1, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return s.Row(1, false, kRed); }, kWait));

  s.ClickPicture(optaset::kIdImage4);
  HWND box = s.Box();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Are you sure to cancel the installation?");
  Answer(box, IDNO);
  ASSERT_TRUE(WaitUntil([&] { return s.NoBox(); }, kWait));
  EXPECT_TRUE(s.Program().Running());
  EXPECT_TRUE(::IsWindowVisible(s.Main()));
  EXPECT_TRUE(s.Row(1, false, kRed));
  EXPECT_EQ(list.Count(), 9);
  EXPECT_FALSE(fs::exists(dir / "Doc" / "Cancelinst.ini"));

  // The close box takes the same road.
  ::PostMessageW(s.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  box = s.Box();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Are you sure to cancel the installation?");
  Answer(box, IDYES);
  ASSERT_EQ(s.Program().WaitExit(kWait), 0);

  EXPECT_EQ(Bytes(dir / "Doc" / "Cancelinst.ini"), "[CancelItems]\r\n");
  EXPECT_EQ(MarkersIn(dir), std::vector<std::string>{"CancelAll.log"});
  EXPECT_EQ(Bytes(dir / "CancelAll.log"), kMarker);
  EXPECT_FALSE(fs::exists(dir / "QuilloraStudio.cfg.old"));
}

TEST(Optaset, ADoubleClickOnTheBadgeOpensTheDownloadPageOnce) {
  const fs::path dir = FreshFolder("badge", false, true);
  const fs::path opened = dir / "opened";
  fs::create_directory(opened);
  CountingHttpHandler handler(opened);
  ASSERT_TRUE(handler);
  Session s(dir);
  ASSERT_TRUE(s.Start());
  s.ClickPicture(optaset::kIdImage1, 2);
  ASSERT_TRUE(WaitUntil([&] { return !Openings(opened).empty(); }, kWait));
  ::Sleep(1500);  // time for a second opening to show
  EXPECT_EQ(Openings(opened), std::vector<std::string>{"http://www.example.com/quillora/components.html"});
  ::PostMessageW(s.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  HWND box = s.Box();
  ASSERT_NE(box, nullptr);
  Answer(box, IDYES);
  EXPECT_EQ(s.Program().WaitExit(kWait), 0);
}

TEST(Optaset, NextWithEverythingTickedAsksNothing) {
  const fs::path dir = FreshFolder("plain", false, true);
  Session s(dir);
  ASSERT_TRUE(s.Start());
  s.ClickPicture(optaset::kIdImage3);
  ASSERT_TRUE(WaitUntil([&] { return !s.Program().Running() || !s.NoBox(); }, kWait));
  EXPECT_TRUE(s.NoBox()) << "Next asked a question with every row ticked";
  EXPECT_EQ(s.Program().WaitExit(kWait), 0);
  EXPECT_FALSE(fs::exists(dir / "Doc"));  // no folder is created for the choice file
  EXPECT_TRUE(MarkersIn(dir).empty());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--record-open") return RecordOpening(WindowsPath(argv[2]), argv[3]);
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: optaset_e2e <optaset.exe> <icon file>\n");
    return 2;
  }
  g_exe = WindowsPath(argv[1]);
  g_icon = WindowsPath(argv[2]);
  return RUN_ALL_TESTS();
}
