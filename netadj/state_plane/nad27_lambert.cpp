#include "netadj/state_plane/nad27_lambert.hpp"

#include <cmath>

#include "geodesy/ellipsoid.hpp"

namespace korval::netadj {

namespace {

constexpr double kEccentricitySquared = 0.006768658;          // Clarke 1866
constexpr double kSemiMajorAxisFeet = 20925832.16;            // Clarke 1866, U.S. survey feet
constexpr double kFeetPerArcSecondOfArc = 101.2794065;
constexpr double kMinutesPerHalfTurn = 10800.0;

}  // namespace

GridPosition Nad27Lambert(const Nad27LambertZone& zone, double latitude, double longitude_west) {
  const double pi = geodesy::kPi;
  const double s = std::sin(latitude);
  const double c = std::cos(latitude);

  // Latitude in whole minutes and the seconds beyond them.
  const double minutes = latitude / pi * kMinutesPerHalfTurn;
  const double whole = std::trunc(minutes);
  const double seconds = (minutes - whole) * 60.0;
  const double arc_correction = (1052.893882 - 4.483344 * c * c + 0.02352 * c * c * c * c) * s * c;

  // Meridian distance south of the central parallel (feet) and the radius.
  const double u = (60.0 * (zone.c7 - whole) - seconds + arc_correction + zone.c8) * kFeetPerArcSecondOfArc;
  const double up = u * 1e-08;
  const double radius = zone.c3 + zone.c5 * u * (1.0 + zone.c9 * up * up - zone.c10 * up * up * up +
                                                 zone.c11 * up * up * up * up);

  const double meridian = zone.c2 / kArcSecondsPerHalfTurn * pi;
  const double lsec = LongitudeNearMeridian(longitude_west, meridian) / pi * kArcSecondsPerHalfTurn;
  GridPosition grid;
  grid.convergence = (zone.c2 - lsec) * zone.c6 * pi / kArcSecondsPerHalfTurn;
  const double half = std::sin(grid.convergence / 2.0);
  grid.x = zone.c1 + radius * std::sin(grid.convergence);
  grid.y = zone.c4 + radius * (2.0 * half * half - 1.0);
  grid.scale = zone.c6 * radius * std::sqrt(1.0 - kEccentricitySquared * s * s) / (kSemiMajorAxisFeet * c);
  return grid;
}

}  // namespace korval::netadj
