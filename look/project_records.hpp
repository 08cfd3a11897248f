// What the view job reads from the project vector file INFO.VEC: the control
// stations with their last-control marks, then the vector lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/record_file.hpp"
#include "common/view_job.hpp"

namespace korval::look {

inline constexpr const char* kProjectFileName = "INFO.VEC";

struct ControlRecord {
  std::string name;   // 8 characters
  int last_control_mark = 0;  // 0, or the nonzero digit of the last control record
};

// Reads the control section from the current record on: every in-use record
// up to and including the first one whose last-control mark is nonzero.
// Records set aside in column 1 are passed over, marks included. Nothing when
// the file ends, or a record cannot be read, before the last control record.
std::optional<std::vector<ControlRecord>> ReadControlRecords(RecordFile& project);

// Reads the vector section from the current record to the end of the file (or
// to a record that cannot be read). Records set aside in column 1, and records
// whose from- or to-station name is blank or "0", give no line; the end mark
// "0" does not end the list here.
std::vector<JobVector> ReadVectorLines(RecordFile& project);

}  // namespace korval::look
