#pragma once
// The page host's own code as the host of an end-to-end run: its window answers the
// page message, the real export is called on this thread, and a driver thread works the
// editor with real input.
#include <windows.h>

#include <functional>
#include <string>

#include "EditorWindow.h"
#include "PageHost.h"

namespace vkt {

struct HostedEditor : EditorWindow {
  const pagehost::HostWindow* Host = nullptr;
  // Waits for Apply to be enabled (the once-a-second check), presses it and waits for the
  // editor to close; false when either does not happen in time.
  bool Apply() const;
};

// Writes the first page, runs the editor; the driver gets the window once it shows.
// Closes whatever the driver leaves open (answering No). False if no window appeared.
bool RunHosted(const pagehost::HostOptions& opt, const std::function<void(HostedEditor&)>& driver);

}  // namespace vkt
