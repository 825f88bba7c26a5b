#pragma once
// TBoxPic: what the rectangle, the ellipse and the rounded rectangle share. Each is a
// figure inside an axis-aligned box with the eight frame handles (hit codes 1..8); they
// are drawn, created, moved and resized alike. The drawing call and the hit region are
// each kind's; the rounded rectangle adds its corners to the box and its tail.
#include <windows.h>

#include <array>
#include <functional>

#include "core/Geometry.h"
#include "drawing/objects/ShapePic.h"

namespace vk {

class TBoxPic : public TShapePic {
 public:
  void MoveBy(win::Canvas& canvas, TPoint offset) override;
  // Copies ShapeRect from another boxed figure.
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;

  // Handles[0..7] := the frame handles 1..8 of ShapeRect, in logical units.
  std::span<TPoint> CalcHandles() override;

  // Logical units and normalised once complete (device units, drag order while drawn).
  TRect ShapeRect;
  std::array<TPoint, 8> Handles{};

  void DescribeShape(DescribedObject& d) const override {
    d.Start = ShapeRect.TopLeft();
    d.End = ShapeRect.BottomRight();
  }

 protected:
  TBoxPic() : TShapePic(kHitTopLeft) {}
  // The body region of the kind's shape (CreateRectRgn, CreateEllipticRgn, ...) over the
  // bounding rect in device units: the whole shape when filled, a ring 3 pixels either
  // side of the outline when the brush is clear.
  using RegionMaker = std::function<HRGN(int, int, int, int)>;
  win::Region CreateBodyRegion(win::Canvas& canvas, const RegionMaker& make) const;

  std::array<TPoint, 2> ShapeCorners() const override {
    return {ShapeRect.TopLeft(), ShapeRect.BottomRight()};
  }
  void SetShapeCorners(TPoint a, TPoint b) override { ShapeRect = {a.X, a.Y, b.X, b.Y}; }
  std::optional<std::array<TPoint, 2>> DragOutline(uint8_t hitCode, bool ctrl, TPoint d,
                                                   TPoint mouse) override;
  // A handle dragged past the opposite side flips the box.
  void ApplyDrag(uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) override;
  // Ctrl keeps the centre.
  void GrowBand(TPoint p, TShiftState shift) override;
  std::array<TPoint, 2> FinishBand(win::Canvas& canvas) override;
};

}  // namespace vk
