#pragma once
// The toolbar's artwork: button faces with a small picture above the caption, and the
// decorative strip along the toolbar's bottom edge.
#include <windows.h>

#include "core/EditorLayout.h"

namespace vk {

void DrawToolButton(HDC dc, const RECT& rc, const ToolButtonDef& def, bool down, bool enabled, HFONT captionFont);
void DrawDecorStrip(HDC dc, const RECT& panelClient);

}  // namespace vk
