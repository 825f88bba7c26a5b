#include "core/setup/Placement.h"

#include <cmath>

namespace optaset {

int TwipsToPixels(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double PixelsToTwips(int pixels, int dpi) { return pixels * kTwipsPerInch / dpi; }

TwipsPoint PlaceForm(double screenWidth, double screenHeight, double formWidth, double formHeight,
                     int32_t& dLeft, int32_t dTop) {
  if (screenWidth <= 15360) dLeft = 0;
  TwipsPoint p;
  p.left = (screenWidth - formWidth) / 2 + dLeft;
  p.top = screenHeight <= 11520 ? 0 : (screenHeight - formHeight) / 2 + dTop;
  return p;
}

}  // namespace optaset
