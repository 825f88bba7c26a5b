#include "drawing/objects/PicFactory.h"

#include "drawing/objects/ArccPic.h"
#include "drawing/objects/CircPic.h"
#include "drawing/objects/CurvePic.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/OpaquePic.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/RectPic.h"
#include "drawing/objects/RounPic.h"
#include "drawing/objects/TextPic.h"

namespace vk {

std::unique_ptr<TPicBase> CreatePicOfKind(TPicType kind) {
  switch (kind) {
    case PIC_LINE: return std::make_unique<TLinePic>();
    case PIC_RECT: return std::make_unique<TRectPic>();
    case PIC_ROUN: return std::make_unique<TRounPic>();
    case PIC_CIRC: return std::make_unique<TCircPic>();
    case PIC_ARCC: return std::make_unique<TArccPic>();
    case PIC_POLY: return std::make_unique<TPolyPic>();
    case PIC_CURVE: return std::make_unique<TCurvePic>();
    case PIC_TEXT: return std::make_unique<TTextPic>();
    default: return nullptr;
  }
}

DrawingEntry StoredEntry(TPicBase& pic, int32_t index) {
  const bool choosed = pic.Choosed;
  const int32_t own = pic.PicIndex;
  pic.Choosed = false;
  pic.PicIndex = index;
  ByteWriter w;
  pic.SaveToBuffer(w);
  pic.Choosed = choosed;
  pic.PicIndex = own;
  return {static_cast<uint8_t>(pic.PicId), w.Take()};
}

std::unique_ptr<TPicBase> PicFromEntry(const DrawingEntry& entry, int32_t index) {
  std::unique_ptr<TPicBase> pic = CreatePicOfKind(static_cast<TPicType>(entry.Kind));
  if (!pic) pic = std::make_unique<TOpaquePic>(entry.Kind);
  ByteReader r(entry.Record.data(), entry.Record.size());
  if (!pic->LoadFromBuffer(r)) return nullptr;
  pic->Choosed = false;
  pic->PicIndex = index;
  return pic;
}

}  // namespace vk
