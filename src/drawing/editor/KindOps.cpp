#include "drawing/editor/KindOps.h"

#include "drawing/objects/FigureKinds.h"

namespace vk {

DescribedObject Describe(const TPicBase& pic) {
  DescribedObject d;
  const FigureKind* figure = FigureOf(pic);
  // Sectors, chords, polygons, curves and texts only count.
  if (!figure || figure->Section == DescribedObject::Kind::NotDescribed) return d;
  d.What = figure->Section;
  pic.DescribeShape(d);
  d.PenWidth = pic.PicPen.Width;
  d.PenColor = pic.PicPen.Color;
  d.PenStyle = pic.PicPen.Style;
  d.Filled = pic.PicBrush.Style != kBrushClear;
  d.FillColor = pic.PicBrush.Color;
  return d;
}

}  // namespace vk
