#pragma once
// Where the editor window's controls go: the fixed tables of the toolbar and the
// property bar, and the pure arithmetic that places the bars, the drawing area and the
// drawing surface for a given client size. Testable without a window.
#include <cstdint>
#include <span>

#include "core/EditorCommands.h"
#include "core/Geometry.h"

namespace vk {

inline constexpr int32_t kToolbarHeight = 46;
inline constexpr int32_t kPropertyBarHeight = 47;
inline constexpr uint32_t kBarBackground = 0xF0F0F0;
inline constexpr uint32_t kCaptionColor = 0xB76800;  // COLORREF of the captions and labels
inline constexpr int32_t kDecorStripHeight = 4;

struct ToolButtonDef {
  const char* Name;     // control name
  const char* Caption;  // UTF-8
  const char* Hint;     // UTF-8, empty for none
  int32_t Tag;
  int32_t Group;  // 1: stays down, excludes the others of the group; 0: a command
  bool Visible;
  bool EnabledAtStart;
  int32_t Left;
  int32_t Width;
  CommandId Command;  // what a click runs (a tool button chooses the tool of its Tag)
  int32_t Height() const { return Visible ? 40 : 34; }
  static constexpr int32_t Top = 2;
};

// The toolbar from left to right.
std::span<const ToolButtonDef> ToolButtons();
// Index into ToolButtons() by control name; -1 when there is none.
int IndexOfToolButton(const char* name);

// The tooltip of a toolbar button: its hint, or for the clipboard buttons that have none,
// their caption and key. Empty for no tooltip.
const char* ToolTipText(const ToolButtonDef& button);

// Keys with Ctrl held that run a command of a hidden button: the letter, whether Shift is
// held too, the command. (The tools' keys are in the table of figure kinds.)
struct CommandKey {
  uint8_t Key;  // the virtual-key code
  bool Shift;
  CommandId Command;
};
std::span<const CommandKey> CommandKeys();
// Keys with Ctrl held that act on the selection; no button runs these commands.
std::span<const CommandKey> SelectionKeys();
// The command of Ctrl (and Shift) with a key of either table; None when the key runs none.
CommandId CommandForKey(unsigned key, bool shift);
// The toolbar button that runs a command (the first, for ChooseTool); null for none.
const ToolButtonDef* ButtonOf(CommandId command);

enum class PropControlKind { Label, LineWidthCombo, ColorSwatch, LineStyleCombo, CheckBox, PageEdit, Button };

// What a property bar control is for: the form reaches and dispatches them by it.
enum class PropRole : uint8_t { Label, LineWidth, LineColor, LineStyle, FillColor, Fill, PageBox, Goto, ZoomReadout };

struct PropControlDef {
  const char* Name;
  PropControlKind Kind;
  PropRole Role;
  const char* Text;  // UTF-8
  int32_t Left, Top, Width, Height;
};

// The property bar's controls in creation (tab) order.
std::span<const PropControlDef> PropControls();
int IndexOfPropControl(const char* name);
int IndexOfPropControl(PropRole role);  // the first control of the role

struct EditorLayout {
  TRect Toolbar;
  TRect PropertyBar;
  TRect ScrollBox;
};

// The two bars are aligned to the top, the drawing area takes the rest.
EditorLayout LayoutForClient(int32_t clientWidth, int32_t clientHeight);

// One axis of placing the drawing surface in the drawing area: centred (halves to even)
// when it is smaller than the area's client size, otherwise at -scrollPos.
int32_t SurfaceOffset(int32_t clientSize, int32_t imageSize, int32_t scrollPos);

// Largest scroll position for a range of imageSize shown in clientSize (never negative).
int32_t MaxScroll(int32_t clientSize, int32_t imageSize);

}  // namespace vk
