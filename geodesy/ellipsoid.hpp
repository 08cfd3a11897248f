// The reference ellipsoids of the two datums, and the datum code that selects
// them.
//
// The geodetic/Cartesian conversions use, for NAD 83, the semi-major axis
// 6378137.0 m with the WGS 84 flattening 1/298.257223563, and for NAD 27 the
// Clarke 1866 ellipsoid. They derive b, e^2 and e'^2 from a and f at every call,
// in the order written below, so that results agree to the last bit with the
// adjustment's published behaviour. The geodetic inverse and the NAD 83
// projections carry GRS 80 values of their own.
#pragma once

#include <cmath>

namespace korval::geodesy {

// pi as the suite computes it.
inline const double kPi = 4.0 * std::atan(1.0);

// Datum codes of the adjustment parameters: 1 = NAD 27, 2 = NAD 83. The
// conversions treat 2 as NAD 83 and every other value as NAD 27.
inline constexpr int kNad27 = 1;
inline constexpr int kNad83 = 2;

struct Ellipsoid {
  double a;  // semi-major axis, metres
  double f;  // flattening

  double b() const { return (1.0 - f) * a; }
  double e2() const {
    const double bb = b();
    return (a * a - bb * bb) / (a * a);
  }
  double ep2() const {
    const double bb = b();
    return (a * a - bb * bb) / (bb * bb);
  }
};

// NAD 83 for the conversions: a = 6378137.0 m, f = 1/298.257223563.
inline constexpr Ellipsoid kNad83Conversion{6378137.0, 0.0033528106647474805};
// Clarke 1866: a = 6378206.4 m, 1/f = 294.9786982138982 (b = 6356583.8 m).
inline constexpr Ellipsoid kClarke1866{6378206.4, 0.0033900753039287908};

inline const Ellipsoid& EllipsoidOfDatum(int datum) { return datum == kNad83 ? kNad83Conversion : kClarke1866; }

}  // namespace korval::geodesy
