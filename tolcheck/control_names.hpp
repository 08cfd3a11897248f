// The names of the control stations, from the control section of the project
// vector file INFO.VEC.
#pragma once

#include <string>
#include <vector>

#include "common/record_file.hpp"

namespace korval::tolcheck {

enum class ControlSection {
  kComplete,    // the last-control record was read
  kIncomplete,  // a record could not be read, or the file ended before the last-control record
};

// Reads the control section from the first record: records set aside (column
// 1 not blank) are passed over, every other record adds its name, and the
// first of them whose last-control mark (column 78) is not 0 ends the section.
ControlSection ReadControlNames(RecordFile& info_vec, std::vector<std::string>& names);

}  // namespace korval::tolcheck
