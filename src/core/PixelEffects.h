#pragma once
// The effects a text object gives its rendered text: an outline (hollow), an outline
// with the ink recoloured inside (sided) and a relief toward the top right (3-D).
//
// They work on a 32-bit picture in the layout of a DIB section, 0x00RRGGBB per pixel
// (the top byte is ignored). Black is background, every other colour is ink. Each effect
// reads the picture as it was and replaces it whole; neighbours outside it are skipped.
#include <cstdint>
#include <span>

namespace vk {

void MakeHollow(std::span<uint32_t> pixels, int32_t width, int32_t height);
void MakeSided(std::span<uint32_t> pixels, int32_t width, int32_t height);
void MakeView3D(std::span<uint32_t> pixels, int32_t width, int32_t height);

}  // namespace vk
