#include "core/ViewerPan.h"

#include <gtest/gtest.h>

namespace {

using vk::PanAxes;
using vk::TPoint;

TEST(ViewerPan, ASmallerPictureIsCentredAndATallOneMovesOnlyVerticallyBetweenItsEdges) {
  const vk::ViewerPlacement small = vk::PlaceViewerImage(1000, 700, 301, 200);
  EXPECT_EQ(small.ImagePos, (TPoint{349, 250}));
  EXPECT_EQ(small.Axes, PanAxes::None);
  const vk::ViewerPlacement p = vk::PlaceViewerImage(1000, 700, 600, 1754);
  EXPECT_EQ(p.Axes, PanAxes::Vertical);
  EXPECT_EQ(p.ImagePos, (TPoint{200, 1}));
  const TPoint press{500, 400};
  const vk::PanBounds b = vk::PanBoundsFor(p.Axes, press, p.ImagePos, 1000, 700, 600, 1754);
  // Far up: the bottom edge stops at the client's bottom; the picture never moves sideways.
  EXPECT_EQ(vk::PannedImagePos(b, press, p.ImagePos, {900, -5000}), (TPoint{200, 700 - 1754}));
  // Straight back: the clamp is on the mouse point, so the picture follows at once.
  EXPECT_EQ(vk::PannedImagePos(b, press, p.ImagePos, {500, 380}), (TPoint{200, -19}));
  // Far down: the top edge stops at 0.
  EXPECT_EQ(vk::PannedImagePos(b, press, p.ImagePos, {0, 5000}), (TPoint{200, 0}));
}

TEST(ViewerPan, AWideOrLargePictureMovesWithinTheClientArea) {
  const vk::ViewerPlacement wide = vk::PlaceViewerImage(1000, 700, 2480, 500);
  EXPECT_EQ(wide.Axes, PanAxes::Horizontal);
  EXPECT_EQ(wide.ImagePos, (TPoint{1, 100}));
  const vk::PanBounds bw = vk::PanBoundsFor(wide.Axes, {10, 10}, wide.ImagePos, 1000, 700, 2480, 500);
  EXPECT_EQ(vk::PannedImagePos(bw, {10, 10}, wide.ImagePos, {-9000, 9000}), (TPoint{1000 - 2480, 100}));

  const vk::ViewerPlacement big = vk::PlaceViewerImage(1000, 700, 2480, 3508);
  EXPECT_EQ(big.Axes, PanAxes::Both);
  const vk::PanBounds bb = vk::PanBoundsFor(big.Axes, {10, 10}, big.ImagePos, 1000, 700, 2480, 3508);
  EXPECT_EQ(vk::PannedImagePos(bb, {10, 10}, big.ImagePos, {-300, -200}), (TPoint{-309, -209}));
  EXPECT_EQ(vk::PannedImagePos(bb, {10, 10}, big.ImagePos, {9000, 9000}), (TPoint{0, 0}));
}

}  // namespace
