#pragma once
// TCircPic: the ellipse inscribed in an axis-aligned box. Its handles sit on the box, not
// on the curve. A filled one is hit anywhere inside the ellipse, a hollow one (clear
// brush) only within 3 pixels of the curve.
#include <memory>

#include "drawing/objects/BoxPic.h"

namespace vk {

class TCircPic : public TBoxPic {
 public:
  TCircPic() = default;
  win::Region CreateRegion(win::Canvas& canvas) override;
  std::unique_ptr<TPicBase> CreateEmpty() const override;
  // Ellipse(a.X, a.Y, b.X, b.Y); PicId := PIC_CIRC.
  void DrawShape(win::Canvas& canvas, TPoint a, TPoint b) override;
};

}  // namespace vk
