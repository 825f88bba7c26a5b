#include "drawing/objects/CircPic.h"

namespace vk {

void TCircPic::DrawShape(win::Canvas& canvas, TPoint a, TPoint b) {
  canvas.Ellipse(a.X, a.Y, b.X, b.Y);
  PicId = PIC_CIRC;
}

win::Region TCircPic::CreateRegion(win::Canvas& canvas) {
  return CreateBodyRegion(canvas, ::CreateEllipticRgn);
}

std::unique_ptr<TPicBase> TCircPic::CreateEmpty() const { return std::make_unique<TCircPic>(); }

}  // namespace vk
