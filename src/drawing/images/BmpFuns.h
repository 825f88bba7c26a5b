#pragma once
// Routines on whole bitmaps: the three text effects, and showing a picture in the
// floating image window.
#include <windows.h>

#include "win/Dib.h"

namespace vk {

// Black is background, any other colour ink; each keeps the bitmap's size.
void MakeHollow(win::Dib& bitmap);   // 1-pixel outlines just outside the ink
void MakeSided(win::Dib& bitmap);    // the outlines, and the ink recoloured inside
void MakeView3D(win::Dib& bitmap);   // a relief toward the top right

// Shows a copy of bitmap modally in a screen-sized window over owner, and returns when
// the user closes it. False, showing nothing, when there is no memory for the copy.
bool ShowImageWindow(HWND owner, const win::Dib& bitmap);

}  // namespace vk
