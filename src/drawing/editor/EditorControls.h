#pragma once
// Helpers of the editor window's controls that need nothing of the form: the toolbar's
// tooltips, the width box's digit filter, the line style list's items, the surface's
// cursors and the bars' background.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vk {

struct ToolButtonDef;

// Whether a toolbar button shows down while the session's ToolDown() is down.
bool ShowsToolDown(const ToolButtonDef& button, int32_t down);
// The tooltips of the toolbar's visible buttons (parallel to ToolButtons()), owned by form.
HWND AddToolbarTips(HWND form, HWND toolbar, const std::vector<HWND>& buttons);
// Only digits and backspace reach the edit part of combo.
void AcceptDigitsOnly(HWND combo);
std::wstring WindowText(HWND w);
// A combo box whose edit part holds nothing but blanks shows its first item.
void FirstItemIfBlank(HWND combo);
// The page box's number held to 1..pageCount (written back when it changes); text that is
// no number keeps page.
int32_t ClampPageBox(HWND box, int32_t page, int32_t pageCount);
// One item of the line style list: its pen style drawn across.
void DrawLineStyleItem(const DRAWITEMSTRUCT& dis);
// The cursor of a mode value of the session.
HCURSOR SurfaceCursor(int32_t mode);
// Fills a window's client area with brush (white without one).
void FillClient(HWND wnd, HDC dc, HBRUSH brush);

}  // namespace vk
