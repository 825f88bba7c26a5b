#include "drawing/editor/KindOps.h"

#include "drawing/objects/ArccPic.h"
#include "drawing/objects/CircPic.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/RectPic.h"
#include "drawing/objects/RounPic.h"

namespace vk {

void ApplyToolTag(TPicBase& tool, int32_t tag) {
  if (auto* arc = dynamic_cast<TArccPic*>(&tool)) {
    if (tag == 5) arc->SetPicArccType(Arcc_Arc);
    if (tag == 6) arc->SetPicArccType(Arcc_Sector);
    if (tag == 7) arc->SetPicArccType(Arcc_Chord);
  } else if (auto* poly = dynamic_cast<TPolyPic*>(&tool)) {
    if (tag == 8) poly->SetPolyType(PolyOpen);
    if (tag == 9) poly->SetPolyType(PolyClose);
  }
}

bool IsPolyline(const TPicBase& pic) { return dynamic_cast<const TPolyPic*>(&pic) != nullptr; }

bool IsSectorOrChord(const TPicBase& pic) {
  const auto* arc = dynamic_cast<const TArccPic*>(&pic);
  return arc && arc->PicArccType != Arcc_Arc;
}

namespace {

void CopyStyle(const TPicBase& pic, DescribedObject& d) {
  d.PenWidth = pic.PicPen.Width;
  d.PenColor = pic.PicPen.Color;
  d.PenStyle = pic.PicPen.Style;
  d.Filled = pic.PicBrush.Style != kBrushClear;
  d.FillColor = pic.PicBrush.Color;
}

void DescribeBox(const TRect& box, DescribedObject::Kind kind, DescribedObject& d) {
  d.What = kind;
  d.Start = box.TopLeft();
  d.End = box.BottomRight();
}

}  // namespace

DescribedObject Describe(const TPicBase& pic) {
  DescribedObject d;
  if (const auto* line = dynamic_cast<const TLinePic*>(&pic)) {
    d.What = DescribedObject::Kind::Line;
    d.Start = line->LineStart;
    d.End = line->LineEnd;
  } else if (const auto* round = dynamic_cast<const TRounPic*>(&pic)) {
    // Before the other boxes: a rounded rectangle is never a "Rect".
    DescribeBox(round->ShapeRect, DescribedObject::Kind::Round, d);
    d.CurvW = round->CornerSize.X;
    d.CurvH = round->CornerSize.Y;
  } else if (const auto* box = dynamic_cast<const TBoxPic*>(&pic)) {
    DescribeBox(box->ShapeRect,
                dynamic_cast<const TCircPic*>(&pic) ? DescribedObject::Kind::Circle : DescribedObject::Kind::Rect, d);
  } else if (const auto* arc = dynamic_cast<const TArccPic*>(&pic); arc && arc->PicArccType == Arcc_Arc) {
    DescribeBox(arc->ShapeRect, DescribedObject::Kind::Arc, d);
    d.ArcStart = arc->StartPoint;
    d.ArcEnd = arc->EndPoint;
  } else if (const auto* poly = dynamic_cast<const TPolyPic*>(&pic); poly && poly->PolyType == PolyOpen) {
    d.What = DescribedObject::Kind::OpenPolyline;
    d.Vertices = poly->PolyPoint;
  } else {
    return d;  // sectors, chords, polygons and curves only count
  }
  CopyStyle(pic, d);
  return d;
}

}  // namespace vk
