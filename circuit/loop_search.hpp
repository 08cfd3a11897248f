// The automatic loop search: mesh walks, then short loops through every
// vector the walks left untouched, then the summary naming every vector that
// lies on no loop found.
#pragma once

#include "circuit/loop_closure.hpp"
#include "circuit/network.hpp"
#include "circuit/report.hpp"
#include "circuit/tolerance.hpp"

namespace korval::circuit {

// Runs the whole search on the network left after sideshot removal. The loop
// count of `totals` starts again from 0; the lengths and closures of the loops
// found are added to the totals. Loops beyond tolerance go to LOOP.VEC; the
// summary goes to the console and LOOP.VEC.
void FindLoops(const Network& network, const Tolerance& tolerance, RunTotals& totals, Report& report);

}  // namespace korval::circuit
