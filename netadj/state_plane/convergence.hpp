// The convergence angle as the listing prints it: a sign and the degrees,
// minutes and seconds (one decimal) of its size.
#pragma once

namespace korval::netadj {

struct ConvergenceAngle {
  char sign = '+';  // '-' when the angle is negative
  int degrees = 0;
  int minutes = 0;
  double seconds = 0;  // rounds to at most 59.9 at one decimal
};

// Splits a convergence (radians). Seconds that would print as 60.0 are carried
// into the minutes, and 60 minutes into the degrees.
ConvergenceAngle SplitConvergence(double convergence);

}  // namespace korval::netadj
