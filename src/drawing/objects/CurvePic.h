#pragma once
// TCurvePic: one cubic Bezier segment, drawn with the platform's Bezier call and placed
// with four clicks: start, end, first and second control point. Each of its points can
// be dragged (hit code 17). Its body is the control polygon, not the curve.
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "core/ShapeRecords.h"
#include "drawing/objects/PointsPic.h"

namespace vk {

class TCurvePic : public TPointsPic {
 public:
  TCurvePic() : TPointsPic(kHitControl) {}

  // The control polygon P0 P1 P2 P3; none before all four points are placed.
  win::Region CreateRegion(win::Canvas& canvas) override;
  void DrawMouseDown(win::Canvas& canvas, TPicType kind, TMouseButton button, TShiftState shift,
                     TPoint p) override;
  void DrawMouseUp(win::Canvas& canvas, TPicType kind, TMouseButton button, TShiftState shift,
                   TPoint p) override;
  void DrawMouseMove(win::Canvas& canvas, TPicType kind, TShiftState shift, TPoint p) override;
  void DropDrawing() override;
  bool UnderConstruction() const override { return CurvePointNum >= 1 && CurvePointNum < kCurvePoints; }
  bool AwaitsRelease() const override { return CurvePointNum == kCurvePoints && bandShown_; }
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;
  std::unique_ptr<TPicBase> CreateEmpty() const override;

  // PolyBezier of the four points; PicId := PIC_CURVE.
  void DrawShape(win::Canvas& canvas, std::span<const TPoint> pts) override;

  int32_t CurvePointNum = 0;  // points placed, 0..4
  std::array<TPoint, kCurvePoints> CurvePoints{};  // start, control 1, control 2, end
  int32_t SelPoint = -1;

 protected:
  std::span<TPoint> Placed() override {
    return std::span<TPoint>(CurvePoints).first(static_cast<size_t>(std::clamp(CurvePointNum, 0, kCurvePoints)));
  }
  int32_t& Selected() override { return SelPoint; }
  int32_t SelectedIndex() const override { return SelPoint; }
  bool Drawable() const override { return CurvePointNum == kCurvePoints; }

 private:
  void DrawBand(win::Canvas& canvas) { DrawShape(canvas, CurvePoints); }
  // The point that follows the mouse while n points are placed: the end, then the
  // first control point, then the second.
  static size_t FollowerOf(int32_t n) { return n == 1 ? 3 : n == 2 ? 1 : 2; }

  bool bandShown_ = false;
};

}  // namespace vk
