// Every station needs a path to held control, or its normal equations are
// singular.
#pragma once

#include <vector>

#include "common/record_file.hpp"
#include "common/session.hpp"
#include "netadj/network.hpp"

namespace korval::netadj {

// The stations (in station order) without a path over the vectors to a held
// control point: every control point when constrained, only the first one in
// the minimally constrained mode. Only vectors and control points with weight
// in all three components count.
std::vector<int> StationsWithoutControl(const Network& network, bool minimally_constrained);

// For each station without a path to held control writes
// " *** STATION <name> HAS NO CONNECTION TO CONTROL" to the console and to
// `report`, then stops with "NETWORK CANNOT BE ADJUSTED - PREMATURE STOP".
// Returns when every station is connected.
void CheckConnectionToControl(Session& session, const Network& network, bool minimally_constrained,
                              RecordFile& report);

}  // namespace korval::netadj
