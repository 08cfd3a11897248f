// Reading the plot job: the job name from TEMP.JOB and the station and vector
// records of the job file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/record_file.hpp"
#include "common/view_job.hpp"

namespace korval::view {

// The job name of TEMP.JOB without its trailing blanks; nothing when the file
// holds no name that can serve as a file name in the project directory (an
// empty name, or one with a path separator or a control character).
std::optional<std::string> ReadJobName(RecordFile& job_name_file);

struct ViewJob {
  std::vector<JobStation> stations;   // control stations, in file order
  std::vector<JobVector> vectors;     // vector lines, in file order
  std::vector<size_t> ignored_lines;  // line numbers (1-based) of records that could not be read
};

// Reads every record of the job: station records, vector records (told apart
// by the "0" that closes a vector record), the closing records and blank
// lines, which carry nothing to draw.
ViewJob ReadViewJob(RecordFile& job);

}  // namespace korval::view
