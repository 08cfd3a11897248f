// The neighbour lists of the station renumbering.
//
// Station numbers here are 1-based (station k is network.stations[k - 1]), so
// that the integer arithmetic of the band reduction reads as the surveyor's
// numbering does. The lists of all stations lie in one array: entry j
// (j = 1..count[s]) of station s is at offset[s] + j.
#pragma once

#include <vector>

#include "netadj/network.hpp"

namespace korval::netadj {

struct NeighbourLists {
  int stations = 0;            // n
  std::vector<int> offset;     // [1..n]: entries of s follow offset[s]
  std::vector<int> count;      // [1..n]: distinct stations sharing a vector with s
  // [1..total]: the neighbour's station number when built; during the band
  // reduction the neighbour's current position.
  std::vector<int> entry;
  // [1..total]: the neighbour's station number, never changed. A station being
  // moved has its neighbours' entries already pointing at its target while the
  // position table still holds another station there, so the station behind
  // an entry is kept apart from the position it reads.
  std::vector<int> neighbour;
  // [1..total]: the index, within the neighbour's own list, of its entry for s.
  std::vector<int> back;

  int At(int s, int j) const { return offset[s] + j; }
};

// Each station's list holds every distinct station that shares a vector with
// it, in the order of the first vector that joins them.
//
// Built in one sweep over the vectors.
NeighbourLists BuildNeighbourLists(const Network& network);

// The same lists as written in the renumbering procedure: every vector scanned
// for every station, and every back reference found by searching the
// neighbour's list. Costs n * NM per pass; kept as the reference that the fast
// version must equal entry for entry.
NeighbourLists BuildNeighbourListsLiteral(const Network& network);

}  // namespace korval::netadj
