#include "core/ShapeMath.h"

#include <cmath>
#include <limits>

namespace vk {

namespace {

// The figures' angle arithmetic runs in extended precision; only the line length is
// kept in single precision between steps. long double is the x87 extended type on the
// targets we build for.
constexpr long double kPi = 3.141592653589793238462643383279502884L;

int32_t RoundL(long double v) {
  if (std::isnan(v)) return 0;
  const long double r = std::nearbyint(v);  // round half to even in the default mode
  if (r >= static_cast<long double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (r <= static_cast<long double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}

float Distance(TPoint a, TPoint b) {
  const long double dx = static_cast<long double>(b.X) - a.X;
  const long double dy = static_cast<long double>(b.Y) - a.Y;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

// The offset of length `length` in the snapped direction of the given number of steps.
TPoint SnappedOffset(int32_t steps, float length) {
  const long double beta = static_cast<long double>(kSnapStepDegrees * steps) * kPi / 180.0L;
  return {RoundL(std::cos(beta) * length), RoundL(std::sin(beta) * length)};
}

int64_t Span(int32_t a, int32_t b) {
  const int64_t d = static_cast<int64_t>(b) - a;
  return d < 0 ? -d : d;
}

}  // namespace

TRect SpanRect(TPoint a, TPoint b, int32_t raise) {
  TRect r = RectOf(a, b);
  if (r.Right == r.Left) r.Right = WrapAdd(r.Right, raise);
  if (r.Bottom == r.Top) r.Bottom = WrapAdd(r.Bottom, raise);
  return r;
}

int32_t DirectionDegrees(TPoint from, TPoint to) {
  const long double dx = static_cast<long double>(to.X) - from.X;
  const long double dy = static_cast<long double>(to.Y) - from.Y;
  return RoundL(std::atan2(dy, dx) * 180.0L / kPi);
}

int32_t SnapSteps(int32_t alphaDegrees) {
  // alpha is whole, so adding just under one half rounds every fraction up.
  return RoundL(static_cast<long double>(alphaDegrees) / kSnapStepDegrees + 0.4899L);
}

LineEnds LineRubberBand(const LineEnds& line, TPoint p, TShiftState shift) {
  const bool snap = (shift & kShiftKey) != 0;
  const bool centred = (shift & kCtrlKey) != 0;
  if (snap && centred) {
    const TPoint m = Midpoint(line.Start, line.End);
    const TPoint o = SnappedOffset(SnapSteps(DirectionDegrees(line.Start, p)), Distance(m, p));
    return {WrapSub(m, o), WrapAdd(m, o)};
  }
  if (centred) return {Mirror(Midpoint(line.Start, line.End), p), p};
  if (snap) {
    const TPoint o =
        SnappedOffset(SnapSteps(DirectionDegrees(line.Start, p)), Distance(line.Start, p));
    return {line.Start, WrapAdd(line.Start, o)};
  }
  return {line.Start, p};
}

LineEnds LineMinimumSize(const LineEnds& line) {
  if (Span(line.Start.X, line.End.X) < kMinShapeSize &&
      Span(line.Start.Y, line.End.Y) < kMinShapeSize)
    return {line.Start, WrapAdd(line.Start, TPoint{kMinShapeSize, kMinShapeSize})};
  return line;
}

std::optional<LineEnds> LineDragOutline(const LineEnds& line, uint8_t hitCode, bool ctrl,
                                        TPoint d) {
  switch (hitCode) {
    case kHitBody:
      return LineEnds{WrapAdd(line.Start, d), WrapAdd(line.End, d)};
    case kHitLineStart:
      return LineEnds{WrapAdd(line.Start, d), ctrl ? WrapSub(line.End, d) : line.End};
    case kHitLineEnd:
      return LineEnds{ctrl ? WrapSub(line.Start, d) : line.Start, WrapAdd(line.End, d)};
    default:
      return std::nullopt;
  }
}

LineEnds LineDragResult(const LineEnds& line, uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) {
  const TPoint m = Midpoint(line.Start, line.End);
  switch (hitCode) {
    case kHitBody:
      return {WrapAdd(line.Start, d), WrapAdd(line.End, d)};
    case kHitLineStart:
      if (ctrl) return {mouse, Mirror(m, mouse)};
      return {WrapAdd(line.Start, d), line.End};
    case kHitLineEnd:
      if (ctrl) return {Mirror(m, mouse), mouse};
      return {line.Start, WrapAdd(line.End, d)};
    default:
      return line;
  }
}

TRect BoxRubberBand(const TRect& box, TPoint p, bool ctrl) {
  TRect r = box;
  if (ctrl) {
    const TPoint first = Mirror(Midpoint(box.TopLeft(), box.BottomRight()), p);
    r.Left = first.X;
    r.Top = first.Y;
  }
  r.Right = p.X;
  r.Bottom = p.Y;
  return r;
}

TRect BoxMinimumSize(const TRect& box) {
  if (Span(box.Left, box.Right) < kMinShapeSize && Span(box.Top, box.Bottom) < kMinShapeSize)
    return {box.Left, box.Top, WrapAdd(box.Left, kMinShapeSize), WrapAdd(box.Top, kMinShapeSize)};
  return box;
}

std::array<TPoint, 8> FrameHandles(const TRect& box) {
  const TPoint c = Midpoint(box.TopLeft(), box.BottomRight());
  return {{{box.Left, box.Top},
           {c.X, box.Top},
           {box.Right, box.Top},
           {box.Left, c.Y},
           {box.Right, c.Y},
           {box.Left, box.Bottom},
           {c.X, box.Bottom},
           {box.Right, box.Bottom}}};
}

std::optional<TRect> BoxDragOutline(const TRect& box, uint8_t hitCode, bool ctrl, TPoint d) {
  const int32_t l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
  // The sides that follow the mouse move by +d; with Ctrl the opposite ones by -d.
  const int32_t lx = WrapAdd(l, d.X), rx = WrapAdd(r, d.X), ty = WrapAdd(t, d.Y), by = WrapAdd(b, d.Y);
  const int32_t l2 = ctrl ? WrapSub(l, d.X) : l, r2 = ctrl ? WrapSub(r, d.X) : r;
  const int32_t t2 = ctrl ? WrapSub(t, d.Y) : t, b2 = ctrl ? WrapSub(b, d.Y) : b;
  switch (hitCode) {
    case kHitTopLeft: return TRect{lx, ty, r2, b2};
    case kHitTop: return TRect{l, ty, r, b2};
    case kHitTopRight: return TRect{l2, ty, rx, b2};
    case kHitLeft: return TRect{lx, t, r2, b};
    case kHitRight: return TRect{l2, t, rx, b};
    case kHitBottomLeft: return TRect{lx, t2, r2, by};
    case kHitBottom: return TRect{l, t2, r, by};
    case kHitBottomRight: return TRect{l2, t2, rx, by};
    case kHitBody: return TRect{lx, ty, rx, by};
    default: return std::nullopt;
  }
}

TRect BoxDragResult(const TRect& box, uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) {
  TRect r = box;
  const auto move = [](int32_t& side, int32_t by) { side = WrapAdd(side, by); };
  const int32_t dx = d.X, dy = d.Y;
  if (!ctrl) {
    switch (hitCode) {
      case kHitTopLeft: move(r.Left, dx); move(r.Top, dy); break;
      case kHitTop: move(r.Top, dy); break;
      case kHitTopRight: move(r.Top, dy); move(r.Right, dx); break;
      case kHitLeft: move(r.Left, dx); break;
      case kHitRight: move(r.Right, dx); break;
      case kHitBottomLeft: move(r.Left, dx); move(r.Bottom, dy); break;
      case kHitBottom: move(r.Bottom, dy); break;
      case kHitBottomRight: move(r.Right, dx); move(r.Bottom, dy); break;
      case kHitBody: move(r.Left, dx); move(r.Top, dy); move(r.Right, dx); move(r.Bottom, dy); break;
      default: break;
    }
    return r;
  }
  // Symmetric: the grabbed corner or edge goes to the mouse itself, the opposite side
  // moves the other way; the middle-left and middle-right edges both move by the offset.
  const int32_t ndx = WrapSub(0, dx), ndy = WrapSub(0, dy);
  switch (hitCode) {
    case kHitTopLeft: r.Left = mouse.X; r.Top = mouse.Y; move(r.Right, ndx); move(r.Bottom, ndy); break;
    case kHitTop: r.Top = mouse.Y; move(r.Bottom, ndy); break;
    case kHitTopRight: move(r.Left, ndx); r.Top = mouse.Y; r.Right = mouse.X; move(r.Bottom, ndy); break;
    case kHitLeft: move(r.Left, dx); move(r.Right, ndx); break;
    case kHitRight: move(r.Left, ndx); move(r.Right, dx); break;
    case kHitBottomLeft: r.Left = mouse.X; move(r.Top, ndy); move(r.Right, ndx); r.Bottom = mouse.Y; break;
    case kHitBottom: move(r.Top, ndy); r.Bottom = mouse.Y; break;
    case kHitBottomRight: move(r.Left, ndx); move(r.Top, ndy); r.Right = mouse.X; r.Bottom = mouse.Y; break;
    case kHitBody: move(r.Left, dx); move(r.Top, dy); move(r.Right, dx); move(r.Bottom, dy); break;
    default: break;
  }
  return r;
}

HollowRing MakeHollowRing(const TRect& body) {
  const TRect n = Normalize(body);
  HollowRing ring;
  ring.Outer = {WrapSub(n.Left, kHollowMargin), WrapSub(n.Top, kHollowMargin),
                WrapAdd(n.Right, kHollowMargin), WrapAdd(n.Bottom, kHollowMargin)};
  ring.Inner = {WrapAdd(n.Left, kHollowMargin), WrapAdd(n.Top, kHollowMargin),
                WrapSub(n.Right, kHollowMargin), WrapSub(n.Bottom, kHollowMargin)};
  ring.HasHole = Span(n.Left, n.Right) > 2 * kHollowMargin && Span(n.Top, n.Bottom) > 2 * kHollowMargin;
  return ring;
}

}  // namespace vk
