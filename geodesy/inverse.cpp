#include "geodesy/inverse.hpp"

#include <cmath>

#include "geodesy/ellipsoid.hpp"

namespace korval::geodesy {

InverseResult GeodeticInverse(double latitude1, double longitude1, double latitude2, double longitude2,
                              const InverseEllipsoid& ellipsoid) {
  const double a = ellipsoid.a;
  const double e2 = ellipsoid.e2;
  const double phim = (latitude1 + latitude2) / 2.0;
  const double dphi = latitude2 - latitude1;
  const double dlam = longitude2 - longitude1;
  const double s = std::sin(phim);
  const double c = std::cos(phim);
  const double t = s / c;
  const double eta2 = e2 * c * c / (1.0 - e2);
  const double v2 = 1.0 + eta2;
  const double w2 = 1.0 - e2 * s * s;
  const double m = a * (1.0 - e2) / std::pow(w2, 1.5);  // meridian radius
  const double n = a / std::sqrt(w2);                    // prime vertical radius
  const double v4 = v2 * v2;
  const double b1 = (1.0 + eta2 - 9.0 * eta2 * t * t) / (24.0 * v4);
  const double b2 = (1.0 - 2.0 * eta2) / 24.0;
  const double b3 = eta2 * (1.0 - t * t) / (8.0 * v4);
  const double p = n * c * dlam * (1.0 - (s * dlam) * (s * dlam) / 24.0 + b1 * dphi * dphi);
  double q = m * dphi * std::cos(dlam / 2.0) * (1.0 + b2 * (c * dlam) * (c * dlam) + b3 * dphi * dphi);
  if (p == 0.0 && q == 0.0) q = 1e-16;
  InverseResult result;
  result.azimuth = std::atan2(p, q);
  result.distance = std::sqrt(p * p + q * q);
  if (result.azimuth < 0.0) result.azimuth += 2.0 * kPi;
  if (result.azimuth >= 2.0 * kPi) result.azimuth -= 2.0 * kPi;
  return result;
}

}  // namespace korval::geodesy
