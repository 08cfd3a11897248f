#include "circuit/project_input.hpp"

#include <algorithm>

#include "circuit/layouts.hpp"
#include "common/grid_positions.hpp"
#include "common/project_records.hpp"
#include "common/stop.hpp"

namespace korval::circuit {

namespace {

// Passes over the control records up to the one whose column 78 holds a
// nonzero digit. False when the file ends first.
bool SkipControlSection(RecordFile& info) {
  Values values;
  while (const std::optional<std::string> line = info.ReadLine()) {
    if (ParseLine(kLastControlMark, *line, values) == ReadStatus::kOk && values.Int(0) != 0) return true;
  }
  return false;
}

bool EndsVectorSection(const std::string& from_name) { return from_name == "0       " || from_name == "        "; }

int StationOrStop(Network& network, Console& console, const std::string& name) {
  const std::optional<int> station = network.FindOrAddStation(name);
  if (!station) {
    console.Say(" MAXIMUM NUMBER OF STATIONS EXCEEDED - STOP");
    Stop();
  }
  return *station;
}

}  // namespace

void ReadVectors(RecordFile& info, Console& console, Network& network) {
  if (!SkipControlSection(info)) return;
  Values values;
  while (const std::optional<std::string> line = info.ReadLine()) {
    if (ParseLine(kVectorRecord, *line, values) != ReadStatus::kOk) {
      console.Say(" BAD LINE OF INPUT FOUND");
      continue;
    }
    if (values.Char(0) != ' ') continue;
    const std::string from_name = values.Text(1);
    if (EndsVectorSection(from_name)) break;
    if (network.vectors.size() >= static_cast<size_t>(kMaxVectors)) {
      console.Say(" MAXIMUM NUMBER OF VECTORS EXCEEDED - STOP");
      Stop(kIncompleteDataClosing);
    }
    Vector vector;
    for (int c = 0; c < 3; ++c) {
      vector.d[c] = values.Real(3 + 2 * c);
      vector.sigma[c] = std::max(values.Real(4 + 2 * c), kMinimumStandardError);
    }
    vector.from = StationOrStop(network, console, from_name);
    vector.to = StationOrStop(network, console, values.Text(2));
    network.vectors.push_back(vector);
  }
}

void ReadGridCoordinates(RecordFile& listing, Network& network) {
  Values values;
  while (const std::optional<std::string> line = listing.ReadLine()) {
    if (ParseLine(kGridListingRecord, *line, values) != ReadStatus::kOk) continue;
    if (const std::optional<int> station = network.FindStation(values.Text(0))) {
      network.stations[*station].x = values.Real(1);
      network.stations[*station].y = values.Real(2);
    }
  }
}

}  // namespace korval::circuit
