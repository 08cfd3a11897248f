#include "view/network.hpp"

#include <cmath>
#include <map>
#include <optional>
#include <set>

namespace korval::view {
namespace {

bool IsUsable(double x, double y) {
  return std::isfinite(x) && std::isfinite(y) && std::abs(x) <= kLargestGridCoordinate &&
         std::abs(y) <= kLargestGridCoordinate;
}

class NetworkBuilder {
 public:
  explicit NetworkBuilder(const GridPositions* listing) : listing_(listing) {}

  void AddControl(const JobStation& station) {
    if (index_of_.count(station.name) > 0 || !IsUsable(station.x, station.y)) return;
    Add({station.name, station.x, station.y, true});
  }

  void AddVector(const JobVector& vector) {
    const std::optional<size_t> from = Place(vector.from);
    const std::optional<size_t> to = Place(vector.to);
    if (from && to) {
      network_.lines.push_back({*from, *to});
    } else {
      ++network_.vectors_left_out;
    }
  }

  Network Take() { return std::move(network_); }

 private:
  void Add(Station station) {
    index_of_[station.name] = network_.stations.size();
    network_.stations.push_back(std::move(station));
  }

  // The index of the station, placing a vector end on first sight.
  std::optional<size_t> Place(const std::string& name) {
    if (const auto known = index_of_.find(name); known != index_of_.end()) return known->second;
    if (unplaced_seen_.count(name) > 0) return std::nullopt;
    std::optional<GridPosition> position;
    if (listing_ != nullptr) position = listing_->Find(name);
    if (!position || !IsUsable(position->x, position->y)) {
      network_.unplaced.push_back(name);
      unplaced_seen_.insert(name);
      return std::nullopt;
    }
    Add({name, position->x, position->y, false});
    return network_.stations.size() - 1;
  }

  const GridPositions* listing_;
  Network network_;
  std::map<std::string, size_t> index_of_;
  std::set<std::string> unplaced_seen_;
};

}  // namespace

Network BuildNetwork(const ViewJob& job, const GridPositions* listing) {
  NetworkBuilder builder(listing);
  for (const JobStation& station : job.stations) builder.AddControl(station);
  for (const JobVector& vector : job.vectors) builder.AddVector(vector);
  return builder.Take();
}

}  // namespace korval::view
