#pragma once
// Reading and writing Windows bitmap files without GDI, so that page pictures of any size
// are decoded once into the 32-bit layout of the work bitmap, and the reader can be fuzzed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

// A top-down 32-bit picture; each pixel is 0x00RRGGBB (the byte order of a 32-bpp DIB).
struct PixelImage {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint32_t> Pixels;
  uint16_t SourceBits = 24;  // bits per pixel of the file it came from
  int32_t XPelsPerMeter = 0;
  int32_t YPelsPerMeter = 0;

  uint32_t* Row(int32_t y) { return Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(Width); }
  const uint32_t* Row(int32_t y) const {
    return Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(Width);
  }
};

// Pictures larger than this many pixels are refused rather than allocated: the editor
// keeps three 32-bit copies of a page. The limit is set per architecture from what a page
// needs there: 48 Mi pixels in a 32-bit process (A4 at 600 dpi is 35 million), 128 Mi in
// a 64-bit one (A3 at 600 dpi is 70 million). The reader and every other page-sized
// allocation (the white stand-in page) ask this one function, so the limit is the same
// wherever a page is sized.
uint64_t MaxPagePixels();

// Why a picture of this size is refused, naming its size and the limit, as a phrase that
// follows "cannot be read (...)".
std::string PageTooLargeText(int64_t width, int64_t height, uint64_t limit = MaxPagePixels());

// Whether a picture of this size may be allocated; sizes are taken as 64-bit so that no
// product wraps.
bool PagePixelsAllowed(int64_t width, int64_t height);

// Decodes what the system's own loaders read: 1, 4, 8, 16 (555 by default), 24 and 32 bits
// per pixel; uncompressed, with colour masks (bit fields, with or without alpha, which is
// dropped) or run-length coded (RLE8, RLE4); the OS/2 header and the Windows headers up to
// V5; bottom-up or top-down; short colour tables. On failure returns false, leaves `out` as
// it was, and says in `error` what is wrong with the file, as a phrase that follows
// "cannot be read (...)". `pixelLimit` can only lower the page limit (the fuzzer's runs
// stay small).
bool DecodeBmp(const uint8_t* data, size_t size, PixelImage& out, std::string& error,
               uint64_t pixelLimit = MaxPagePixels());

// Writes a plain bottom-up file with a 40-byte header, 24 or 32 bits per pixel. Whatever
// DecodeBmp read, written at 24 bits (32 for a 32-bit source), reads back pixel for pixel.
std::vector<uint8_t> EncodeBmp(const PixelImage& image, uint16_t bits);

}  // namespace vk
