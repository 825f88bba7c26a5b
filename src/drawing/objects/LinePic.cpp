#include "drawing/objects/LinePic.h"

#include "core/ShapeMath.h"
#include "core/ShapeRecords.h"
#include "drawing/objects/PicFuns.h"

namespace vk {

std::span<TPoint> TLinePic::CalcHandles() {
  Handles = {LineStart, LineEnd};
  return Handles;
}

void TLinePic::DrawShape(win::Canvas& canvas, TPoint a, TPoint b) {
  canvas.MoveTo(a);
  canvas.LineTo(b);
  PicId = PIC_LINE;
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

std::optional<std::array<TPoint, 2>> TLinePic::DragOutline(uint8_t hitCode, bool ctrl, TPoint d,
                                                           TPoint) {
  const auto o = LineDragOutline({LineStart, LineEnd}, hitCode, ctrl, d);
  if (!o) return std::nullopt;
  return std::array<TPoint, 2>{o->Start, o->End};
}

void TLinePic::ApplyDrag(uint8_t hitCode, bool ctrl, TPoint d, TPoint mouse) {
  const LineEnds moved = LineDragResult({LineStart, LineEnd}, hitCode, ctrl, d, mouse);
  LineStart = moved.Start;
  LineEnd = moved.End;
  Bounds = SpanRect(LineStart, LineEnd, kRaiseAfterEdit);
}

void TLinePic::GrowBand(TPoint p, TShiftState shift) {
  const LineEnds next = LineRubberBand({LineStart, LineEnd}, p, shift);
  LineStart = next.Start;
  LineEnd = next.End;
}

std::array<TPoint, 2> TLinePic::FinishBand(win::Canvas& canvas) {
  const LineEnds sized = LineMinimumSize({LineStart, LineEnd});
  std::array<TPoint, 2> pts{sized.Start, sized.End};
  canvas.DPtoLP(pts);
  LineStart = pts[0];
  LineEnd = pts[1];
  Bounds = SpanRect(LineStart, LineEnd, kRaiseAtCreation);
  return {sized.Start, sized.End};
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
