// Who is joined to whom: for each station, one entry per vector that ends
// there, in vector-table order, giving the station at the vector's other end.
// The loop search walks the network through these lists; the order of the
// entries decides which loops it finds first.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "circuit/network.hpp"

namespace korval::circuit {

struct AdjacencyEntry {
  int station = 0;  // the station at the other end
  int vector = 0;   // the vector that leads there
};

class Adjacency {
 public:
  explicit Adjacency(const Network& network);

  int StationCount() const { return static_cast<int>(first_.size()) - 1; }
  std::span<const AdjacencyEntry> EntriesOf(int station) const {
    return std::span<const AdjacencyEntry>(entries_).subspan(first_[station], first_[station + 1] - first_[station]);
  }
  int Degree(int station) const { return first_[station + 1] - first_[station]; }
  // Position among the entries of `station` of its first entry leading to
  // `other`; nothing when none does.
  std::optional<int> FirstEntryTo(int station, int other) const;

 private:
  std::vector<AdjacencyEntry> entries_;  // the entries of all stations, station by station
  std::vector<int> first_;               // where each station's entries begin; one past the last at the end
};

// Grid azimuth from station a to station b in radians, clockwise from grid
// north (X east, Y north): atan2(Xb - Xa, Yb - Ya), in (-pi, pi].
double GridAzimuth(const Network& network, int a, int b);

// The two marks that the automatic search sets on a vector as loops are
// found through it. A vector with neither is untouched.
struct UsedFlags {
  explicit UsedFlags(size_t vectors) : a(vectors, 0), b(vectors, 0) {}
  bool Untouched(int vector) const { return a[vector] == 0 && b[vector] == 0; }
  bool Both(int vector) const { return a[vector] != 0 && b[vector] != 0; }
  std::vector<char> a, b;
};

}  // namespace korval::circuit
