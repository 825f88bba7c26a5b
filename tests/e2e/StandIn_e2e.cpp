// A host whose page picture is missing and whose window sizes are absurd: the white page
// that would stand in cannot be made, the editor says so once and returns, and the host's
// window works again.
#include <gtest/gtest.h>

#include <thread>

#include "GuiDriver.h"
#include "PageHost.h"

namespace {

TEST(StandInE2e, AMissingPictureWithAbsurdSizesGivesOneMessageAndTheHostIsEnabledAgain) {
  pagehost::HostOptions opt;
  opt.Dir = vkt::FreshFolder("absurd-sizes");
  opt.Page = 4;  // never written
  opt.WindowWidth = 65536;
  opt.WindowHeight = 65537;
  pagehost::HostWindow host(opt);
  ASSERT_TRUE(host.Create());
  ::ShowWindow(host.Handle(), SW_SHOWNOACTIVATE);  // only visible windows wait for the editor
  std::wstring text;
  bool answered = false;
  std::thread user([&] { answered = vkt::AnswerDialog(L"Error", IDOK, 10000, &text); });
  std::string error;
  EXPECT_EQ(pagehost::RunEditor(opt, host.Handle(), error), 0) << error;
  user.join();
  EXPECT_TRUE(answered);
  EXPECT_NE(text.find(L"Page4.bmp"), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"65536 x 65537"), std::wstring::npos) << text;
  EXPECT_TRUE(::IsWindowEnabled(host.Handle()));
}

}  // namespace
