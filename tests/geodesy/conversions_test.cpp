#include "geodesy/conversions.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/ellipsoid.hpp"
#include "tests/geodesy/csv.hpp"

namespace korval::geodesy {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// Reference positions from GeographicLib's CartConvert on both ellipsoids.
TEST(Conversions, AgreeWithIndependentReferenceWithinATenthOfAMillimetre) {
  const auto rows = testing::ReadNumberTable("geodesy/fixtures/cartesian.csv");
  ASSERT_GT(rows.size(), 200u);
  for (const auto& r : rows) {
    const int datum = static_cast<int>(r[0]);
    const double lat = r[1] * kDeg, lon = r[2] * kDeg, h = r[3];
    const Cartesian c = GeodeticToCartesian(lat, lon, h, datum);
    EXPECT_NEAR(c.x, r[4], 1e-4);
    EXPECT_NEAR(c.y, r[5], 1e-4);
    EXPECT_NEAR(c.z, r[6], 1e-4);

    const Geodetic g = CartesianToGeodetic(r[4], r[5], r[6], datum);
    const Ellipsoid& e = EllipsoidOfDatum(datum);
    const double radius = e.a;  // metres per radian, near enough for a tolerance
    EXPECT_NEAR((g.latitude - lat) * radius, 0.0, 1e-4) << r[1] << " " << r[3];
    double dlon = g.longitude - lon;
    if (dlon > 3.0) dlon -= 2 * kPi;
    if (dlon < -3.0) dlon += 2 * kPi;
    EXPECT_NEAR(dlon * radius * std::cos(lat), 0.0, 1e-4);
    EXPECT_NEAR(g.height, h, 1e-4);
  }
}

TEST(Conversions, EquatorInTheMeridianPlane) {
  const Geodetic g = CartesianToGeodetic(6378137.0, 0.0, 0.0, kNad83);
  EXPECT_EQ(g.latitude, 0.0);
  EXPECT_EQ(g.longitude, 0.0);
  EXPECT_NEAR(g.height, 0.0, 1e-9);
}

TEST(Conversions, LongitudeQuadrants) {
  const Cartesian west = GeodeticToCartesian(0.5, -100.0 * kDeg, 0.0, kNad83);
  ASSERT_LT(west.x, 0.0);
  ASSERT_LT(west.y, 0.0);
  EXPECT_NEAR(CartesianToGeodetic(west.x, west.y, west.z, kNad83).longitude, -1.7453292519943295, 1e-12);
  const Cartesian east = GeodeticToCartesian(0.5, 100.0 * kDeg, 0.0, kNad83);
  EXPECT_NEAR(CartesianToGeodetic(east.x, east.y, east.z, kNad83).longitude, 1.7453292519943295, 1e-12);
}

TEST(Conversions, EveryDatumCodeButTwoIsClarke1866) {
  const Cartesian clarke = GeodeticToCartesian(0.0, 0.0, 0.0, 1);
  EXPECT_DOUBLE_EQ(clarke.x, 6378206.4);
  EXPECT_DOUBLE_EQ(GeodeticToCartesian(0.0, 0.0, 0.0, 0).x, 6378206.4);
  EXPECT_DOUBLE_EQ(GeodeticToCartesian(0.0, 0.0, 0.0, 2).x, 6378137.0);
  EXPECT_NEAR(kClarke1866.b(), 6356583.8, 1e-6);
}

TEST(Conversions, PointsOnTheZAxisArePolesNotNaN) {
  const double b = kNad83Conversion.b();
  const Geodetic north = CartesianToGeodetic(0.0, 0.0, b + 12.5, kNad83);
  EXPECT_DOUBLE_EQ(north.latitude, kPi / 2);
  EXPECT_EQ(north.longitude, 0.0);
  EXPECT_NEAR(north.height, 12.5, 1e-9);
  const Geodetic south = CartesianToGeodetic(0.0, 0.0, -b, kNad83);
  EXPECT_DOUBLE_EQ(south.latitude, -kPi / 2);
  EXPECT_NEAR(south.height, 0.0, 1e-9);
}

}  // namespace
}  // namespace korval::geodesy
