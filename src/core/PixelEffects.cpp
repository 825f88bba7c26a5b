#include "core/PixelEffects.h"

#include <algorithm>
#include <vector>

namespace vk {

namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;
// Pure red, green and yellow in the DIB layout (0x00RRGGBB).
constexpr uint32_t kRed = 0xFF0000u, kGreen = 0x00FF00u, kYellow = 0xFFFF00u;

struct Step {
  int32_t Dx, Dy;
};
// The order matters: a neighbour visited several times keeps its last value.
constexpr Step kAround[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}};
constexpr Step kTopRight[] = {{0, -1}, {1, -1}, {1, 0}};

// Ink that touches other ink: red becomes green, green and yellow become red, other
// colours leave the pixel as it is.
void SwapInk(uint32_t ink, uint32_t& out) {
  if (ink == kRed) out = kGreen;
  else if (ink == kGreen || ink == kYellow) out = kRed;
}

// For every ink pixel, scanned column by column, sets each listed neighbour of the result:
// background there takes the ink colour; ink there is cleared (hollow) or swapped.
void Spread(std::span<uint32_t> px, int32_t w, int32_t h, std::span<const Step> steps, bool swap) {
  if (w <= 0 || h <= 0 || px.size() < static_cast<size_t>(w) * static_cast<size_t>(h)) return;
  const auto at = [w](int32_t x, int32_t y) { return static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x); };
  std::vector<uint32_t> out(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  for (int32_t x = 0; x < w; ++x) {
    for (int32_t y = 0; y < h; ++y) {
      const uint32_t ink = px[at(x, y)] & kRgbMask;
      if (ink == 0) continue;
      for (const Step& s : steps) {
        const int32_t nx = x + s.Dx, ny = y + s.Dy;
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
        uint32_t& o = out[at(nx, ny)];
        if ((px[at(nx, ny)] & kRgbMask) == 0) o = ink;
        else if (swap) SwapInk(ink, o);
        else o = 0;
      }
    }
  }
  std::copy(out.begin(), out.end(), px.begin());
}

}  // namespace

void MakeHollow(std::span<uint32_t> pixels, int32_t width, int32_t height) {
  Spread(pixels, width, height, kAround, false);
}

void MakeSided(std::span<uint32_t> pixels, int32_t width, int32_t height) {
  Spread(pixels, width, height, kAround, true);
}

void MakeView3D(std::span<uint32_t> pixels, int32_t width, int32_t height) {
  Spread(pixels, width, height, kTopRight, true);
}

}  // namespace vk
