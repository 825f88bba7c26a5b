#include "core/setup/FormLayout.h"

#include <algorithm>

namespace optaset {

double StartupFormWidth(double screenWidth) { return screenWidth * 0.95; }

void ArrangeControls(FormLayout& f, double screenWidth) {
  // The 90 twips are the window's two side borders.
  f.listView1.width = f.formWidth - 2 * f.listView1.left - 90;
  for (size_t i = 0; i < kColumns.size(); ++i) f.columnWidths[i] = f.listView1.width / kColumns[i].divisor;

  const double listRight = f.listView1.Right();
  f.image1.left = listRight - f.image1.width;
  f.image2.left = listRight - f.image2.width;
  f.image4.left = listRight - f.image4.width;
  f.image3.left = f.image4.left - f.image3.width;
  f.label1.left = (f.image2.left - f.label1.width) / 2;

  if (screenWidth != kLabelDesignScreenWidth) {
    if (screenWidth < kLabelDesignScreenWidth) f.label2.left -= (kLabelDesignScreenWidth - screenWidth) / 2;
    if (f.label2.left < 300) f.label2.left = 300;
    f.label2.width = std::max(0.0, f.image2.left - 2 * f.label2.left);
    f.label3.left = f.label2.left;
    f.label3.width = f.label2.width;
  }

  f.image5.left = f.label1.left - 735;
}

}  // namespace optaset
