#include "core/setup/Placement.h"

#include <gtest/gtest.h>

#include "core/setup/FormLayout.h"

namespace {

TEST(PlaceForm, SmallScreensIgnoreTheOffsetAndUseTheTopEdge) {
  struct Case {
    double screenW, screenH, formW, formH;
    int32_t dLeft, dTop;
    double left, top;
    int32_t dLeftAfter;
  };
  const Case cases[] = {
      // 1024 x 768 at 96 dpi: centred horizontally, at the top, offset dropped.
      {15360, 11520, 14592, 9825, 600, 300, 384, 0, 0},
      // 1280 x 1024: centred both ways, offsets kept.
      {19200, 15360, 18240, 9825, 0, 0, 480, 2767.5, 0},
      {19200, 15360, 18240, 9825, -150, 75, 330, 2842.5, -150},
      // Just past both thresholds.
      {15375, 11535, 15000, 11000, 30, -15, 217.5, 252.5, 30},
  };
  for (const Case& c : cases) {
    int32_t dLeft = c.dLeft;
    optaset::TwipsPoint p = optaset::PlaceForm(c.screenW, c.screenH, c.formW, c.formH, dLeft, c.dTop);
    EXPECT_DOUBLE_EQ(p.left, c.left) << c.screenW;
    EXPECT_DOUBLE_EQ(p.top, c.top) << c.screenH;
    EXPECT_EQ(dLeft, c.dLeftAfter);
  }
}

TEST(Twips, FollowTheScreensDpi) {
  EXPECT_EQ(optaset::TwipsToPixels(19245, 96), 1283);
  EXPECT_EQ(optaset::TwipsToPixels(19245, 120), 1604);  // 12 twips a pixel
  EXPECT_EQ(optaset::TwipsToPixels(4372.5, 96), 292);
  EXPECT_DOUBLE_EQ(optaset::PixelsToTwips(1280, 96), 19200);
  EXPECT_DOUBLE_EQ(optaset::PixelsToTwips(1024, 144), 10240);
}

optaset::FormLayout Arranged(double screenWidth) {
  optaset::FormLayout f;
  f.formWidth = optaset::StartupFormWidth(screenWidth);
  optaset::ArrangeControls(f, screenWidth);
  return f;
}

TEST(ArrangeControls, PicturesFollowTheListsRightEdge) {
  for (double screen : {15360.0, 19200.0, 21600.0, 28800.0}) {
    SCOPED_TRACE(screen);
    optaset::FormLayout f = Arranged(screen);
    EXPECT_DOUBLE_EQ(f.formWidth, screen * 0.95);
    EXPECT_DOUBLE_EQ(f.listView1.width, screen * 0.95 - 690);
    const double right = f.listView1.Right();
    EXPECT_DOUBLE_EQ(f.image1.Right(), right);
    EXPECT_DOUBLE_EQ(f.image2.Right(), right);
    EXPECT_DOUBLE_EQ(f.image4.Right(), right);
    EXPECT_DOUBLE_EQ(f.image3.Right(), f.image4.left);
    EXPECT_DOUBLE_EQ(f.label1.left, (f.image2.left - f.label1.width) / 2);
    EXPECT_DOUBLE_EQ(f.image5.left, f.label1.left - 735);
    EXPECT_DOUBLE_EQ(f.image3.top, 8595);  // nothing moves vertically
    EXPECT_DOUBLE_EQ(f.columnWidths[0], f.listView1.width / 15);
    EXPECT_DOUBLE_EQ(f.columnWidths[1], f.listView1.width / 3.8);
    EXPECT_DOUBLE_EQ(f.columnWidths[2], f.listView1.width / 6);
    EXPECT_DOUBLE_EQ(f.columnWidths[3], f.listView1.width / 8);
    EXPECT_DOUBLE_EQ(f.columnWidths[4], f.listView1.width);
  }
}

TEST(ArrangeControls, IntroductionLabelsAroundTheDesignWidth) {
  // 1024 x 768 and 1280 x 1024 screens: moved left by half the shortfall, held at 300.
  optaset::FormLayout narrow = Arranged(19200);
  EXPECT_DOUBLE_EQ(narrow.label2.left, 300);
  EXPECT_DOUBLE_EQ(narrow.label2.width, narrow.image2.left - 600);
  EXPECT_DOUBLE_EQ(narrow.label3.left, 300);
  EXPECT_DOUBLE_EQ(narrow.label3.width, narrow.label2.width);

  // 1400 pixels: 300 short, half of it taken off the left.
  optaset::FormLayout near = Arranged(21000);
  EXPECT_DOUBLE_EQ(near.label2.left, 795);
  EXPECT_DOUBLE_EQ(near.label2.width, near.image2.left - 1590);
  EXPECT_DOUBLE_EQ(near.label3.left, 795);

  // Exactly the design width: both keep their laid-out places.
  optaset::FormLayout exact = Arranged(21600);
  EXPECT_DOUBLE_EQ(exact.label2.left, 1095);
  EXPECT_DOUBLE_EQ(exact.label2.width, 14175);
  EXPECT_DOUBLE_EQ(exact.label3.left, 1110);
  EXPECT_DOUBLE_EQ(exact.label3.width, 14295);

  // Wider: the left stays, the widths follow the logo.
  optaset::FormLayout wide = Arranged(28800);
  EXPECT_DOUBLE_EQ(wide.label2.left, 1095);
  EXPECT_DOUBLE_EQ(wide.label2.width, wide.image2.left - 2190);
  EXPECT_DOUBLE_EQ(wide.label3.left, 1095);
}

}  // namespace
