#include "netadj/ordering_reduce.hpp"

#include <algorithm>
#include <climits>
#include <utility>

namespace korval::netadj {
namespace {

// The procedure as written: every neighbour list entry holds the position of
// its neighbour and is rewritten whenever that neighbour steps; every position
// is rescanned after every move; the second sweep repeats the first. Kept as
// the reference that the station-based bookkeeping below must equal.
class LiteralReducer {
 public:
  explicit LiteralReducer(NeighbourLists& lists)
      : lists_(lists),
        n_(lists.stations),
        far_(static_cast<size_t>(n_) + 1, 0),
        at_(static_cast<size_t>(n_) + 1, 0),
        mirror_(lists.entry.size(), 0) {
    // The back reference of each entry turned into the slot it refers to.
    for (int s = 1; s <= n_; ++s) {
      for (int j = 1; j <= lists_.count[s]; ++j) {
        const size_t slot = static_cast<size_t>(lists_.At(s, j));
        mirror_[slot] = lists_.At(lists_.neighbour[slot], lists_.back[slot]);
      }
    }
  }

  Reduction Run() {
    Start();
    Reduction result;
    long long scans = 0;
    bool first_sweep = true;
    int best_before = 0;
    int smallest = 100000;
    int band = 0;
    for (;;) {
      int worst = 0;
      int target = 0;
      long long sweep_scans = 0;
      for (;;) {
        const int previous_worst = worst;
        ++scans;
        ++sweep_scans;
        FindWorst(band, worst);
        if (band == 1 || band <= best_before) return Finish(result, band);
        if (band < smallest) smallest = band;
        if (first_sweep && scans == n_) break;
        // The second sweep repeats the first move for move and ends within its
        // length; the bound only guards against a numbering that never settles.
        if (!first_sweep && sweep_scans > n_) return Finish(result, band);
        if (worst == previous_worst || worst == target) {
          MoveDown(worst, band, target);
        } else {
          MoveUp(worst, band, target);
        }
        ++result.moves;
      }
      best_before = smallest;
      if (band == best_before) return Finish(result, band);
      RestoreStart();
      first_sweep = false;
    }
  }

 private:
  int& Entry(int s, int j) { return lists_.entry[static_cast<size_t>(lists_.At(s, j))]; }
  int NeighbourOf(int s, int j) const { return lists_.neighbour[static_cast<size_t>(lists_.At(s, j))]; }
  // The entry, in the list of the j-th neighbour of s, that points back to s.
  int& EntryFromNeighbour(int s, int j) {
    return lists_.entry[static_cast<size_t>(mirror_[static_cast<size_t>(lists_.At(s, j))])];
  }

  void SetFar(int station, int value) { far_[station] = value; }
  void Place(int position, int station) { at_[position] = station; }
  int LargestEntry(int s) {
    int largest = 0;
    for (int j = 1; j <= lists_.count[s]; ++j) largest = std::max(largest, Entry(s, j));
    return largest;
  }

  // Position = station number; each far neighbour position from the entries.
  void Start() {
    for (int s = 1; s <= n_; ++s) {
      Place(s, s);
      far_[s] = LargestEntry(s);
    }
  }

  // Back to the numbering the first sweep started from.
  void RestoreStart() {
    const int total = lists_.offset[n_ + 1];
    for (int e = 1; e <= total; ++e) lists_.entry[static_cast<size_t>(e)] = at_[lists_.entry[static_cast<size_t>(e)]];
    Start();
  }

  int Reach(int p) const { return far_[at_[p]] - p; }

  // The largest reach (the band) and the lowest position that attains it.
  void FindWorst(int& band, int& worst) {
    band = INT_MIN;
    worst = 0;
    for (int p = 1; p <= n_; ++p) {
      if (Reach(p) > band) {
        band = Reach(p);
        worst = p;
      }
    }
  }

  // The station at `from` steps to the neighbouring position `to`: the entries
  // of its neighbours that still read `from` follow it, and so do far neighbour
  // positions that were `from`.
  void Shift(int from, int to) {
    const int u = at_[from];
    for (int k = 1; k <= lists_.count[u]; ++k) {
      int& entry = EntryFromNeighbour(u, k);
      if (entry != from) continue;
      entry = to;
      const int v = NeighbourOf(u, k);
      if (far_[v] == from) SetFar(v, to);
    }
    Place(to, u);
  }

  // The worst station climbs half the band towards its far neighbour; the
  // stations it passes step down by one.
  void MoveUp(int worst, int band, int& target) {
    const int s = at_[worst];
    target = worst + band / 2;
    for (int j = 1; j <= lists_.count[s]; ++j) {
      const int t = Entry(s, j);
      EntryFromNeighbour(s, j) = target;
      if (worst < t && t <= target) Entry(s, j) = t - 1;
    }
    if (band > 3) {
      for (int q = worst + 1; q <= target - 1; ++q) Shift(q, q - 1);
    }
    Shift(target, target - 1);
    Place(target, s);
    for (int j = 1; j <= lists_.count[s]; ++j) {
      const int v = NeighbourOf(s, j);
      if (far_[v] < target) SetFar(v, target);
    }
  }

