#include "netadj/state_plane/nad83_lambert.hpp"

#include <cmath>

#include "geodesy/ellipsoid.hpp"

namespace korval::netadj {

namespace {

// GRS 80.
constexpr double kSemiMajorAxis = 6378137.0;  // metres
constexpr double kEccentricity = 0.08181919104295272;

// Radius of the parallel divided by a: cos x / w(x) with w(x) = sqrt(1 - e^2 sin^2 x).
double ParallelFactor(double x) {
  const double s = std::sin(x);
  return std::sqrt(1.0 - kEccentricity * kEccentricity * s * s);
}

// Isometric latitude.
double IsometricLatitude(double x) {
  const double s = std::sin(x);
  const double es = kEccentricity * s;
  return (std::log((1.0 + s) / (1.0 - s)) - kEccentricity * std::log((1.0 + es) / (1.0 - es))) / 2.0;
}

}  // namespace

GridPosition Nad83Lambert(const Nad83LambertZone& zone, double latitude, double longitude_west) {
  const double rho = kArcSecondsPerHalfTurn / geodesy::kPi;
  const double meridian = zone.central_meridian / rho;
  const double phi1 = zone.first_parallel;
  const double phi2 = zone.second_parallel;
  const double w1 = ParallelFactor(phi1);
  const double w2 = ParallelFactor(phi2);
  const double q1 = IsometricLatitude(phi1);

  // Cone constant, mapping constant and the radius of the origin parallel.
  const double n = std::log((w2 * std::cos(phi1)) / (w1 * std::cos(phi2))) / (IsometricLatitude(phi2) - q1);
  const double k = kSemiMajorAxis * std::cos(phi1) * std::exp(n * q1) / (w1 * n);
  const double origin_radius = k / std::exp(n * IsometricLatitude(zone.origin_latitude));

  const double radius = k / std::exp(n * IsometricLatitude(latitude));
  GridPosition grid;
  grid.convergence = (meridian - LongitudeNearMeridian(longitude_west, meridian)) * n;
  grid.x = radius * std::sin(grid.convergence) + zone.false_easting;
  grid.y = origin_radius - radius * std::cos(grid.convergence) + zone.false_northing;
  grid.scale = n * radius * ParallelFactor(latitude) / (kSemiMajorAxis * std::cos(latitude));
  return grid;
}

}  // namespace korval::netadj
