#pragma once
// PicMenu: the object popup menu, as data, so its items and their enabling are testable.
#include <windows.h>

#include <cstdint>
#include <span>

namespace vk {

enum class PicMenuHandler {
  None, N16Click, N1Click, N20Click, N3Click, N10Click, N26Click, N11Click, N3D1Click, UndoClick, OrderClick
};

struct PicMenuItem {
  const char* Name;
  const char* Caption;  // UTF-8; "-" is a separator
  int32_t Tag;
  PicMenuHandler Handler;
  const char* Parent;  // name of the submenu it sits in, or null for the top level
  bool Visible;
};

std::span<const PicMenuItem> PicMenuItems();
int IndexOfPicMenuItem(const char* name);
inline constexpr UINT kPicMenuFirstId = 1000;

// Which items the object popup enables for the current object's kind.
struct PicMenuEnabling {
  bool N1, N2, X1, N6, N11, G1;
  bool Undo = false, Redo = false;  // set from the drawing's history
};
// figure is the current object's row in the table of figure kinds (null: an object of no
// tool's kind).
PicMenuEnabling PicMenuEnablingFor(const struct FigureKind* figure);
// Whether the menu offers a handler's items under that enabling (the items of a submenu
// follow the submenu).
bool PicMenuOffers(const PicMenuEnabling& e, PicMenuHandler handler);

// Builds the popup (submenus included). The caller owns the result.
HMENU BuildPicMenu(const PicMenuEnabling& e);

}  // namespace vk