  // The far neighbour of the worst station comes down half the band; the
  // stations it passes step up by one.
  void MoveDown(int& worst, int band, int& target) {
    worst = far_[at_[worst]];
    const int s = at_[worst];
    target = worst - band / 2;
    for (int j = 1; j <= lists_.count[s]; ++j) {
      const int t = Entry(s, j);
      EntryFromNeighbour(s, j) = target;
      if (target <= t && t < worst) {
        Entry(s, j) = t + 1;
        if (far_[s] == t) SetFar(s, t + 1);
      }
    }
    if (band > 3) {
      for (int q = worst - 1; q >= target + 1; --q) Shift(q, q + 1);
    }
    Shift(target, target + 1);
    Place(target, s);
    for (int j = 1; j <= lists_.count[s]; ++j) {
      const int v = NeighbourOf(s, j);
      if (far_[v] <= worst) SetFar(v, LargestEntry(v));
    }
  }

  Reduction Finish(Reduction& result, int band) {
    result.band = band;
    result.station_at = at_;
    return std::move(result);
  }

  NeighbourLists& lists_;
  const int n_;
  std::vector<int> far_;       // [station]: largest position among its neighbours (0: none)
  std::vector<int> at_;        // [position]: station there
  std::vector<int> mirror_;    // [slot]: slot of the neighbour's entry for the same pair
};

// The same moves with the bookkeeping turned around: each station keeps its
// position and the station of its far neighbour, so a station stepping aside
// costs two stores instead of a rewrite of every entry that reads its
// position. Only a far neighbour that changes must be looked for, and that
// happens only among the neighbours of the station that jumps: the stations
// that step all move by one in the same direction, so the order of any other
// station's neighbours stays as it was.
//
// The second sweep is not made: it would repeat the first move for move and
// stop at the first numbering of the first sweep that reached its smallest
// band, so that numbering is kept when it is reached and returned directly.
class StationReducer {
 public:
  explicit StationReducer(const NeighbourLists& lists)
      : lists_(lists),
        n_(lists.stations),
        far_(static_cast<size_t>(n_) + 1, 0),
        at_(static_cast<size_t>(n_) + 1, 0),
        position_(static_cast<size_t>(n_) + 1, 0) {}

  Reduction Run() {
    for (int s = 1; s <= n_; ++s) {
      at_[s] = s;
      position_[s] = s;
    }
    // position_[0] = 0 stands for "no neighbour": such a station reaches below itself.
    for (int s = 1; s <= n_; ++s) far_[s] = FarthestNeighbour(s);
    Reduction result;
    long long scans = 0;
    int smallest = 100000;
    std::vector<int> best_at = at_;
    int worst = 0;
    int target = 0;
    int band = 0;
    for (;;) {
      const int previous_worst = worst;
      ++scans;
      FindWorst(band, worst);
      if (band == 1) return Finish(result, band, at_);
      if (band < smallest) {
        smallest = band;
        best_at = at_;
      }
      if (scans == n_) break;
      if (worst == previous_worst || worst == target) {
        MoveDown(worst, band, target);
      } else {
        MoveUp(worst, band, target);
      }
      ++result.moves;
    }
    if (band == smallest) return Finish(result, band, at_);
    return Finish(result, smallest, best_at);
  }

 private:
  int NeighbourOf(int s, int j) const { return lists_.neighbour[static_cast<size_t>(lists_.At(s, j))]; }

  int FarthestNeighbour(int s) const {
    int far = 0;
    for (int j = 1; j <= lists_.count[s]; ++j) {
      const int v = NeighbourOf(s, j);
      if (position_[v] > position_[far]) far = v;
    }
    return far;
  }

  void FindWorst(int& band, int& worst) const {
    band = INT_MIN;
    worst = 0;
    const int* at = at_.data();
    const int* far = far_.data();
    const int* position = position_.data();
    for (int p = 1; p <= n_; ++p) {
      const int reach = position[far[at[p]]] - p;
      if (reach > band) {
        band = reach;
        worst = p;
      }
    }
  }

  void Place(int p, int station) {
    at_[p] = station;
    position_[station] = p;
  }

  // The worst station climbs half the band towards its far neighbour; the
  // stations it passes step down by one. Its neighbours whose far neighbour
  // now lies below it take it as their far neighbour.
  void MoveUp(int worst, int band, int& target) {
    const int s = at_[worst];
    target = worst + band / 2;
    for (int q = worst + 1; q <= target; ++q) Place(q - 1, at_[q]);
    Place(target, s);
    for (int j = 1; j <= lists_.count[s]; ++j) {
      const int v = NeighbourOf(s, j);
      if (position_[far_[v]] < target) far_[v] = s;
    }
  }

  // The far neighbour of the worst station comes down half the band; the
  // stations it passes step up by one. Its neighbours that had it as their far
  // neighbour look for their new one.
  void MoveDown(int& worst, int band, int& target) {
    worst = position_[far_[at_[worst]]];
    const int s = at_[worst];
    target = worst - band / 2;
    for (int q = worst - 1; q >= target; --q) Place(q + 1, at_[q]);
    Place(target, s);
    for (int j = 1; j <= lists_.count[s]; ++j) {
      const int v = NeighbourOf(s, j);
      if (far_[v] == s) far_[v] = FarthestNeighbour(v);
    }
  }

  Reduction Finish(Reduction& result, int band, const std::vector<int>& at) {
    result.band = band;
    result.station_at = at;
    return std::move(result);
  }

  const NeighbourLists& lists_;
  const int n_;
  std::vector<int> far_;       // [station]: the station of its far neighbour (0: none)
  std::vector<int> at_;        // [position]: station there
  std::vector<int> position_;  // [station]: its position; [0] = 0
};

}  // namespace

Reduction ReduceBand(NeighbourLists& lists, ReductionMethod method) {
  if (lists.stations == 0) return Reduction{};
  if (method == ReductionMethod::kStations) return StationReducer(lists).Run();
  return LiteralReducer(lists).Run();
}

}  // namespace korval::netadj
