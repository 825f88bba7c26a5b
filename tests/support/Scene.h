#pragma once
// A drawing of many small objects of every kind there is, spread over a page.
#include <memory>
#include <vector>

#include "drawing/objects/PicBase.h"

namespace vkt {

std::vector<std::unique_ptr<vk::TPicBase>> MakeScene(int count, int pageWidth, int pageHeight);
// The same grid with line objects only.
std::vector<std::unique_ptr<vk::TPicBase>> MakeLines(int count, int pageWidth, int pageHeight);
// A rectangle from (l, t) to (r, b), filled light green unless filled is false.
std::unique_ptr<vk::TPicBase> MakeRect(int l, int t, int r, int b, bool filled = true);
// Texts of 40 characters at 60 points with all three effects, one per line down the page.
std::vector<std::unique_ptr<vk::TPicBase>> MakeTexts(int count, int pageWidth, int pageHeight);

}  // namespace vkt
