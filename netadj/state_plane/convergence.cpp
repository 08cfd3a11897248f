#include "netadj/state_plane/convergence.hpp"

#include <cmath>

#include "common/fields.hpp"
#include "geodesy/dms.hpp"

namespace korval::netadj {

ConvergenceAngle SplitConvergence(double convergence) {
  ConvergenceAngle angle;
  if (convergence < 0) angle.sign = '-';
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
  return angle;
}

}  // namespace korval::netadj
