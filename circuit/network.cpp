#include "circuit/network.hpp"

#include <cmath>

#include "common/fields.hpp"

namespace korval::circuit {

std::optional<int> Network::FindStation(std::string_view name) const {
  const std::string key = FormatText(name, 8);
  for (size_t i = 0; i < stations.size(); ++i) {
    if (stations[i].name == key) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> Network::FindOrAddStation(std::string_view name) {
  if (const std::optional<int> known = FindStation(name)) return known;
  if (stations.size() >= static_cast<size_t>(kMaxStations)) return std::nullopt;
  stations.push_back(Station{FormatText(name, 8), 0, 0});
  return static_cast<int>(stations.size() - 1);
}

double Length(const std::array<double, 3>& d) { return std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]); }

}  // namespace korval::circuit
