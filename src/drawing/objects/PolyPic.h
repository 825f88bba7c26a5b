#pragma once
// TPolyPic: a polyline (PolyOpen) or polygon (PolyClose) built click by click with a
// floating last vertex that follows the mouse, finished by a right press (or a double
// click, through the editor). Any number of vertices. Its vertices can be dragged one by
// one (hit code 16); a hollow one is hit only near its edges.
#include <cstdint>
#include <memory>
#include <vector>

#include "drawing/objects/PointsPic.h"

namespace vk {

enum TPolyType : uint8_t { PolyOpen = 0, PolyClose = 1 };

class TPolyPic : public TPointsPic {
 public:
  TPolyPic() : TPointsPic(kHitVertex) {}

  // The bands along the edges (the closing one too for a hollow polygon), or a filled
  // polygon's area. Fewer than two vertices (a damaged file) have no body.
  win::Region CreateRegion(win::Canvas& canvas) override;
  void DrawMouseDown(win::Canvas& canvas, TPicType kind, TMouseButton button, TShiftState shift,
                     TPoint p) override;
  void DrawMouseUp(win::Canvas& canvas, TPicType kind, TMouseButton button, TShiftState shift,
                   TPoint p) override;
  void DrawMouseMove(win::Canvas& canvas, TPicType kind, TShiftState shift, TPoint p) override;
  void DropDrawing() override;
  bool UnderConstruction() const override { return PicState; }
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;
  std::unique_ptr<TPicBase> CreateEmpty() const override;

  // Polyline (open) or Polygon (closed, filled with the canvas brush); PicId := PIC_POLY.
  void DrawShape(win::Canvas& canvas, std::span<const TPoint> pts) override;

  void SetPolyType(TPolyType type) {
    if (PolyType != type) PolyType = type;
  }
  uint8_t Subtype() const override { return PolyType; }
  void SetSubtype(uint8_t type) override { SetPolyType(static_cast<TPolyType>(type)); }
  void DescribeShape(DescribedObject& d) const override { d.Vertices = PolyPoint; }
  int32_t PolyPointNum() const { return static_cast<int32_t>(PolyPoint.size()); }

  TPolyType PolyType = PolyOpen;
  std::vector<TPoint> PolyPoint;  // logical units; while built, device units, the last one floating
  int32_t SelVertex = 0;
  bool PicState = false;  // being built by mouse

 protected:
  std::span<TPoint> Placed() override { return PolyPoint; }
  int32_t& Selected() override { return SelVertex; }
  int32_t SelectedIndex() const override { return SelVertex; }
  bool Drawable() const override { return PolyPoint.size() >= 2; }
  bool BodyHit(win::Canvas& canvas, TPoint p) override;
  // A vertex drag shows only the edges at that vertex.
  void DrawDragOutline(win::Canvas& canvas, uint8_t hitCode, TPoint d) override;

 private:
  bool HollowEdges() const { return PolyType != PolyClose || PicBrush.Style == kBrushClear; }
  // The edges whose bands make the body: (i, i + 1), and (n - 1, 0) for a closed one.
  size_t EdgeCount() const;
  // The segment from the last fixed vertex to the floating one, XOR: drawn again, it goes.
  void DrawRubberSegment(win::Canvas& canvas);
};

}  // namespace vk
