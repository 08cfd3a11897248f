#include "netadj/statistics.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"
#include "geodesy/inverse.hpp"

namespace korval::netadj {

namespace {

using geodesy::kPi;

constexpr double kArcSecondsPerHalfTurn = 648000.0;

// Chi-square values at the 5 % level by degrees of freedom 1 to 30 (the last
// row serves every larger number): the 2.5 % point and the 95 % point, as the
// adjustment has always tabulated them.
struct ChiSquareRow {
  double lower;
  double upper;
};

constexpr std::array<ChiSquareRow, 30> kChiSquareTable = {{
    {0.000982, 3.841}, {0.0506, 5.991},  {0.216, 7.815},   {0.484, 9.488},   {0.831, 11.07},
    {1.237, 12.592},   {1.69, 14.067},   {2.18, 15.507},   {2.7, 16.919},    {3.247, 18.307},
    {3.816, 19.675},   {4.404, 21.026},  {5.009, 22.362},  {5.629, 23.685},  {6.262, 24.996},
    {6.908, 26.296},   {7.564, 27.587},  {8.231, 28.869},  {8.907, 30.144},  {9.591, 31.41},
    {10.283, 32.671},  {10.982, 33.924}, {11.689, 35.172}, {12.401, 36.415}, {13.12, 37.652},
    {13.844, 38.885},  {14.573, 40.113}, {15.308, 41.337}, {16.047, 42.557}, {16.791, 43.773},
}};

// The 95 % F statistic multiplier: each row holds from its degrees of freedom
// up to the next row's; the last row for every larger number.
struct MultiplierRow {
  int from_dof;
  double multiplier;
};

constexpr std::array<MultiplierRow, 24> kMultiplierTable = {{
    {1, 20.0},   {2, 6.16},   {3, 4.37},   {4, 3.73},  {5, 3.40},  {6, 3.21},  {7, 3.10},   {8, 2.99},
    {9, 2.93},   {10, 2.86},  {11, 2.83},  {12, 2.77}, {14, 2.71}, {18, 2.64}, {26, 2.58},  {36, 2.55},
    {46, 2.52},  {60, 2.51},  {75, 2.50},  {90, 2.49}, {120, 2.48}, {150, 2.47}, {180, 2.46}, {210, 2.45},
}};

double Square(double value) { return value * value; }

double ErrorOfWeight(double weight) { return weight > 0 ? 1.0 / std::sqrt(weight) : 0.0; }

double Variance(double weight) { return weight > 0 ? 1.0 / weight : 0.0; }

}  // namespace

double SnoopingNumber(double residual_size, double error_estimate) {
  if (error_estimate > 0 && residual_size > 0) return residual_size / error_estimate;
  return 0.0;
}

bool IsSnooped(double snooping_number) { return snooping_number >= 3.0; }

double PartsPerMillion(double residual_size, double length) {
  // A vector of zero observed length has no proportional error to show.
  if (length > 0) return residual_size / length * 1.0e6;
  return 0.0;
}

VectorResidual ComputeVectorResidual(const Network& network, const Vector& vector, int datum) {
  const Station& from = network.stations[static_cast<size_t>(vector.from)];
  const Station& to = network.stations[static_cast<size_t>(vector.to)];
  const double ax = to.x - from.x;
  const double ay = to.y - from.y;
  const double az = to.z - from.z;

  VectorResidual r;
  r.rx = ax - vector.dx;
  r.ry = ay - vector.dy;
  r.rz = az - vector.dz;
  const double size = std::sqrt(Square(r.rx) + Square(r.ry) + Square(r.rz));
  r.observed_length = std::sqrt(Square(vector.dx) + Square(vector.dy) + Square(vector.dz));
  const double adjusted_length = std::sqrt(Square(ax) + Square(ay) + Square(az));

  // The residual laid off from the adjusted from-station: its rise above the
  // station is the vertical part, the rest is horizontal.
  const double station_height = geodesy::CartesianToGeodetic(from.x, from.y, from.z, datum).height;
  const double point_height =
      geodesy::CartesianToGeodetic(from.x + r.rx, from.y + r.ry, from.z + r.rz, datum).height;
  r.vertical = point_height - station_height;
  const double horizontal = std::fabs(r.vertical) < size ? std::sqrt(Square(size) - Square(r.vertical)) : 0.0;

  r.error_estimate = std::sqrt(Variance(vector.wx) + Variance(vector.wy) + Variance(vector.wz));
  r.snooping = SnoopingNumber(size, r.error_estimate);
  r.flagged = IsSnooped(r.snooping);
  r.ppm = PartsPerMillion(size, r.observed_length);

  // An adjusted vector shorter than observed shows its residuals negative.
  const double sign = r.observed_length > adjusted_length ? -1.0 : 1.0;
  r.horizontal = sign * horizontal;
  r.three_d = sign * size;
  return r;
}

NetworkPrecision SummariseResiduals(const std::vector<Vector>& vectors, const std::vector<VectorResidual>& residuals) {
  NetworkPrecision p;
  if (residuals.empty()) return p;
  double sum_x = 0, sum_y = 0, sum_z = 0, sum_size = 0, sum_length = 0;
  p.largest_vector = 0;
  for (size_t m = 0; m < residuals.size(); ++m) {
    const VectorResidual& r = residuals[m];
    const Vector& v = vectors[m];
    sum_x += Square(r.rx);
    sum_y += Square(r.ry);
    sum_z += Square(r.rz);
    sum_size += r.Size();
    sum_length += r.observed_length;
    p.weighted_sum += v.wx * Square(r.rx) + v.wy * Square(r.ry) + v.wz * Square(r.rz);
    if (r.Size() > p.largest_residual) {
      p.largest_residual = r.Size();
      p.largest_vector = static_cast<int>(m);
    }
  }
  const double count = static_cast<double>(residuals.size());
  p.rms_x = std::sqrt(sum_x / count);
  p.rms_y = std::sqrt(sum_y / count);
  p.rms_z = std::sqrt(sum_z / count);
  p.ppm_precision = PartsPerMillion(sum_size, sum_length);
  return p;
}

ControlResidual ComputeControlResidual(const Network& network, const ControlPoint& control) {
  const Station& s = network.stations[static_cast<size_t>(control.station)];
  ControlResidual r;
  r.dx = control.cx - s.x;
  r.dy = control.cy - s.y;
  r.dz = control.cz - s.z;
  r.ex = ErrorOfWeight(control.wx);
  r.ey = ErrorOfWeight(control.wy);
  r.ez = ErrorOfWeight(control.wz);
  return r;
}

double ControlWeightedSum(const Network& network) {
  double sum = 0;
  for (const ControlPoint& c : network.control) {
    const ControlResidual r = ComputeControlResidual(network, c);
    sum += c.wx * Square(r.dx) + c.wy * Square(r.dy) + c.wz * Square(r.dz);
  }
  return sum;
}

int DegreesOfFreedom(int vectors, int control_points, int stations, bool minimally_constrained) {
  if (minimally_constrained) return 3 * (vectors - stations) + 3;
  return 3 * (vectors + control_points - stations);
}

double UnitWeightError(double weighted_sum, int degrees_of_freedom) {
  if (degrees_of_freedom > 0) return std::sqrt(weighted_sum / degrees_of_freedom);
  return weighted_sum;
}

ChiSquareResult ChiSquareTest(double sigma0, int degrees_of_freedom) {
  const int d = std::max(degrees_of_freedom, 1);
  const int used = std::min(d, 30);
  const ChiSquareRow& row = kChiSquareTable[static_cast<size_t>(used - 1)];
  const double chi = sigma0 * sigma0 * used;
  ChiSquareResult result;
  result.passes = row.lower < chi && chi < row.upper;
  result.low = std::sqrt(row.lower / used);
  result.high = std::sqrt(row.upper / used);
  return result;
}

double FMultiplier(int degrees_of_freedom) {
  // Without redundancy the multiplier stays at its preset 20.0.
  for (auto row = kMultiplierTable.rbegin(); row != kMultiplierTable.rend(); ++row) {
    if (degrees_of_freedom >= row->from_dof) return row->multiplier;
  }
  return 20.0;
}

PassStatistics EvaluatePass(const Network& network, int datum, bool minimally_constrained) {
  PassStatistics stats;
  stats.vectors.reserve(network.vectors.size());
  for (const Vector& v : network.vectors) stats.vectors.push_back(ComputeVectorResidual(network, v, datum));
  stats.precision = SummariseResiduals(network.vectors, stats.vectors);
  stats.weighted_sum = stats.precision.weighted_sum;
  if (!minimally_constrained) {
    stats.weighted_sum += ControlWeightedSum(network);
    stats.control.reserve(network.control.size());
    for (const ControlPoint& c : network.control) stats.control.push_back(ComputeControlResidual(network, c));
  }
  stats.degrees_of_freedom =
      DegreesOfFreedom(static_cast<int>(network.vectors.size()), static_cast<int>(network.control.size()),
                       static_cast<int>(network.stations.size()), minimally_constrained);
  stats.sigma0 = UnitWeightError(stats.weighted_sum, stats.degrees_of_freedom);
  stats.chi_square = ChiSquareTest(stats.sigma0, stats.degrees_of_freedom);
  stats.multiplier = FMultiplier(stats.degrees_of_freedom);
  return stats;
}

StationEstimate EstimateStation(const Station& station, double f, int datum) {
  const geodesy::Geodetic origin = geodesy::CartesianToGeodetic(station.x, station.y, station.z, datum);

  // Displace the station by the multiplied standard error along each axis in
  // turn and collect the resulting changes of latitude, longitude and height.
  const std::array<geodesy::Cartesian, 3> displaced = {{
      {station.x + f * station.sx, station.y, station.z},
      {station.x, station.y + f * station.sy, station.z},
      {station.x, station.y, station.z + f * station.sz},
  }};
  double sum_latitude = 0, sum_longitude = 0, sum_height = 0;  // arc-seconds^2, arc-seconds^2, metres^2
  for (const geodesy::Cartesian& point : displaced) {
    const geodesy::Geodetic moved = geodesy::CartesianToGeodetic(point.x, point.y, point.z, datum);
    sum_latitude += Square(std::fabs(moved.latitude - origin.latitude) / kPi * kArcSecondsPerHalfTurn);
    sum_longitude += Square(std::fabs(moved.longitude - origin.longitude) / kPi * kArcSecondsPerHalfTurn);
    sum_height += Square(moved.height - origin.height);
  }
  const double latitude_seconds = std::sqrt(sum_latitude);
  const double longitude_seconds = std::sqrt(sum_longitude);

  StationEstimate e;
  e.latitude = origin.latitude;
  e.longitude = origin.longitude;
  e.height = origin.height;
  const double longitude = std::fabs(origin.longitude);
  e.north_error = geodesy::GeodeticInverse(origin.latitude, longitude,
                                           origin.latitude + kPi * latitude_seconds / kArcSecondsPerHalfTurn, longitude)
                      .distance;
  e.east_error =
      geodesy::GeodeticInverse(origin.latitude, longitude, origin.latitude,
                               std::fabs(origin.longitude + kPi * longitude_seconds / kArcSecondsPerHalfTurn))
          .distance;
  e.height_error = std::sqrt(sum_height);
  return e;
}

}  // namespace korval::netadj
