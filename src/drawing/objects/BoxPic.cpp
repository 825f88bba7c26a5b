#include "drawing/objects/BoxPic.h"

#include "core/ShapeMath.h"
#include "core/ShapeRecords.h"
#include "drawing/objects/PicFuns.h"

namespace vk {

namespace {

void UseRubberBandTools(win::Canvas& canvas) {
  PenAttrs& pen = canvas.Pen();
  pen.Width = 1;
  pen.Mode = PenMode::Xor;
  pen.Style = kPenDot;
  canvas.Brush().Style = kBrushClear;
}

std::array<TPoint, 2> Corners(const TRect& r) { return {r.TopLeft(), r.BottomRight()}; }

}  // namespace

void TBoxPic::CalcHandles() { Handles = FrameHandles(ShapeRect); }

void TBoxPic::Draw(win::Canvas& canvas) {
  std::array<TPoint, 2> pts = Corners(ShapeRect);
  canvas.LPtoDP(pts);
  canvas.SetPen(PicPen);
  canvas.SetBrush(PicBrush);
  canvas.SetFont(PicFont);
  DrawShape(canvas, pts[0], pts[1]);
  if (Choosed) DrawFocus(canvas);
}

void TBoxPic::MoveBy(win::Canvas&, TPoint offset) {
  ShapeRect = {WrapAdd(ShapeRect.Left, offset.X), WrapAdd(ShapeRect.Top, offset.Y),
               WrapAdd(ShapeRect.Right, offset.X), WrapAdd(ShapeRect.Bottom, offset.Y)};
  Bounds = NormalizeRaised(ShapeRect, kRaiseAfterEdit);
}

win::Region TBoxPic::CreateBodyRegion(win::Canvas& canvas, RegionMaker make) const {
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

uint8_t TBoxPic::HitTest(win::Canvas& canvas, TPoint p) {
  uint8_t result = kHitNone;
  const win::Region region = CreateRegion(canvas);
  if (region && ::PtInRegion(region.Get(), p.X, p.Y)) result = kHitBody;
  if (Choosed) {
    CalcHandles();
    canvas.LPtoDP(Handles);
    for (size_t i = 0; i < Handles.size(); ++i) {
      if (Contains(HandleRect(Handles[i], HandleHalfSize), p)) {
        result = static_cast<uint8_t>(kHitTopLeft + i);
        break;
      }
    }
  }
  return result;
}

void TBoxPic::DrawFocus(win::Canvas& canvas) {
  CalcHandles();
  canvas.LPtoDP(Handles);
  canvas.SetPen(FocusPen);
  canvas.SetBrush(FocusBrush);
  for (const TPoint& h : Handles) canvas.Rectangle(HandleRect(h, HandleHalfSize));
}

void TBoxPic::DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect, int32_t downX, int32_t downY,
                        int32_t lastX, int32_t lastY, int32_t x, int32_t y) {
  // The outline to erase was drawn with the modifiers of the previous call; using them
  // again takes it away even when Ctrl changed in between.
  const bool wasCtrl = (DragShift & kCtrlKey) != 0;
  DragShift = GetShiftState();
  const bool ctrl = (DragShift & kCtrlKey) != 0;
  std::array<TPoint, 3> pts{TPoint{downX, downY}, TPoint{lastX, lastY}, TPoint{x, y}};
  canvas.DPtoLP(pts);
  UseRubberBandTools(canvas);
  const auto outline = [&](TPoint d, bool withCtrl) {
    const auto o = BoxDragOutline(ShapeRect, hitCode, withCtrl, d);
    if (!o) return;
    std::array<TPoint, 2> corners = Corners(*o);
    canvas.LPtoDP(corners);
    DrawShape(canvas, corners[0], corners[1]);
  };
  outline(WrapSub(pts[1], pts[0]), wasCtrl);
  outline(WrapSub(pts[2], pts[0]), ctrl);
}

void TBoxPic::DragEnd(win::Canvas&, uint8_t hitCode, TRect, int32_t downX, int32_t downY,
                      int32_t x, int32_t y) {
  const TPoint d{WrapSub(x, downX), WrapSub(y, downY)};
  const TRect moved =
      BoxDragResult(ShapeRect, hitCode, (DragShift & kCtrlKey) != 0, d, TPoint{x, y});
  // A handle dragged past the opposite side flips the box.
  ShapeRect = NormalizeRaised(moved, kRaiseAfterEdit);
  Bounds = ShapeRect;
}

void TBoxPic::DrawMouseDown(win::Canvas& canvas, TPicType, TMouseButton button, TShiftState,
                            TPoint p) {
  if (button == TMouseButton::Right) return;
  canvas.SetPen(PicPen);
  canvas.SetPenMode(PenMode::NotXor);
  canvas.SetBrush(PicBrush);
  ShapeRect = {p.X, p.Y, p.X, p.Y};
  creating_ = true;
  bandShown_ = false;
}

void TBoxPic::DrawMouseMove(win::Canvas& canvas, TPicType, TShiftState shift, TPoint p) {
  if (!creating_ || (shift & kLeftButton) == 0) return;
  // NOT-XOR again erases the band, its fill included.
  if (bandShown_) DrawShape(canvas, ShapeRect.TopLeft(), ShapeRect.BottomRight());
  ShapeRect = BoxRubberBand(ShapeRect, p, (shift & kCtrlKey) != 0);
  DrawShape(canvas, ShapeRect.TopLeft(), ShapeRect.BottomRight());
  bandShown_ = true;
}

void TBoxPic::DrawMouseUp(win::Canvas& canvas, TPicType, TMouseButton, TShiftState, TPoint) {
  // A release that no press of ours began (a right-button drag) must not finish the
  // previous figure a second time.
  if (!creating_) return;
  creating_ = false;
  // Take the rubber band away first: the finished figure may differ from it (minimum
  // size, a degenerate side widened).
  if (bandShown_) DrawShape(canvas, ShapeRect.TopLeft(), ShapeRect.BottomRight());
  bandShown_ = false;
  std::array<TPoint, 2> pts = Corners(BoxMinimumSize(ShapeRect));
  canvas.DPtoLP(pts);
  ShapeRect = SpanRect(pts[0], pts[1], kRaiseAtCreation);
  Bounds = ShapeRect;
  canvas.SetPen(PicPen);
  canvas.SetBrush(PicBrush);
  canvas.SetFont(PicFont);
  std::array<TPoint, 2> dev = Corners(ShapeRect);
  canvas.LPtoDP(dev);
  DrawShape(canvas, dev[0], dev[1]);
  if (DrawEndEvent) DrawEndEvent(this);
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
