#include "drawing/objects/LinePic.h"

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

}  // namespace

void TLinePic::CalcHandles() { Handles = {LineStart, LineEnd}; }

void TLinePic::DrawShape(win::Canvas& canvas, TPoint a, TPoint b) {
  canvas.MoveTo(a);
  canvas.LineTo(b);
  PicId = PIC_LINE;
}

void TLinePic::Draw(win::Canvas& canvas) {
  canvas.SetPen(PicPen);
  canvas.SetBrush(PicBrush);
  canvas.SetFont(PicFont);
  std::array<TPoint, 2> pts{LineStart, LineEnd};
  canvas.LPtoDP(pts);
  DrawShape(canvas, pts[0], pts[1]);
  if (Choosed) DrawFocus(canvas);
}

void TLinePic::MoveBy(win::Canvas&, TPoint offset) {
  LineStart = WrapAdd(LineStart, offset);
  LineEnd = WrapAdd(LineEnd, offset);
  Bounds = SpanRect(LineStart, LineEnd, kRaiseAfterEdit);
}

win::Region TLinePic::CreateRegion(win::Canvas& canvas) {
  std::array<TPoint, 2> pts{LineStart, LineEnd};
  canvas.LPtoDP(pts);
  return CreateSegmentRegion(pts[0].X, pts[0].Y, pts[1].X, pts[1].Y);
}

uint8_t TLinePic::HitTest(win::Canvas& canvas, TPoint p) {
  uint8_t result = kHitNone;
  const win::Region region = CreateRegion(canvas);
  if (region && ::PtInRegion(region.Get(), p.X, p.Y)) result = kHitBody;
  if (Choosed) {
    CalcHandles();
    canvas.LPtoDP(Handles);
    // The start wins when both squares hold p (a very short line).
    if (Contains(HandleRect(Handles[0], HandleHalfSize), p)) {
      result = kHitLineStart;
    } else if (Contains(HandleRect(Handles[1], HandleHalfSize), p)) {
      result = kHitLineEnd;
    }
  }
  return result;
}

void TLinePic::DrawFocus(win::Canvas& canvas) {
  CalcHandles();
  canvas.LPtoDP(Handles);
  canvas.SetPen(FocusPen);
  canvas.SetBrush(FocusBrush);
  for (const TPoint& h : Handles) canvas.Rectangle(HandleRect(h, HandleHalfSize));
}

void TLinePic::DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect, int32_t downX,
                         int32_t downY, int32_t lastX, int32_t lastY, int32_t x, int32_t y) {
  // The outline to erase was drawn with the modifiers of the previous call; using them
  // again takes it away even when Ctrl changed in between.
  const bool wasCtrl = (DragShift & kCtrlKey) != 0;
  DragShift = GetShiftState();
  const bool ctrl = (DragShift & kCtrlKey) != 0;
  std::array<TPoint, 3> pts{TPoint{downX, downY}, TPoint{lastX, lastY}, TPoint{x, y}};
  canvas.DPtoLP(pts);
  UseRubberBandTools(canvas);
  const LineEnds line{LineStart, LineEnd};
  const auto outline = [&](TPoint d, bool withCtrl) {
    const auto o = LineDragOutline(line, hitCode, withCtrl, d);
    if (!o) return;
    std::array<TPoint, 2> ends{o->Start, o->End};
    canvas.LPtoDP(ends);
    DrawShape(canvas, ends[0], ends[1]);
  };
  outline(WrapSub(pts[1], pts[0]), wasCtrl);
  outline(WrapSub(pts[2], pts[0]), ctrl);
}

void TLinePic::DragEnd(win::Canvas&, uint8_t hitCode, TRect, int32_t downX, int32_t downY,
                       int32_t x, int32_t y) {
  const TPoint d{WrapSub(x, downX), WrapSub(y, downY)};
  const LineEnds moved = LineDragResult({LineStart, LineEnd}, hitCode,
                                        (DragShift & kCtrlKey) != 0, d, TPoint{x, y});
  LineStart = moved.Start;
  LineEnd = moved.End;
  Bounds = SpanRect(LineStart, LineEnd, kRaiseAfterEdit);
}

void TLinePic::DrawMouseDown(win::Canvas& canvas, TPicType, TMouseButton button, TShiftState,
                             TPoint p) {
  if (button == TMouseButton::Right) return;
  canvas.SetPen(PicPen);
  canvas.SetPenMode(PenMode::NotXor);
  canvas.SetBrush(PicBrush);
  LineStart = p;
  LineEnd = p;
  creating_ = true;
  bandShown_ = false;
}

void TLinePic::DrawMouseMove(win::Canvas& canvas, TPicType, TShiftState shift, TPoint p) {
  if (!creating_ || (shift & kLeftButton) == 0) return;
  if (bandShown_) DrawShape(canvas, LineStart, LineEnd);  // NOT-XOR again: erased
  const LineEnds next = LineRubberBand({LineStart, LineEnd}, p, shift);
  LineStart = next.Start;
  LineEnd = next.End;
  DrawShape(canvas, LineStart, LineEnd);
  bandShown_ = true;
}

void TLinePic::DrawMouseUp(win::Canvas& canvas, TPicType, TMouseButton, TShiftState, TPoint) {
  // A release that no press of ours began (a right-button drag) must not finish the
  // previous line a second time.
  if (!creating_) return;
  creating_ = false;
  // Take the rubber band away first, so that a line grown to the minimum size leaves no
  // trace of the short one.
  if (bandShown_) DrawShape(canvas, LineStart, LineEnd);
  bandShown_ = false;
  const LineEnds sized = LineMinimumSize({LineStart, LineEnd});
  std::array<TPoint, 2> pts{sized.Start, sized.End};
  canvas.DPtoLP(pts);
  LineStart = pts[0];
  LineEnd = pts[1];
  Bounds = SpanRect(LineStart, LineEnd, kRaiseAtCreation);
  canvas.SetPen(PicPen);
  canvas.SetBrush(PicBrush);
  canvas.SetFont(PicFont);
  DrawShape(canvas, sized.Start, sized.End);
  if (DrawEndEvent) DrawEndEvent(this);
}

void TLinePic::Assign(const TPicBase& source) {
  TPicBase::Assign(source);
  if (const auto* line = dynamic_cast<const TLinePic*>(&source)) {
    LineStart = line->LineStart;
    LineEnd = line->LineEnd;
  }
}

bool TLinePic::LoadFromBuffer(ByteReader& r) {
  LineRecord rec;
  if (!ReadLineRecord(r, rec)) return false;
  FromRecord(rec.common);
  LineStart = rec.line.Start;
  LineEnd = rec.line.End;
  return true;
}

void TLinePic::SaveToBuffer(ByteWriter& w) const {
  WriteLineRecord(w, {ToRecord(), {LineStart, LineEnd}});
}

std::unique_ptr<TPicBase> TLinePic::CreateEmpty() const { return std::make_unique<TLinePic>(); }

}  // namespace vk
