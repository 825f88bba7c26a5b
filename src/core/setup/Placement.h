#pragma once
// Window geometry of Optaset in twips (1/1440 inch), the unit the window is laid out in.
#include <cstdint>

namespace optaset {

inline constexpr double kTwipsPerInch = 1440.0;

// Twips to whole pixels at the screen's dots per inch (nearest), and back.
int TwipsToPixels(double twips, int dpi);
double PixelsToTwips(int pixels, int dpi);

struct TwipsPoint {
  double left = 0;
  double top = 0;
};

// Where SetupForm puts a window: centred, moved by the offsets, with two rules for small
// screens. A screen 15360 twips wide or less (1024 pixels at 96 dpi) has no room for a
// horizontal offset, so dLeft is reset to 0 for the caller too; one 11520 high or less
// (768 pixels) gets the window at its top edge.
TwipsPoint PlaceForm(double screenWidth, double screenHeight, double formWidth, double formHeight,
                     int32_t& dLeft, int32_t dTop);

}  // namespace optaset
