// Drawing and editing lines, rectangles and ellipses with real mouse and keyboard input,
// through the page host's side of the library; the result is read back from the files.
#include <gtest/gtest.h>

#include "E2eFiles.h"
#include "GuiDriver.h"
#include "HostSession.h"

namespace {

pagehost::HostOptions Options(const std::string& name) {
  pagehost::HostOptions o;
  o.Dir = vkt::FreshFolder(name);
  o.PageWidth = 1240;
  o.PageHeight = 1754;
  o.WindowWidth = 1000;
  o.WindowHeight = 720;
  return o;
}

// Select with a click, hover, then drag: in arrow mode a drag that starts without a hover
// cursor scrolls the page. The pause keeps the press from making a double click.
void DragBody(POINT from, POINT to) {
  vkt::Click(from.x, from.y);
  ::Sleep(::GetDoubleClickTime() + 50);
  vkt::MouseMove(from.x + 1, from.y);
  vkt::MouseMove(from.x, from.y);
  vkt::Drag(from, to);
}

TEST(ShapesE2e, DrawSelectMoveNudgeAndResizeWithCtrl) {
  const pagehost::HostOptions opt = Options("shapes");
  ASSERT_TRUE(vkt::RunHosted(opt, [](vkt::HostedEditor& e) {
    e.Press("SpeedButton8");
    vkt::Drag(e.Page(100, 100), e.Page(300, 150));
    e.Press("SpeedButton9");
    vkt::Drag(e.Page(400, 100), e.Page(550, 220));
    e.Press("SpeedButton11");
    vkt::Drag(e.Page(100, 300), e.Page(260, 420));
    e.Press("SpeedButtonSelect");
    // Move the rectangle by its top edge (away from its handles), then nudge it.
    DragBody(e.Page(440, 101), e.Page(470, 121));
    for (int i = 0; i < 3; ++i) vkt::KeyTap(VK_RIGHT);
    for (int i = 0; i < 2; ++i) vkt::KeyTap(VK_DOWN);
    // Its bottom-right handle is now at (583, 242); Ctrl keeps the centre in place.
    vkt::MouseMove(e.Page(583, 242).x, e.Page(583, 242).y);
    vkt::MouseMove(e.Page(583, 243).x, e.Page(583, 243).y);
    vkt::XKey("keydown", "ctrl");
    vkt::Drag(e.Page(583, 242), e.Page(603, 262));
    vkt::XKey("keyup", "ctrl");
    ASSERT_TRUE(vkt::WaitFor([&] { return ::IsWindowEnabled(e.Control("SpeedButtonApply")) != FALSE; }, 3000));
    e.Press("SpeedButtonApply");
    EXPECT_TRUE(vkt::WaitFor([&] { return e.Closed(); }, 5000));
  }));
  std::vector<vkt::SavedObject> objs;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", objs));
  ASSERT_EQ(objs.size(), 3u);
  EXPECT_EQ(objs[0].Kind, 1);
  EXPECT_EQ(objs[0].A, (vk::TPoint{100, 100}));
  EXPECT_EQ(objs[0].B, (vk::TPoint{300, 150}));
  EXPECT_EQ(objs[1].Kind, 2);
  EXPECT_EQ(objs[1].A, (vk::TPoint{413, 102}));  // moved by (30, 20) + (3, 2), grown 20 on every side
  EXPECT_EQ(objs[1].B, (vk::TPoint{603, 262}));
  EXPECT_EQ(objs[2].Kind, 4);
  EXPECT_EQ(objs[2].A, (vk::TPoint{100, 300}));
  EXPECT_EQ(objs[2].B, (vk::TPoint{260, 420}));
  for (size_t i = 0; i < objs.size(); ++i) {
    EXPECT_EQ(objs[i].Common.picIndex, static_cast<int32_t>(i));
    EXPECT_FALSE(objs[i].Common.choosed);
    EXPECT_EQ(objs[i].Common.pen.Width, 2);  // the property bar's step 1, solid
  }
  const std::vector<uint8_t> iniBytes = vkt::FileBytes(opt.Dir + "1.ini");
  const std::string ini(iniBytes.begin(), iniBytes.end());
  EXPECT_NE(ini.find("[SysInfo]\r\nImageCount=3\r\nLine=1\r\nRect=1\r\nCircle=1\r\n"), std::string::npos) << ini;
}

}  // namespace
