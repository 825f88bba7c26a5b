#pragma once
// Geometry of the line, rectangle and ellipse that needs no device context: how the
// figure follows the mouse while it is drawn, the outlines and results of moving and
// resizing, the minimum size, the bounding-rect rules and the hollow hit ring.
//
// Points may come from a loaded drawing and lie anywhere in the 32-bit range, so the
// integer arithmetic here wraps as the figures' 32-bit fields do instead of overflowing.
#include <array>
#include <cstdint>
#include <optional>

#include "core/Geometry.h"
#include "core/PicConst.h"

namespace vk {

// A drag shorter than this in both directions gives a figure of this size.
inline constexpr int32_t kMinShapeSize = 20;
// Shift snaps a line being drawn to multiples of this angle.
inline constexpr int32_t kSnapStepDegrees = 15;
// How far either side of a hollow figure's outline still counts as a hit.
inline constexpr int32_t kHollowMargin = 3;
// What a degenerate side of the bounding rect is widened by.
inline constexpr int32_t kRaiseAtCreation = 1;
inline constexpr int32_t kRaiseAfterEdit = 2;

// Wrapping 32-bit arithmetic.
constexpr int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
constexpr int32_t WrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
constexpr TPoint WrapAdd(TPoint a, TPoint b) { return {WrapAdd(a.X, b.X), WrapAdd(a.Y, b.Y)}; }
constexpr TPoint WrapSub(TPoint a, TPoint b) { return {WrapSub(a.X, b.X), WrapSub(a.Y, b.Y)}; }

constexpr TRect WrapOffset(const TRect& r, TPoint d) {
  return {WrapAdd(r.Left, d.X), WrapAdd(r.Top, d.Y), WrapAdd(r.Right, d.X), WrapAdd(r.Bottom, d.Y)};
}

// ((a + b) div 2) per axis, halving toward zero; exact for any two 32-bit values.
constexpr TPoint Midpoint(TPoint a, TPoint b) {
  return {static_cast<int32_t>((static_cast<int64_t>(a.X) + b.X) / 2),
          static_cast<int32_t>((static_cast<int64_t>(a.Y) + b.Y) / 2)};
}
// p reflected through m: 2m - p.
constexpr TPoint Mirror(TPoint m, TPoint p) { return WrapSub(WrapAdd(m, m), p); }

// Minima and maxima of two corners; a maximum equal to its minimum grows by raise.
TRect SpanRect(TPoint a, TPoint b, int32_t raise);
inline TRect NormalizeRaised(const TRect& r, int32_t raise) {
  return SpanRect(r.TopLeft(), r.BottomRight(), raise);
}

// --- Line ---

struct LineEnds {
  TPoint Start;
  TPoint End;
  friend constexpr bool operator==(const LineEnds&, const LineEnds&) = default;
};

// Whole degrees of the direction from `from` to `to`, screen axes (y down, so a
// positive angle turns clockwise on screen), rounded half to even.
int32_t DirectionDegrees(TPoint from, TPoint to);
// The number of snap steps for a direction: alpha / 15 rounded up, so a direction that
// is not already a multiple of 15 degrees goes to the next step in the positive sense.
int32_t SnapSteps(int32_t alphaDegrees);

// The line being drawn after a mouse move to p, by the modifier keys in shift:
// Shift snaps the direction (keeping the length to the mouse), Ctrl keeps the midpoint,
// both together turn the line about its midpoint in snapped steps.
LineEnds LineRubberBand(const LineEnds& line, TPoint p, TShiftState shift);
// A line shorter than the minimum in both directions becomes Start .. Start + (20, 20).
LineEnds LineMinimumSize(const LineEnds& line);
// The outline shown while hit code 9, 10 or 11 is dragged by d; nothing for another code.
std::optional<LineEnds> LineDragOutline(const LineEnds& line, uint8_t hitCode, bool ctrl,
                                        TPoint d);
// The line when the drag ends at `mouse` (d = mouse - press point). With Ctrl the grabbed
// end goes to the mouse and the other end mirrors it through the old midpoint. Another
// hit code leaves the line as it is.
LineEnds LineDragResult(const LineEnds& line, uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse);

// --- Rectangle and ellipse box (two corners, in drag order while drawn) ---

// The box being drawn after a mouse move to p: the second corner follows the mouse;
// with Ctrl the first corner mirrors it through the present centre.
TRect BoxRubberBand(const TRect& box, TPoint p, bool ctrl);
// A box smaller than the minimum in both directions grows to 20 x 20 from its first corner.
TRect BoxMinimumSize(const TRect& box);
// The eight frame handles, [0] = hit code 1 ... [7] = hit code 8: corners, edge centres.
std::array<TPoint, 8> FrameHandles(const TRect& box);
// The outline (two corners, any order) shown while hit code 1..9 is dragged by d; with
// Ctrl the opposite side moves the other way. Nothing for another code.
std::optional<TRect> BoxDragOutline(const TRect& box, uint8_t hitCode, bool ctrl, TPoint d);
// The box when the drag ends at `mouse` (d = mouse - press point), not yet normalised.
// With Ctrl a grabbed corner or edge goes to the mouse itself and the opposite side moves
// by -d. Another hit code leaves the box as it is.
TRect BoxDragResult(const TRect& box, uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse);

// The hit area of a hollow figure: Outer minus Inner, each the body grown or shrunk by
// kHollowMargin on every side. A body too thin to have an inside gets no hole.
struct HollowRing {
  TRect Outer;
  TRect Inner;
  bool HasHole = false;
};
HollowRing MakeHollowRing(const TRect& body);

}  // namespace vk
