#include "drawing/objects/ShapePic.h"

#include "core/FigureMath.h"
#include "core/ShapeMath.h"
#include "drawing/objects/PicFuns.h"

namespace vk {

void TShapePic::DrawCorners(win::Canvas& canvas, const std::array<TPoint, 2>& corners) {
  DrawShape(canvas, corners[0], corners[1]);
}

void TShapePic::Draw(win::Canvas& canvas) {
  std::array<TPoint, 2> pts = ShapeCorners();
  canvas.LPtoDP(pts);
  UseOwnTools(canvas);
  DrawCorners(canvas, pts);
  if (Choosed) DrawFocus(canvas);
}

uint8_t TShapePic::HitTest(win::Canvas& canvas, TPoint p) {
  uint8_t result = InRegion(canvas, p) ? kHitBody : kHitNone;
  if (Choosed) {
    const std::span<TPoint> handles = CalcHandles();
    canvas.LPtoDP(handles);
    // Handles overlap on a very small figure: the kind says which one wins.
    const int i = FindHandle(canvas, handles, p, lastHandleWins_);
    if (i >= 0) result = HandleHitCode(static_cast<size_t>(i));
  }
  return result;
}

void TShapePic::DrawFocus(win::Canvas& canvas) {
  const std::span<TPoint> handles = CalcHandles();
  canvas.LPtoDP(handles);
  DrawHandleSquares(canvas, handles, FocusPen, FocusBrush, greenHandlesFrom_);
}

void TShapePic::DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect, int32_t downX,
                          int32_t downY, int32_t lastX, int32_t lastY, int32_t x, int32_t y) {
  // The outline to erase was drawn with the modifiers of the previous call; using them
  // again takes it away even when Ctrl changed in between.
  const bool wasCtrl = (DragShift & kCtrlKey) != 0;
  DragShift = GetShiftState();
  const bool ctrl = (DragShift & kCtrlKey) != 0;
  std::array<TPoint, 3> pts{TPoint{downX, downY}, TPoint{lastX, lastY}, TPoint{x, y}};
  canvas.DPtoLP(pts);
  UseDragOutlineTools(canvas);
  const auto outline = [&](TPoint at, bool withCtrl) {
    auto corners = DragOutline(hitCode, withCtrl, WrapSub(at, pts[0]), at);
    if (!corners) return;
    canvas.LPtoDP(*corners);
    DrawCorners(canvas, *corners);
  };
  outline(pts[1], wasCtrl);
  outline(pts[2], ctrl);
}

void TShapePic::DragEnd(win::Canvas&, uint8_t hitCode, TRect, int32_t downX, int32_t downY,
                        int32_t x, int32_t y) {
  const TPoint d{WrapSub(x, downX), WrapSub(y, downY)};
  ApplyDrag(hitCode, (DragShift & kCtrlKey) != 0, d, TPoint{x, y});
}

void TShapePic::DrawMouseDown(win::Canvas& canvas, TPicType, TMouseButton button, TShiftState,
                              TPoint p) {
  if (button == TMouseButton::Right) return;
  UseBandTools(canvas, PenMode::NotXor);
  SetShapeCorners(p, p);
  creating_ = true;
  bandShown_ = false;
}

TRect TShapePic::PaintBounds() const {
  const std::array<TPoint, 2> c = ShapeCorners();
  return Union(Normalize(Bounds), PointsBounds(c, kRaiseAtCreation));
}

void TShapePic::DropDrawing() {
  creating_ = false;
  bandShown_ = false;
}

void TShapePic::DrawMouseMove(win::Canvas& canvas, TPicType, TShiftState shift, TPoint p) {
  if (!creating_ || (shift & kLeftButton) == 0) return;
  // NOT-XOR again erases the band, a fill included.
  if (bandShown_) DrawCorners(canvas, ShapeCorners());
  GrowBand(p, shift);
  DrawCorners(canvas, ShapeCorners());
  bandShown_ = true;
}

void TShapePic::DrawMouseUp(win::Canvas& canvas, TPicType, TMouseButton, TShiftState, TPoint) {
  // A release that no press of ours began (a right-button drag) must not finish the
  // previous figure a second time.
  if (!creating_) return;
  creating_ = false;
  // Take the rubber band away first: the finished figure may differ from it (minimum
  // size, a degenerate side widened).
  if (bandShown_) DrawCorners(canvas, ShapeCorners());
  bandShown_ = false;
  const std::array<TPoint, 2> finished = FinishBand(canvas);
  UseOwnTools(canvas);
  DrawCorners(canvas, finished);
  if (DrawEndEvent) DrawEndEvent(this);
}

}  // namespace vk
