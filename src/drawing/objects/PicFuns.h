#pragma once
// Helpers shared by the figure classes: modifier keys, hit regions of bands, pies and
// chords, text measuring and font fitting, and the editor's cursors.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/Geometry.h"
#include "core/PicAttrs.h"
#include "core/PicMath.h"  // EllipsePoint and the region arithmetic
#include "drawing/objects/PicConst.h"
#include "win/Canvas.h"
#include "win/Handle.h"

namespace vk {

// Bits 0..2 of the modifier set (Shift, Alt, Ctrl) from GetKeyState.
TShiftState GetShiftState();
// The same from three GetKeyState results: a key is down when the high bit is set.
TShiftState ShiftStateFromKeyStates(int16_t shiftKey, int16_t altKey, int16_t ctrlKey);
// The modifier set of a mouse message: wParam's MK_* flags, Alt from the caller (mouse
// messages do not carry it) and the double-click bit.
TShiftState ShiftStateFromMouse(WPARAM mkFlags, bool altDown, bool doubleClick);

// Hit region of a thick segment (device units): a band 5 pixels either side, widened
// horizontally when the segment is more than 5 pixels tall, else vertically.
win::Region CreateSegmentRegion(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// A band 5 pixels either side of the arc of the box's ellipse from the direction of
// startPt counter-clockwise to that of endPt. An empty region for a zero-height box.
win::Region CreateArcRegion(TPoint topLeft, TPoint bottomRight, TPoint startPt, TPoint endPt);
// The filled pie (kind 1) or chord (kind 2), clipped by the box's ellipse. A null
// region for another kind; an empty one for a zero-height box.
win::Region CreatePieRegion(TPoint topLeft, TPoint bottomRight, TPoint startPt, int kind,
                            TPoint endPt);

// The index of the first handle square (half-size the canvas's HandleHalf, right and
// bottom edges outside) that holds p, trying from the first handle or from the last; -1
// when none does. Handles are in device units.
int FindHandle(const win::Canvas& canvas, std::span<const TPoint> handles, TPoint p, bool fromLast);
// Draws a square per handle (device units) with pen and brush; the handles from
// greenFrom on are filled pure green instead (a kind's own control points).
void DrawHandleSquares(win::Canvas& canvas, std::span<const TPoint> handles, const PenAttrs& pen,
                       const BrushAttrs& brush, size_t greenFrom);

// The pen and brush of the outline shown while a selected figure is dragged: the
// canvas's pen, dotted, 1 wide, XOR; no fill.
void UseDragOutlineTools(win::Canvas& canvas);

// Text width (horizontal) or height of text in font, measured on a throw-away bitmap,
// plus 2.
int32_t MeasureText(std::string_view text, const FontAttrs& font, bool horizontal);

// The largest point size, counting up from 2, at which text still fits the rect:
// mode 0 the font's own size; 1 by width; 2 by height; other modes pick the dimension
// with more room at size 2. 1 when it does not fit even at size 2. Only the face name of
// font is used. Sizes stop at kMaxFitFontSize (text that never outgrows the box).
inline constexpr int32_t kMaxFitFontSize = 1000;
int32_t FitFontSize(const TRect& rect, std::string_view text, const FontAttrs& font, int mode);

// Fills rect grown by 4 * HandleHalfSize with solid black; the canvas brush keeps it.
void ClearTextArea(win::Canvas& canvas, const TRect& rect);

// The editor's cursors: numbers 1..8 (tools), 31, 32, 33. Loaded once from module's
// resources; a cursor that cannot be loaded stays null (the default cursor shows).
void LoadPicCursors(HINSTANCE module);
HCURSOR PicCursor(int number);  // null for an unknown or unloaded number
const char* PicCursorResourceName(int number);  // "CUR_LINE" ..., null if unknown

}  // namespace vk
