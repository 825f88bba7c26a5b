#pragma once
// Helpers of the editor window's controls that need nothing of the form: the toolbar's
// tooltips, the width box's digit filter, the line style list's items, the surface's
// cursors and the bars' background.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace vk {

// The tooltips of the toolbar's visible buttons (parallel to ToolButtons()), owned by form.
HWND AddToolbarTips(HWND form, HWND toolbar, const std::vector<HWND>& buttons);
// Only digits and backspace reach the edit part of combo.
void AcceptDigitsOnly(HWND combo);
// One item of the line style list: its pen style drawn across.
void DrawLineStyleItem(const DRAWITEMSTRUCT& dis);
// The cursor of a mode value of the session.
HCURSOR SurfaceCursor(int32_t mode);
// Fills a window's client area with brush (white without one).
void FillClient(HWND wnd, HDC dc, HBRUSH brush);

}  // namespace vk
