// Fuzzes the adjustment as a whole program on its inputs: KORVAL.INF,
// INFO.VEC and GEOID.OUT. What is read feeds the ordering, the band solution,
// the statistics, the robust passes the answers ask for, the state plane
// listing and the elevations. No crash, no hang, INFO.VEC and GEOID.OUT left
// as they were, no NaN or Inf in any file written or on the console. The
// station list of the report reads back, with the readers of the programs
// that work from it, as the stations that VECTOR.GEO lists.
//
// Input: KORVAL.INF, INFO.VEC, GEOID.OUT and the console answers, separated
// by the byte 0x1e; without answers the parameters are accepted as they are
// and every robust question is answered No.
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "common/record_file.hpp"
#include "common/report_reader.hpp"
#include "fuzz/fuzz_support.hpp"
#include "netadj/run.hpp"

namespace {

using namespace korval;

bool Overflows(std::string_view line) { return line.find("**") != std::string_view::npos; }

// Each station of VECTOR.GEO (the order of every station list) is read from
// the first station list of OUT.VEC, as far as the list can be read: a name
// that begins with a blank ends it for the readers, and a value too wide for
// its field (asterisks) makes its block unreadable.
void CheckStationList(const fuzz::FuzzProject& project) {
  const auto report = RecordFile::Open(project.dir() / "OUT.VEC", OpenMode::kExisting);
  const auto positions = RecordFile::Open(project.dir() / "VECTOR.GEO", OpenMode::kExisting);
  if (!report || !positions || !SkipToStationList(*report)) return;
  for (const std::string& position : positions->lines()) {
    const std::string name = Columns(position, 41, 8);
    const size_t at = report->position();
    if (at + 1 >= report->size() || name.front() == ' ') return;
    if (Overflows(report->lines()[at]) || Overflows(report->lines()[at + 1])) return;
    ReportStation station;
    FUZZ_REQUIRE(ReadNextStation(*report, station));
    FUZZ_REQUIRE(station.name == name);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::FuzzProject project;
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string_view> pieces = fuzz::SplitPieces(text, 4);
  project.Reset();
  project.Write("KORVAL.INF", pieces[0]);
  project.Write("INFO.VEC", pieces[1]);
  project.Write("GEOID.OUT", pieces[2]);
  const std::string_view answers = pieces[3].empty() ? std::string_view("\n\n\n\n\n\n") : pieces[3];
  const int status = project.Run(netadj::Run, answers,
                                 {"TEMP.PPP", "KORVAL.INF", "OUT.VEC", "VECTOR.GEO", "VECTOR.COR"},
                                 !fuzz::CarriesNonFiniteText(text));
  if (status == 0) CheckStationList(project);
  return 0;
}
