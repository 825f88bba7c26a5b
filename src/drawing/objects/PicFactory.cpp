#include "drawing/objects/PicFactory.h"

#include "drawing/objects/CircPic.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/RectPic.h"
#include "drawing/objects/TextPic.h"

namespace vk {

std::unique_ptr<TPicBase> CreatePicOfKind(TPicType kind) {
  switch (kind) {
    case PIC_LINE: return std::make_unique<TLinePic>();
    case PIC_RECT: return std::make_unique<TRectPic>();
    case PIC_CIRC: return std::make_unique<TCircPic>();
    case PIC_TEXT: return std::make_unique<TTextPic>();
    default: return nullptr;
  }
}

}  // namespace vk
