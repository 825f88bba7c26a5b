#pragma once
// A 32-bpp top-down DIB section selected into its own memory DC: the editor's work
// bitmap and the surface of pixel checks. Pixels in memory are 0x00RRGGBB; the
// accessors speak COLORREF (0x00BBGGRR) and ignore the unused top byte.
#include <windows.h>

#include <cstdint>

#include "win/Handle.h"

namespace vk::win {

class Dib {
 public:
  Dib();  // 0 x 0, with a DC ready to take a bitmap
  Dib(int width, int height);
  ~Dib();
  Dib(const Dib&) = delete;
  Dib& operator=(const Dib&) = delete;

  // New size; the contents are lost (the new bitmap is black). False when the bitmap
  // cannot be made, leaving the old one in place. Sizes <= 0 give an empty bitmap.
  bool Resize(int width, int height);
  // Exchanges the two bitmaps with their DCs; nothing is copied and nothing can fail.
  void Swap(Dib& other) noexcept;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return width_ * 4; }  // bytes per row
  uint32_t* Bits() { return bits_; }         // call GdiFlush before reading after GDI drew
  const uint32_t* Bits() const { return bits_; }
  HDC Dc() const { return dc_.Get(); }
  HBITMAP Bitmap() const { return bmp_.Get(); }

  void Fill(uint32_t color);                           // COLORREF
  uint32_t Pixel(int x, int y) const;                  // COLORREF; CLR_INVALID outside
  void SetPixel(int x, int y, uint32_t color);         // ignored outside
  void CopyTo(HDC dst, int x, int y) const;            // BitBlt of the whole bitmap

 private:
  MemoryDc dc_;
  vk::win::Bitmap bmp_;
  HGDIOBJ oldBmp_ = nullptr;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace vk::win
