#include "netadj/statistics.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "common/fields.hpp"
#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"

namespace korval::netadj {
namespace {

using geodesy::kPi;

constexpr int kNad83 = 2;

Station StationAt(const char* name, double x, double y, double z) {
  Station s;
  s.name = name;
  s.x = x;
  s.y = y;
  s.z = z;
  return s;
}

Station StationAtGeodetic(const char* name, double latitude_degrees, double longitude_degrees, double height) {
  const geodesy::Cartesian c =
      geodesy::GeodeticToCartesian(latitude_degrees * kPi / 180, longitude_degrees * kPi / 180, height, kNad83);
  return StationAt(name, c.x, c.y, c.z);
}

Vector VectorOf(int from, int to, double dx, double dy, double dz, double wx, double wy, double wz) {
  Vector v;
  v.from = from;
  v.to = to;
  v.dx = dx;
  v.dy = dy;
  v.dz = dz;
  v.wx = wx;
  v.wy = wy;
  v.wz = wz;
  return v;
}

// Two stations whose adjusted X differ by `adjusted_dx`, observed as 1000 m.
VectorResidual ResidualAlongX(double adjusted_dx, double wx = 1e4, double wy = 1e4, double wz = 1e4) {
  Network n;
  n.stations = {StationAt("A", 1113194.0, -4800000.0, 4000000.0),
                StationAt("B", 1113194.0 + adjusted_dx, -4800000.0, 4000000.0)};
  return ComputeVectorResidual(n, VectorOf(0, 1, 1000.0, 0, 0, wx, wy, wz), kNad83);
}

TEST(SnoopingTest, FlagsFromThreeErrorEstimatesOn) {
  EXPECT_DOUBLE_EQ(SnoopingNumber(0.75, 0.25), 3.0);
  EXPECT_TRUE(IsSnooped(SnoopingNumber(0.75, 0.25)));
  EXPECT_FALSE(IsSnooped(SnoopingNumber(0.7475, 0.25)));  // 2.99
  EXPECT_EQ(SnoopingNumber(0.0, 0.25), 0.0);
  EXPECT_EQ(SnoopingNumber(0.5, 0.0), 0.0);

  // Weights 2, 4, 4 make the 3-D error estimate exactly 1 m; a residual of
  // exactly 3 m is flagged, one just under 3 m is not.
  const VectorResidual at_three = ResidualAlongX(1003.0, 2, 4, 4);
  EXPECT_EQ(at_three.error_estimate, 1.0);
  EXPECT_EQ(at_three.snooping, 3.0);
  EXPECT_TRUE(at_three.flagged);
  const VectorResidual below = ResidualAlongX(1002.99, 2, 4, 4);
  EXPECT_NEAR(below.snooping, 2.99, 1e-6);
  EXPECT_FALSE(below.flagged);
}

TEST(VectorResidualTest, ShorterAdjustedVectorShowsNegativeResiduals) {
  const VectorResidual longer = ResidualAlongX(1000.01);
  const VectorResidual shorter = ResidualAlongX(999.99);
  EXPECT_NEAR(longer.three_d, 0.01, 1e-9);
  EXPECT_NEAR(shorter.three_d, -0.01, 1e-9);
  EXPECT_GE(longer.horizontal, 0.0);
  EXPECT_LE(shorter.horizontal, 0.0);
  EXPECT_NEAR(std::fabs(longer.horizontal), std::fabs(shorter.horizontal), 1e-9);
  // The component residual keeps its own sign (adjusted minus observed).
  EXPECT_NEAR(shorter.rx, -0.01, 1e-9);
  // Equal lengths count as not shorter.
  EXPECT_GT(ResidualAlongX(1000.0 + 0.0).three_d, -1e-12);
  EXPECT_NEAR(longer.ppm, 10.0, 1e-6);
  EXPECT_NEAR(longer.observed_length, 1000.0, 1e-12);
}

TEST(VectorResidualTest, SplitsResidualIntoVerticalAndHorizontal) {
  // The to-station lies 5 cm higher than observed: all of the residual is vertical.
  Network n;
  n.stations = {StationAtGeodetic("A", 40, -100, 100.0), StationAtGeodetic("B", 40.01, -100, 200.05)};
  const Station observed_b = StationAtGeodetic("B", 40.01, -100, 200.0);
  const Station& a = n.stations[0];
  const VectorResidual up = ComputeVectorResidual(
      n, VectorOf(0, 1, observed_b.x - a.x, observed_b.y - a.y, observed_b.z - a.z, 1e4, 1e4, 1e4), kNad83);
  EXPECT_NEAR(up.vertical, 0.05, 1e-4);
  EXPECT_NEAR(std::fabs(up.horizontal), 0.0, 3e-3);
  EXPECT_NEAR(std::fabs(up.three_d), 0.05, 1e-9);

  // A residual 3 cm east and 4 cm down: horizontal 3 cm, vertical -4 cm.
  const double lat = 40 * kPi / 180, lon = -100 * kPi / 180;
  const double east[3] = {-std::sin(lon), std::cos(lon), 0};
  const double upv[3] = {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
  Network m;
  m.stations = {StationAtGeodetic("A", 40, -100, 100.0), StationAtGeodetic("B", 40, -100.01, 100.0)};
  const Station& ma = m.stations[0];
  const Station& mb = m.stations[1];
  const double r[3] = {0.03 * east[0] - 0.04 * upv[0], 0.03 * east[1] - 0.04 * upv[1], 0.03 * east[2] - 0.04 * upv[2]};
  const VectorResidual slanted = ComputeVectorResidual(
      m, VectorOf(0, 1, mb.x - ma.x - r[0], mb.y - ma.y - r[1], mb.z - ma.z - r[2], 1e4, 1e4, 1e4), kNad83);
  EXPECT_NEAR(slanted.vertical, -0.04, 1e-6);
  EXPECT_NEAR(std::fabs(slanted.horizontal), 0.03, 1e-5);
  EXPECT_NEAR(std::fabs(slanted.three_d), 0.05, 1e-9);
}

TEST(VectorResidualTest, ZeroLengthVectorHasFiniteValues) {
  Network n;
  n.stations = {StationAt("A", 1113194.0, -4800000.0, 4000000.0), StationAt("B", 1113194.02, -4800000.0, 4000000.0)};
  const VectorResidual r = ComputeVectorResidual(n, VectorOf(0, 1, 0, 0, 0, 1e4, 1e4, 1e4), kNad83);
  EXPECT_EQ(r.ppm, 0.0);
  EXPECT_EQ(r.observed_length, 0.0);
  EXPECT_NEAR(r.three_d, 0.02, 1e-9);  // adjusted longer than observed

  NetworkPrecision p = SummariseResiduals({VectorOf(0, 1, 0, 0, 0, 1e4, 1e4, 1e4)}, {r});
  EXPECT_EQ(p.ppm_precision, 0.0);
  EXPECT_TRUE(std::isfinite(p.rms_x));
}

TEST(NetworkPrecisionTest, SumsResidualsOfAllVectors) {
  VectorResidual a, b, c;
  a.rx = 0.03;
  a.three_d = -0.03;
  a.observed_length = 1000;
  b.ry = 0.04;
  b.three_d = 0.04;
  b.observed_length = 2000;
  c.rz = -0.04;  // as large as b: b stays the largest
  c.three_d = -0.04;
  c.observed_length = 1000;
  const std::vector<Vector> vectors = {VectorOf(0, 1, 0, 0, 0, 100, 100, 100), VectorOf(1, 2, 0, 0, 0, 100, 100, 100),
                                       VectorOf(2, 0, 0, 0, 0, 100, 100, 400)};
  const NetworkPrecision p = SummariseResiduals(vectors, {a, b, c});
  EXPECT_NEAR(p.rms_x, std::sqrt(0.0009 / 3), 1e-15);
  EXPECT_NEAR(p.rms_y, std::sqrt(0.0016 / 3), 1e-15);
  EXPECT_NEAR(p.rms_z, std::sqrt(0.0016 / 3), 1e-15);
  EXPECT_NEAR(p.ppm_precision, 0.11 / 4000 * 1e6, 1e-9);  // sizes, not signed values
  EXPECT_EQ(p.largest_vector, 1);
  EXPECT_NEAR(p.largest_residual, 0.04, 1e-15);
  EXPECT_NEAR(p.weighted_sum, 100 * 0.0009 + 100 * 0.0016 + 400 * 0.0016, 1e-12);

  const NetworkPrecision zero = SummariseResiduals(vectors, {VectorResidual{}, VectorResidual{}, VectorResidual{}});
  EXPECT_EQ(zero.largest_vector, 0);
  EXPECT_EQ(zero.largest_residual, 0.0);
  EXPECT_EQ(SummariseResiduals({}, {}).largest_vector, -1);
}

TEST(DegreesOfFreedomTest, CountsBothConstraintModes) {
  EXPECT_EQ(DegreesOfFreedom(20, 3, 10, false), 39);  // 3 (NM + NC - NS)
  EXPECT_EQ(DegreesOfFreedom(20, 3, 10, true), 33);   // 3 (NM - NS) + 3
  EXPECT_EQ(DegreesOfFreedom(2, 1, 3, true), 0);
  EXPECT_DOUBLE_EQ(UnitWeightError(40.0, 10), 2.0);
  // Without redundancy the weighted sum stands for itself.
  EXPECT_EQ(UnitWeightError(0.25, 0), 0.25);
  EXPECT_EQ(UnitWeightError(0.25, -3), 0.25);
}

TEST(ChiSquareTest, TestsUnitWeightErrorAtFivePercent) {
  const ChiSquareResult ten = ChiSquareTest(1.000, 10);
  EXPECT_TRUE(ten.passes);
  EXPECT_EQ(FormatDecimal(ten.low, 6, 3), " 0.570");
  EXPECT_EQ(FormatDecimal(ten.high, 6, 3), " 1.353");
  EXPECT_FALSE(ChiSquareTest(1.400, 10).passes);
  EXPECT_FALSE(ChiSquareTest(0.5, 10).passes);  // chi 2.5 below 3.247

  // From 30 degrees of freedom on, the row of 30 and d' = 30.
  const ChiSquareResult many = ChiSquareTest(1.0, 200);
  EXPECT_EQ(FormatDecimal(many.low, 6, 3), " 0.748");
  EXPECT_EQ(FormatDecimal(many.high, 6, 3), " 1.208");
  EXPECT_TRUE(many.passes);
  EXPECT_FALSE(ChiSquareTest(1.25, 200).passes);  // 46.9 above 43.773

  // No redundancy: tested as one degree of freedom, and sigma0 = 0 fails.
  const ChiSquareResult none = ChiSquareTest(0.0, 0);
  EXPECT_FALSE(none.passes);
  EXPECT_DOUBLE_EQ(none.low, std::sqrt(0.000982));
  EXPECT_DOUBLE_EQ(none.high, std::sqrt(3.841));
}

TEST(FMultiplierTest, LooksUpByDegreesOfFreedom) {
  EXPECT_EQ(FMultiplier(12), 2.77);
  EXPECT_EQ(FMultiplier(13), 2.77);
  EXPECT_EQ(FMultiplier(250), 2.45);
  EXPECT_EQ(FMultiplier(0), 20.0);
  EXPECT_EQ(FMultiplier(-6), 20.0);
  EXPECT_EQ(FMultiplier(1), 20.0);
  EXPECT_EQ(FMultiplier(2), 6.16);
  EXPECT_EQ(FMultiplier(11), 2.83);
  EXPECT_EQ(FMultiplier(14), 2.71);
  EXPECT_EQ(FMultiplier(17), 2.71);
  EXPECT_EQ(FMultiplier(25), 2.64);
  EXPECT_EQ(FMultiplier(26), 2.58);
  EXPECT_EQ(FMultiplier(119), 2.49);
  EXPECT_EQ(FMultiplier(209), 2.46);
  EXPECT_EQ(FMultiplier(210), 2.45);
}

TEST(EvaluatePassTest, AddsControlTermsOnlyWhenConstrained) {
  Network n;
  n.stations = {StationAt("A", 1113194.0, -4800000.0, 4000000.0), StationAt("B", 1114194.01, -4800000.0, 4000000.0)};
  ControlPoint c;
  c.station = 0;
  c.cx = 1113194.02;  // control 2 cm east of the adjusted X
  c.cy = -4800000.0;
  c.cz = 4000000.0;
  c.wx = c.wy = c.wz = 2500;  // 2 cm
  n.control = {c};
  n.vectors = {VectorOf(0, 1, 1000.0, 0, 0, 10000, 10000, 10000)};

  const PassStatistics constrained = EvaluatePass(n, kNad83, false);
  ASSERT_EQ(constrained.control.size(), 1u);
  EXPECT_NEAR(constrained.control[0].dx, 0.02, 1e-9);  // control minus adjusted
  EXPECT_NEAR(constrained.control[0].ex, 0.02, 1e-15);
  EXPECT_NEAR(constrained.weighted_sum, 10000 * 1e-4 + 2500 * 4e-4, 1e-7);
  EXPECT_EQ(constrained.degrees_of_freedom, 0);  // 3 (1 + 1 - 2)
  EXPECT_NEAR(constrained.sigma0, constrained.weighted_sum, 1e-15);
  EXPECT_EQ(constrained.multiplier, 20.0);

  const PassStatistics minimal = EvaluatePass(n, kNad83, true);
  EXPECT_TRUE(minimal.control.empty());
  EXPECT_NEAR(minimal.weighted_sum, 1.0, 1e-7);
  EXPECT_EQ(minimal.degrees_of_freedom, 0);  // 3 (1 - 2) + 3
}

TEST(StationEstimateTest, TurnsScaledErrorsIntoNorthEastAndHeight) {
  Station s = StationAtGeodetic("A", 38.5, -77.25, 85.0);
  const StationEstimate exact = EstimateStation(s, 2.5, kNad83);
  EXPECT_NEAR(exact.latitude * 180 / kPi, 38.5, 1e-9);
  EXPECT_NEAR(exact.longitude * 180 / kPi, -77.25, 1e-9);
  EXPECT_NEAR(exact.height, 85.0, 1e-6);
  EXPECT_LT(exact.north_error, 1e-12);
  EXPECT_LT(exact.east_error, 1e-12);
  EXPECT_EQ(exact.height_error, 0.0);

  // The errors of X, Y, Z projected on the local north, east and up axes.
  s.sx = 0.010;
  s.sy = 0.020;
  s.sz = 0.015;
  const double f = 2.5;
  const StationEstimate e = EstimateStation(s, f, kNad83);
  const double lat = 38.5 * kPi / 180, lon = -77.25 * kPi / 180;
  const double north = f * std::hypot(std::hypot(std::sin(lat) * std::cos(lon) * s.sx, std::sin(lat) * std::sin(lon) * s.sy),
                                      std::cos(lat) * s.sz);
  const double east = f * std::hypot(std::sin(lon) * s.sx, std::cos(lon) * s.sy);
  const double up = f * std::hypot(std::hypot(std::cos(lat) * std::cos(lon) * s.sx, std::cos(lat) * std::sin(lon) * s.sy),
                                   std::sin(lat) * s.sz);
  EXPECT_NEAR(e.north_error, north, 2e-5);
  EXPECT_NEAR(e.east_error, east, 2e-5);
  EXPECT_NEAR(e.height_error, up, 2e-5);
}

}  // namespace
}  // namespace korval::netadj
