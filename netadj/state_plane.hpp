// State plane coordinates of the adjusted stations: the report section and
// VECTOR.COR.
#pragma once

#include "common/record_file.hpp"
#include "common/session.hpp"
#include "netadj/network.hpp"

namespace korval::netadj {

// Projects every station (its stored latitude and west longitude) into `zone`
// on `datum`, writes the state plane section to `report` and the station lines
// to VECTOR.COR. Stops when a zone file is missing or too short.
void StatePlaneListing(Session& session, RecordFile& report, const Network& network, int datum, int zone,
                       int units);

}  // namespace korval::netadj
