#pragma once
// TRounPic: a rectangle with rounded corners. The rounding is kept as two ratios of the
// box's size, so the corners follow every resize; two green handles (hit codes 12 and
// 13) set the ratios, held to 0..1. Otherwise it is drawn, created, moved and resized
// as the rectangle is.
#include <array>
#include <memory>

#include "core/FigureMath.h"
#include "drawing/objects/BoxPic.h"

namespace vk {

class TRounPic : public TBoxPic {
 public:
  TRounPic();
  win::Region CreateRegion(win::Canvas& canvas) override;
  // Takes ShapeRect and CornerSize; the ratios follow from them.
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;
  std::unique_ptr<TPicBase> CreateEmpty() const override;
  TRect PaintBounds() const override;

  // The frame handles, then 9 at (Left + CornerSize.X, Top) and 10 at (Left, Top + CornerSize.Y).
  std::span<TPoint> CalcHandles() override;
  // RoundRect(a, b, CornerSize); PicId := PIC_ROUN.
  void DrawShape(win::Canvas& canvas, TPoint a, TPoint b) override;

  std::array<TPoint, 10> Handles{};
  TPoint CornerSize;  // width and height of the corner ellipse
  float CornerRatioX = 1.0f / 3.0f;
  float CornerRatioY = 1.0f / 3.0f;

  void DescribeShape(DescribedObject& d) const override {
    TBoxPic::DescribeShape(d);
    d.CurvW = CornerSize.X;
    d.CurvH = CornerSize.Y;
  }

 protected:
  uint8_t HandleHitCode(size_t i) const override;
  std::optional<std::array<TPoint, 2>> DragOutline(uint8_t hitCode, bool ctrl, TPoint d,
                                                   TPoint mouse) override;
  void ApplyDrag(uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) override;
  void GrowBand(TPoint p, TShiftState shift) override;
  std::array<TPoint, 2> FinishBand(win::Canvas& canvas) override;

 private:
  void FitCorners() { CornerSize = CornerSizeFor(ShapeRect, CornerRatioX, CornerRatioY); }
};

}  // namespace vk
