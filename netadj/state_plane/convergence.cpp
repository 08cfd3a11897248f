#include "netadj/state_plane/convergence.hpp"

#include <cmath>

#include "common/fields.hpp"
#include "geodesy/dms.hpp"

namespace korval::netadj {

ConvergenceAngle SplitConvergence(double convergence) {
  ConvergenceAngle angle;
  const geodesy::Dms dms = geodesy::RadiansToDms(std::fabs(convergence));
  angle.degrees = dms.degrees;
  angle.minutes = dms.minutes;
  angle.seconds = dms.seconds;
  // The listing has one decimal of seconds: 59.95 and more would show 60.0.
  if (FormatDecimal(angle.seconds, 5, 1) == " 60.0") {
    angle.seconds = 0;
    if (++angle.minutes == 60) {
      angle.minutes = 0;
      ++angle.degrees;
    }
  }
  // A convergence that prints as nothing at all (a station a hair west of the
  // central meridian) keeps the plus sign, as a rounded zero has no sign.
  const bool prints_as_zero = angle.degrees == 0 && angle.minutes == 0 && FormatDecimal(angle.seconds, 5, 1) == "  0.0";
  if (convergence < 0 && !prints_as_zero) angle.sign = '-';
  return angle;
}

}  // namespace korval::netadj
