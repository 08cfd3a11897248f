// The unit of the grid coordinates: U.S. survey feet on NAD 27, metres on
// NAD 83, as the datum of the adjustment parameters (KORVAL.INF) says.
#pragma once

#include <optional>
#include <string>

#include "common/record_file.hpp"

namespace korval::view {

inline constexpr const char* kParameterFileName = "KORVAL.INF";

struct GridUnit {
  std::string name;            // written after lengths: "m", "US ft" or "grid units"
  double metres_per_unit = 0;  // 0 when the unit is not known
};

// The unit of a datum code (1 = NAD 27, any other = NAD 83, as the adjustment
// takes it); an unknown unit without a code.
GridUnit GridUnitOfDatum(std::optional<long long> datum_code);

// The datum code of the parameter file (its first number); nothing when the
// file holds none.
std::optional<long long> ReadDatumCode(RecordFile& parameters);

}  // namespace korval::view
