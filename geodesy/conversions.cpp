#include "geodesy/conversions.hpp"

#include <cmath>

#include "geodesy/ellipsoid.hpp"

namespace korval::geodesy {

Cartesian GeodeticToCartesian(double latitude, double longitude, double height, int datum) {
  const Ellipsoid& ellipsoid = EllipsoidOfDatum(datum);
  const double a = ellipsoid.a;
  const double e2 = ellipsoid.e2();
  const double sin_lat = std::sin(latitude);
  const double n = a / std::sqrt(1.0 - e2 * sin_lat * sin_lat);  // prime vertical radius
  Cartesian c;
  c.x = (n + height) * std::cos(latitude) * std::cos(longitude);
  c.y = (n + height) * std::cos(latitude) * std::sin(longitude);
  c.z = ((1.0 - e2) * n + height) * sin_lat;
  return c;
}

Geodetic CartesianToGeodetic(double x, double y, double z, int datum) {
  const Ellipsoid& ellipsoid = EllipsoidOfDatum(datum);
  const double a = ellipsoid.a;
  const double b = ellipsoid.b();
  const double e2 = ellipsoid.e2();
  const double ep2 = ellipsoid.ep2();
  Geodetic g;
  const double p = std::sqrt(x * x + y * y);
  if (p == 0.0) {
    // On the Z axis Bowring's formula divides by zero: the point is a pole.
    g.latitude = (z < 0.0 ? -1.0 : 1.0) * kPi / 2.0;
    g.longitude = 0.0;
    g.height = std::fabs(z) - b;
    return g;
  }
  const double theta = std::atan((z * a) / (p * b));
  // Longitude from the X axis towards the Y axis, in -pi..pi.
  if (x == 0.0) {
    g.longitude = y > 0.0 ? kPi / 2.0 : -kPi / 2.0;
  } else {
    g.longitude = std::atan(y / x);
    if (x < 0.0 && y < 0.0) {
      g.longitude -= kPi;
    } else if (x < 0.0) {
      g.longitude += kPi;
    }
  }
  const double sin_theta = std::sin(theta);
  const double cos_theta = std::cos(theta);
  g.latitude = std::atan((z + ep2 * b * sin_theta * sin_theta * sin_theta) /
                         (p - e2 * a * cos_theta * cos_theta * cos_theta));
  const double sin_lat = std::sin(g.latitude);
  const double n = a / std::sqrt(1.0 - e2 * sin_lat * sin_lat);
  g.height = p / std::cos(g.latitude) - n;
  return g;
}

}  // namespace korval::geodesy
