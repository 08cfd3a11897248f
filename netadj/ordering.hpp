// Station renumbering for a narrow band of the normal equations.
#pragma once

#include "common/record_file.hpp"
#include "common/session.hpp"
#include "netadj/network.hpp"

namespace korval::netadj {

struct BandInfo {
  int band = 0;          // largest |FROM - TO| after renumbering
  long long terms = 0;   // (n - 1) * band + n
};

// Renumbers the stations of `network` in place (names, vector ends, control
// station numbers), writing the band lines to the console and the connection
// warnings to `report`. Stops when there is no control point or the terms
// exceed the program limit. `temp_ppp` is the run's working file.
BandInfo OrderStations(Session& session, Network& network, RecordFile& temp_ppp, RecordFile& report);

}  // namespace korval::netadj
