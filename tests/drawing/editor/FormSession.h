#pragma once
// The editor form in this process: its modal loop runs on the test's thread while a
// driver thread works it, with mouse messages sent to the surface, real keys, and
// toolbar commands posted to their buttons.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "GuiDriver.h"
#include "Scene.h"
#include "drawing/editor/FreePicU.h"

namespace vkt {

class FormSession {
 public:
  // A white-ish generated page of the given size in a fresh folder.
  FormSession(const std::string& name, int pageWidth = 700, int pageHeight = 500);

  // Shows the form and runs driver on another thread; closes the form afterwards. The
  // surface takes only the mouse messages the driver sends, not the real pointer's.
  void Run(const std::function<void(FormSession&)>& driver);

  // The form, on its own thread only (inside OnGui): the GUI thread changes it at any time.
  vk::TFreePicF& Form();
  const std::string& Folder() const { return dir_; }
  // Code on the form's thread.
  void OnGui(const std::function<void()>& fn) { gui_.Run(fn); }
  // What the driver reads of the form, read on the form's thread.
  template <typename Fn>
  auto Read(const Fn& fn) {
    decltype(fn()) value{};
    OnGui([&] { value = fn(); });
    return value;
  }
  int32_t Mode();
  int32_t Zoom();
  int32_t PageNo();
  // The form's windows, taken once it shows (they stay for the session).
  HWND Handle() const { return handle_; }
  HWND Surface() const { return surface_; }
  HWND ScrollBox() const { return scrollBox_; }
  HWND Control(const char* name);
  // A press and release on the surface (without a move: a click that selects).
  void ClickSurface(int x, int y, bool right = false);
  void DragSurface(int x1, int y1, int x2, int y2);
  // A toolbar button pressed, as a click would; returns at once (dialogs may follow).
  void PostButton(const char* name);
  bool ButtonEnabled(const char* name);
  size_t Count();
  vk::TRect RectOf(size_t index);
  // Adds objects made by fn on the form's thread and redraws.
  void Add(const std::function<std::unique_ptr<vk::TPicBase>()>& make);

 private:
  std::string dir_;
  vk::EditorArgs args_;
  GuiThread gui_;
  std::unique_ptr<vk::TFreePicF> form_;
  HWND handle_ = nullptr, surface_ = nullptr, scrollBox_ = nullptr;
  std::unique_ptr<SentMouseOnly> sentMouseOnly_;
};


}  // namespace vkt
