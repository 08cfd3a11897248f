#include "netadj/ordering_reduce.hpp"

#include <algorithm>
#include <climits>
#include <utility>

namespace korval::netadj {
namespace {

// Positions are grouped in blocks whose largest reach is kept; a move marks the
// blocks it touched, and only those are rescanned before the next search.
constexpr int kBlockSize = 64;

class BandReducer {
 public:
  BandReducer(NeighbourLists& lists, WorstSearch search)
      : lists_(lists),
        n_(lists.stations),
        search_(search),
        far_(static_cast<size_t>(n_) + 1, 0),
        at_(static_cast<size_t>(n_) + 1, 0),
        position_(static_cast<size_t>(n_) + 1, 0),
        block_count_((n_ + kBlockSize - 1) / kBlockSize),
        block_reach_(static_cast<size_t>(block_count_), INT_MIN),
        block_worst_(static_cast<size_t>(block_count_), 0),
        block_dirty_(static_cast<size_t>(block_count_), 1),
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

  void MarkPosition(int p) { block_dirty_[static_cast<size_t>((p - 1) / kBlockSize)] = 1; }
  void SetFar(int station, int value) {
    far_[station] = value;
    MarkPosition(position_[station]);
  }
  void Place(int position, int station) {
    at_[position] = station;
    position_[station] = position;
  }
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
    std::fill(block_dirty_.begin(), block_dirty_.end(), 1);
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
    if (search_ == WorstSearch::kRescan) {
      for (int p = 1; p <= n_; ++p) {
        if (Reach(p) > band) {
          band = Reach(p);
          worst = p;
        }
      }
      return;
    }
    for (int b = 0; b < block_count_; ++b) {
      if (block_dirty_[static_cast<size_t>(b)]) RescanBlock(b);
      if (block_reach_[static_cast<size_t>(b)] > band) {
        band = block_reach_[static_cast<size_t>(b)];
        worst = block_worst_[static_cast<size_t>(b)];
      }
    }
  }

  void RescanBlock(int b) {
    int reach = INT_MIN;
    int worst = 0;
    const int last = std::min(n_, (b + 1) * kBlockSize);
    for (int p = b * kBlockSize + 1; p <= last; ++p) {
      if (Reach(p) > reach) {
        reach = Reach(p);
        worst = p;
      }
    }
    block_reach_[static_cast<size_t>(b)] = reach;
    block_worst_[static_cast<size_t>(b)] = worst;
    block_dirty_[static_cast<size_t>(b)] = 0;
  }

  void MarkRange(int low, int high) {
    for (int b = (low - 1) / kBlockSize; b <= (high - 1) / kBlockSize; ++b) block_dirty_[static_cast<size_t>(b)] = 1;
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
    MarkRange(worst, target);
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
    MarkRange(target, worst);
  }

  Reduction Finish(Reduction& result, int band) {
    result.band = band;
    result.station_at = at_;
    return std::move(result);
  }

  NeighbourLists& lists_;
  const int n_;
  const WorstSearch search_;
  std::vector<int> far_;       // [station]: largest position among its neighbours (0: none)
  std::vector<int> at_;        // [position]: station there
  std::vector<int> position_;  // [station]: its position
  const int block_count_;
  std::vector<int> block_reach_;
  std::vector<int> block_worst_;
  std::vector<char> block_dirty_;
  std::vector<int> mirror_;    // [slot]: slot of the neighbour's entry for the same pair
};

}  // namespace

Reduction ReduceBand(NeighbourLists& lists, WorstSearch search) {
  if (lists.stations == 0) return Reduction{};
  BandReducer reducer(lists, search);
  return reducer.Run();
}

}  // namespace korval::netadj
