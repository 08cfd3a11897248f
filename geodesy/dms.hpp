// An angle in radians as degrees, minutes and seconds.
//
// Degrees and minutes are truncated towards zero; seconds of 59.999995 or more
// (which would print as 60.00000 with five decimals) are carried into the
// minutes, and 60 minutes into the degrees. Callers pass non-negative angles
// and print the sign themselves; a negative angle gives negative parts and no
// carry.
#pragma once

namespace korval::geodesy {

struct Dms {
  int degrees = 0;
  int minutes = 0;
  double seconds = 0;
};

Dms RadiansToDms(double angle);

}  // namespace korval::geodesy
