#include "core/PixelEffects.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vk {

namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;
// Pure red, green and yellow in the DIB layout (0x00RRGGBB).
constexpr uint32_t kRed = 0xFF0000u, kGreen = 0x00FF00u, kYellow = 0xFFFF00u;

struct Step {
  int32_t Dx, Dy;
};
// Where each ink pixel writes, relative to itself.
constexpr Step kAround[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}};
constexpr Step kTopRight[] = {{0, -1}, {1, -1}, {1, 0}};

// The effects are defined by a scan column by column (x, then y) in which every ink
// pixel sets the listed neighbours of the result and a neighbour keeps the value of its
// last visit. Computed here the other way round, row by row for the cache: a pixel looks
// at the ink pixels that reach it, latest in that scan first, and the first one that
// would set it decides.
//   background reached by ink K: K
//   ink reached by ink K: hollow 0; otherwise red K gives green, green or yellow K red,
//   and any other K changes nothing (an earlier visitor, if any, decides)
//   not reached at all: black
template <size_t N>
void Spread(std::span<uint32_t> px, int32_t w, int32_t h, const Step (&steps)[N], bool swap) {
  if (w <= 0 || h <= 0 || px.size() < static_cast<size_t>(w) * static_cast<size_t>(h)) return;
  // The source with a black border: a neighbour outside the picture is never ink.
  const size_t pw = static_cast<size_t>(w) + 2;
  std::vector<uint32_t> src(pw * (static_cast<size_t>(h) + 2), 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      src[(static_cast<size_t>(y) + 1) * pw + static_cast<size_t>(x) + 1] =
          px[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] & kRgbMask;
  std::array<Step, N> from{};
  for (size_t i = 0; i < N; ++i) from[i] = {-steps[i].Dx, -steps[i].Dy};
  std::sort(from.begin(), from.end(), [](Step a, Step b) { return a.Dx != b.Dx ? a.Dx > b.Dx : a.Dy > b.Dy; });
  std::array<ptrdiff_t, N> offset{};
  for (size_t i = 0; i < N; ++i) offset[i] = static_cast<ptrdiff_t>(from[i].Dy) * static_cast<ptrdiff_t>(pw) + from[i].Dx;
  // Most pixels are far from ink. Where every source is one of the eight neighbours, a
  // pixel none of whose neighbours is ink is told by three reads of the rows' ink spans.
  const bool around = N == 8;
  std::vector<uint8_t> span3;
  if (around) {
    span3.assign(src.size(), 0);
    for (size_t i = 1; i + 1 < src.size(); ++i) span3[i] = (src[i - 1] | src[i] | src[i + 1]) != 0;
  }
  for (int32_t y = 0; y < h; ++y) {
    const size_t row = (static_cast<size_t>(y) + 1) * pw + 1;
    const uint32_t* c = &src[row];
    uint32_t* out = &px[static_cast<size_t>(y) * static_cast<size_t>(w)];
    for (int32_t x = 0; x < w; ++x, ++c) {
      const bool ink = *c != 0;
      uint32_t o = 0;
      const size_t i = row + static_cast<size_t>(x);
      const bool reached = !around || span3[i - pw] || span3[i + pw] || c[-1] || c[1];
      if (reached && (!ink || swap)) {
        for (ptrdiff_t off : offset) {
          const uint32_t k = c[off];
          if (k == 0) continue;
          if (!ink) {
            o = k;
            break;
          }
          if (k == kRed) {
            o = kGreen;
            break;
          }
          if (k == kGreen || k == kYellow) {
            o = kRed;
            break;
          }
        }
      }
      out[x] = o;
    }
  }
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
