// Reverse Cuthill-McKee numbering: the fallback for networks whose band the
// half-band moves cannot bring within the program's terms.
#pragma once

#include <vector>

#include "netadj/network.hpp"

namespace korval::netadj {

// A numbering of the stations (0-based): result[p] is the station to be put at
// position p. Each connected group of stations, taken in the order of its
// lowest station number, is numbered breadth-first from a peripheral station
// (far end of a longest shortest path found by repeated searches), neighbours
// by increasing number of neighbours and then by station number; the whole
// list is then reversed.
std::vector<int> ReverseCuthillMcKee(const Network& network);

// Largest |FROM - TO| over the vectors when station s is put at position[s];
// 0 without vectors.
int BandOfNumbering(const Network& network, const std::vector<int>& position);

}  // namespace korval::netadj
