#pragma once
// Routines on whole bitmaps: the three text effects, and showing a picture in the
// floating image window.
#include <windows.h>

#include "core/Geometry.h"
#include "win/Canvas.h"
#include "win/Dib.h"

namespace vk {

// Black is background, any other colour ink; each keeps the bitmap's size.
void MakeHollow(win::Dib& bitmap);   // 1-pixel outlines just outside the ink
void MakeSided(win::Dib& bitmap);    // the outlines, and the ink recoloured inside
void MakeView3D(win::Dib& bitmap);   // a relief toward the top right

// Puts the pixels of ink that are not black onto canvas, its top-left corner at the
// device point at: black is transparent. A canvas over one of our bitmaps, clipped to at
// most a rectangle (the editor's pictures), takes them straight into the bits; anything
// else through GDI. Either way the clipping holds and the DC's bounds take the area.
void PutInk(win::Canvas& canvas, TPoint at, const win::Dib& ink);
// The bitmap a canvas over one of our bitmaps draws into, with what the canvas's clipping
// leaves of it, when that is at most one rectangle; null otherwise (draw through GDI).
win::Dib* DirectTarget(win::Canvas& canvas, TRect& clip);

// Shows a copy of bitmap modally in a screen-sized window over owner, and returns when
// the user closes it. False, showing nothing, when there is no memory for the copy.
bool ShowImageWindow(HWND owner, const win::Dib& bitmap);

}  // namespace vk
