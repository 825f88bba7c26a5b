#include "drawing/objects/BoxPic.h"

#include "core/ShapeMath.h"
#include "core/ShapeRecords.h"

namespace vk {

namespace {

std::array<TPoint, 2> Corners(const TRect& r) { return {r.TopLeft(), r.BottomRight()}; }

}  // namespace

std::span<TPoint> TBoxPic::CalcHandles() {
  Handles = FrameHandles(ShapeRect);
  return Handles;
}

void TBoxPic::MoveBy(win::Canvas&, TPoint offset) {
  ShapeRect = WrapOffset(ShapeRect, offset);
  Bounds = NormalizeRaised(ShapeRect, kRaiseAfterEdit);
}

win::Region TBoxPic::CreateBodyRegion(win::Canvas& canvas, const RegionMaker& make) const {
  std::array<TPoint, 2> pts = Corners(Bounds);
  canvas.LPtoDP(pts);
  const TRect body{pts[0].X, pts[0].Y, pts[1].X, pts[1].Y};
  if (PicBrush.Style != kBrushClear) return win::Region(make(body.Left, body.Top, body.Right, body.Bottom));
  const HollowRing ring = MakeHollowRing(body);
  win::Region outer(make(ring.Outer.Left, ring.Outer.Top, ring.Outer.Right, ring.Outer.Bottom));
  if (outer && ring.HasHole) {
    const win::Region inner(make(ring.Inner.Left, ring.Inner.Top, ring.Inner.Right, ring.Inner.Bottom));
    if (inner) ::CombineRgn(outer.Get(), outer.Get(), inner.Get(), RGN_DIFF);
  }
  return outer;
}

std::optional<std::array<TPoint, 2>> TBoxPic::DragOutline(uint8_t hitCode, bool ctrl, TPoint d,
                                                          TPoint) {
  const auto o = BoxDragOutline(ShapeRect, hitCode, ctrl, d);
  if (!o) return std::nullopt;
  return Corners(*o);
}

void TBoxPic::ApplyDrag(uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) {
  ShapeRect = NormalizeRaised(BoxDragResult(ShapeRect, hitCode, ctrl, d, mouse), kRaiseAfterEdit);
  Bounds = ShapeRect;
}

void TBoxPic::GrowBand(TPoint p, TShiftState shift) {
  ShapeRect = BoxRubberBand(ShapeRect, p, (shift & kCtrlKey) != 0);
}

std::array<TPoint, 2> TBoxPic::FinishBand(win::Canvas& canvas) {
  std::array<TPoint, 2> pts = Corners(BoxMinimumSize(ShapeRect));
  canvas.DPtoLP(pts);
  ShapeRect = SpanRect(pts[0], pts[1], kRaiseAtCreation);
  Bounds = ShapeRect;
  // Drawn from the normalised box, which may differ from the band's drag order.
  std::array<TPoint, 2> dev = Corners(ShapeRect);
  canvas.LPtoDP(dev);
  return dev;
}

void TBoxPic::Assign(const TPicBase& source) {
  TPicBase::Assign(source);
  if (const auto* box = dynamic_cast<const TBoxPic*>(&source)) ShapeRect = box->ShapeRect;
}

bool TBoxPic::LoadFromBuffer(ByteReader& r) {
  BoxRecord rec;
  if (!ReadBoxRecord(r, rec)) return false;
  FromRecord(rec.common);
  ShapeRect = rec.box;
  return true;
}

void TBoxPic::SaveToBuffer(ByteWriter& w) const { WriteBoxRecord(w, {ToRecord(), ShapeRect}); }

}  // namespace vk
