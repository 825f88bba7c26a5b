#include "drawing/images/BmpFuns.h"

#include <span>

#include "core/PicAttrs.h"
#include "core/PixelEffects.h"
#include "drawing/images/ShowImgU.h"
#include "win/Canvas.h"
#include "win/Handle.h"

namespace vk {

namespace {

// The effects work on the bits themselves, never pixel by pixel through GDI.
std::span<uint32_t> BitsOf(win::Dib& bitmap) {
  ::GdiFlush();
  if (!bitmap.Bits()) return {};
  return {bitmap.Bits(), static_cast<size_t>(bitmap.Width()) * static_cast<size_t>(bitmap.Height())};
}

// What the clipping of dc leaves of a width x height picture, when it is at most one
// rectangle.
bool RectangularClip(HDC dc, int32_t width, int32_t height, TRect& clip) {
  clip = {0, 0, width, height};
  win::Region rgn(::CreateRectRgn(0, 0, 0, 0));
  const int has = ::GetClipRgn(dc, rgn.Get());
  if (has < 0) return false;
  if (has == 0) return true;
  RECT box{};
  const int kind = ::GetRgnBox(rgn.Get(), &box);
  if (kind == COMPLEXREGION || kind == ERROR) return false;
  clip = kind == NULLREGION ? TRect{} : Intersect(clip, win::FromRECT(box));
  return true;
}

}  // namespace

win::Dib* DirectTarget(win::Canvas& canvas, TRect& clip) {
  win::Dib* target = canvas.Surface();
  if (!target || !target->Bits() || !RectangularClip(canvas.Handle(), target->Width(), target->Height(), clip))
    return nullptr;
  return target;
}

void PutInk(win::Canvas& canvas, TPoint at, const win::Dib& ink) {
  if (!ink.Bits()) return;
  HDC dc = canvas.Handle();
  TRect clip;
  win::Dib* target = DirectTarget(canvas, clip);
  if (!target) {
    POINT p = win::ToPOINT(at);
    ::DPtoLP(dc, &p, 1);
    ::GdiTransparentBlt(dc, p.x, p.y, ink.Width(), ink.Height(), ink.Dc(), 0, 0, ink.Width(), ink.Height(),
                        kColorBlack);
    return;
  }
  const TRect area = Intersect(clip, {at.X, at.Y, at.X + ink.Width(), at.Y + ink.Height()});
  if (area.IsEmpty()) return;
  ::GdiFlush();
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    const uint32_t* from = ink.Bits() + static_cast<size_t>(y - at.Y) * static_cast<size_t>(ink.Width());
    uint32_t* to = target->Bits() + static_cast<size_t>(y) * static_cast<size_t>(target->Width());
    for (int32_t x = area.Left; x < area.Right; ++x)
      if (const uint32_t v = from[x - at.X] & 0x00FFFFFFu) to[x] = v;
  }
  const RECT r = win::ToRECT(area);
  ::SetBoundsRect(dc, &r, DCB_ACCUMULATE);
}

void MakeHollow(win::Dib& bitmap) { vk::MakeHollow(BitsOf(bitmap), bitmap.Width(), bitmap.Height()); }

void MakeSided(win::Dib& bitmap) { vk::MakeSided(BitsOf(bitmap), bitmap.Width(), bitmap.Height()); }

void MakeView3D(win::Dib& bitmap) { vk::MakeView3D(BitsOf(bitmap), bitmap.Width(), bitmap.Height()); }

bool ShowImageWindow(HWND owner, const win::Dib& bitmap) {
  TShowImgF form(bitmap);
  if (!form.HasPicture()) return false;
  form.ShowModal(owner);
  return true;
}

}  // namespace vk
