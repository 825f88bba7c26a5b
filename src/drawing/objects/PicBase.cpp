#include "drawing/objects/PicBase.h"

namespace vk {

// The base is no figure: its operations do nothing, and shapes supply the behaviour.
void TPicBase::Draw(win::Canvas&) {}

void TPicBase::MoveBy(win::Canvas&, TPoint) {}

uint8_t TPicBase::HitTest(win::Canvas&, TPoint) { return kHitBody; }

win::Region TPicBase::CreateRegion(win::Canvas&) {
  return win::Region(::CreateRectRgn(Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom));
}

void TPicBase::DrawFocus(win::Canvas&) {}

void TPicBase::DragTrack(win::Canvas&, uint8_t, TRect, int32_t, int32_t, int32_t, int32_t, int32_t,
                         int32_t) {}

void TPicBase::DragEnd(win::Canvas&, uint8_t, TRect, int32_t, int32_t, int32_t, int32_t) {}

void TPicBase::DrawMouseDown(win::Canvas&, TPicType, TMouseButton, TShiftState, TPoint) {}

void TPicBase::DrawMouseUp(win::Canvas&, TPicType, TMouseButton, TShiftState, TPoint) {}

void TPicBase::DrawMouseMove(win::Canvas&, TPicType, TShiftState, TPoint) {}

void TPicBase::Assign(const TPicBase& source) {
  if (&source == this) return;
  PicPen = source.PicPen;
  PicBrush = source.PicBrush;
  PicFont = source.PicFont;
  Bounds = source.Bounds;
  Choosed = source.Choosed;
  FocusPen = source.FocusPen;
  FocusBrush = source.FocusBrush;
  PicId = source.PicId;
  PicIndex = source.PicIndex;
  Tail = source.Tail ? std::make_unique<StoredTail>(*source.Tail) : nullptr;
  // DrawEndEvent belongs to whoever bound it; a copy does not inherit it.
}

void TPicBase::UseOwnTools(win::Canvas& canvas) const {
  canvas.SetPen(PicPen);
  canvas.SetBrush(PicBrush);
  canvas.SetFont(PicFont);
}

void TPicBase::UseBandTools(win::Canvas& canvas, PenMode mode) const {
  canvas.SetPen(PicPen);
  canvas.SetPenMode(mode);
  canvas.SetBrush(PicBrush);
}

bool TPicBase::InRegion(win::Canvas& canvas, TPoint p) {
  const win::Region region = CreateRegion(canvas);
  return region && ::PtInRegion(region.Get(), p.X, p.Y);
}

PicRecord TPicBase::ToRecord() const {
  PicRecord rec;
  rec.pen = PicPen;
  rec.brush = PicBrush;
  rec.rect = Bounds;
  rec.font = PicFont;
  rec.choosed = Choosed;
  rec.picId = PicId;
  rec.picIndex = PicIndex;
  return rec;
}

void TPicBase::FromRecord(const PicRecord& rec) {
  const PenMode mode = PicPen.Mode;  // not stored
  PicPen = rec.pen;
  PicPen.Mode = mode;
  PicBrush = rec.brush;
  Bounds = rec.rect;
  PicFont = rec.font;
  Choosed = rec.choosed;
  PicId = static_cast<TPicType>(rec.picId);
  PicIndex = rec.picIndex;
}

bool TPicBase::LoadFromBuffer(ByteReader& r) {
  PicRecord rec;
  if (!ReadPicRecord(r, rec)) return false;
  FromRecord(rec);
  return true;
}

void TPicBase::SaveToBuffer(ByteWriter& w) const { WritePicRecord(w, ToRecord()); }

std::unique_ptr<TPicBase> TPicBase::CreateEmpty() const { return std::make_unique<TPicBase>(); }

}  // namespace vk
