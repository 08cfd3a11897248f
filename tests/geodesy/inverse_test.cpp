#include "geodesy/inverse.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/ellipsoid.hpp"
#include "tests/geodesy/csv.hpp"

namespace korval::geodesy {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

double Wrap180(double degrees) {
  while (degrees > 180) degrees -= 360;
  while (degrees <= -180) degrees += 360;
  return degrees;
}

// Geodesics from GeographicLib's GeodSolve on GRS 80, lines up to 50 km. The
// azimuth of the mid-latitude formula belongs to the middle of the line: the
// mean of the geodesic's azimuths at its two ends.
TEST(GeodeticInverse, AgreesWithTheGeodesicOnSurveyLines) {
  const auto rows = testing::ReadNumberTable("geodesy/fixtures/inverse.csv");
  ASSERT_GT(rows.size(), 100u);
  for (const auto& r : rows) {
    const InverseResult result = GeodeticInverse(r[0] * kDeg, r[1] * kDeg, r[2] * kDeg, r[3] * kDeg);
    EXPECT_NEAR(result.distance, r[6], 1e-4) << "line of " << r[6] << " m";
    const double middle = r[4] + Wrap180(r[5] - r[4]) / 2.0;
    const double departure = Wrap180(result.azimuth / kDeg - middle) * 3600.0;
    EXPECT_NEAR(departure, 0.0, 0.01) << "line of " << r[6] << " m";
  }
}

TEST(GeodeticInverse, IdenticalPointsGiveAzimuthZeroAndATinyDistance) {
  const InverseResult result = GeodeticInverse(0.7, -1.8, 0.7, -1.8);
  EXPECT_EQ(result.azimuth, 0.0);
  EXPECT_EQ(result.distance, 1e-16);
}

TEST(GeodeticInverse, NorthAndEastAndWestLines) {
  const double e2 = kGrs80Inverse.e2, a = kGrs80Inverse.a;
  const double phi = 40 * kDeg, dphi = 1e-4;
  const InverseResult north = GeodeticInverse(phi, 1.0, phi + dphi, 1.0);
  EXPECT_EQ(north.azimuth, 0.0);
  const double phim = phi + dphi / 2, s = std::sin(phim), c = std::cos(phim), t = s / c;
  const double eta2 = e2 * c * c / (1 - e2);
  const double m = a * (1 - e2) / std::pow(1 - e2 * s * s, 1.5);
  const double b3 = eta2 * (1 - t * t) / (8 * (1 + eta2) * (1 + eta2));
  EXPECT_NEAR(north.distance, m * dphi * (1 + b3 * dphi * dphi), 1e-9);

  const InverseResult east = GeodeticInverse(0.0, 0.0, 0.0, 1e-5);
  EXPECT_DOUBLE_EQ(east.azimuth, kPi / 2);
  EXPECT_NEAR(east.distance, a * 1e-5, 1e-9);
  const InverseResult west = GeodeticInverse(0.0, 0.0, 0.0, -1e-5);
  EXPECT_DOUBLE_EQ(west.azimuth, 3 * kPi / 2);
}

TEST(GeodeticInverse, OneArcSecondAtFortyDegrees) {
  const double second = kDeg / 3600.0;
  EXPECT_NEAR(GeodeticInverse(40 * kDeg, 1.0, 40 * kDeg + second, 1.0).distance, 30.8, 0.05);
  EXPECT_NEAR(GeodeticInverse(40 * kDeg, 1.0, 40 * kDeg, 1.0 + second).distance, 23.7, 0.05);
}

}  // namespace
}  // namespace korval::geodesy
