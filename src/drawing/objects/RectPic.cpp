#include "drawing/objects/RectPic.h"

namespace vk {

void TRectPic::DrawShape(win::Canvas& canvas, TPoint a, TPoint b) {
  canvas.Rectangle(a.X, a.Y, b.X, b.Y);
  PicId = PIC_RECT;
}

win::Region TRectPic::CreateRegion(win::Canvas& canvas) {
  return CreateBodyRegion(canvas, ::CreateRectRgn);
}

std::unique_ptr<TPicBase> TRectPic::CreateEmpty() const { return std::make_unique<TRectPic>(); }

}  // namespace vk
