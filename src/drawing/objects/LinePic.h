#pragma once
// TLinePic: a straight line. Its end points stay as placed (never swapped) and each is a
// handle of its own (hit codes 10 and 11). While it is drawn, Shift snaps the direction
// to 15-degree steps and Ctrl keeps the midpoint fixed; while an end is dragged, Ctrl
// mirrors the other end through the midpoint.
#include <array>
#include <memory>

#include "core/Geometry.h"
#include "drawing/objects/ShapePic.h"

namespace vk {

class TLinePic : public TShapePic {
 public:
  TLinePic() : TShapePic(kHitLineStart) {}

  void MoveBy(win::Canvas& canvas, TPoint offset) override;
  win::Region CreateRegion(win::Canvas& canvas) override;
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;
  std::unique_ptr<TPicBase> CreateEmpty() const override;

  // Handles := (LineStart, LineEnd), in logical units until the caller converts them.
  std::span<TPoint> CalcHandles() override;
  // MoveTo(a), LineTo(b) with whatever pen the canvas holds; then PicId := PIC_LINE.
  void DrawShape(win::Canvas& canvas, TPoint a, TPoint b) override;

  // Logical units once the line is complete (device units while it is being drawn).
  TPoint LineStart;
  TPoint LineEnd;
  std::array<TPoint, 2> Handles{};

  void DescribeShape(DescribedObject& d) const override {
    d.Start = LineStart;
    d.End = LineEnd;
  }

 protected:
  std::array<TPoint, 2> ShapeCorners() const override { return {LineStart, LineEnd}; }
  void SetShapeCorners(TPoint a, TPoint b) override {
    LineStart = a;
    LineEnd = b;
  }
  std::optional<std::array<TPoint, 2>> DragOutline(uint8_t hitCode, bool ctrl, TPoint d,
                                                   TPoint mouse) override;
  void ApplyDrag(uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) override;
  // Shift snaps the direction, Ctrl keeps the midpoint.
  void GrowBand(TPoint p, TShiftState shift) override;
  std::array<TPoint, 2> FinishBand(win::Canvas& canvas) override;
};

}  // namespace vk
