#include "core/BmpCodec.h"

#include <algorithm>

#include "core/BmpPixels.h"
#include "core/ByteIO.h"

namespace vk {

uint64_t MaxPagePixels() {
  // A page shown holds 12 bytes a pixel (picture, work bitmap, surface), up to 28 while
  // the next page is read beside it. A 32-bit process has 2 GB of addresses, shared with
  // the host, and each bitmap needs one free stretch of them: 48 Mi pixels (576 MB shown)
  // is what still opens there. A 64-bit process is bound by memory instead: 128 Mi pixels
  // (1.5 GB shown, 3.5 GB at most) covers A3 at 600 dpi twice over.
  constexpr uint64_t kMi = 1024ull * 1024ull;
  return sizeof(void*) >= 8 ? 128 * kMi : 48 * kMi;
}

std::string PageTooLargeText(int64_t width, int64_t height, uint64_t limit) {
  return "it has " + std::to_string(width) + " x " + std::to_string(height) + " pixels, and a page may have at most " +
         std::to_string(limit) + " pixels in the " + (sizeof(void*) >= 8 ? "64" : "32") + "-bit editor";
}

bool PagePixelsAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= MaxPagePixels();
}

namespace {

uint32_t Get16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8); }
uint32_t Get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kAlphaBitFields = 6;
constexpr size_t kFileHeader = 14;
constexpr size_t kCoreHeader = 12;
constexpr size_t kInfoHeader = 40;

// What the header says, before any pixel is looked at.
struct Layout {
  int64_t width = 0;
  int64_t height = 0;  // made positive; topDown says which way the rows go
  bool topDown = false;
  uint32_t bits = 0;
  uint32_t compression = kRgb;
  uint32_t imageSize = 0;
  uint32_t colorsUsed = 0;
  int32_t xppm = 0;
  int32_t yppm = 0;
  size_t headerSize = 0;
};

std::string CompressionProblem(const Layout& l) {
  switch (l.compression) {
    case kRgb:
      return {};
    case kRle8:
    case kRle4: {
      const uint32_t need = l.compression == kRle8 ? 8 : 4;
      if (l.bits != need)
        return "its RLE" + std::to_string(need) + " codes need " + std::to_string(need) + " bits per pixel, not " +
               std::to_string(l.bits);
      if (l.topDown) return "a run-length coded picture cannot be stored top-down";
      return {};
    }
    case kBitFields:
    case kAlphaBitFields:
      if (l.bits != 16 && l.bits != 32)
        return "colour masks need 16 or 32 bits per pixel, not " + std::to_string(l.bits);
      return {};
    case 4:
      return "it holds a JPEG picture, which only printers take inside a bitmap";
    case 5:
      return "it holds a PNG picture, which only printers take inside a bitmap";
    default:
      return "its compression type " + std::to_string(l.compression) + " is unknown";
  }
}

// Reads the header after the 14-byte file header; `h` has at least `rest` >= 4 bytes.
bool ReadLayout(const uint8_t* h, size_t rest, Layout& l, std::string& error) {
  const uint32_t headerSize = Get32(h);
  if (headerSize > rest) {
    error = "the file ends inside its header";
    return false;
  }
  l.headerSize = headerSize;
  if (headerSize == kCoreHeader) {  // the OS/2 header: 16-bit unsigned sizes, always bottom-up
    l.width = Get16(h + 4);
    l.height = Get16(h + 6);
    l.bits = Get16(h + 10);
  } else if (headerSize >= kInfoHeader) {  // the Windows header and its longer versions
    l.width = static_cast<int32_t>(Get32(h + 4));
    l.height = static_cast<int32_t>(Get32(h + 8));
    l.bits = Get16(h + 14);
    l.compression = Get32(h + 16);
    l.imageSize = Get32(h + 20);
    l.xppm = static_cast<int32_t>(Get32(h + 24));
    l.yppm = static_cast<int32_t>(Get32(h + 28));
    l.colorsUsed = Get32(h + 32);
  } else {
    error = "its header of " + std::to_string(headerSize) + " bytes is not a bitmap header";
    return false;
  }
  l.topDown = l.height < 0;
  if (l.topDown) l.height = -l.height;  // 64-bit: even INT_MIN turns positive
  if (l.width <= 0 || l.height == 0) {
    error = "it is " + std::to_string(l.width) + " x " + std::to_string(l.height) + " pixels";
    return false;
  }
  if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 16 && l.bits != 24 && l.bits != 32) {
    error = "it has " + std::to_string(l.bits) + " bits per pixel";
    return false;
  }
  error = CompressionProblem(l);
  return error.empty();
}

