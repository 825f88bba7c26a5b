#pragma once
// The one table of the editor's figures: a row per tool, since the arc, the sector and the
// chord share a kind, as the polyline and the polygon do. A new kind of figure is its
// class, its row here, its record codec and its artwork; nothing that dispatches on kinds
// changes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "core/PageDescription.h"
#include "drawing/objects/PicBase.h"

namespace vk {

struct FigureKind {
  int32_t Tag;        // the tool's tag, as its toolbar button carries it
  TPicType Kind;      // the kind stored in the drawing file
  uint8_t Subtype;    // what the class tells apart within the kind (TPicBase::Subtype)
  const char* Button; // the toolbar button that chooses the tool
  std::unique_ptr<TPicBase> (*Create)();
  size_t Bytes;       // what one object of the class takes, for the drawing's memory budget
  int32_t Mode;       // the surface's mode while the tool is chosen, and its PicCursor number
  const char* Cursor; // that cursor's resource
  char Key;           // Ctrl + Shift + Key chooses the tool; 0 for none
  bool Shift;
  bool Filled;        // the object menu's fill items apply
  bool Text;          // font and effect items instead of the pen's; the tool has a text entry
  bool EndsOnDoubleClick;  // built over several presses; a double click finishes it
  bool Freehand;      // the pen: a stroke that follows the pointer, stored as the row's kind
  DescribedObject::Kind Section;  // its section of the page description, or NotDescribed
};

std::span<const FigureKind> FigureKinds();
// The row of a tool tag, of an object (its kind and subtype, never the pen's), of the
// first tool of a kind, or of Ctrl (+ Shift) + key; null when there is none.
const FigureKind* FigureOfTag(int32_t tag);
const FigureKind* FigureOf(const TPicBase& pic);
const FigureKind* FigureOfKind(uint8_t kind);
const FigureKind* FigureForKey(unsigned key, bool shift);

}  // namespace vk
