// The adjusted stations that the tolerance test needs, from the report
// OUT.VEC: the control stations and the stations under test, with their
// positions and their actual horizontal standard deviations.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/record_file.hpp"

namespace korval::tolcheck {

// Places in the station tables: control and test stations together.
inline constexpr std::size_t kStationCapacity = 3000;

struct AdjustedStation {
  std::string name;      // 8 characters
  double latitude = 0;   // radians, north
  double longitude = 0;  // radians, west (as the report prints it)
  double actual = 0;     // the larger of the two horizontal error estimates, metres
  bool in_report = false;  // a control station whose block was found in the report
};

struct AdjustedStations {
  std::vector<AdjustedStation> control;     // in the order of INFO.VEC
  std::vector<AdjustedStation> under_test;  // in report order
};

// True when one of the first 20 lines of the report marks a minimally
// constrained adjustment. The adjustment writes " FOLLOWING ADJUSTMENT IS
// MINIMALLY CONSTRAINED", with the word in columns 26-34; reports that carry
// it in columns 41-49 are recognised too.
bool IsMinimallyConstrained(RecordFile& report);

enum class StationList {
  kRead,             // the first station list of the report was read
  kNoHeading,        // the report holds no station heading
  kTooManyStations,  // control and test stations exceed kStationCapacity
};

// Reads the first station list of the report (from its start). A block whose
// name is a control name fills that control station's place; any other block
// is the next station under test.
StationList ReadAdjustedStations(RecordFile& report, const std::vector<std::string>& control_names,
                                 AdjustedStations& stations);

}  // namespace korval::tolcheck
