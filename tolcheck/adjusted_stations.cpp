#include "tolcheck/adjusted_stations.hpp"

#include <algorithm>

#include "common/fields.hpp"
#include "common/report_reader.hpp"

namespace korval::tolcheck {

namespace {

// How many report lines may precede the minimally constrained marker.
constexpr int kMarkerSearchLines = 20;
constexpr std::string_view kMarkerWord = "MINIMALLY";

AdjustedStation FromBlock(const ReportStation& block) {
  AdjustedStation station;
  station.name = block.name;
  station.latitude = block.LatitudeRadians();
  station.longitude = block.LongitudeRadians();
  station.actual = std::max(block.north_error, block.east_error);
  return station;
}

}  // namespace

bool IsMinimallyConstrained(RecordFile& report) {
  report.Rewind();
  const int word = static_cast<int>(kMarkerWord.size());
  for (int k = 0; k < kMarkerSearchLines; ++k) {
    const std::optional<std::string> line = report.ReadLine();
    if (!line) break;
    if (Columns(*line, 26, word) == kMarkerWord || Columns(*line, 41, word) == kMarkerWord) return true;
  }
  return false;
}

StationList ReadAdjustedStations(RecordFile& report, const std::vector<std::string>& control_names,
                                 AdjustedStations& stations) {
  stations = AdjustedStations{};
  if (control_names.size() > kStationCapacity) return StationList::kTooManyStations;
  for (const std::string& name : control_names) stations.control.push_back(AdjustedStation{name});
  report.Rewind();
  if (!SkipToStationList(report)) return StationList::kNoHeading;
  ReportStation block;
  while (ReadNextStation(report, block)) {
    const auto control = std::find(control_names.begin(), control_names.end(), block.name);
    if (control != control_names.end()) {
      AdjustedStation& place = stations.control[static_cast<std::size_t>(control - control_names.begin())];
      place = FromBlock(block);
      place.in_report = true;
      continue;
    }
    if (control_names.size() + stations.under_test.size() >= kStationCapacity) {
      return StationList::kTooManyStations;
    }
    stations.under_test.push_back(FromBlock(block));
  }
  return StationList::kRead;
}

}  // namespace korval::tolcheck
