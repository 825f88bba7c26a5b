#pragma once
// TBoxPic: what the rectangle and the ellipse share. Both are figures inside an
// axis-aligned box with the eight frame handles (hit codes 1..8); they are drawn,
// created, moved and resized alike and store the same tail. Only the drawing call and
// the hit region differ, which each kind supplies.
#include <windows.h>

#include <array>

#include "core/Geometry.h"
#include "drawing/objects/ShapePic.h"

namespace vk {

class TBoxPic : public TShapePic {
 public:
  void MoveBy(win::Canvas& canvas, TPoint offset) override;
  // Copies ShapeRect from another rectangle or ellipse.
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;

  // Handles[0..7] := the frame handles 1..8 of ShapeRect, in logical units.
  std::span<TPoint> CalcHandles() override;

  // Logical units and normalised once complete (device units, drag order while drawn).
  TRect ShapeRect;
  std::array<TPoint, 8> Handles{};

 protected:
  TBoxPic() : TShapePic(kHitTopLeft) {}
  // The body region of the kind's shape (CreateRectRgn, CreateEllipticRgn, ...) over the
  // bounding rect in device units: the whole shape when filled, a ring 3 pixels either
  // side of the outline when the brush is clear.
  using RegionMaker = HRGN(WINAPI*)(int, int, int, int);
  win::Region CreateBodyRegion(win::Canvas& canvas, RegionMaker make) const;

  std::array<TPoint, 2> ShapeCorners() const override {
    return {ShapeRect.TopLeft(), ShapeRect.BottomRight()};
  }
  void SetShapeCorners(TPoint a, TPoint b) override { ShapeRect = {a.X, a.Y, b.X, b.Y}; }
  std::optional<std::array<TPoint, 2>> DragOutline(uint8_t hitCode, bool ctrl,
                                                   TPoint d) const override;
  // A handle dragged past the opposite side flips the box.
  void ApplyDrag(uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) override;
  // Ctrl keeps the centre.
  void GrowBand(TPoint p, TShiftState shift) override;
  std::array<TPoint, 2> FinishBand(win::Canvas& canvas) override;
};

}  // namespace vk
