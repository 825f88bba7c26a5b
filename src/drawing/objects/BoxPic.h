#pragma once
// TBoxPic: what the rectangle and the ellipse share. Both are figures inside an
// axis-aligned box with the eight frame handles (hit codes 1..8); they are drawn,
// created, moved and resized alike and store the same tail. Only the drawing call and
// the hit region differ, which each kind supplies.
#include <windows.h>

#include <array>

#include "core/Geometry.h"
#include "drawing/objects/PicBase.h"

namespace vk {

class TBoxPic : public TPicBase {
 public:
  void Draw(win::Canvas& canvas) override;
  void MoveBy(win::Canvas& canvas, TPoint offset) override;
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
  // Copies ShapeRect from another rectangle or ellipse.
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;

  // Handles[0..7] := the frame handles 1..8 of ShapeRect, in logical units.
  void CalcHandles();
  // The figure between corners a and b with whatever pen and brush the canvas holds;
  // then PicId := the kind.
  virtual void DrawShape(win::Canvas& canvas, TPoint a, TPoint b) = 0;

  // Logical units and normalised once complete (device units, drag order while drawn).
  TRect ShapeRect;
  std::array<TPoint, 8> Handles{};
  // The modifier keys (GetShiftState) at the last DragTrack; DragEnd reads Ctrl from it.
  TShiftState DragShift = 0;

 protected:
  TBoxPic() = default;
  // The body region of the kind's shape (CreateRectRgn, CreateEllipticRgn, ...) over the
  // bounding rect in device units: the whole shape when filled, a ring 3 pixels either
  // side of the outline when the brush is clear.
  using RegionMaker = HRGN(WINAPI*)(int, int, int, int);
  win::Region CreateBodyRegion(win::Canvas& canvas, RegionMaker make) const;

 private:
  bool creating_ = false;   // a press has started a figure that no release has finished
  bool bandShown_ = false;  // the rubber band of the figure being drawn is on the canvas
};

}  // namespace vk
