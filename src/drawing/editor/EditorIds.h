#pragma once
// Control ids of the editor window, so that hosts of tests and tools can find them.
#include "core/EditorLayout.h"

namespace vk {

inline constexpr int kIdToolbar = 10;     // Panel1
inline constexpr int kIdPropertyBar = 11; // pnl1
inline constexpr int kIdScrollBox = 12;   // ScrollBox1
inline constexpr int kIdImage = 13;       // Image1
inline constexpr int kIdFirstButton = 100;
inline constexpr int kIdFirstProp = 200;

inline int ToolButtonId(const char* name) { return kIdFirstButton + IndexOfToolButton(name); }
inline int PropControlId(const char* name) { return kIdFirstProp + IndexOfPropControl(name); }

}  // namespace vk
