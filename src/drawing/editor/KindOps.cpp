#include "drawing/editor/KindOps.h"

#include "drawing/objects/CircPic.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/RectPic.h"

namespace vk {

void ApplyToolTag(TPicBase&, int32_t) {
  // Only the arc and polyline tools have a setting per tag; neither kind is drawn yet.
}

bool IsPolyline(const TPicBase&) { return false; }
bool IsPolylineUnderConstruction(const TPicBase&) { return false; }
bool IsSectorOrChord(const TPicBase&) { return false; }
void ResetTemplatePoints(TPicBase&) {}

namespace {

void CopyStyle(const TPicBase& pic, DescribedObject& d) {
  d.PenWidth = pic.PicPen.Width;
  d.PenColor = pic.PicPen.Color;
  d.PenStyle = pic.PicPen.Style;
  d.Filled = pic.PicBrush.Style != kBrushClear;
  d.FillColor = pic.PicBrush.Color;
}

}  // namespace

DescribedObject Describe(const TPicBase& pic) {
  DescribedObject d;
  if (const auto* line = dynamic_cast<const TLinePic*>(&pic)) {
    d.What = DescribedObject::Kind::Line;
    d.Start = line->LineStart;
    d.End = line->LineEnd;
  } else if (const auto* box = dynamic_cast<const TBoxPic*>(&pic)) {
    d.What = dynamic_cast<const TCircPic*>(&pic) ? DescribedObject::Kind::Circle : DescribedObject::Kind::Rect;
    d.Start = box->ShapeRect.TopLeft();
    d.End = box->ShapeRect.BottomRight();
  } else {
    return d;
  }
  CopyStyle(pic, d);
  return d;
}

}  // namespace vk
