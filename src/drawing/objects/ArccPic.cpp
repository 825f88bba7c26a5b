#include "drawing/objects/ArccPic.h"

#include <algorithm>

#include "core/FigureMath.h"
#include "core/ShapeMath.h"
#include "core/ShapeRecords.h"
#include "drawing/objects/PicFuns.h"

namespace vk {

namespace {

constexpr size_t kStartHandle = 8;  // handle 9, hit code 14

// The body of a hollow sector or chord: the arc's band with the radii or the chord.
win::Region Union(win::Region a, const win::Region& b) {
  if (a && b) ::CombineRgn(a.Get(), a.Get(), b.Get(), RGN_OR);
  return a;
}

}  // namespace

std::span<TPoint> TArccPic::CalcHandles() {
  const auto frame = FrameHandles(ShapeRect);
  std::copy(frame.begin(), frame.end(), Handles.begin());
  Handles[kStartHandle] = StartPoint;
  Handles[kStartHandle + 1] = EndPoint;
  return Handles;
}

void TArccPic::DrawShape(win::Canvas& canvas, TPoint tl, TPoint br, TPoint s, TPoint e) {
  switch (PicArccType) {
    case Arcc_Arc: canvas.Arc(tl.X, tl.Y, br.X, br.Y, s.X, s.Y, e.X, e.Y); break;
    case Arcc_Sector: canvas.Pie(tl.X, tl.Y, br.X, br.Y, s.X, s.Y, e.X, e.Y); break;
    case Arcc_Chord: canvas.Chord(tl.X, tl.Y, br.X, br.Y, s.X, s.Y, e.X, e.Y); break;
  }
  PicId = PIC_ARCC;
}

void TArccPic::DrawGeometry(win::Canvas& canvas, Geometry g) {
  std::array<TPoint, 4> pts{g.Box.TopLeft(), g.Box.BottomRight(), g.Start, g.End};
  canvas.LPtoDP(pts);
  DrawShape(canvas, pts[0], pts[1], pts[2], pts[3]);
}

TPoint TArccPic::OnEllipse(TPoint p) const {
  return EllipsePoint(ShapeRect.TopLeft(), ShapeRect.BottomRight(), p);
}

void TArccPic::Draw(win::Canvas& canvas) {
  UseOwnTools(canvas);
  DrawGeometry(canvas, Current());
  if (Choosed) DrawFocus(canvas);
}

void TArccPic::MoveBy(win::Canvas&, TPoint offset) {
  ShapeRect = WrapOffset(ShapeRect, offset);
  StartPoint = WrapAdd(StartPoint, offset);
  EndPoint = WrapAdd(EndPoint, offset);
  Bounds = NormalizeRaised(ShapeRect, kRaiseAfterEdit);
}

win::Region TArccPic::CreateRegion(win::Canvas& canvas) {
  std::array<TPoint, 4> pts{ShapeRect.TopLeft(), ShapeRect.BottomRight(), StartPoint, EndPoint};
  canvas.LPtoDP(pts);
  const auto& [tl, br, s, e] = pts;
  if (PicArccType != Arcc_Arc && PicArccType != Arcc_Sector && PicArccType != Arcc_Chord)
    return win::Region(::CreateRectRgn(0, 0, 0, 0));
  if (PicArccType != Arcc_Arc && PicBrush.Style != kBrushClear)
    return CreatePieRegion(tl, br, s, PicArccType == Arcc_Sector ? 1 : 2, e);
  win::Region band = CreateArcRegion(tl, br, s, e);
  if (PicArccType == Arcc_Chord) return Union(std::move(band), CreateSegmentRegion(s.X, s.Y, e.X, e.Y));
  if (PicArccType == Arcc_Sector) {
    const TPoint c = Midpoint(tl, br);
    band = Union(std::move(band), CreateSegmentRegion(c.X, c.Y, s.X, s.Y));
    return Union(std::move(band), CreateSegmentRegion(c.X, c.Y, e.X, e.Y));
  }
  return band;
}

uint8_t TArccPic::HitTest(win::Canvas& canvas, TPoint p) {
  uint8_t result = InRegion(canvas, p) ? kHitBody : kHitNone;
  if (Choosed) {
    const std::span<TPoint> handles = CalcHandles();
    canvas.LPtoDP(handles);
    // The end handles sit on the ellipse, which touches the frame's edge centres.
    const int i = FindHandle(canvas, handles, p, true);
    if (i >= 0 && static_cast<size_t>(i) < kStartHandle) result = static_cast<uint8_t>(kHitTopLeft + i);
    else if (i >= 0) result = static_cast<size_t>(i) == kStartHandle ? kHitArcStart : kHitArcEnd;
  }
  return result;
}

void TArccPic::DrawFocus(win::Canvas& canvas) {
  const std::span<TPoint> handles = CalcHandles();
  canvas.LPtoDP(handles);
  DrawHandleSquares(canvas, handles, FocusPen, FocusBrush, kStartHandle);
}

TArccPic::Geometry TArccPic::Dragged(uint8_t hitCode, TPoint d) const {
  Geometry g = Current();
  if (const auto scale = CentreScale(ShapeRect, hitCode, d)) {
    const TPoint tl = ScalePoint(g.Box.TopLeft(), *scale), br = ScalePoint(g.Box.BottomRight(), *scale);
    g.Box = {tl.X, tl.Y, br.X, br.Y};
    g.Start = ScalePoint(g.Start, *scale);
    g.End = ScalePoint(g.End, *scale);
  } else if (hitCode == kHitBody) {
    g = {WrapOffset(g.Box, d), WrapAdd(g.Start, d), WrapAdd(g.End, d)};
  } else if (hitCode == kHitArcStart) {
    g.Start = OnEllipse(WrapAdd(g.Start, d));
  } else if (hitCode == kHitArcEnd) {
    g.End = OnEllipse(WrapAdd(g.End, d));
  }
  return g;
}

void TArccPic::DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect, int32_t downX, int32_t downY,
                         int32_t lastX, int32_t lastY, int32_t x, int32_t y) {
  const bool shows = (hitCode >= kHitTopLeft && hitCode <= kHitBody) || hitCode == kHitArcStart ||
                     hitCode == kHitArcEnd;
  if (!shows) return;
  std::array<TPoint, 3> pts{TPoint{downX, downY}, TPoint{lastX, lastY}, TPoint{x, y}};
  canvas.DPtoLP(pts);
  UseDragOutlineTools(canvas);
  DrawGeometry(canvas, Dragged(hitCode, WrapSub(pts[1], pts[0])));
  DrawGeometry(canvas, Dragged(hitCode, WrapSub(pts[2], pts[0])));
}

