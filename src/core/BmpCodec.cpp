#include "core/BmpCodec.h"

#include "core/ByteIO.h"

#include <array>

namespace vk {

uint64_t MaxPagePixels() { return 48ull * 1024ull * 1024ull; }

bool PagePixelsAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= MaxPagePixels();
}

namespace {

uint32_t Get16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8); }
uint32_t Get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

// Scales a masked channel to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit Channel(uint32_t m) : mask(m) {
    if (m == 0) return;
    while (((m >> shift) & 1u) == 0) ++shift;
    while (shift + bits < 32 && ((m >> (shift + bits)) & 1u) != 0) ++bits;
  }
  uint32_t Take(uint32_t v) const {
    if (bits == 0) return 0;
    uint32_t c = (v & mask) >> shift;
    if (bits >= 8) return c >> (bits - 8);
    uint32_t maxv = (1u << bits) - 1u;
    return (c * 255u + maxv / 2) / maxv;
  }
};

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, PixelImage& out, std::string& error) {
  error.clear();
  if (size < 14 + 12 || data[0] != 'B' || data[1] != 'M') {
    error = "not a bitmap file";
    return false;
  }
  const uint32_t pixelOffset = Get32(data + 10);
  const uint8_t* h = data + 14;
  const size_t rest = size - 14;
  const uint32_t headerSize = Get32(h);
  if (headerSize < 12 || headerSize > rest) {
    error = "damaged bitmap header";
    return false;
  }
  int64_t width = 0;
  int64_t height = 0;
  uint32_t bits = 0;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  int32_t xppm = 0;
  int32_t yppm = 0;
  size_t paletteEntry = 4;
  if (headerSize == 12) {  // the old core header
    width = static_cast<int64_t>(Get16(h + 4));
    height = static_cast<int16_t>(Get16(h + 6));
    bits = Get16(h + 10);
    paletteEntry = 3;
  } else {
    if (headerSize < 40) {
      error = "damaged bitmap header";
      return false;
    }
    width = static_cast<int32_t>(Get32(h + 4));
    height = static_cast<int32_t>(Get32(h + 8));
    bits = Get16(h + 14);
    compression = Get32(h + 16);
    xppm = static_cast<int32_t>(Get32(h + 24));
    yppm = static_cast<int32_t>(Get32(h + 28));
    colorsUsed = Get32(h + 32);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || !PagePixelsAllowed(width, height)) {
    error = "unsupported bitmap size";
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    error = "unsupported bits per pixel";
    return false;
  }
  // 0 plain, 3 bit fields, 6 bit fields with alpha
  if (compression != 0 && !(compression == 3 && (bits == 16 || bits == 32)) && compression != 6) {
    error = "compressed bitmaps are not supported";
    return false;
  }

  uint32_t rMask = 0x00FF0000u, gMask = 0x0000FF00u, bMask = 0x000000FFu;
  if (bits == 16) {
    rMask = 0x7C00u;
    gMask = 0x03E0u;
    bMask = 0x001Fu;
  }
  const size_t afterHeader = 14 + headerSize;
  if (compression == 3 || compression == 6) {
    // Masks follow a 40-byte header, or sit inside a larger one.
    if (headerSize == 40) {
      if (size - afterHeader < 12) {
        error = "damaged bitmap header";
        return false;
      }
    }
    const uint8_t* m = data + 14 + 40;
    rMask = Get32(m);
    gMask = Get32(m + 4);
    bMask = Get32(m + 8);
  }

  std::array<uint32_t, 256> palette{};
  if (bits <= 8) {
    size_t count = colorsUsed != 0 ? colorsUsed : (1u << bits);
    if (count > 256) count = 256;
    size_t palStart = afterHeader + ((compression == 3 && headerSize == 40) ? 12 : 0);
    if (palStart > size || count * paletteEntry > size - palStart) {
      error = "damaged colour table";
      return false;
    }
    for (size_t i = 0; i < count; ++i) {
      const uint8_t* e = data + palStart + i * paletteEntry;
      palette[i] = static_cast<uint32_t>(e[0]) | (static_cast<uint32_t>(e[1]) << 8) | (static_cast<uint32_t>(e[2]) << 16);
    }
  }

  const uint64_t stride = ((static_cast<uint64_t>(width) * bits + 31) / 32) * 4;
  if (pixelOffset > size || stride * static_cast<uint64_t>(height) > size - pixelOffset) {
    error = "the bitmap file is shorter than its pixels";
    return false;
  }

  out.Width = static_cast<int32_t>(width);
  out.Height = static_cast<int32_t>(height);
  out.SourceBits = static_cast<uint16_t>(bits);
  out.XPelsPerMeter = xppm;
  out.YPelsPerMeter = yppm;
  out.Pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);

  const Channel rc(rMask), gc(gMask), bc(bMask);
  const bool plain32 = bits == 32 && rMask == 0x00FF0000u && gMask == 0x0000FF00u && bMask == 0x000000FFu;
  for (int64_t row = 0; row < height; ++row) {
    const uint8_t* src = data + pixelOffset + stride * static_cast<uint64_t>(row);
    const int32_t y = static_cast<int32_t>(topDown ? row : height - 1 - row);
    uint32_t* dst = out.Row(y);
    switch (bits) {
      case 24:
        for (int64_t x = 0; x < width; ++x, src += 3)
          dst[x] = static_cast<uint32_t>(src[0]) | (static_cast<uint32_t>(src[1]) << 8) | (static_cast<uint32_t>(src[2]) << 16);
        break;
      case 32:
        if (plain32) {
          for (int64_t x = 0; x < width; ++x, src += 4) dst[x] = Get32(src) & 0x00FFFFFFu;
        } else {
          for (int64_t x = 0; x < width; ++x, src += 4) {
            uint32_t v = Get32(src);
            dst[x] = bc.Take(v) | (gc.Take(v) << 8) | (rc.Take(v) << 16);
          }
        }
        break;
      case 16:
        for (int64_t x = 0; x < width; ++x, src += 2) {
          uint32_t v = Get16(src);
          dst[x] = bc.Take(v) | (gc.Take(v) << 8) | (rc.Take(v) << 16);
        }
        break;
      default: {  // 1, 4, 8: palette indices packed high bits first
        const uint32_t perByte = 8 / bits;
        const uint32_t mask = (1u << bits) - 1u;
        for (int64_t x = 0; x < width; ++x) {
          uint32_t byte = src[static_cast<size_t>(x) / perByte];
          uint32_t shift = (perByte - 1 - static_cast<uint32_t>(x) % perByte) * bits;
          dst[x] = palette[(byte >> shift) & mask];
        }
        break;
      }
    }
  }
  return true;
}

