// Band reduction: the heuristic that moves one station at a time by half the
// current band, keeping the best band seen.
//
// Works on 1-based station numbers and positions (ordering_neighbours.hpp);
// all divisions are integer divisions.
#pragma once

#include <vector>

#include "netadj/ordering_neighbours.hpp"

namespace korval::netadj {

// How each step finds the worst position (the lowest position whose station
// reaches farthest above it). Both give the same position, so the same moves.
enum class WorstSearch {
  kBlocks,  // per-block maxima, refreshed only where a move changed something
  kRescan,  // every position rescanned after every move (reference)
};

struct Reduction {
  int band = 0;                    // band of the numbering returned
  std::vector<int> station_at;     // [1..n]: the station at each position
  long long moves = 0;             // stations moved (both sweeps)
};

// Reduces the band of the numbering `lists` describes. The lists are used as
// working storage: their entries end holding positions.
Reduction ReduceBand(NeighbourLists& lists, WorstSearch search = WorstSearch::kBlocks);

}  // namespace korval::netadj
