// Run-length coded bitmaps (RLE8 and RLE4), read as the system's own loaders read them:
// runs past the right edge are cut off rather than wrapped, a delta moves right and up,
// and whatever no code reaches stays white.
#include "core/BmpPixels.h"

#include <algorithm>

namespace vk::bmp {

bool DecodeRuns(const uint8_t* codes, size_t size, uint32_t bits, const Palette& palette, PixelImage& out,
                std::string& error) {
  std::fill(out.Pixels.begin(), out.Pixels.end(), 0x00FFFFFFu);
  const int64_t width = out.Width;
  const int64_t height = out.Height;
  int64_t x = 0;
  int64_t y = 0;  // rows counted from the bottom, as the codes go
  // RLE4 pixel k of a byte pair alternates between the high and the low half.
  auto index = [bits](uint32_t byte, size_t k) { return bits == 8 ? byte : (k % 2 == 0 ? byte >> 4 : byte & 0x0Fu); };
  auto put = [&](uint32_t i) {
    if (x < width) out.Row(static_cast<int32_t>(height - 1 - y))[x] = palette[i];
    ++x;
  };
  size_t at = 0;
  while (y < height) {
    if (size - at < 2) {
      // Codes that end right after the last pixel, without the end code, still make a whole picture.
      if (y == height - 1 && x >= width) return true;
      error = "its run-length codes stop before the end of the picture";
      return false;
    }
    const uint32_t count = codes[at];
    const uint32_t value = codes[at + 1];
    at += 2;
    if (count > 0) {
      if (x >= width) {
        x += count;
      } else {
        for (size_t k = 0; k < count; ++k) put(index(value, k));
      }
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of picture
        return true;
      case 2:  // delta: right, then up
        if (size - at < 2) {
          error = "its run-length codes end inside a move";
          return false;
        }
        x += codes[at];
        y += codes[at + 1];
        at += 2;
        break;
      default: {  // `value` pixels given one by one, padded to an even number of bytes
        const size_t bytes = bits == 8 ? value : (value + 1) / 2;
        if (bytes > size - at) {
          error = "its run-length codes end inside a run of single pixels";
          return false;
        }
        for (size_t k = 0; k < value; ++k) put(index(codes[at + (bits == 8 ? k : k / 2)], k));
        at += std::min(bytes + bytes % 2, size - at);
        break;
      }
    }
  }
  return true;
}

}  // namespace vk::bmp