std::vector<uint8_t> EncodeBmp(const PixelImage& image, uint16_t bits) {
  if (bits != 32) bits = 24;
  const uint32_t bytesPer = bits / 8u;
  const uint32_t stride = ((static_cast<uint32_t>(image.Width) * bits + 31u) / 32u) * 4u;
  const uint32_t imageSize = stride * static_cast<uint32_t>(image.Height);
  ByteWriter w;
  w.WriteU8('B');
  w.WriteU8('M');
  w.WriteU32(54 + imageSize);
  w.WriteU32(0);
  w.WriteU32(54);
  w.WriteU32(40);
  w.WriteI32(image.Width);
  w.WriteI32(image.Height);
  w.WriteU16(1);
  w.WriteU16(bits);
  w.WriteU32(0);
  w.WriteU32(imageSize);
  w.WriteI32(image.XPelsPerMeter);
  w.WriteI32(image.YPelsPerMeter);
  w.WriteU32(0);
  w.WriteU32(0);
  std::vector<uint8_t> out = w.Take();
  out.resize(54 + static_cast<size_t>(imageSize), 0);
  for (int32_t y = 0; y < image.Height; ++y) {
    uint8_t* dst = out.data() + 54 + static_cast<size_t>(image.Height - 1 - y) * stride;
    const uint32_t* src = image.Row(y);
    for (int32_t x = 0; x < image.Width; ++x, dst += bytesPer) {
      uint32_t v = src[x];
      dst[0] = static_cast<uint8_t>(v);
      dst[1] = static_cast<uint8_t>(v >> 8);
      dst[2] = static_cast<uint8_t>(v >> 16);
      if (bytesPer == 4) dst[3] = 0;
    }
  }
  return out;
}

}  // namespace vk
