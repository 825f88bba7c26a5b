#include "SessionHarness.h"

#include <gtest/gtest.h>

#include <fstream>

#include "GuiDriver.h"
#include "PageHost.h"
#include "drawing/editor/PicMenu.h"

namespace vkt {

bool ScriptedHost::AskYesNo(vk::Question q) {
  Asked.push_back(q);
  bool yes = false;
  return Take(YesNo, yes) && yes;
}

bool ScriptedHost::AskDelete(bool& dontAskAgain) {
  ++DeleteQuestions;
  dontAskAgain = DontAskAgain;
  bool yes = false;
  return Take(DeleteAnswers, yes) && yes;
}

std::string ScriptedHost::PickFile(vk::FileDialog) {
  std::string name;
  Take(Files, name);
  return name;
}

int ScriptedHost::PickMenuItem(const vk::PicMenuEnabling&) {
  std::string name;
  return Take(MenuItems, name) ? vk::IndexOfPicMenuItem(name.c_str()) : -1;
}

SessionHarness::SessionHarness(const std::string& name, int pageWidth, int pageHeight) {
  dir_ = FreshFolder(name);
  std::string err;
  pagehost::WritePagePicture(dir_, 1, pageWidth, pageHeight, err);
  vk::EditorArgs args;
  args.ImageWidth = 900;
  args.ImageHeight = 700;
  args.PageFile = pagehost::PagePicturePath(dir_, 1);
  args.PageCount = 9;
  session_ = std::make_unique<vk::EditSession>(host_, args);
  EXPECT_TRUE(session_->Open()) << err;
}

void SessionHarness::Add(std::unique_ptr<vk::TPicBase> pic) {
  session_->AppendPic(std::move(pic));
  session_->RedrawAll(false, true);
  session_->Drawing().Rebase();
}

void SessionHarness::Select(size_t i) {
  const vk::TRect r = Pic(i).GetRect();
  Click((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

void SessionHarness::WritePage(int32_t page, int width, int height) {
  std::string err;
  EXPECT_TRUE(pagehost::WritePagePicture(dir_, page, width, height, err)) << err;
}

void SessionHarness::WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream f(dir_ + name, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> SessionHarness::FileBytes(const std::string& name) const { return vkt::FileBytes(dir_ + name); }

vk::PointerEvent SessionHarness::Event(int x, int y, vk::TMouseButton button, vk::TShiftState shift) {
  vk::PointerEvent e;
  e.Button = button;
  e.Shift = shift;
  e.Page = {x, y};
  e.View = e.Box = {x, y};
  return e;
}

void SessionHarness::Press(int x, int y, vk::TMouseButton button, vk::TShiftState extra) {
  const vk::TShiftState held = button == vk::TMouseButton::Left    ? vk::kLeftButton
                               : button == vk::TMouseButton::Right ? vk::kRightButton
                                                                   : vk::kMiddleButton;
  session_->Press(Event(x, y, button, held | extra));
}

void SessionHarness::Move(int x, int y, vk::TShiftState buttons) {
  session_->Move(Event(x, y, vk::TMouseButton::Left, buttons));
}

void SessionHarness::Release(int x, int y, vk::TMouseButton button) { session_->Release(Event(x, y, button, 0)); }

void SessionHarness::Click(int x, int y, vk::TMouseButton button) {
  Press(x, y, button);
  Release(x, y, button);
}

void SessionHarness::Drag(int x1, int y1, int x2, int y2) {
  Press(x1, y1);
  for (int i = 1; i <= 4; ++i) Move(x1 + (x2 - x1) * i / 4, y1 + (y2 - y1) * i / 4);
  Release(x2, y2);
}

uint32_t SessionHarness::Pixel(int x, int y) {
  ::GdiFlush();
  const vk::win::Dib& d = session_->Overlay();
  return d.Bits()[static_cast<size_t>(y) * static_cast<size_t>(d.Width()) + static_cast<size_t>(x)] & 0x00FFFFFFu;
}

}  // namespace vkt
