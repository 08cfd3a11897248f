// The eight adjustment parameters and their dialogue (KORVAL.INF, TABLE.DAT).
#pragma once

#include "common/record_file.hpp"
#include "common/session.hpp"

namespace korval::netadj {

struct Parameters {
  int datum = 2;             // 1 = NAD 27, 2 = NAD 83
  int constraint = 1;        // 1 = minimally constrained, 2 = constrained
  int robust = 1;            // 1 = robust questions not asked, 2 = asked
  int state_plane = 1;       // 1 = none, 2 = made
  int zone = 0;              // state plane zone pick number, 1..121
  int units = 1;             // 1 m, 2 m + US ft, 3 m + int. ft, 4 all three
  int elevation = 1;         // 1 none, 2 GEOID.OUT, 3 one separation
  double separation = 0.0001;  // geoid separation, metres
};

// Loads KORVAL.INF (defaults for what it lacks), runs the parameter menu on
// the console, writes KORVAL.INF on acceptance and returns the values.
// `temp_ppp` is the run's working file, used to turn zone answers into numbers.
Parameters SettleParameters(Session& session, RecordFile& temp_ppp);

}  // namespace korval::netadj
