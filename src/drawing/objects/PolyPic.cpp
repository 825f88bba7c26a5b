#include "drawing/objects/PolyPic.h"

#include "core/PicMath.h"
#include "core/ShapeRecords.h"
#include "drawing/objects/PicFuns.h"

namespace vk {

namespace {

win::Region EmptyRegion() { return win::Region(::CreateRectRgn(0, 0, 0, 0)); }

std::vector<POINT> ToPoints(std::span<const TPoint> pts) {
  std::vector<POINT> out;
  out.reserve(pts.size());
  for (const TPoint& p : pts) out.push_back(win::ToPOINT(p));
  return out;
}

}  // namespace

void TPolyPic::DrawShape(win::Canvas& canvas, std::span<const TPoint> pts) {
  if (PolyType == PolyClose) canvas.Polygon(pts);
  else canvas.Polyline(pts);
  PicId = PIC_POLY;
}

size_t TPolyPic::EdgeCount() const {
  const size_t n = PolyPoint.size();
  if (n < 2) return 0;
  return PolyType == PolyClose ? n : n - 1;
}

win::Region TPolyPic::CreateRegion(win::Canvas& canvas) {
  if (PolyPoint.size() < 2) return EmptyRegion();
  std::vector<TPoint> pts = PolyPoint;
  canvas.LPtoDP(pts);
  if (!HollowEdges()) {
    const std::vector<POINT> p = ToPoints(pts);
    win::Region poly(::CreatePolygonRgn(p.data(), static_cast<int>(p.size()), ALTERNATE));
    return poly ? std::move(poly) : EmptyRegion();
  }
  win::Region all = EmptyRegion();
  for (size_t i = 0; i < EdgeCount(); ++i) {
    const TPoint a = pts[i], b = pts[(i + 1) % pts.size()];
    const win::Region band = CreateSegmentRegion(a.X, a.Y, b.X, b.Y);
    if (band) ::CombineRgn(all.Get(), all.Get(), band.Get(), RGN_OR);
  }
  return all;
}

bool TPolyPic::BodyHit(win::Canvas& canvas, TPoint p) {
  if (!HollowEdges()) return InRegion(canvas, p);
  // The same bands as CreateRegion, tried one at a time: a long polyline is not joined
  // into one region for every hit test, and only a band whose box holds p is built.
  std::vector<TPoint> pts = PolyPoint;
  canvas.LPtoDP(pts);
  for (size_t i = 0; i < EdgeCount(); ++i) {
    const TPoint a = pts[i], b = pts[(i + 1) % pts.size()];
    const std::array<TPoint, 4> q = SegmentQuad(a.X, a.Y, b.X, b.Y);
    TRect box{q[0].X, q[0].Y, q[0].X, q[0].Y};
    for (const TPoint& c : q) box = Union(box, TRect{c.X, c.Y, c.X + 1, c.Y + 1});
    if (!Contains(box, p)) continue;
    const win::Region band = CreateSegmentRegion(a.X, a.Y, b.X, b.Y);
    if (band && ::PtInRegion(band.Get(), p.X, p.Y)) return true;
  }
  return false;
}

void TPolyPic::DrawDragOutline(win::Canvas& canvas, uint8_t hitCode, TPoint d) {
  const size_t n = PolyPoint.size();
  if (hitCode != kHitVertex) return TPointsPic::DrawDragOutline(canvas, hitCode, d);
  if (n < 2 || SelVertex < 0 || static_cast<size_t>(SelVertex) >= n) return;
  const size_t i = static_cast<size_t>(SelVertex);
  const bool closed = PolyType == PolyClose;
  std::vector<size_t> idx;
  if (i > 0) idx.push_back(i - 1);
  else if (closed) idx.push_back(n - 1);
  idx.push_back(i);
  if (i + 1 < n) idx.push_back(i + 1);
  else if (closed) idx.push_back(0);
  std::vector<TPoint> pts;
  for (size_t k : idx) pts.push_back(k == i ? WrapAdd(PolyPoint[k], d) : PolyPoint[k]);
  canvas.LPtoDP(pts);
  canvas.Polyline(pts);
}

void TPolyPic::DrawRubberSegment(win::Canvas& canvas) {
  const size_t n = PolyPoint.size();
  if (n < 2) return;
  canvas.MoveTo(PolyPoint[n - 2]);
  canvas.LineTo(PolyPoint[n - 1]);
}

void TPolyPic::DrawMouseDown(win::Canvas& canvas, TPicType, TMouseButton button, TShiftState, TPoint p) {
  UseBandTools(canvas, PenMode::Xor);
  if (button == TMouseButton::Right) {
    if (!PicState) return;
    PicState = false;
    DrawRubberSegment(canvas);
    if (PolyPoint.size() <= 2) {
      // One placed point makes no figure.
      PolyPoint.clear();
      PicId = PIC_NONE;
      return;
    }
    PolyPoint.pop_back();  // the floating vertex
    if (PolyType == PolyClose) {
      canvas.MoveTo(PolyPoint.back());
      canvas.LineTo(PolyPoint.front());
    }
    PicId = PIC_POLY;
    canvas.DPtoLP(PolyPoint);
    CalcBounds();
    DrawFocus(canvas);
    if (DrawEndEvent) DrawEndEvent(this);
    return;
  }
  if (!PicState) {
    PolyPoint.assign(2, p);
    PicState = true;
    return;
  }
  // Fix the floating vertex where pressed; a new one floats on from there.
  DrawRubberSegment(canvas);
  PolyPoint.back() = p;
  DrawRubberSegment(canvas);
  PolyPoint.push_back(p);
}

void TPolyPic::DrawMouseMove(win::Canvas& canvas, TPicType, TShiftState, TPoint p) {
  if (!PicState) return;
  UseBandTools(canvas, PenMode::Xor);
  DrawRubberSegment(canvas);
  PolyPoint.back() = p;
  DrawRubberSegment(canvas);
}

void TPolyPic::DrawMouseUp(win::Canvas&, TPicType, TMouseButton button, TShiftState, TPoint) {
  if (button == TMouseButton::Right) PicState = false;
}

void TPolyPic::DropDrawing() {
  PicState = false;
  PolyPoint.clear();
}

void TPolyPic::Assign(const TPicBase& source) {
  TPicBase::Assign(source);
  if (const auto* poly = dynamic_cast<const TPolyPic*>(&source)) {
    PolyType = poly->PolyType;
    PolyPoint = poly->PolyPoint;
  }
}

bool TPolyPic::LoadFromBuffer(ByteReader& r) {
  PolyRecord rec;
  if (!ReadPolyRecord(r, rec)) return false;
  FromRecord(rec.common);
  PolyType = static_cast<TPolyType>(rec.type);
  PolyPoint = std::move(rec.vertices);  // fewer than two are kept, and draw nothing
  return true;
}

void TPolyPic::SaveToBuffer(ByteWriter& w) const {
  WritePolyRecord(w, {ToRecord(), static_cast<uint8_t>(PolyType), PolyPoint});
}

std::unique_ptr<TPicBase> TPolyPic::CreateEmpty() const { return std::make_unique<TPolyPic>(); }

}  // namespace vk
