// Station renumbering for a narrow band of the normal equations.
#pragma once

#include "common/record_file.hpp"
#include "common/session.hpp"
#include "netadj/network.hpp"

namespace korval::netadj {

struct BandInfo {
  int band = 0;          // largest |FROM - TO| after renumbering
  long long terms = 0;   // (n - 1) * band + n
  int passes = 0;        // renumbering passes made (one band line each)
  bool reverse_cuthill_mckee = false;  // the fallback numbering was needed
};

// How the renumbering passes do their bookkeeping. Both make the same moves
// and give the same numbering; the literal one rescans every vector for every
// station and every position after every move, and serves as the reference.
enum class OrderingMethod { kFast, kLiteral };

// Renumbers the stations of `network` in place (names, vector ends, control
// station numbers), writing the band lines to the console and the connection
// warnings to `report`. Stops when there is no control point or the terms
// exceed the program limit. `temp_ppp` is the run's working file.
BandInfo OrderStations(Session& session, Network& network, RecordFile& temp_ppp, RecordFile& report);
BandInfo OrderStations(Session& session, Network& network, RecordFile& temp_ppp, RecordFile& report,
                       OrderingMethod method);

// Number of normal-equation terms in band storage: (n - 1) * band + n.
long long TermsOf(int stations, int band);

}  // namespace korval::netadj
