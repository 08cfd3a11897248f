// Every station needs a path to held control, or its normal equations are
// singular.
#pragma once

#include "common/record_file.hpp"
#include "common/session.hpp"
#include "netadj/network.hpp"

namespace korval::netadj {

// Finds the stations without a path over the vectors to a held control point
// (in the minimally constrained mode only the first control point is held).
// For each writes " *** STATION <name> HAS NO CONNECTION TO CONTROL" to the
// console and to `report`, then stops with "NETWORK CANNOT BE ADJUSTED -
// PREMATURE STOP". Returns when every station is connected.
void CheckConnectionToControl(Session& session, const Network& network, bool minimally_constrained,
                              RecordFile& report);

}  // namespace korval::netadj
