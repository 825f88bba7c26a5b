#include "drawing/objects/FigureKinds.h"

#include <string_view>

#include "drawing/objects/ArccPic.h"
#include "drawing/objects/CircPic.h"
#include "drawing/objects/CurvePic.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/RectPic.h"
#include "drawing/objects/RounPic.h"
#include "drawing/objects/TextPic.h"

namespace vk {

namespace {

template <typename T>
std::unique_ptr<TPicBase> Make() {
  return std::make_unique<T>();
}

template <typename T>
constexpr FigureKind Row(int32_t tag, TPicType kind, uint8_t subtype, const char* button, const char* cursor, char key,
                         bool filled, DescribedObject::Kind section, bool endsOnDoubleClick = false, bool text = false) {
  return {tag,  kind,   subtype, button, &Make<T>, sizeof(T), kind,    cursor, key, key != 0, filled, text,
          endsOnDoubleClick, false, section};
}

// The pen: polylines drawn by hand, with a mode and cursor of its own.
constexpr FigureKind PenRow(int32_t tag, const char* button, const char* cursor, char key) {
  return {tag,   PIC_POLY, PolyOpen, button, &Make<TPolyPic>, sizeof(TPolyPic), kCursorPen, cursor, key, true, false,
          false, false,    true,     DescribedObject::Kind::OpenPolyline};
}

using Section = DescribedObject::Kind;

constexpr FigureKind kFigures[] = {
    Row<TLinePic>(1, PIC_LINE, 0, "SpeedButton8", "CUR_LINE", 0, false, Section::Line),
    Row<TRectPic>(2, PIC_RECT, 0, "SpeedButton9", "CUR_RECT", 0, true, Section::Rect),
    Row<TRounPic>(3, PIC_ROUN, 0, "SpeedButton10", "CUR_ROUN", 0, true, Section::Round),
    Row<TCircPic>(4, PIC_CIRC, 0, "SpeedButton11", "CUR_CIRC", 0, true, Section::Circle),
    Row<TArccPic>(5, PIC_ARCC, Arcc_Arc, "SpeedButton12", "CUR_ARCC", 'A', false, Section::Arc),
    Row<TArccPic>(6, PIC_ARCC, Arcc_Sector, "SpeedButton16", "CUR_ARCC", 'S', true, Section::NotDescribed),
    Row<TArccPic>(7, PIC_ARCC, Arcc_Chord, "SpeedButton18", "CUR_ARCC", 'D', true, Section::NotDescribed),
    Row<TPolyPic>(8, PIC_POLY, PolyOpen, "SpeedButton13", "CUR_POLY", 0, false, Section::OpenPolyline, true),
    Row<TPolyPic>(9, PIC_POLY, PolyClose, "SpeedButton17", "CUR_POLY", 'P', false, Section::NotDescribed, true),
    Row<TCurvePic>(10, PIC_CURVE, 0, "SpeedButton14", "CUR_CURVE", 'B', true, Section::NotDescribed),
    Row<TTextPic>(11, PIC_TEXT, 0, "SpeedButton15", "CUR_TEXT", 'T', true, Section::NotDescribed, false, true),
    PenRow(12, "SpeedButtonPen", "CUR_PEN", 'F'),
};

// A forgotten row, a tag or key used twice or a kind without a tool fails the build, and so
// does a kind whose number the cursor table has no place for.
constexpr bool EveryKindHasATool() {
  for (int kind = PIC_LINE; kind <= PIC_TEXT; ++kind) {
    bool found = false;
    for (const FigureKind& f : kFigures) found = found || f.Kind == kind;
    if (!found) return false;
  }
  for (const FigureKind& f : kFigures)
    if (f.Mode <= 0 || f.Mode >= kCursorCount || (!f.Freehand && f.Mode != f.Kind)) return false;
  return true;
}
constexpr bool TagsAndKeysAreUnique() {
  for (size_t i = 0; i < std::size(kFigures); ++i)
    for (size_t j = i + 1; j < std::size(kFigures); ++j) {
      const FigureKind &a = kFigures[i], &b = kFigures[j];
      if (a.Tag == b.Tag || (a.Kind == b.Kind && a.Subtype == b.Subtype && a.Freehand == b.Freehand)) return false;
      if (a.Key != 0 && a.Key == b.Key && a.Shift == b.Shift) return false;
      if (std::string_view(a.Button) == b.Button) return false;
    }
  return true;
}
static_assert(EveryKindHasATool(), "every kind of figure needs a row");
static_assert(TagsAndKeysAreUnique(), "a tag, kind and subtype, key or button is used twice");

}  // namespace

std::span<const FigureKind> FigureKinds() { return kFigures; }

const FigureKind* FigureOfTag(int32_t tag) {
  for (const FigureKind& f : kFigures)
    if (f.Tag == tag) return &f;
  return nullptr;
}

const FigureKind* FigureOfKind(uint8_t kind) {
  for (const FigureKind& f : kFigures)
    if (f.Kind == kind && !f.Freehand) return &f;
  return nullptr;
}

const FigureKind* FigureOf(const TPicBase& pic) {
  const uint8_t subtype = pic.Subtype();
  for (const FigureKind& f : kFigures)
    if (f.Kind == pic.PicId && f.Subtype == subtype && !f.Freehand) return &f;
  return FigureOfKind(pic.PicId);  // a subtype no tool makes (a damaged file) still has its kind
}

const FigureKind* FigureForKey(unsigned key, bool shift) {
  for (const FigureKind& f : kFigures)
    if (f.Key != 0 && static_cast<unsigned>(f.Key) == key && f.Shift == shift) return &f;
  return nullptr;
}

}  // namespace vk
