#include "view/run.hpp"

#include <optional>
#include <string>

#include "common/fields.hpp"
#include "common/grid_positions.hpp"
#include "common/stop.hpp"
#include "common/view_job.hpp"
#include "view/grid_unit.hpp"
#include "view/job_reader.hpp"
#include "view/network.hpp"
#include "view/svg_picture.hpp"

namespace korval::view {
namespace {

[[noreturn]] void Fail(Session& session, const std::string& message) {
  session.console().Say(message);
  Stop();
}

std::string JobName(Session& session) {
  RecordFile* job_name_file = session.Open(kJobNameFileName, OpenMode::kExisting);
  if (job_name_file == nullptr) Fail(session, " ERROR - TEMP.JOB NOT FOUND - RUN LOOK FIRST");
  const std::optional<std::string> name = ReadJobName(*job_name_file);
  if (!name) Fail(session, " ERROR - TEMP.JOB HOLDS NO USABLE JOB NAME - RUN LOOK FIRST");
  session.Close(job_name_file);
  return *name;
}

GridUnit UnitOfProject(Session& session) {
  RecordFile* parameters = session.Open(kParameterFileName, OpenMode::kExisting);
  if (parameters == nullptr) return GridUnitOfDatum(std::nullopt);
  const GridUnit unit = GridUnitOfDatum(ReadDatumCode(*parameters));
  session.Close(parameters);
  return unit;
}

void ReportLeftOut(Session& session, const std::string& job_file_name, const ViewJob& job, const Network& network,
                   bool have_listing) {
  Console& console = session.console();
  for (const size_t line : job.ignored_lines) {
    console.Say(std::string(" LINE ") + std::to_string(line) + " OF " + job_file_name + " IGNORED");
  }
  if (!network.unplaced.empty()) {
    if (!have_listing) console.Say(" VECTOR.COR NOT FOUND - ONLY CONTROL STATIONS HAVE A POSITION");
    console.Say(" STATIONS WITHOUT A POSITION, LEFT OUT OF THE PICTURE:");
    for (const std::string& name : network.unplaced) console.Say("   " + TrimRight(name));
    console.Say(std::to_string(network.vectors_left_out) + " VECTOR(S) LEFT OUT OF THE PICTURE");
  }
}

}  // namespace

void Run(Session& session) {
  const std::string job_name = JobName(session);
  const std::string job_file_name = JobFileName(job_name, "LSA");
  RecordFile* job_file = session.Open(job_file_name, OpenMode::kExisting);
  if (job_file == nullptr) Fail(session, " ERROR - " + job_file_name + " NOT FOUND - RUN LOOK FIRST");
  const ViewJob job = ReadViewJob(*job_file);
  session.Close(job_file);

  std::optional<GridPositions> listing;
  if (RecordFile* listing_file = session.Open(kGridListingFileName, OpenMode::kExisting)) {
    listing = GridPositions::Read(*listing_file);
    session.Close(listing_file);
  }
  const Network network = BuildNetwork(job, listing ? &*listing : nullptr);
  ReportLeftOut(session, job_file_name, job, network, listing.has_value());

  const std::string picture_name = JobFileName(job_name, "SVG");
  RecordFile* picture = session.Open(picture_name, OpenMode::kUnknown);
  if (picture == nullptr) Fail(session, " ERROR - CANNOT WRITE " + picture_name);
  picture->TruncateHere();
  for (const std::string& line : DrawPicture(network, job_name, UnitOfProject(session))) picture->WriteLine(line);
  if (!session.Close(picture)) Stop();
  session.console().Say(" PICTURE WRITTEN TO " + session.PathOf(picture_name).string());
}

}  // namespace korval::view
