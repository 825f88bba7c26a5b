#include "core/ViewerPan.h"

#include <algorithm>

namespace vk {

ViewerPlacement PlaceViewerImage(int32_t clientW, int32_t clientH, int32_t imageW, int32_t imageH) {
  const bool tall = imageH > clientH, wide = imageW > clientW;
  ViewerPlacement p{{kViewerImageMargin, kViewerImageMargin}, PanAxes::None};
  if (!wide) p.ImagePos.X = (clientW - imageW) / 2;
  if (!tall) p.ImagePos.Y = (clientH - imageH) / 2;
  p.Axes = tall && wide ? PanAxes::Both : tall ? PanAxes::Vertical : wide ? PanAxes::Horizontal : PanAxes::None;
  return p;
}

PanBounds PanBoundsFor(PanAxes axes, TPoint press, TPoint start, int32_t clientW, int32_t clientH,
                       int32_t imageW, int32_t imageH) {
  PanBounds b;
  b.MaxX = press.X - start.X;
  b.MaxY = press.Y - start.Y;
  // A direction that pans: the right (bottom) edge may come in to the client's edge.
  b.MinX = press.X + clientW - imageW - start.X;
  b.MinY = press.Y + clientH - imageH - start.Y;
  // One that does not: the bound of the centred place, above Max.
  if (axes == PanAxes::Vertical) b.MinX = press.X - (imageW - clientW) / 2 - start.X;
  if (axes == PanAxes::Horizontal) b.MinY = press.Y - (imageH - clientH) / 2 - start.Y;
  return b;
}

TPoint PannedImagePos(const PanBounds& b, TPoint press, TPoint start, TPoint mouse) {
  const int32_t x = std::max(std::min(mouse.X, b.MaxX), b.MinX);
  const int32_t y = std::max(std::min(mouse.Y, b.MaxY), b.MinY);
  return {x - press.X + start.X, y - press.Y + start.Y};
}

}  // namespace vk
