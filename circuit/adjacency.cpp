#include "circuit/adjacency.hpp"

#include <cmath>

namespace korval::circuit {

Adjacency::Adjacency(const Network& network) {
  const size_t stations = network.stations.size();
  std::vector<int> degree(stations, 0);
  for (const Vector& vector : network.vectors) {
    ++degree[vector.from];
    if (vector.to != vector.from) ++degree[vector.to];
  }
  first_.assign(stations + 1, 0);
  for (size_t s = 0; s < stations; ++s) first_[s + 1] = first_[s] + degree[s];
  entries_.resize(static_cast<size_t>(first_[stations]));
  std::vector<int> next(first_.begin(), first_.end() - 1);
  for (size_t v = 0; v < network.vectors.size(); ++v) {
    const Vector& vector = network.vectors[v];
    const int number = static_cast<int>(v);
    entries_[next[vector.from]++] = AdjacencyEntry{vector.to, number};
    if (vector.to != vector.from) entries_[next[vector.to]++] = AdjacencyEntry{vector.from, number};
  }
}

std::optional<int> Adjacency::FirstEntryTo(int station, int other) const {
  const std::span<const AdjacencyEntry> entries = EntriesOf(station);
  for (size_t k = 0; k < entries.size(); ++k) {
    if (entries[k].station == other) return static_cast<int>(k);
  }
  return std::nullopt;
}

double GridAzimuth(const Network& network, int a, int b) {
  const Station& from = network.stations[a];
  const Station& to = network.stations[b];
  return std::atan2(to.x - from.x, to.y - from.y);
}

}  // namespace korval::circuit
