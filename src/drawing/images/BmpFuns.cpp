#include "drawing/images/BmpFuns.h"

#include <span>

#include "core/PixelEffects.h"
#include "drawing/images/ShowImgU.h"

namespace vk {

namespace {

// The effects work on the bits themselves, never pixel by pixel through GDI.
std::span<uint32_t> BitsOf(win::Dib& bitmap) {
  ::GdiFlush();
  if (!bitmap.Bits()) return {};
  return {bitmap.Bits(), static_cast<size_t>(bitmap.Width()) * static_cast<size_t>(bitmap.Height())};
}

}  // namespace

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
