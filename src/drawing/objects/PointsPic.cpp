#include "drawing/objects/PointsPic.h"

#include "core/FigureMath.h"
#include "core/ShapeMath.h"
#include "drawing/objects/PicFuns.h"

namespace vk {

std::span<TPoint> TPointsPic::CalcHandles() {
  Handles = FrameHandles(Bounds);
  return Handles;
}

TRect TPointsPic::PaintBounds() const {
  return Union(Normalize(Bounds), PointsBounds(Placed(), kRaiseAtCreation));
}

void TPointsPic::CalcBounds() { Bounds = PointsBounds(Placed(), kRaiseAtCreation); }

void TPointsPic::DrawPoints(win::Canvas& canvas, std::vector<TPoint> pts) {
  canvas.LPtoDP(pts);
  DrawShape(canvas, pts);
}

void TPointsPic::Draw(win::Canvas& canvas) {
  UseOwnTools(canvas);
  const std::span<const TPoint> pts = Placed();
  if (Drawable()) DrawPoints(canvas, {pts.begin(), pts.end()});
  if (Choosed) DrawFocus(canvas);
}

void TPointsPic::MoveBy(win::Canvas&, TPoint offset) {
  for (TPoint& p : Placed()) p = WrapAdd(p, offset);
  CalcBounds();
}

uint8_t TPointsPic::HitTest(win::Canvas& canvas, TPoint p) {
  uint8_t result = BodyHit(canvas, p) ? kHitBody : kHitNone;
  if (!Choosed) return result;
  const std::span<TPoint> frame = CalcHandles();
  canvas.LPtoDP(frame);
  const int h = FindHandle(canvas, frame, p, false);
  if (h >= 0) {
    result = static_cast<uint8_t>(kHitTopLeft + h);
    Selected() = 0;
  }
  const std::span<const TPoint> placed = Placed();
  std::vector<TPoint> points(placed.begin(), placed.end());
  canvas.LPtoDP(points);
  const int i = FindHandle(canvas, points, p, false);
  if (i >= 0) {
    result = pointHit_;
    Selected() = i;
  }
  return result;
}

void TPointsPic::DrawFocus(win::Canvas& canvas) {
  const std::span<const TPoint> frame = CalcHandles();
  const std::span<const TPoint> placed = Placed();
  std::vector<TPoint> all(frame.begin(), frame.end());
  all.insert(all.end(), placed.begin(), placed.end());
  canvas.LPtoDP(all);
  DrawHandleSquares(canvas, all, FocusPen, FocusBrush, frame.size());
}

std::vector<TPoint> TPointsPic::Dragged(uint8_t hitCode, TPoint d) const {
  const std::span<const TPoint> placed = Placed();
  std::vector<TPoint> pts(placed.begin(), placed.end());
  if (const auto scale = EdgeScale(Bounds, hitCode, d)) {
    for (TPoint& p : pts) p = ScalePoint(p, *scale);
  } else if (hitCode == kHitBody) {
    for (TPoint& p : pts) p = WrapAdd(p, d);
  } else if (hitCode == pointHit_) {
    const int32_t i = SelectedIndex();
    if (i >= 0 && static_cast<size_t>(i) < pts.size()) pts[static_cast<size_t>(i)] = WrapAdd(pts[static_cast<size_t>(i)], d);
  }
  return pts;
}

void TPointsPic::DrawDragOutline(win::Canvas& canvas, uint8_t hitCode, TPoint d) {
  if (Drawable()) DrawPoints(canvas, Dragged(hitCode, d));
}

void TPointsPic::DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect, int32_t downX, int32_t downY,
                           int32_t lastX, int32_t lastY, int32_t x, int32_t y) {
  if (!Drags(hitCode)) return;
  std::array<TPoint, 3> pts{TPoint{downX, downY}, TPoint{lastX, lastY}, TPoint{x, y}};
  canvas.DPtoLP(pts);
  UseDragOutlineTools(canvas);
  DrawDragOutline(canvas, hitCode, WrapSub(pts[1], pts[0]));
  DrawDragOutline(canvas, hitCode, WrapSub(pts[2], pts[0]));
}

void TPointsPic::DragEnd(win::Canvas&, uint8_t hitCode, TRect, int32_t downX, int32_t downY, int32_t x,
                         int32_t y) {
  if (!Drags(hitCode)) return;
  const std::vector<TPoint> moved = Dragged(hitCode, {WrapSub(x, downX), WrapSub(y, downY)});
  std::copy(moved.begin(), moved.end(), Placed().begin());
  CalcBounds();
}

}  // namespace vk
