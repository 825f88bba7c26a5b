#pragma once
// TLinePic: a straight line. Its end points stay as placed (never swapped) and each is a
// handle of its own (hit codes 10 and 11). While it is drawn, Shift snaps the direction
// to 15-degree steps and Ctrl keeps the midpoint fixed; while an end is dragged, Ctrl
// mirrors the other end through the midpoint.
#include <array>
#include <memory>

#include "core/Geometry.h"
#include "drawing/objects/PicBase.h"

namespace vk {

class TLinePic : public TPicBase {
 public:
  TLinePic() = default;

  void Draw(win::Canvas& canvas) override;
  void MoveBy(win::Canvas& canvas, TPoint offset) override;
  uint8_t HitTest(win::Canvas& canvas, TPoint p) override;
  win::Region CreateRegion(win::Canvas& canvas) override;
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
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;
  std::unique_ptr<TPicBase> CreateEmpty() const override;

  // Handles := (LineStart, LineEnd), in logical units until the caller converts them.
  void CalcHandles();
  // MoveTo(a), LineTo(b) with whatever pen the canvas holds; then PicId := PIC_LINE.
  void DrawShape(win::Canvas& canvas, TPoint a, TPoint b);

  // Logical units once the line is complete (device units while it is being drawn).
  TPoint LineStart;
  TPoint LineEnd;
  std::array<TPoint, 2> Handles{};
  // The modifier keys (GetShiftState) at the last DragTrack; DragEnd reads Ctrl from it.
  TShiftState DragShift = 0;

 private:
  bool creating_ = false;   // a press has started a line that no release has finished
  bool bandShown_ = false;  // the rubber band of the line being drawn is on the canvas
};

}  // namespace vk