void TArccPic::DragEnd(win::Canvas&, uint8_t hitCode, TRect, int32_t downX, int32_t downY, int32_t x,
                       int32_t y) {
  const Geometry g = Dragged(hitCode, {WrapSub(x, downX), WrapSub(y, downY)});
  ShapeRect = NormalizeRaised(g.Box, kRaiseAfterEdit);
  StartPoint = g.Start;
  EndPoint = g.End;
  Bounds = ShapeRect;
}

void TArccPic::DrawBand(win::Canvas& canvas) {
  DrawGeometry(canvas, Current());
  // A sector's own end radius is that line already: drawn twice in XOR it would vanish.
  if (PicArccType == Arcc_Sector) return;
  std::array<TPoint, 2> radius{Midpoint(ShapeRect.TopLeft(), ShapeRect.BottomRight()), EndPoint};
  canvas.LPtoDP(radius);
  canvas.MoveTo(radius[0]);
  canvas.LineTo(radius[1]);
}

void TArccPic::DrawGuide(win::Canvas& canvas) {
  UseOwnTools(canvas);
  canvas.Brush().Style = kBrushClear;  // the page stays visible inside it
  std::array<TPoint, 3> pts{ShapeRect.TopLeft(), ShapeRect.BottomRight(), StartPoint};
  canvas.LPtoDP(pts);
  // An arc whose ends meet is the whole ellipse, on the very pixels of the arc to come.
  canvas.Arc(pts[0].X, pts[0].Y, pts[1].X, pts[1].Y, pts[2].X, pts[2].Y, pts[2].X, pts[2].Y);
}

void TArccPic::DrawMouseDown(win::Canvas& canvas, TPicType, TMouseButton button, TShiftState, TPoint p) {
  if (button == TMouseButton::Right) return;
  UseBandTools(canvas, PenMode::Xor);
  if (CreateStep == 0) {
    // Device units until the circle is finished.
    ShapeRect = {p.X, p.Y, p.X, p.Y};
    StartPoint = EndPoint = p;
    bandShown_ = false;
    pressed_ = true;
    return;
  }
  if (bandShown_) DrawBand(canvas);
  EndPoint = OnEllipse(canvas.DPtoLP(p));
  DrawBand(canvas);
  bandShown_ = true;
}

