#include "look/run.hpp"

#include <string_view>

#include "common/grid_positions.hpp"
#include "common/stop.hpp"
#include "common/view_job.hpp"
#include "look/job_file.hpp"
#include "look/project_records.hpp"

namespace korval::look {
namespace {

// Tells the user how to start the viewer on the job.
constexpr std::string_view kClosingText = " TYPE VIEW AND PRESS ENTER - SELECT PROJECT VECTOR";

[[noreturn]] void FailureEnd(Session& session) {
  session.console().Say(" ERROR - VECTOR.COR OR INFO.VEC NOT FOUND");
  Stop(kClosingText);
}

RecordFile* OpenOutput(Session& session, std::string_view name) {
  RecordFile* file = session.Open(name, OpenMode::kUnknown);
  if (file == nullptr) {
    session.console().Say(" ERROR - CANNOT WRITE " + std::string(name) + " - STOP");
    Stop();
  }
  return file;
}

}  // namespace

void Run(Session& session) {
  RecordFile* listing = session.Open(kGridListingFileName, OpenMode::kExisting);
  RecordFile* project = session.Open(kProjectFileName, OpenMode::kExisting);
  if (listing == nullptr || project == nullptr) FailureEnd(session);

  RecordFile* job = OpenOutput(session, kProjectJobFileName);
  RecordFile* job_name_file = OpenOutput(session, kJobNameFileName);
  WriteJobName(*job_name_file);
  session.Close(job_name_file);

  // The job is written only once the project file has been read through, so
  // that a project file without its last control record leaves the previous
  // job as it was instead of half of a new one.
  const auto controls = ReadControlRecords(*project);
  if (!controls) FailureEnd(session);
  const std::vector<JobStation> stations = PlaceControlStations(*controls, GridPositions::Read(*listing));
  const std::vector<JobVector> vectors = ReadVectorLines(*project);
  WriteJob(*job, stations, vectors);
  Stop(kClosingText);
}

}  // namespace korval::look
