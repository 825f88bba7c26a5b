#pragma once
// The editing session without a window: a scripted host answers its questions and
// dialogs from queues and records what it was told, and the session edits a generated
// page in a fresh folder. Gestures are plain calls, on the test's own thread.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/EditorArgs.h"
#include "drawing/session/EditSession.h"

namespace vkt {

class ScriptedHost : public vk::EditorHost {
 public:
  // Answers, taken in order; an empty queue answers No, or cancels the dialog.
  std::deque<bool> YesNo;
  std::deque<bool> DeleteAnswers;
  bool DontAskAgain = false;
  std::deque<uint32_t> Colors;
  std::deque<vk::FontAttrs> Fonts;
  std::deque<int32_t> Widths;
  std::deque<std::string> Files;
  std::deque<std::string> MenuItems;  // by item name

  // What the session did to the window.
  std::vector<vk::Question> Asked;
  int DeleteQuestions = 0;
  std::vector<std::string> Errors;
  std::vector<int32_t> PageMessages;
  std::string WaitFolder;
  int PageNumberChanges = 0;
  vk::TRect Shown;  // the union of the rects shown since the last Reset
  int32_t Cursor = vk::kModeArrow;
  bool Captured = false;
  POINT Scroll{};
  int Pictures = 0;

  void ShowRect(const vk::TRect& r) override { Shown = vk::Union(Shown, r); }
  void PageResized() override {}
  void CursorChanged(int32_t mode) override { Cursor = mode; }
  void CaptureMouse(bool capture) override { Captured = capture; }
  POINT ScrollPosition() override { return Scroll; }
  void ScrollTo(POINT p) override { Scroll = p; }
  bool AskYesNo(vk::Question q) override;
  bool AskDelete(bool& dontAskAgain) override;
  void ShowError(const std::string& text) override { Errors.push_back(text); }
  bool PickColor(uint32_t& color) override { return Take(Colors, color); }
  bool PickFont(vk::FontAttrs& font) override { return Take(Fonts, font); }
  bool PickLineWidth(int32_t& width) override { return Take(Widths, width); }
  std::string PickFile(vk::FileDialog) override;
  int PickMenuItem(const vk::PicMenuEnabling& enabling) override;
  bool ShowPicture(const vk::win::Dib&) override { return ++Pictures, true; }
  HWND TextEntryParent() override { return nullptr; }
  void SendPageMessage(int32_t page) override { PageMessages.push_back(page); }
  void WaitForPage(const std::string& folder) override { WaitFolder = folder; }
  void ToolsChanged() override {}
  void EnablingChanged() override {}
  void StyleChanged() override {}
  void PageNumberChanged() override { ++PageNumberChanges; }

 private:
  template <typename T>
  static bool Take(std::deque<T>& q, T& value) {
    if (q.empty()) return false;
    value = q.front();
    q.pop_front();
    return true;
  }
};

class SessionHarness {
 public:
  // A page of the given size, Page1.bmp in a fresh folder; the session is open on it.
  explicit SessionHarness(const std::string& name, int pageWidth = 700, int pageHeight = 500);

  vk::EditSession& S() { return *session_; }
  ScriptedHost& Host() { return host_; }
  const std::string& Folder() const { return dir_; }
  size_t Count() { return session_->Pics().size(); }
  vk::TPicBase& Pic(size_t i) { return *session_->Pics().at(i); }
  int32_t IndexOfCurrent() { return session_->Current() ? session_->Current()->PicIndex : -9; }

  // Adds an object as the scene a test starts from: drawn, and no step to take back.
  void Add(std::unique_ptr<vk::TPicBase> pic);
  // A click in the middle of object i (a filled rectangle's body).
  void Select(size_t i);
  // Files in the session's folder: another page's picture, and any file by name.
  void WritePage(int32_t page, int width = 300, int height = 200);
  void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes);
  std::vector<uint8_t> FileBytes(const std::string& name) const;
  // The surface's mouse, in page pixels (the view at 100 %).
  void Press(int x, int y, vk::TMouseButton button = vk::TMouseButton::Left, vk::TShiftState extra = 0);
  void Move(int x, int y, vk::TShiftState buttons = vk::kLeftButton);
  void Release(int x, int y, vk::TMouseButton button = vk::TMouseButton::Left);
  void Click(int x, int y, vk::TMouseButton button = vk::TMouseButton::Left);
  void Drag(int x1, int y1, int x2, int y2);
  // The overlay's pixel at a page point (0x00RRGGBB as the DIB holds it, top byte cleared).
  uint32_t Pixel(int x, int y);

 private:
  static vk::PointerEvent Event(int x, int y, vk::TMouseButton button, vk::TShiftState shift);

  std::string dir_;
  ScriptedHost host_;
  std::unique_ptr<vk::EditSession> session_;
};

}  // namespace vkt
