// Fuzzes the reading of the adjustment report OUT.VEC by the programs that
// work from it: the tolerance checker (minimally constrained marker, first
// station list, the tolerance listing computed from it) and the coordinate
// export (adjusted positions, elevation section, then every export layout).
//
// Input: OUT.VEC, then optionally INFO.VEC (the control names of the
// tolerance checker) and VECTOR.COR, separated by the byte 0x1e.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/record_file.hpp"
#include "fuzz/fuzz_support.hpp"
#include "ptexport/export_layouts.hpp"
#include "ptexport/export_writer.hpp"
#include "ptexport/grid_input.hpp"
#include "ptexport/report_input.hpp"
#include "ptexport/station_table.hpp"
#include "tolcheck/adjusted_stations.hpp"
#include "tolcheck/control_names.hpp"
#include "tolcheck/tolerance_listing.hpp"

namespace {

using namespace korval;

void CheckTolerance(std::string_view out_vec, std::string_view info_vec, bool check_output) {
  const auto report = fuzz::MemoryFile(out_vec);
  (void)tolcheck::IsMinimallyConstrained(*report);

  std::vector<std::string> control_names;
  const auto project = fuzz::MemoryFile(info_vec);
  (void)tolcheck::ReadControlNames(*project, control_names);
  tolcheck::AdjustedStations stations;
  if (control_names.empty()) {
    // No project file: the first station of the report is the control station.
    if (tolcheck::ReadAdjustedStations(*report, {}, stations) != tolcheck::StationList::kRead) return;
    if (stations.under_test.empty()) return;
    control_names.push_back(stations.under_test.front().name);
  }
  if (tolcheck::ReadAdjustedStations(*report, control_names, stations) != tolcheck::StationList::kRead) return;

  fuzz::RunReader(
      [&](Session& session) {
        const auto listing = RecordFile::Scratch();
        (void)tolcheck::WriteToleranceListing(*listing, session.console(), tolcheck::Tolerance{}, stations);
        if (check_output) fuzz::CheckNoNonFinite(fuzz::JoinedLines(*listing), "PT.VEC");
      },
      {}, check_output);
}

void Export(std::string_view out_vec, std::string_view vector_cor, bool check_output) {
  ptexport::StationTable table;
  const auto report = fuzz::MemoryFile(out_vec);
  if (ptexport::ReadAdjustedPositions(*report, table) == ptexport::Reading::kDone) {
    (void)ptexport::ReadElevations(*report, table);
  }
  const auto listing = fuzz::MemoryFile(vector_cor);
  (void)ptexport::ReadGridCoordinates(*listing, table);
  if (table.stations().empty()) return;

  // Every layout, in one unit with four decimals and in another with three.
  ptexport::StationTable feet = table;
  ptexport::ConvertUnits(feet, 3937.0 / 1200.0);
  ptexport::RaiseForThreeDecimals(feet);
  for (int layout = 1; layout <= ptexport::kLayoutCount; ++layout) {
    ptexport::ExportChoice metres;
    metres.layout = layout;
    ptexport::ExportChoice survey_feet{',', "SUR FT", 3937.0 / 1200.0, ptexport::Decimals::kThree, layout};
    for (const auto& [choice, stations] : {std::pair{metres, &table}, std::pair{survey_feet, &feet}}) {
      const auto file = RecordFile::Scratch();
      ptexport::WriteCoordinateFile(*file, *stations, choice);
      if (check_output) fuzz::CheckNoNonFinite(fuzz::JoinedLines(*file), "the coordinate file");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string_view> pieces = fuzz::SplitPieces(text, 3);
  const bool check_output = !fuzz::CarriesNonFiniteText(text);
  CheckTolerance(pieces[0], pieces[1], check_output);
  Export(pieces[0], pieces[2], check_output);
  return 0;
}
