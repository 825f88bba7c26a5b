#pragma once
// TRectPic: an axis-aligned rectangle. A filled one is hit anywhere inside, a hollow one
// (clear brush) only within 3 pixels of its border.
#include <memory>

#include "drawing/objects/BoxPic.h"

namespace vk {

class TRectPic : public TBoxPic {
 public:
  TRectPic() = default;
  win::Region CreateRegion(win::Canvas& canvas) override;
  std::unique_ptr<TPicBase> CreateEmpty() const override;
  // Rectangle(a.X, a.Y, b.X, b.Y); PicId := PIC_RECT.
  void DrawShape(win::Canvas& canvas, TPoint a, TPoint b) override;
};

}  // namespace vk
