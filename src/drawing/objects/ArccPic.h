#pragma once
// TArccPic: an elliptic arc, a sector (pie) or a chord, by PicArccType. It runs
// counter-clockwise on the ellipse of ShapeRect from the ray through StartPoint to the
// ray through EndPoint. It is drawn in two phases: a circle about the press point, then
// the end angle. Its start and end handles (hit codes 14, 15) stay on the ellipse, and
// the frame handles scale it about its centre.
#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "core/Geometry.h"
#include "drawing/objects/PicBase.h"

namespace vk {

enum TArccType : uint8_t { Arcc_Arc = 0, Arcc_Sector = 1, Arcc_Chord = 2 };

class TArccPic : public TPicBase {
 public:
  void Draw(win::Canvas& canvas) override;
  void MoveBy(win::Canvas& canvas, TPoint offset) override;
  uint8_t HitTest(win::Canvas& canvas, TPoint p) override;
  // The arc's band, a hollow sector's or chord's band with its radii or chord, or a
  // filled one's whole area. A type outside 0..2 (a damaged file) has no body.
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
  void DropDrawing() override;
  bool UnderConstruction() const override { return CreateStep == 1; }
  bool AwaitsRelease() const override { return CreateStep == 1; }
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;
  std::unique_ptr<TPicBase> CreateEmpty() const override;
  TRect PaintBounds() const override;

  // The frame handles of ShapeRect, then StartPoint and EndPoint.
  std::span<TPoint> CalcHandles();
  // Arc, Pie or Chord by PicArccType with the canvas's pen and brush; another type draws
  // nothing. PicId := PIC_ARCC.
  void DrawShape(win::Canvas& canvas, TPoint topLeft, TPoint bottomRight, TPoint start, TPoint end);
  void SetPicArccType(TArccType type) {
    if (PicArccType != type) PicArccType = type;
  }
  uint8_t Subtype() const override { return PicArccType; }
  void SetSubtype(uint8_t type) override { SetPicArccType(static_cast<TArccType>(type)); }
  void DescribeShape(DescribedObject& d) const override {
    d.Start = ShapeRect.TopLeft();
    d.End = ShapeRect.BottomRight();
    d.ArcStart = StartPoint;
    d.ArcEnd = EndPoint;
  }

  TRect ShapeRect;
  std::array<TPoint, 10> Handles{};
  TPoint StartPoint;
  TPoint EndPoint;
  TArccType PicArccType = Arcc_Arc;
  uint8_t CreateStep = 0;  // 0: the circle is drawn; 1: the end angle

 private:
  struct Geometry {
    TRect Box;
    TPoint Start, End;
  };
  Geometry Current() const { return {ShapeRect, StartPoint, EndPoint}; }
  // The figure after a drag by d of the part hitCode; unchanged for another code.
  Geometry Dragged(uint8_t hitCode, TPoint d) const;
  void DrawGeometry(win::Canvas& canvas, Geometry g);
  // The rubber band of the second phase: the arc and the radius to its end.
  void DrawBand(win::Canvas& canvas);
  // The whole ellipse in the object's own pen, shown while the end is chosen.
  void DrawGuide(win::Canvas& canvas);
  TPoint OnEllipse(TPoint p) const;

  bool pressed_ = false;    // a press has started the circle
  bool bandShown_ = false;  // the XOR band (circle, or arc and radius) is on the surface
};

}  // namespace vk