void TArccPic::DrawMouseMove(win::Canvas& canvas, TPicType, TShiftState shift, TPoint p) {
  if (CreateStep == 0) {
    if (!pressed_ || (shift & kLeftButton) == 0) return;
    UseBandTools(canvas, PenMode::Xor);
    // Start and end coincide: the whole circle shows.
    if (bandShown_) DrawShape(canvas, ShapeRect.TopLeft(), ShapeRect.BottomRight(), StartPoint, EndPoint);
    ShapeRect = CircleThrough(Midpoint(ShapeRect.TopLeft(), ShapeRect.BottomRight()), p);
    DrawShape(canvas, ShapeRect.TopLeft(), ShapeRect.BottomRight(), StartPoint, EndPoint);
    bandShown_ = true;
    return;
  }
  UseBandTools(canvas, PenMode::Xor);
  if (bandShown_) DrawBand(canvas);
  EndPoint = OnEllipse(canvas.DPtoLP(p));
  DrawBand(canvas);
  bandShown_ = true;
}

void TArccPic::DrawMouseUp(win::Canvas& canvas, TPicType, TMouseButton button, TShiftState, TPoint p) {
  if (CreateStep == 0) {
    if (!pressed_ || button == TMouseButton::Right) return;
    pressed_ = false;
    UseBandTools(canvas, PenMode::Xor);
    if (bandShown_) DrawShape(canvas, ShapeRect.TopLeft(), ShapeRect.BottomRight(), StartPoint, EndPoint);
    const TRect drawn = ShapeRect;
    ShapeRect = ArcMinimumSize(ShapeRect);
    std::array<TPoint, 3> pts{ShapeRect.TopLeft(), ShapeRect.BottomRight(), p};
    canvas.DPtoLP(pts);
    ShapeRect = {pts[0].X, pts[0].Y, pts[1].X, pts[1].Y};
    StartPoint = EndPoint = pts[2];
    // The release lies on the small circle, not on the grown one.
    if (ShapeRect != drawn) StartPoint = EndPoint = OnEllipse(StartPoint);
    Bounds = NormalizeRaised(ShapeRect, kRaiseAfterEdit);
    // The arc opens from the start point as the mouse goes round, over the whole ellipse
    // as a guide. The editor's redraw after the end or a cancel takes the guide away.
    DrawGuide(canvas);
    bandShown_ = false;
    CreateStep = 1;
    return;
  }
  UseBandTools(canvas, PenMode::Xor);
  if (bandShown_) DrawBand(canvas);
  bandShown_ = false;
  EndPoint = OnEllipse(canvas.DPtoLP(p));
  Bounds = NormalizeRaised(ShapeRect, kRaiseAfterEdit);
  UseOwnTools(canvas);
  DrawGeometry(canvas, Current());
  CreateStep = 0;
  if (DrawEndEvent) DrawEndEvent(this);
}

void TArccPic::DropDrawing() {
  CreateStep = 0;
  pressed_ = false;
  bandShown_ = false;
}

void TArccPic::Assign(const TPicBase& source) {
  TPicBase::Assign(source);
  if (const auto* arc = dynamic_cast<const TArccPic*>(&source)) {
    ShapeRect = arc->ShapeRect;
    StartPoint = arc->StartPoint;
    EndPoint = arc->EndPoint;
    PicArccType = arc->PicArccType;
  }
}

bool TArccPic::LoadFromBuffer(ByteReader& r) {
  ArcRecord rec;
  if (!ReadArcRecord(r, rec)) return false;
  FromRecord(rec.common);
  PicArccType = static_cast<TArccType>(rec.type);  // a type outside 0..2 is kept, and draws nothing
  ShapeRect = rec.box;
  StartPoint = rec.start;
  EndPoint = rec.end;
  return true;
}

void TArccPic::SaveToBuffer(ByteWriter& w) const {
  WriteArcRecord(w, {ToRecord(), static_cast<uint8_t>(PicArccType), ShapeRect, StartPoint, EndPoint});
}

TRect TArccPic::PaintBounds() const {
  const TPoint pts[] = {ShapeRect.TopLeft(), ShapeRect.BottomRight(), StartPoint, EndPoint};
  return Union(Normalize(Bounds), PointsBounds(pts, kRaiseAtCreation));
}

std::unique_ptr<TPicBase> TArccPic::CreateEmpty() const { return std::make_unique<TArccPic>(); }

}  // namespace vk
