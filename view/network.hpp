// The network to draw: stations at their grid positions and the vector lines
// between them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/grid_positions.hpp"
#include "view/job_reader.hpp"

namespace korval::view {

struct Station {
  std::string name;  // 8 characters
  double x = 0.0;    // easting, grid unit
  double y = 0.0;    // northing, grid unit
  bool control = false;
};

struct Line {
  size_t from = 0;  // index into Network::stations
  size_t to = 0;
};

struct Network {
  std::vector<Station> stations;       // each name once: control stations first, then vector ends
  std::vector<Line> lines;             // one per vector of the job whose ends both have a position
  std::vector<std::string> unplaced;   // vector ends without a position, in order of first appearance
  size_t vectors_left_out = 0;
};

// Grid coordinates beyond this size (grid unit) cannot be a station of any
// state plane zone; such a position is taken as no position.
inline constexpr double kLargestGridCoordinate = 1.0e9;

// Places the job's stations. Control stations come from the job's station
// records (the first record of a name counts); the other vector ends from the
// state plane listing, when there is one.
Network BuildNetwork(const ViewJob& job, const GridPositions* listing);

}  // namespace korval::view
