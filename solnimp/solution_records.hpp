// The project records of one solution: a control record for each reference
// station and a vector from each reference station to the solved station.
#pragma once

#include <vector>

#include "common/project_records.hpp"
#include "common/vector_error_model.hpp"
#include "solnimp/solution_report.hpp"

namespace korval::solnimp {

// Standard deviation given to every control value written (latitude,
// longitude and height), metres: the reference stations are held fixed.
inline constexpr double kReferenceStationSd = 0.0001;

struct SolutionRecords {
  std::vector<ControlRecord> controls;  // the last one carries the last-control mark 1
  std::vector<VectorRecord> vectors;
};

// The control record of a reference station: its Earth-centred position as
// north latitude, west longitude and ellipsoidal height on the NAD 83
// ellipsoid of the conversions.
ControlRecord ReferenceControlRecord(const SolutionStation& station, bool last);

// `stations` holds the reference stations and, last, the solved station;
// `positions` the solved station's position from each reference station, in
// the same order. Each vector k runs from reference station k to the solved
// station, with the standard deviations of `model` for its length.
SolutionRecords BuildSolutionRecords(const std::vector<SolutionStation>& stations,
                                     const std::vector<SolvedPosition>& positions, const VectorErrorModel& model);

}  // namespace korval::solnimp
