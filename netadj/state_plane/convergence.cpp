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
  // The sign tells on which side of the central meridian the station lies,
  // also when the angle itself is too small to print. Below 1e-11 radians
  // (2e-6 arc-seconds) the angle is rounding noise of a station on the central
  // meridian, which keeps the plus sign.
  if (convergence < -1e-11) angle.sign = '-';
  return angle;
}

}  // namespace korval::netadj
