#include "drawing/objects/CurvePic.h"

#include "drawing/objects/PicFuns.h"

namespace vk {

void TCurvePic::DrawShape(win::Canvas& canvas, std::span<const TPoint> pts) {
  canvas.PolyBezier(pts.first(kCurvePoints));
  PicId = PIC_CURVE;
}

win::Region TCurvePic::CreateRegion(win::Canvas& canvas) {
  if (!Drawable()) return win::Region(::CreateRectRgn(0, 0, 0, 0));
  std::array<TPoint, kCurvePoints> pts = CurvePoints;
  canvas.LPtoDP(pts);
  std::array<POINT, kCurvePoints> p{};
  for (size_t i = 0; i < pts.size(); ++i) p[i] = win::ToPOINT(pts[i]);
  win::Region poly(::CreatePolygonRgn(p.data(), kCurvePoints, ALTERNATE));
  return poly ? std::move(poly) : win::Region(::CreateRectRgn(0, 0, 0, 0));
}

void TCurvePic::DrawMouseDown(win::Canvas& canvas, TPicType, TMouseButton button, TShiftState, TPoint p) {
  if (button == TMouseButton::Middle) return;
  if (button == TMouseButton::Right) {
    // Only a curve with nothing but its start placed can be taken back.
    if (CurvePointNum != 1) return;
    UseBandTools(canvas, PenMode::Xor);
    if (bandShown_) DrawBand(canvas);
    bandShown_ = false;
    CurvePointNum = 0;
    PicId = PIC_NONE;
    return;
  }
  // Four points is all a curve holds: a further press writes nothing.
  if (CurvePointNum >= kCurvePoints) return;
  UseBandTools(canvas, PenMode::Xor);
  ++CurvePointNum;
  if (CurvePointNum == 1) {
    CurvePoints.fill(p);  // a dot until the mouse moves
    bandShown_ = false;
    return;
  }
  if (bandShown_) DrawBand(canvas);
  if (CurvePointNum == 2) PicId = PIC_CURVE;
  CurvePoints[FollowerOf(CurvePointNum - 1)] = p;  // where the mouse had it
  DrawBand(canvas);
  bandShown_ = true;
}

void TCurvePic::DrawMouseMove(win::Canvas& canvas, TPicType, TShiftState, TPoint p) {
  if (CurvePointNum < 1 || CurvePointNum >= kCurvePoints) return;
  UseBandTools(canvas, PenMode::Xor);
  if (bandShown_) DrawBand(canvas);
  CurvePoints[FollowerOf(CurvePointNum)] = p;
  DrawBand(canvas);
  bandShown_ = true;
}

void TCurvePic::DrawMouseUp(win::Canvas& canvas, TPicType, TMouseButton, TShiftState, TPoint) {
  // The release of whichever button comes first finishes the curve.
  if (CurvePointNum != kCurvePoints || !bandShown_) return;
  UseBandTools(canvas, PenMode::Xor);
  DrawBand(canvas);
  bandShown_ = false;
  canvas.DPtoLP(CurvePoints);
  CalcBounds();
  UseOwnTools(canvas);
  DrawPoints(canvas, {CurvePoints.begin(), CurvePoints.end()});
  if (Choosed) DrawFocus(canvas);
  if (DrawEndEvent) DrawEndEvent(this);
}

void TCurvePic::DropDrawing() {
  CurvePointNum = 0;
  bandShown_ = false;
}

void TCurvePic::Assign(const TPicBase& source) {
  TPicBase::Assign(source);
  if (const auto* curve = dynamic_cast<const TCurvePic*>(&source)) {
    CurvePointNum = curve->CurvePointNum;
    CurvePoints = curve->CurvePoints;
  }
}

bool TCurvePic::LoadFromBuffer(ByteReader& r) {
  CurveRecord rec;
  if (!ReadCurveRecord(r, rec)) return false;
  FromRecord(rec.common);
  CurvePointNum = rec.count;  // fewer than four are kept, and draw nothing
  CurvePoints = rec.points;
  return true;
}

void TCurvePic::SaveToBuffer(ByteWriter& w) const {
  WriteCurveRecord(w, {ToRecord(), CurvePointNum, CurvePoints});
}

std::unique_ptr<TPicBase> TCurvePic::CreateEmpty() const { return std::make_unique<TCurvePic>(); }

}  // namespace vk
