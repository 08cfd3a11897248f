// GPS-derived elevations: ellipsoidal heights of the adjusted stations less
// the geoid height, from the user's GEOID.OUT or from one separation for the
// whole project.
#pragma once

#include "common/record_file.hpp"
#include "netadj/network.hpp"
#include "netadj/report.hpp"

namespace korval::netadj {

// U.S. survey feet per metre (3937/1200).
inline constexpr double kUsSurveyFeetPerMetre = 3.280833333333333;

// Reads the geoid heights of GEOID.OUT into the stations: N (metres) from
// columns 32-40, the station name from 41-48. Every station starts at 0; the
// first station of the name takes the value and a later record of the same
// name replaces it. Unreadable records and unknown names are passed over.
void ReadGeoidHeights(RecordFile& geoid_out, Network& network);

// The elevation section from the stations' geoid heights; a station whose
// geoid height is exactly 0 has none.
Lines GeoidElevationSection(const Network& network, int datum);

// The elevation section with one geoid separation (metres) for every station.
Lines SeparationElevationSection(const Network& network, int datum, double separation);

}  // namespace korval::netadj
