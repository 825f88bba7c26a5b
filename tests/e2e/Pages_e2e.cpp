// Going to another page and back through the page host, which answers the page message
// half a second late; then Apply. Every file is checked.
#include <gtest/gtest.h>

#include <filesystem>

#include "E2eFiles.h"
#include "GuiDriver.h"
#include "HostSession.h"

namespace {

void GoTo(const vkt::HostedEditor& e, int page) {
  ::SendMessageW(e.Control("edtPage"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(page).c_str()));
  e.Press("btn1");
}

bool ShowsAgain(const vkt::HostedEditor& e) {
  return vkt::WaitFor([&] { return ::IsWindowEnabled(e.Surface) != FALSE; }, 8000);
}

// 800 x 600 pages from a host that answers the page message delayMs late.
pagehost::HostOptions SlowHost(const char* name, uint32_t delayMs) {
  pagehost::HostOptions opt;
  opt.Dir = vkt::FreshFolder(name);
  opt.PageWidth = 800;
  opt.PageHeight = 600;
  opt.DelayMs = delayMs;
  return opt;
}

TEST(PagesE2e, GotoSavesWaitsForTheHostAndComesBackToTheSavedDrawing) {
  const pagehost::HostOptions opt = SlowHost("pages", 700);
  std::vector<int32_t> requests;
  std::vector<uint8_t> firstSave;
  ASSERT_TRUE(vkt::RunHosted(opt, [&](vkt::HostedEditor& e) {
    e.Press("SpeedButton8");
    vkt::Drag(e.Page(50, 50), e.Page(300, 80));
    vkt::Drag(e.Page(60, 150), e.Page(320, 200));
    e.Press("SpeedButton9");
    vkt::Drag(e.Page(400, 300), e.Page(600, 450));
    // Goto the current page does nothing at all.
    GoTo(e, 1);
    ::Sleep(300);
    EXPECT_FALSE(std::filesystem::exists(opt.Dir + "Page1.fdf"));

    GoTo(e, 2);
    // Page 1 is saved at once; the surface waits, disabled, for the host's page.
    EXPECT_TRUE(std::filesystem::exists(opt.Dir + "Page1.fdf"));
    EXPECT_FALSE(::IsWindowEnabled(e.Surface));
    ASSERT_TRUE(ShowsAgain(e));
    EXPECT_TRUE(std::filesystem::exists(opt.Dir + "Page2.bmp"));
    EXPECT_FALSE(std::filesystem::exists(opt.Dir + "Page2.fdf"));  // a page without a drawing
    EXPECT_EQ(vkt::WindowText(e.Control("edtPage")), L"2");
    firstSave = vkt::FileBytes(opt.Dir + "Page1.fdf");

    e.Press("SpeedButton11");
    vkt::Drag(e.Page(100, 100), e.Page(200, 220));
    GoTo(e, 1);
    ASSERT_TRUE(ShowsAgain(e));
    // Page 1's drawing is back: Apply writes the same drawing again.
    ASSERT_TRUE(e.Apply());
    requests = e.Host->Requests();
  }));
  EXPECT_EQ(requests, (std::vector<int32_t>{2, 1}));
  EXPECT_EQ(vkt::Listing(opt.Dir), (std::vector<std::string>{"1.ini", "2.ini", "Page1.bmp", "Page1.fdf", "Page2.bmp",
                                                        "Page2.fdf"}));
  EXPECT_EQ(vkt::FileBytes(opt.Dir + "Page1.fdf"), firstSave);
  std::vector<vkt::SavedObject> one, two;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", one));
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page2.fdf", two));
  ASSERT_EQ(one.size(), 3u);
  ASSERT_EQ(two.size(), 1u);
  EXPECT_EQ(two[0].Kind, 4);
  // Line1 describes the later of the two lines.
  const std::vector<uint8_t> ini = vkt::FileBytes(opt.Dir + "1.ini");
  const std::string text(ini.begin(), ini.end());
  EXPECT_EQ(text.rfind("[SysInfo]\r\nImageCount=3\r\nLine=2\r\nRect=1\r\nCircle=0\r\nRoundRect=0\r\nArc=0\r\nmLine=0\r\n"
                       "[Rect1]\r\n",
                       0),
            0u)
      << text;
  EXPECT_NE(text.find("[Line1]\r\nStartX=60\r\nStartY=150\r\nEndX=320\r\nEndY=200\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Line2]\r\nStartX=50\r\nStartY=50\r\n"), std::string::npos);
  EXPECT_EQ(text.find("[Line3]"), std::string::npos);
}

// The host renders the page straight into its file, in pieces: the editor sees it
// incomplete first. Meanwhile Delete waits with the drawing: the page that arrives would
// replace the very object the question was about.
TEST(PagesE2e, APageWrittenInPiecesIsWaitedForAndDeleteWaitsWithTheDrawing) {
  pagehost::HostOptions opt = SlowHost("pages-inplace", 300);
  opt.InPlacePieces = 6;
  opt.PieceMs = 80;
  ASSERT_TRUE(vkt::RunHosted(opt, [&](vkt::HostedEditor& e) {
    e.Press("SpeedButton8");
    vkt::Drag(e.Page(50, 50), e.Page(300, 200));
    e.Press("SpeedButtonSelect");
    const POINT body = e.Page(175, 125);
    vkt::Click(body.x, body.y);
    GoTo(e, 2);
    vkt::KeyTap(VK_DELETE);
    EXPECT_FALSE(vkt::AnswerDialog(L"Quillora Studio", IDYES, 1000)) << "Delete asked while a page was awaited";
    ASSERT_TRUE(ShowsAgain(e));
    EXPECT_FALSE(vkt::DialogShowing(L"Error")) << "a page still being written was reported unreadable";
    EXPECT_EQ(vkt::WindowText(e.Control("edtPage")), L"2");
  }));
  std::vector<vkt::SavedObject> one;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", one));
  EXPECT_EQ(one.size(), 1u);
}

}  // namespace
