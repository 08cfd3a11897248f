#include "geodesy/dms.hpp"

#include <cmath>

#include "geodesy/ellipsoid.hpp"

namespace korval::geodesy {

Dms RadiansToDms(double angle) {
  Dms dms;
  if (!std::isfinite(angle) || std::fabs(angle) > 1e6) return dms;  // nothing sensible to print
  const double t = angle / kPi * 180.0;
  const double degrees = std::trunc(t);
  const double r = (t - degrees) * 60.0;
  const double minutes = std::trunc(r);
  dms.degrees = static_cast<int>(degrees);
  dms.minutes = static_cast<int>(minutes);
  dms.seconds = (r - minutes) * 60.0;
  if (dms.seconds >= 59.999995) {
    dms.seconds = 0.0;
    dms.minutes += 1;
    if (dms.minutes == 60) {
      dms.minutes = 0;
      dms.degrees += 1;
    }
  }
  return dms;
}

}  // namespace korval::geodesy