// The colour masks of 16- and 32-bit pictures. With bit fields they sit right after the
// 40 bytes of the Windows header, inside a longer header or after a 40-byte one.
bool ReadMasks(const uint8_t* data, size_t size, const Layout& l, bmp::ColourMasks& m, std::string& error) {
  if (l.bits == 16) m = {0x7C00u, 0x03E0u, 0x001Fu};
  if (l.bits == 32) m = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
  if (l.compression != kBitFields && l.compression != kAlphaBitFields) return true;
  const size_t at = kFileHeader + kInfoHeader;
  const size_t length = l.compression == kBitFields ? 12 : 16;  // the alpha mask is not needed
  if (length > size - at) {
    error = "the file ends inside its colour masks";
    return false;
  }
  m = {Get32(data + at), Get32(data + at + 4), Get32(data + at + 8)};
  return true;
}

// The colour table follows the header: 4 bytes an entry, 3 after the OS/2 header. It may
// hold fewer entries than the bits can index (colorsUsed); the rest read as black.
bool ReadPalette(const uint8_t* data, size_t size, const Layout& l, bmp::Palette& palette, std::string& error) {
  if (l.bits > 8) return true;
  const size_t full = size_t{1} << l.bits;
  const size_t count = l.colorsUsed == 0 || l.colorsUsed > full ? full : l.colorsUsed;
  const size_t entry = l.headerSize == kCoreHeader ? 3 : 4;
  const size_t at = kFileHeader + l.headerSize;
  if (count * entry > size - at) {
    error = "the file ends inside its colour table";
    return false;
  }
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = data + at + i * entry;
    palette[i] = static_cast<uint32_t>(e[0]) | (static_cast<uint32_t>(e[1]) << 8) | (static_cast<uint32_t>(e[2]) << 16);
  }
  return true;
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, PixelImage& out, std::string& error, uint64_t pixelLimit) {
  error.clear();
  if (size < 2 || data[0] != 'B' || data[1] != 'M') {
    error = "not a bitmap file";
    return false;
  }
  if (size < kFileHeader + 4) {
    error = "the file ends inside its header";
    return false;
  }
  Layout l;
  bmp::ColourMasks masks;
  bmp::Palette palette{};
  if (!ReadLayout(data + kFileHeader, size - kFileHeader, l, error) || !ReadMasks(data, size, l, masks, error) ||
      !ReadPalette(data, size, l, palette, error))
    return false;
  const uint64_t pixelCount = static_cast<uint64_t>(l.width) * static_cast<uint64_t>(l.height);
  if (!PagePixelsAllowed(l.width, l.height) || pixelCount > pixelLimit) {
    error = PageTooLargeText(l.width, l.height, std::min(pixelLimit, MaxPagePixels()));
    return false;
  }
  const uint32_t pixelOffset = Get32(data + 10);
  if (pixelOffset > size) {
    error = "its pixels would start past the end of the file";
    return false;
  }
  const size_t available = size - pixelOffset;
  const bool runs = l.compression == kRle8 || l.compression == kRle4;
  const uint64_t stride = ((static_cast<uint64_t>(l.width) * l.bits + 31) / 32) * 4;
  if (runs ? l.imageSize > available : stride * static_cast<uint64_t>(l.height) > available) {
    error = "the file is shorter than its pixels";
    return false;
  }

  PixelImage image;
  image.Width = static_cast<int32_t>(l.width);
  image.Height = static_cast<int32_t>(l.height);
  image.SourceBits = static_cast<uint16_t>(l.bits);
  image.XPelsPerMeter = l.xppm;
  image.YPelsPerMeter = l.yppm;
  image.Pixels.assign(static_cast<size_t>(pixelCount), 0);
  if (runs) {
    if (!bmp::DecodeRuns(data + pixelOffset, l.imageSize != 0 ? l.imageSize : available, l.bits, palette, image, error))
      return false;
  } else {
    bmp::DecodeRows(data + pixelOffset, l.bits, l.topDown, palette, masks, image);
  }
  out = std::move(image);
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
