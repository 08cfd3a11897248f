#include "netadj/ordering_rcm.hpp"

#include <algorithm>
#include <cstdlib>

namespace korval::netadj {
namespace {

// Distinct neighbours of every station, sorted by station number.
struct Adjacency {
  std::vector<int> start;      // [s]..[s + 1]: the neighbours of s in `list`
  std::vector<int> list;

  int Degree(int s) const { return start[static_cast<size_t>(s) + 1] - start[static_cast<size_t>(s)]; }
};

Adjacency BuildAdjacency(const Network& network) {
  const size_t n = network.stations.size();
  std::vector<std::vector<int>> lists(n);
  for (const Vector& v : network.vectors) {
    lists[static_cast<size_t>(v.from)].push_back(v.to);
    lists[static_cast<size_t>(v.to)].push_back(v.from);
  }
  Adjacency adjacency;
  adjacency.start.assign(n + 1, 0);
  for (size_t s = 0; s < n; ++s) {
    std::vector<int>& l = lists[s];
    std::sort(l.begin(), l.end());
    l.erase(std::unique(l.begin(), l.end()), l.end());
    adjacency.start[s + 1] = adjacency.start[s] + static_cast<int>(l.size());
    adjacency.list.insert(adjacency.list.end(), l.begin(), l.end());
  }
  return adjacency;
}

class Numbering {
 public:
  explicit Numbering(const Network& network)
      : adjacency_(BuildAdjacency(network)),
        n_(static_cast<int>(network.stations.size())),
        level_(static_cast<size_t>(n_), -1),
        numbered_(static_cast<size_t>(n_), false) {}

  std::vector<int> Run() {
    std::vector<int> order;
    order.reserve(static_cast<size_t>(n_));
    for (int s = 0; s < n_; ++s) {
      if (numbered_[static_cast<size_t>(s)]) continue;
      CuthillMcKee(PeripheralStation(s), order);
    }
    std::reverse(order.begin(), order.end());
    return order;
  }

 private:
  // Breadth-first levels from `root` over the stations not yet numbered;
  // returns the stations reached, level by level.
  std::vector<int> Levels(int root) {
    std::vector<int> reached{root};
    level_[static_cast<size_t>(root)] = 0;
    for (size_t head = 0; head < reached.size(); ++head) {
      const int s = reached[head];
      for (int e = adjacency_.start[static_cast<size_t>(s)]; e < adjacency_.start[static_cast<size_t>(s) + 1]; ++e) {
        const int v = adjacency_.list[static_cast<size_t>(e)];
        if (level_[static_cast<size_t>(v)] >= 0 || numbered_[static_cast<size_t>(v)]) continue;
        level_[static_cast<size_t>(v)] = level_[static_cast<size_t>(s)] + 1;
        reached.push_back(v);
      }
    }
    return reached;
  }

  // Repeats the search from the last level's station of fewest neighbours while
  // that lengthens the deepest level.
  int PeripheralStation(int start) {
    int root = start;
    int depth = -1;
    for (;;) {
      const std::vector<int> reached = Levels(root);
      const int root_depth = level_[static_cast<size_t>(reached.back())];
      int candidate = reached.back();
      for (const int s : reached) {
        if (level_[static_cast<size_t>(s)] != root_depth) continue;
        const int d = adjacency_.Degree(s);
        const int best = adjacency_.Degree(candidate);
        if (d < best || (d == best && s < candidate)) candidate = s;
      }
      for (const int s : reached) level_[static_cast<size_t>(s)] = -1;
      if (root_depth <= depth) return root;
      depth = root_depth;
      root = candidate;
    }
  }

  void CuthillMcKee(int root, std::vector<int>& order) {
    const size_t first = order.size();
    order.push_back(root);
    numbered_[static_cast<size_t>(root)] = true;
    std::vector<int> next;
    for (size_t head = first; head < order.size(); ++head) {
      const int s = order[head];
      next.clear();
      for (int e = adjacency_.start[static_cast<size_t>(s)]; e < adjacency_.start[static_cast<size_t>(s) + 1]; ++e) {
        const int v = adjacency_.list[static_cast<size_t>(e)];
        if (!numbered_[static_cast<size_t>(v)]) next.push_back(v);
      }
      std::stable_sort(next.begin(), next.end(),
                       [this](int a, int b) { return adjacency_.Degree(a) < adjacency_.Degree(b); });
      for (const int v : next) {
        numbered_[static_cast<size_t>(v)] = true;
        order.push_back(v);
      }
    }
  }

  const Adjacency adjacency_;
  const int n_;
  std::vector<int> level_;
  std::vector<bool> numbered_;
};

}  // namespace

std::vector<int> ReverseCuthillMcKee(const Network& network) { return Numbering(network).Run(); }

int BandOfNumbering(const Network& network, const std::vector<int>& position) {
  int band = 0;
  for (const Vector& v : network.vectors) {
    band = std::max(band, std::abs(position[static_cast<size_t>(v.from)] - position[static_cast<size_t>(v.to)]));
  }
  return band;
}

}  // namespace korval::netadj
