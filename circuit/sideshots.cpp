#include "circuit/sideshots.hpp"

#include <vector>

#include "circuit/layouts.hpp"

namespace korval::circuit {

namespace {

// For each station, the number of vectors that have it at an end.
std::vector<int> VectorsAtEachStation(const Network& network) {
  std::vector<int> count(network.stations.size(), 0);
  for (const Vector& vector : network.vectors) {
    ++count[vector.from];
    if (vector.to != vector.from) ++count[vector.to];
  }
  return count;
}

void DropUnreachedStations(Network& network) {
  const std::vector<int> count = VectorsAtEachStation(network);
  std::vector<int> new_number(network.stations.size(), -1);
  std::vector<Station> kept;
  for (size_t s = 0; s < network.stations.size(); ++s) {
    if (count[s] == 0) continue;
    new_number[s] = static_cast<int>(kept.size());
    kept.push_back(network.stations[s]);
  }
  network.stations = std::move(kept);
  for (Vector& vector : network.vectors) {
    vector.from = new_number[vector.from];
    vector.to = new_number[vector.to];
  }
}

}  // namespace

int RemoveSideshots(Network& network, Report& report) {
  std::vector<int> count = VectorsAtEachStation(network);
  std::vector<Vector>& vectors = network.vectors;
  int removed = 0;
  bool removed_in_pass = true;
  while (removed_in_pass) {
    removed_in_pass = false;
    size_t i = 0;
    while (i < vectors.size()) {
      const Vector vector = vectors[i];
      if (count[vector.from] > 1 && count[vector.to] > 1) {
        ++i;
        continue;
      }
      ++removed;
      removed_in_pass = true;
      report.ToFile(kSideshotLine, {network.NameOf(vector.from), network.NameOf(vector.to)});
      --count[vector.from];
      if (vector.to != vector.from) --count[vector.to];
      // The vector that moves into this position is examined next.
      vectors.erase(vectors.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  if (removed == 0) {
    report.console().Say(" NO SIDESHOTS FOUND SO ALL VECTORS WILL BE USED");
    return 0;
  }
  report.console().Write(kSideshotCountLine, {removed});
  DropUnreachedStations(network);
  return removed;
}

}  // namespace korval::circuit
