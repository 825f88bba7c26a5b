// Feeds arbitrary bytes to the page picture reader. Whatever decodes must be a whole
// picture of plain colours, and the page written back from it must read as the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Run-length files can describe a large white page in a few bytes; keep each run small.
  constexpr uint64_t kPixels = 1u << 18;
  vk::PixelImage img;
  std::string error;
  if (!vk::DecodeBmp(data, size, img, error, kPixels)) {
    if (error.empty() || img.Width != 0 || !img.Pixels.empty()) std::abort();  // failures say why and leave `img` alone
    return 0;
  }
  if (img.Width <= 0 || img.Height <= 0 ||
      img.Pixels.size() != static_cast<size_t>(img.Width) * static_cast<size_t>(img.Height))
    std::abort();
  for (uint32_t px : img.Pixels)
    if (px > 0x00FFFFFFu) std::abort();
  const std::vector<uint8_t> saved = vk::EncodeBmp(img, img.SourceBits == 32 ? 32 : 24);
  vk::PixelImage back;
  if (!vk::DecodeBmp(saved.data(), saved.size(), back, error) || back.Pixels != img.Pixels) std::abort();
  return 0;
}
