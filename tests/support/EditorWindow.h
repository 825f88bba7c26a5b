#pragma once
// The parts of a running editor window, as a driver finds them from outside.
#include <windows.h>

namespace vkt {

struct EditorWindow {
  HWND Form = nullptr, ScrollBox = nullptr, Surface = nullptr;
  // Finds the form's parts once it shows; false when it does not within the time.
  bool Find(DWORD timeoutMs = 10000);
  HWND Control(const char* name) const;  // a toolbar or property bar control by name
  POINT Page(int x, int y) const;        // screen point of a page pixel
  void Press(const char* control) const; // a real click in the middle of a control
  bool Closed() const { return !::IsWindow(Form); }
};

// Answers every question with No and closes every editor window that is left.
void CloseEditorsLeft();

}  // namespace vkt
