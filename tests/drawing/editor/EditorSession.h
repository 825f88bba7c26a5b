#pragma once
// Runs the real editor export on the test's thread while a driver thread works the
// window, the way a host and a user would.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "EditorWindow.h"

namespace vkt {

struct ExportTexts {
  std::string Width = "900", Height = "700", PageFile, ScrollX = "0", ScrollY = "0", Pages = "3", Theme, Icon, Host;
};

// Calls the export with texts; driver runs on another thread with the found window.
// Whatever the driver leaves open is closed (answering No) so a failing test ends.
// Returns false when the window never appeared.
bool RunEditorSession(const ExportTexts& texts, const std::function<void(EditorWindow&)>& driver);

// Calls the export once with raw argument pointers (null ones included) and closes the
// window as soon as it shows; returns its size and caption.
struct SeenWindow {
  bool Appeared = false;
  RECT Rect{};
  std::wstring Caption;
};
SeenWindow ShowAndClose(const char* const* const args[9]);


}  // namespace vkt
