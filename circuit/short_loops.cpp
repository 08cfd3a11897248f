#include "circuit/short_loops.hpp"

#include <vector>

namespace korval::circuit {

std::optional<LoopPath> FindTriangle(const Network& network, const Adjacency& adjacency, int vector) {
  const int from = network.vectors[vector].from;
  const int to = network.vectors[vector].to;
  for (const AdjacencyEntry& side : adjacency.EntriesOf(to)) {
    if (side.station == from) continue;
    for (const AdjacencyEntry& back : adjacency.EntriesOf(side.station)) {
      if (back.station == from) {
        return LoopPath{{from, to, side.station, from}, {vector, side.vector, back.vector}};
      }
    }
  }
  return std::nullopt;
}

namespace {

class DepthFirstSearch {
 public:
  DepthFirstSearch(const Network& network, const Adjacency& adjacency, int vector)
      : adjacency_(adjacency),
        home_(network.vectors[vector].from),
        on_path_(network.stations.size(), 0) {
    const int to = network.vectors[vector].to;
    path_ = LoopPath{{home_, to}, {vector}};
    on_path_[home_] = 1;
    on_path_[to] = 1;
  }

  std::optional<LoopPath> Run(const std::function<void(int)>& lost_way) {
    size_t resume = 0;
    for (;;) {
      const std::span<const AdjacencyEntry> entries = adjacency_.EntriesOf(path_.stations.back());
      bool descended = false;
      for (size_t k = resume; k < entries.size(); ++k) {
        const AdjacencyEntry& entry = entries[k];
        if (path_.stations.size() > 2 && entry.station == home_) {
          Append(entry);
          return path_;
        }
        if (entry.station == backtracked_from_ || on_path_[entry.station]) continue;
        if (++steps_ > kSearchStepBudget) return std::nullopt;
        Append(entry);
        backtracked_from_ = kNone;
        descended = path_.stations.size() <= kMaxSearchStations;
        break;
      }
      if (descended) {
        resume = 0;
        continue;
      }
      // The station's entries are exhausted, or the path grew too long.
      const std::optional<size_t> next = Backtrack(lost_way);
      if (!next) return std::nullopt;
      resume = *next;
    }
  }

 private:
  static constexpr int kNone = -1;

  void Append(const AdjacencyEntry& entry) {
    path_.stations.push_back(entry.station);
    path_.vectors.push_back(entry.vector);
    on_path_[entry.station] = 1;
  }

  // Removes the last station and returns where to resume among the entries of
  // the station before it: after the entry that led to the removed one.
  // Nothing when the search has to end (back at its first vector, or out of
  // steps).
  std::optional<size_t> Backtrack(const std::function<void(int)>& lost_way) {
    for (;;) {
      if (path_.stations.size() <= 2) return std::nullopt;
      const int removed = path_.stations.back();
      path_.stations.pop_back();
      path_.vectors.pop_back();
      on_path_[removed] = 0;
      if (++steps_ > kSearchStepBudget) return std::nullopt;
      backtracked_from_ = removed;
      const std::optional<int> led_there = adjacency_.FirstEntryTo(path_.stations.back(), removed);
      if (led_there) return static_cast<size_t>(*led_there) + 1;
      if (lost_way) lost_way(static_cast<int>(path_.stations.size()));
    }
  }

  const Adjacency& adjacency_;
  const int home_;
  std::vector<char> on_path_;
  LoopPath path_;
  long steps_ = 2;
  int backtracked_from_ = kNone;
};

}  // namespace

std::optional<LoopPath> SearchLoopThrough(const Network& network, const Adjacency& adjacency, int vector,
                                          const std::function<void(int path_length)>& lost_way) {
  DepthFirstSearch search(network, adjacency, vector);
  return search.Run(lost_way);
}

}  // namespace korval::circuit
