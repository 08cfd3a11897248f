// Fitting the network onto the sheet and the length of the scale bar.
#include <gtest/gtest.h>

#include <cmath>

#include "view/page_fit.hpp"

namespace korval::view {
namespace {

TEST(ScaleBar, LengthIsOneTwoOrFiveTimesAPowerOfTenNotAboveTheRoom) {
  EXPECT_DOUBLE_EQ(ScaleBarLength(1000.0), 1000.0);
  EXPECT_DOUBLE_EQ(ScaleBarLength(999.9), 500.0);
  EXPECT_DOUBLE_EQ(ScaleBarLength(4.99), 2.0);
  EXPECT_DOUBLE_EQ(ScaleBarLength(1.99), 1.0);
  EXPECT_NEAR(ScaleBarLength(0.07), 0.05, 1e-15);
  EXPECT_DOUBLE_EQ(ScaleBarLength(1.0e5), 1.0e5);
  for (double room = 0.001; room < 1.0e7; room *= 1.37) {
    const double length = ScaleBarLength(room);
    EXPECT_LE(length, room * (1 + 1e-12));
    EXPECT_GT(length, room / 2.5 * (1 - 1e-12));
  }
}

TEST(PageFit, WideNetworkFillsALandscapeSheetCentred) {
  const PageFit fit = PageFit::Fit({1000.0, 5000.0, 11000.0, 6000.0});
  EXPECT_EQ(fit.page().width, kLandscapeA4.width);
  const double area = kLandscapeA4.width - kMarginLeft - kMarginRight;
  EXPECT_NEAR(fit.scale(), area / 10000.0, 1e-12);
  EXPECT_NEAR(fit.PageX(1000.0), kMarginLeft, 1e-9);
  EXPECT_NEAR(fit.PageX(11000.0), kMarginLeft + area, 1e-9);
  EXPECT_GT(fit.PageY(5000.0), fit.PageY(6000.0));
}

TEST(PageFit, TallNetworkTurnsTheSheet) {
  const PageFit fit = PageFit::Fit({0.0, 0.0, 100.0, 900.0});
  EXPECT_EQ(fit.page().width, kPortraitA4.width);
  EXPECT_NEAR(fit.PageY(0.0) - fit.PageY(900.0), kPortraitA4.height - kMarginTop - kMarginBottom, 1e-9);
}

TEST(PageFit, StationsOnOnePointOrOneLineGetAFiniteScale) {
  for (const Bounds& bounds : {Bounds{7.0, 7.0, 7.0, 7.0}, Bounds{0.0, 5.0, 500.0, 5.0}, Bounds{3.0, 0.0, 3.0, 0.2}}) {
    const PageFit fit = PageFit::Fit(bounds);
    EXPECT_TRUE(std::isfinite(fit.scale()));
    EXPECT_GT(fit.scale(), 0.0);
    EXPECT_GE(fit.PageX(bounds.min_x), kMarginLeft - 1e-9);
    EXPECT_LE(fit.PageX(bounds.max_x), fit.page().width - kMarginRight + 1e-9);
  }
}

}  // namespace
}  // namespace korval::view
