#pragma once
// The page host's own code as the host of an end-to-end run: its window answers the
// page message, the real export is called on this thread, and a driver thread works the
// editor with real input.
#include <windows.h>

#include <functional>
#include <string>

#include "PageHost.h"

namespace vkt {

struct HostedEditor {
  HWND Form = nullptr, Surface = nullptr, ScrollBox = nullptr;
  const pagehost::HostWindow* Host = nullptr;
  HWND Control(const char* name) const;
  POINT Page(int x, int y) const;  // screen point of a page pixel
  void Press(const char* control) const;
  bool Closed() const { return !::IsWindow(Form); }
};

// Writes the first page, runs the editor; the driver gets the window once it shows.
// Closes whatever the driver leaves open (answering No). False if no window appeared.
bool RunHosted(const pagehost::HostOptions& opt, const std::function<void(HostedEditor&)>& driver);

}  // namespace vkt
