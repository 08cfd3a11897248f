#include "ptexport/station_table.hpp"

#include "common/fields.hpp"

namespace korval::ptexport {

namespace {

template <typename Change>
void ForEachLinearValue(StationTable& table, Change change) {
  for (ExportStation& station : table.stations()) {
    for (double* value : {&station.geoid_height, &station.ellipsoid_height, &station.easting, &station.northing,
                          &station.elevation}) {
      if (IsPresent(*value)) *value = change(*value);
    }
  }
}

}  // namespace

ExportStation* StationTable::Add(const std::string& name) {
  if (stations_.size() >= kStationCapacity) return nullptr;
  const std::string key = FormatText(name, 8);
  first_of_name_.emplace(key, stations_.size());
  stations_.push_back(ExportStation{key});
  return &stations_.back();
}

ExportStation* StationTable::Find(const std::string& name) {
  const auto found = first_of_name_.find(FormatText(name, 8));
  return found == first_of_name_.end() ? nullptr : &stations_[found->second];
}

ExportStation* StationTable::FindOrAdd(const std::string& name) {
  if (ExportStation* found = Find(name)) return found;
  return Add(name);
}

void ConvertUnits(StationTable& table, double unit_factor) {
  ForEachLinearValue(table, [unit_factor](double value) { return value * unit_factor; });
}

void RaiseForThreeDecimals(StationTable& table) {
  ForEachLinearValue(table, [](double value) { return value + 0.0005; });
}

}  // namespace korval::ptexport
