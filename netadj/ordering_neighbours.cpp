#include "netadj/ordering_neighbours.hpp"

namespace korval::netadj {
namespace {

NeighbourLists Empty(int stations) {
  NeighbourLists lists;
  lists.stations = stations;
  lists.offset.assign(static_cast<size_t>(stations) + 2, 0);
  lists.count.assign(static_cast<size_t>(stations) + 1, 0);
  lists.entry.assign(1, 0);
  return lists;
}

void SizeEntryArrays(NeighbourLists& lists, int total) {
  lists.entry.resize(static_cast<size_t>(total) + 1, 0);
  lists.neighbour = lists.entry;
  lists.back.assign(static_cast<size_t>(total) + 1, 0);
}

}  // namespace

NeighbourLists BuildNeighbourLists(const Network& network) {
  const int n = static_cast<int>(network.stations.size());
  NeighbourLists lists = Empty(n);

  // Every vector end, with repeats, bucketed by station in vector order.
  std::vector<int> raw_start(static_cast<size_t>(n) + 2, 0);
  for (const Vector& v : network.vectors) {
    ++raw_start[static_cast<size_t>(v.from) + 2];
    ++raw_start[static_cast<size_t>(v.to) + 2];
  }
  for (int s = 1; s <= n; ++s) raw_start[s + 1] += raw_start[s];
  std::vector<int> raw(static_cast<size_t>(raw_start[n + 1]));
  std::vector<int> fill(raw_start.begin(), raw_start.end());
  for (const Vector& v : network.vectors) {
    const int from = v.from + 1;
    const int to = v.to + 1;
    raw[static_cast<size_t>(fill[from]++)] = to;
    raw[static_cast<size_t>(fill[to]++)] = from;
  }

  // Distinct neighbours, first occurrence kept.
  std::vector<int> seen_by(static_cast<size_t>(n) + 1, 0);
  lists.entry.assign(static_cast<size_t>(raw.size()) + 1, 0);
  int total = 0;
  for (int s = 1; s <= n; ++s) {
    lists.offset[s] = total;
    for (int r = raw_start[s]; r < raw_start[s + 1]; ++r) {
      const int other = raw[static_cast<size_t>(r)];
      if (seen_by[other] == s) continue;
      seen_by[other] = s;
      lists.entry[static_cast<size_t>(++total)] = other;
      ++lists.count[s];
    }
  }
  lists.offset[n + 1] = total;
  SizeEntryArrays(lists, total);

  // Back references. Station s appears exactly once in the list of each of its
  // neighbours, so gathering "v names s at index k" per s takes count[s] slots.
  std::vector<int> naming_station(static_cast<size_t>(total) + 1);
  std::vector<int> naming_index(static_cast<size_t>(total) + 1);
  std::vector<int> gathered(static_cast<size_t>(n) + 1, 0);
  for (int v = 1; v <= n; ++v) {
    for (int k = 1; k <= lists.count[v]; ++k) {
      const int s = lists.entry[static_cast<size_t>(lists.At(v, k))];
      const int slot = lists.At(s, ++gathered[s]);
      naming_station[static_cast<size_t>(slot)] = v;
      naming_index[static_cast<size_t>(slot)] = k;
    }
  }
  std::vector<int> index_in(static_cast<size_t>(n) + 1, 0);
  for (int s = 1; s <= n; ++s) {
    for (int g = 1; g <= lists.count[s]; ++g) {
      const int slot = lists.At(s, g);
      index_in[naming_station[static_cast<size_t>(slot)]] = naming_index[static_cast<size_t>(slot)];
    }
    for (int j = 1; j <= lists.count[s]; ++j) {
      const int slot = lists.At(s, j);
      lists.back[static_cast<size_t>(slot)] = index_in[lists.entry[static_cast<size_t>(slot)]];
    }
  }
  return lists;
}

NeighbourLists BuildNeighbourListsLiteral(const Network& network) {
  const int n = static_cast<int>(network.stations.size());
  NeighbourLists lists = Empty(n);
  std::vector<int> entries(1, 0);
  int total = 0;
  for (int k = 1; k <= n; ++k) {
    lists.offset[k] = total;
    for (const Vector& v : network.vectors) {
      const int from = v.from + 1;
      const int to = v.to + 1;
      if (from != k && to != k) continue;
      const int other = from == k ? to : from;
      bool known = false;
      for (int j = 1; j <= lists.count[k]; ++j) {
        if (entries[static_cast<size_t>(total + j)] == other) known = true;
      }
      if (known) continue;
      entries.push_back(other);
      ++lists.count[k];
    }
    total += lists.count[k];
  }
  lists.offset[n + 1] = total;
  lists.entry = entries;
  SizeEntryArrays(lists, total);

  for (int s = 1; s <= n; ++s) {
    for (int j = 1; j <= lists.count[s]; ++j) {
      const int v = lists.entry[static_cast<size_t>(lists.At(s, j))];
      for (int k = 1; k <= lists.count[v]; ++k) {
        if (lists.entry[static_cast<size_t>(lists.At(v, k))] == s) {
          lists.back[static_cast<size_t>(lists.At(s, j))] = k;
          break;
        }
      }
    }
  }
  return lists;
}

}  // namespace korval::netadj
