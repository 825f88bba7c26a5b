#include "drawing/objects/RounPic.h"

#include <algorithm>

#include "core/ShapeMath.h"
#include "core/ShapeRecords.h"

namespace vk {

namespace {
constexpr size_t kCornerXHandle = 8;  // handle 9, hit code 12
}  // namespace

TRounPic::TRounPic() {
  // The corner handles lie on the frame's top and left edges: where their squares meet a
  // frame handle's, the corner handle wins.
  lastHandleWins_ = true;
  greenHandlesFrom_ = kCornerXHandle;
}

std::span<TPoint> TRounPic::CalcHandles() {
  const auto frame = FrameHandles(ShapeRect);
  std::copy(frame.begin(), frame.end(), Handles.begin());
  Handles[kCornerXHandle] = {WrapAdd(ShapeRect.Left, CornerSize.X), ShapeRect.Top};
  Handles[kCornerXHandle + 1] = {ShapeRect.Left, WrapAdd(ShapeRect.Top, CornerSize.Y)};
  return Handles;
}

uint8_t TRounPic::HandleHitCode(size_t i) const {
  if (i < kCornerXHandle) return static_cast<uint8_t>(kHitTopLeft + i);
  return i == kCornerXHandle ? kHitCornerX : kHitCornerY;
}

void TRounPic::DrawShape(win::Canvas& canvas, TPoint a, TPoint b) {
  canvas.RoundRect(a.X, a.Y, b.X, b.Y, CornerSize.X, CornerSize.Y);
  PicId = PIC_ROUN;
}

win::Region TRounPic::CreateRegion(win::Canvas& canvas) {
  const TPoint corner = CornerSize;
  return CreateBodyRegion(canvas, [corner](int l, int t, int r, int b) {
    return ::CreateRoundRectRgn(l, t, r, b, corner.X, corner.Y);
  });
}

std::optional<std::array<TPoint, 2>> TRounPic::DragOutline(uint8_t hitCode, bool ctrl, TPoint d,
                                                           TPoint mouse) {
  if (hitCode == kHitCornerX || hitCode == kHitCornerY) {
    // The ratio follows the mouse for good; the box stays.
    if (hitCode == kHitCornerX) CornerRatioX = CornerRatio(mouse.X, ShapeRect.Left, ShapeRect.Right);
    else CornerRatioY = CornerRatio(mouse.Y, ShapeRect.Top, ShapeRect.Bottom);
    FitCorners();
    return std::array<TPoint, 2>{ShapeRect.TopLeft(), ShapeRect.BottomRight()};
  }
  // Outlines of a resize keep the present corner size.
  return TBoxPic::DragOutline(hitCode, ctrl, d, mouse);
}

void TRounPic::ApplyDrag(uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) {
  TBoxPic::ApplyDrag(hitCode, ctrl, d, mouse);
  FitCorners();
}

void TRounPic::GrowBand(TPoint p, TShiftState shift) {
  TBoxPic::GrowBand(p, shift);
  FitCorners();
}

std::array<TPoint, 2> TRounPic::FinishBand(win::Canvas& canvas) {
  const std::array<TPoint, 2> dev = TBoxPic::FinishBand(canvas);
  FitCorners();
  return dev;
}

void TRounPic::Assign(const TPicBase& source) {
  TBoxPic::Assign(source);
  if (const auto* round = dynamic_cast<const TRounPic*>(&source)) {
    CornerSize = round->CornerSize;
    // A box of zero width or height (only a damaged file makes one) has no ratio: the
    // source's own stays.
    CornerRatioX = RatioOf(CornerSize.X, WrapSub(ShapeRect.Right, ShapeRect.Left), round->CornerRatioX);
    CornerRatioY = RatioOf(CornerSize.Y, WrapSub(ShapeRect.Bottom, ShapeRect.Top), round->CornerRatioY);
  }
}

bool TRounPic::LoadFromBuffer(ByteReader& r) {
  RoundRecord rec;
  if (!ReadRoundRecord(r, rec)) return false;
  FromRecord(rec.common);
  ShapeRect = rec.box;
  CornerRatioX = rec.ratioX;
  CornerRatioY = rec.ratioY;
  CornerSize = rec.corner;  // kept as stored until the next edit
  return true;
}

void TRounPic::SaveToBuffer(ByteWriter& w) const {
  WriteRoundRecord(w, {ToRecord(), ShapeRect, CornerRatioX, CornerRatioY, CornerSize});
}

TRect TRounPic::PaintBounds() const {
  // The corner handles, as a stored corner size larger than the box puts them.
  const TPoint corners[] = {{WrapAdd(ShapeRect.Left, CornerSize.X), ShapeRect.Top},
                            {ShapeRect.Left, WrapAdd(ShapeRect.Top, CornerSize.Y)}};
  return Union(TBoxPic::PaintBounds(), PointsBounds(corners, kRaiseAtCreation));
}

std::unique_ptr<TPicBase> TRounPic::CreateEmpty() const { return std::make_unique<TRounPic>(); }

}  // namespace vk
