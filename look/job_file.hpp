// Writing the plot job: the job name file and the job's station, vector and
// closing records.
#pragma once

#include <vector>

#include "common/grid_positions.hpp"
#include "common/record_file.hpp"
#include "common/view_job.hpp"
#include "look/project_records.hpp"

namespace korval::look {

// The control stations that the grid listing places, in project-file order;
// a control station missing from the listing (or without readable
// coordinates there) is left out.
std::vector<JobStation> PlaceControlStations(const std::vector<ControlRecord>& controls,
                                             const GridPositions& listing);

// Replaces the content of `job` with the station records, the vector records
// and, when there is at least one vector, the two closing records.
void WriteJob(RecordFile& job, const std::vector<JobStation>& stations, const std::vector<JobVector>& vectors);

// Replaces the content of `job_name_file` with the job name.
void WriteJobName(RecordFile& job_name_file);

}  // namespace korval::look
