#pragma once
// TSetLineF: the line-width dialog of the object menu.
#include <windows.h>

#include <cstdint>

namespace vk {

// Shows the dialog with width (clamped to 1..6); on OK stores the chosen width and
// returns true. Otherwise width is unchanged.
bool AskLineWidth(HWND owner, int32_t& width);

// The spin edit's rule: text that is not a number reads as 1, values are clamped to 1..6.
int32_t SpinEditValue(const wchar_t* text);

}  // namespace vk
