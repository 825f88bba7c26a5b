#pragma once
// TPointsPic: what the polyline (and polygon) and the Bezier curve share. Each is a row
// of points with the eight frame handles of its bounding rect (hit codes 1..8) and one
// green handle per point (a code of the kind's own). The frame handles scale the points
// about the opposite side, the body moves them all, a point's handle moves that point.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/Geometry.h"
#include "drawing/objects/PicBase.h"

namespace vk {

class TPointsPic : public TPicBase {
 public:
  void Draw(win::Canvas& canvas) override;
  void MoveBy(win::Canvas& canvas, TPoint offset) override;
  // A point's handle wins over a frame handle, and both over the body.
  uint8_t HitTest(win::Canvas& canvas, TPoint p) override;
  void DrawFocus(win::Canvas& canvas) override;
  void DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect rect, int32_t downX, int32_t downY,
                 int32_t lastX, int32_t lastY, int32_t x, int32_t y) override;
  void DragEnd(win::Canvas& canvas, uint8_t hitCode, TRect rect, int32_t downX, int32_t downY,
               int32_t x, int32_t y) override;
  TRect PaintBounds() const override;

  // Handles := the frame handles of the bounding rect, in logical units.
  std::span<TPoint> CalcHandles();
  // The figure through pts (device units) with the canvas's pen and brush; PicId := the kind.
  virtual void DrawShape(win::Canvas& canvas, std::span<const TPoint> pts) = 0;

  std::array<TPoint, 8> Handles{};

 protected:
  explicit TPointsPic(uint8_t pointHit) : pointHit_(pointHit) {}

  // The placed points: what is drawn, moved, scaled, bounded and has a handle each.
  virtual std::span<TPoint> Placed() = 0;
  std::span<const TPoint> Placed() const { return const_cast<TPointsPic*>(this)->Placed(); }
  // The index of the point the last hit on a point's handle found.
  virtual int32_t& Selected() = 0;
  virtual int32_t SelectedIndex() const = 0;
  // Whether the figure can be drawn at all (enough points).
  virtual bool Drawable() const = 0;
  // Whether p (device units) lies on the body. By default: in CreateRegion.
  virtual bool BodyHit(win::Canvas& canvas, TPoint p) { return InRegion(canvas, p); }
  // The outline for a drag by d of the part hitCode, drawn with the canvas's pen.
  virtual void DrawDragOutline(win::Canvas& canvas, uint8_t hitCode, TPoint d);
  // The placed points after such a drag; unchanged for a code that moves nothing.
  std::vector<TPoint> Dragged(uint8_t hitCode, TPoint d) const;
  // Draws the placed points as they are (logical units) with DrawShape.
  void DrawPoints(win::Canvas& canvas, std::vector<TPoint> pts);
  // Bounding rect := the points' extent, a flat side raised by 1.
  void CalcBounds();
  bool Drags(uint8_t hitCode) const { return (hitCode >= 1 && hitCode <= 9) || hitCode == pointHit_; }

 private:
  const uint8_t pointHit_;
};

}  // namespace vk
