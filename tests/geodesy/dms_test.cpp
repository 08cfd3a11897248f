#include "geodesy/dms.hpp"

#include <gtest/gtest.h>

#include "geodesy/ellipsoid.hpp"

namespace korval::geodesy {
namespace {

double FromDms(int d, int m, double s) { return (d + m / 60.0 + s / 3600.0) * kPi / 180.0; }

TEST(RadiansToDms, SplitsAndTruncates) {
  const Dms dms = RadiansToDms(FromDms(77, 30, 12.34567));
  EXPECT_EQ(dms.degrees, 77);
  EXPECT_EQ(dms.minutes, 30);
  EXPECT_NEAR(dms.seconds, 12.34567, 1e-8);
}

TEST(RadiansToDms, CarriesSecondsThatWouldPrintAsSixty) {
  const Dms half = RadiansToDms((0.5 - 1e-9 / 3600.0) * kPi / 180.0);
  EXPECT_EQ(half.degrees, 0);
  EXPECT_EQ(half.minutes, 30);
  EXPECT_EQ(half.seconds, 0.0);
  const Dms whole = RadiansToDms(FromDms(40, 59, 59.999996));
  EXPECT_EQ(whole.degrees, 41);
  EXPECT_EQ(whole.minutes, 0);
  EXPECT_EQ(whole.seconds, 0.0);
  const Dms kept = RadiansToDms(FromDms(40, 59, 59.999994));
  EXPECT_EQ(kept.minutes, 59);
  EXPECT_NEAR(kept.seconds, 59.999994, 1e-7);
}

TEST(RadiansToDms, NegativeAnglesGiveNegativePartsAndNoCarry) {
  const Dms dms = RadiansToDms(-FromDms(10, 20, 30.0));
  EXPECT_EQ(dms.degrees, -10);
  EXPECT_EQ(dms.minutes, -20);
  EXPECT_NEAR(dms.seconds, -30.0, 1e-8);
}

}  // namespace
}  // namespace korval::geodesy
