#pragma once
// TShapePic: what the line and the boxed figures (rectangle, ellipse, rounded rectangle)
// share. Each is given
// by two points and carries a row of handle squares; it is drawn, hit-tested, dragged and
// created by rubber band in the same steps, and each kind supplies only the geometry of
// those steps.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/Geometry.h"
#include "drawing/objects/PicBase.h"

namespace vk {

class TShapePic : public TPicBase {
 public:
  void Draw(win::Canvas& canvas) override;
  uint8_t HitTest(win::Canvas& canvas, TPoint p) override;
  void DrawFocus(win::Canvas& canvas) override;
  void DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect rect, int32_t downX, int32_t downY,
                 int32_t lastX, int32_t lastY, int32_t x, int32_t y) override;
  void DragEnd(win::Canvas& canvas, uint8_t hitCode, TRect rect, int32_t downX, int32_t downY,
               int32_t x, int32_t y) override;
  void DrawMouseDown(win::Canvas& canvas, TPicType kind, TMouseButton button, TShiftState shift,
                     TPoint p) override;
  void DrawMouseUp(win::Canvas& canvas, TPicType kind, TMouseButton button, TShiftState shift,
                   TPoint p) override;
  void DrawMouseMove(win::Canvas& canvas, TPicType kind, TShiftState shift, TPoint p) override;
  void DropDrawing() override;
  TRect PaintBounds() const override;

  // The figure between a and b with whatever pen and brush the canvas holds; then
  // PicId := the kind.
  virtual void DrawShape(win::Canvas& canvas, TPoint a, TPoint b) = 0;

  // Recomputes the handles from the figure, in logical units, and returns them (callers
  // convert them in place).
  virtual std::span<TPoint> CalcHandles() = 0;

  // The modifier keys (GetShiftState) at the last DragTrack; DragEnd reads Ctrl from it.
  TShiftState DragShift = 0;

 protected:
  // firstHandleHit: the hit code of the first handle; the others follow it in order.
  explicit TShapePic(uint8_t firstHandleHit) : firstHandleHit_(firstHandleHit) {}

  // How the row of handles answers a hit test and shows: the hit code of handle i, and
  // whether a later handle wins over an earlier one where their squares overlap.
  virtual uint8_t HandleHitCode(size_t i) const { return static_cast<uint8_t>(firstHandleHit_ + i); }
  bool lastHandleWins_ = false;
  size_t greenHandlesFrom_ = SIZE_MAX;  // the handles from here on are the kind's own, in green

  // The two points that define the figure, as stored: logical units once complete,
  // device units while it is being drawn.
  virtual std::array<TPoint, 2> ShapeCorners() const = 0;
  virtual void SetShapeCorners(TPoint a, TPoint b) = 0;
  // The outline (logical units) for a drag by d of the part hitCode that has brought the
  // mouse to `mouse`; none if it shows nothing. A drag that changes the figure as it goes
  // (a rounded rectangle's corner handles) does so here.
  virtual std::optional<std::array<TPoint, 2>> DragOutline(uint8_t hitCode, bool ctrl, TPoint d,
                                                           TPoint mouse) = 0;
  // Applies that drag ended at mouse, bounding rect included.
  virtual void ApplyDrag(uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) = 0;
  // The rubber band (device units) follows the mouse to p.
  virtual void GrowBand(TPoint p, TShiftState shift) = 0;
  // Makes the figure of the finished band: minimum size, logical units, bounding rect.
  // Returns the device points to draw it between.
  virtual std::array<TPoint, 2> FinishBand(win::Canvas& canvas) = 0;

 private:
  void DrawCorners(win::Canvas& canvas, const std::array<TPoint, 2>& corners);

  const uint8_t firstHandleHit_;
  bool creating_ = false;   // a press has started a figure that no release has finished
  bool bandShown_ = false;  // the rubber band of the figure being drawn is on the canvas
};

}  // namespace vk
