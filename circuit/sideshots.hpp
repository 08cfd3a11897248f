// Sideshots: vectors with an end that no other vector reaches. They cannot lie
// on any loop, so they are taken out before the loop search, dangling chains
// from their free end inwards.
#pragma once

#include "circuit/network.hpp"
#include "circuit/report.hpp"

namespace korval::circuit {

// Removes the sideshots in passes over the vector table until a pass removes
// none, naming each in LOOP.VEC, and says on the console how many were
// removed. Then drops the stations that no vector reaches any more and
// renumbers the rest 1 to n in their old order. Returns the count removed.
int RemoveSideshots(Network& network, Report& report);

}  // namespace korval::circuit
