#pragma once
// TFormDelete: the question asked before an object is deleted.
#include <windows.h>

#include <string>

namespace vk {

// Shows the dialog over owner. dontShowAgain takes the state of "Don't show next time."
// whatever the answer. Returns IDYES, IDNO, or IDCANCEL when closed from the title bar.
INT_PTR AskDelete(HWND owner, bool& dontShowAgain, const std::string& iconFile);

}  // namespace vk
