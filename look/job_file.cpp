#include "look/job_file.hpp"

namespace korval::look {

std::vector<JobStation> PlaceControlStations(const std::vector<ControlRecord>& controls,
                                             const GridPositions& listing) {
  std::vector<JobStation> stations;
  for (const ControlRecord& control : controls) {
    if (const auto position = listing.Find(control.name)) {
      stations.push_back({control.name, position->x, position->y, control.last_control_mark});
    }
  }
  return stations;
}

void WriteJob(RecordFile& job, const std::vector<JobStation>& stations, const std::vector<JobVector>& vectors) {
  job.Rewind();
  job.TruncateHere();
  for (const JobStation& station : stations) {
    job.Write(kJobStationRecord, {station.name, station.x, station.y, station.last_control_mark});
  }
  for (const JobVector& vector : vectors) {
    job.Write(kJobVectorRecord, {vector.from, vector.to, kVectorLineWeight});
  }
  if (!vectors.empty()) {
    job.Write(kJobClosingFirstRecord, {});
    job.Write(kJobClosingSecondRecord, {});
  }
}

void WriteJobName(RecordFile& job_name_file) {
  job_name_file.Rewind();
  job_name_file.TruncateHere();
  job_name_file.Write(kJobNameRecord, {kProjectJobName});
}

}  // namespace korval::look
