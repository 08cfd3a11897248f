#include "netadj/state_plane/nad83_transverse_mercator.hpp"

#include <cmath>

#include "geodesy/ellipsoid.hpp"

namespace korval::netadj {

namespace {

// GRS 80.
constexpr double kSemiMajorAxis = 6378137.0;               // metres
constexpr double kEccentricitySquared = 0.006694380022923196;
constexpr double kSecondEccentricitySquared = kEccentricitySquared / (1.0 - kEccentricitySquared);
constexpr double kRectifyingRadius = 6367449.14577;        // metres

// Rectifying latitude (radians): the latitude on a sphere of the rectifying
// radius whose meridian arc from the equator equals the ellipsoid's.
double RectifyingLatitude(double latitude) {
  const double s = std::sin(latitude);
  const double c = std::cos(latitude);
  const double c2 = c * c;
  return latitude + s * c * (-0.005048250776 + c2 * (2.1259204e-05 + c2 * (-1.11423e-07 + c2 * 6.26e-10)));
}

}  // namespace

GridPosition Nad83TransverseMercator(const Nad83TransverseMercatorZone& zone, double latitude,
                                     double longitude_west) {
  const double rho = kArcSecondsPerHalfTurn / geodesy::kPi;
  const double meridian = zone.central_meridian / rho;
  const double k0 = zone.central_scale;
  const double s = std::sin(latitude);
  const double c = std::cos(latitude);
  const double t = std::tan(latitude);
  const double t2 = t * t;

  // Longitude from the central meridian, west positive, and its length along
  // the parallel in units of the radius.
  const double dl = LongitudeNearMeridian(longitude_west, meridian) - meridian;
  const double l = dl * c;
  const double l2 = l * l;

  const double arc = k0 * RectifyingLatitude(latitude) * kRectifyingRadius;
  const double arc0 = k0 * RectifyingLatitude(zone.origin_latitude) * kRectifyingRadius;
  const double radius = k0 * kSemiMajorAxis / std::sqrt(1.0 - kEccentricitySquared * s * s);
  const double eta2 = kSecondEccentricitySquared * c * c;

  const double a2 = radius * t / 2.0;
  const double a4 = (5.0 - t2 + 9.0 * eta2) / 12.0;
  const double a6 = (1.0 - t2 + eta2) / 6.0;
  const double a5 = (5.0 - 18.0 * t2 + t2 * t2) / 120.0;

  GridPosition grid;
  grid.y = arc - arc0 + a2 * l2 * (1.0 + a4 * l2) + zone.false_northing;
  // L is west positive: stations west of the central meridian get smaller eastings.
  grid.x = zone.false_easting - radius * l * (1.0 + a6 * l2 + a5 * l2 * l2);
  // The convergence series to its third-order term, (1 + 3 eta^2 + 2 eta^4) / 3.
  grid.convergence = -s * dl * (1.0 + l2 * (1.0 + 3.0 * eta2 + 2.0 * eta2 * eta2) / 3.0);
  grid.scale = k0 * (1.0 + (1.0 + eta2) * l2 / 2.0);
  return grid;
}

}  // namespace korval::netadj
