#pragma once
// Pages of a real PDF document, rendered on demand by poppler's pdftoppm at 150 dpi, as
// the host application renders its pages.
#include <cstdint>
#include <string>

#include "core/BmpCodec.h"

namespace pagehost {

// Renders page `page` of `pdf` (both paths as given to the host) with the renderer
// program `renderer`, through a temporary picture in `workDir`. False with a message
// when the renderer cannot run or its output cannot be read.
bool RenderPdfPage(const std::string& renderer, const std::string& pdf, int32_t page, const std::string& workDir,
                   vk::PixelImage& out, std::string& error);

// Decodes a binary PPM (P6, 8 bits per sample), the renderer's output.
bool DecodePpm(const std::vector<uint8_t>& bytes, vk::PixelImage& out, std::string& error);

}  // namespace pagehost
