// Distance and azimuth between two nearby points: the Gauss mid-latitude
// formulae, truncated after the terms below.
//
// Angles in radians; both longitudes in the same sense (both east-positive or
// both west-positive); the azimuth is counted from north towards increasing
// longitude, 0 <= azimuth < 2 pi. The distance is within 0.1 mm of the
// geodesic on lines up to 50 km, and the azimuth (that of the middle of the
// line) within 0.01 arc-second; accuracy falls off on lines of hundreds of
// kilometres. Two identical points give azimuth 0 and distance 1e-16 m.
#pragma once

namespace korval::geodesy {

// The ellipsoid of the inverse, set once per program: GRS 80 whatever the
// datum of the project.
struct InverseEllipsoid {
  double a;   // semi-major axis, metres
  double e2;  // first eccentricity squared
};

inline constexpr InverseEllipsoid kGrs80Inverse{6378137.0, 0.006694380022900787};

struct InverseResult {
  double distance = 0;  // metres
  double azimuth = 0;   // radians
};

InverseResult GeodeticInverse(double latitude1, double longitude1, double latitude2, double longitude2,
                              const InverseEllipsoid& ellipsoid = kGrs80Inverse);

}  // namespace korval::geodesy
