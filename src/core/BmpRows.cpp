// Uncompressed bitmap rows: palette indices, 16/32-bit masked pixels and 24-bit triples.
#include "core/BmpPixels.h"

namespace vk::bmp {

namespace {

uint32_t Get16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8); }
uint32_t Get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

// One colour's mask, widened to 8 bits as the system's own conversion does: a channel of
// fewer bits repeats its bits downward (5-bit 31 is 255, 5-bit 3 is 24), a wider one keeps
// its top 8. A mask with gaps counts from its lowest bit up to the first gap.
class Channel {
 public:
  explicit Channel(uint32_t mask) {
    if (mask == 0) return;
    while (((mask >> shift_) & 1u) == 0) ++shift_;
    while (shift_ + bits_ < 32 && ((mask >> (shift_ + bits_)) & 1u) != 0) ++bits_;
    if (bits_ >= 8) return;
    for (uint32_t c = 0; c < (1u << bits_); ++c) {
      uint32_t v = 0;
      for (int pos = 8 - bits_; pos > -bits_; pos -= bits_) v |= pos >= 0 ? c << pos : c >> -pos;
      widen_[c] = static_cast<uint8_t>(v);
    }
  }
  uint32_t Take(uint32_t pixel) const {
    if (bits_ == 0) return 0;
    const uint32_t c = (pixel >> shift_) & (bits_ >= 32 ? ~0u : (1u << bits_) - 1u);
    return bits_ >= 8 ? (c >> (bits_ - 8)) & 0xFFu : widen_[c];
  }

 private:
  int shift_ = 0;
  int bits_ = 0;
  std::array<uint8_t, 128> widen_{};
};

}  // namespace

void DecodeRows(const uint8_t* rows, uint32_t bits, bool topDown, const Palette& palette, const ColourMasks& masks,
                PixelImage& out) {
  const size_t width = static_cast<size_t>(out.Width);
  const size_t stride = ((width * bits + 31) / 32) * 4;
  const Channel red(masks.Red), green(masks.Green), blue(masks.Blue);
  const bool plain32 =
      bits == 32 && masks.Red == 0x00FF0000u && masks.Green == 0x0000FF00u && masks.Blue == 0x000000FFu;
  for (int32_t row = 0; row < out.Height; ++row) {
    const uint8_t* src = rows + stride * static_cast<size_t>(row);
    uint32_t* dst = out.Row(topDown ? row : out.Height - 1 - row);
    switch (bits) {
      case 24:
        for (size_t x = 0; x < width; ++x, src += 3)
          dst[x] = static_cast<uint32_t>(src[0]) | (static_cast<uint32_t>(src[1]) << 8) |
                   (static_cast<uint32_t>(src[2]) << 16);
        break;
      case 32:
        for (size_t x = 0; x < width; ++x, src += 4) {
          const uint32_t v = Get32(src);
          dst[x] = plain32 ? v & 0x00FFFFFFu : blue.Take(v) | (green.Take(v) << 8) | (red.Take(v) << 16);
        }
        break;
      case 16:
        for (size_t x = 0; x < width; ++x, src += 2) {
          const uint32_t v = Get16(src);
          dst[x] = blue.Take(v) | (green.Take(v) << 8) | (red.Take(v) << 16);
        }
        break;
      default: {  // 1, 4 and 8 bits: palette indices, the leftmost pixel in the high bits
        const size_t perByte = 8 / bits;
        const uint32_t mask = (1u << bits) - 1u;
        for (size_t x = 0; x < width; ++x) {
          const uint32_t shift = static_cast<uint32_t>(perByte - 1 - x % perByte) * bits;
          dst[x] = palette[(static_cast<uint32_t>(src[x / perByte]) >> shift) & mask];
        }
        break;
      }
    }
  }
}

}  // namespace vk::bmp
