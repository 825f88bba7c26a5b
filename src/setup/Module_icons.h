#pragma once
// Gives a window the icon that ships beside the program in "images\Titleicon.ico".
#include <windows.h>

#include "win/Handle.h"

namespace optaset {

// Removes the window's own icons, then shows the file's first icon as the caption's small
// icon: its large image when force is true, else its small one. lHIcon receives the icon
// the window now shows (empty when the file is missing); the caller keeps it for as long
// as the window shows it.
void SetFormIcon(HWND curForm, vk::win::Icon& lHIcon, bool force);

}  // namespace optaset
