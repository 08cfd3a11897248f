// Band reduction: the heuristic that moves one station at a time by half the
// current band, keeping the best band seen.
//
// Works on 1-based station numbers and positions (ordering_neighbours.hpp);
// all divisions are integer divisions.
#pragma once

#include <vector>

#include "netadj/ordering_neighbours.hpp"

namespace korval::netadj {

// Two bookkeepings of the same moves; both return the same numbering.
enum class ReductionMethod {
  kStations,  // positions kept per station, far neighbours as stations; one sweep
  kLiteral,   // neighbour entries hold positions, rewritten at every step; two sweeps (reference)
};

struct Reduction {
  int band = 0;                    // band of the numbering returned
  std::vector<int> station_at;     // [1..n]: the station at each position
  long long moves = 0;             // stations moved (both sweeps of the literal method)
};

// Reduces the band of the numbering `lists` describes. The literal method uses
// the lists as working storage: their entries end holding positions.
Reduction ReduceBand(NeighbourLists& lists, ReductionMethod method = ReductionMethod::kStations);

}  // namespace korval::netadj
