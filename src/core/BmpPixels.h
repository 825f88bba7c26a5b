#pragma once
// The pixel decoders behind DecodeBmp: plain rows, and run-length codes.
#include "core/BmpCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vk::bmp {

// Colours as 0x00RRGGBB; indices past the file's own table read as black.
using Palette = std::array<uint32_t, 256>;

// Where red, green and blue sit in a 16- or 32-bit pixel.
struct ColourMasks {
  uint32_t Red = 0;
  uint32_t Green = 0;
  uint32_t Blue = 0;
};

// `rows` holds out.Height rows of 4-byte aligned pixels, bottom row first unless topDown.
// `out` is already sized.
void DecodeRows(const uint8_t* rows, uint32_t bits, bool topDown, const Palette& palette, const ColourMasks& masks,
                PixelImage& out);

// RLE8 (bits 8) or RLE4 (bits 4) codes, bottom row first. Pixels the codes leave unset are
// white. Fails when the codes stop short of the picture without an end-of-picture code.
bool DecodeRuns(const uint8_t* codes, size_t size, uint32_t bits, const Palette& palette, PixelImage& out,
                std::string& error);

}  // namespace vk::bmp
