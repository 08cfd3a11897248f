// Fuzzes the three import programs as whole programs: BASEIMP on a Geodimeter
// report, SOLNIMP on a solution report and RAWIMP on a .RW5 file, each adding
// to a fuzzed INFO.VEC. No crash, no hang, the file imported left as it was,
// no NaN or Inf written, and an INFO.VEC that the adjustment read whole before
// the import is read whole after it, with the same control stations first and
// no fewer vectors.
//
// Input: one byte choosing the program (0 BASEIMP, 1 SOLNIMP, 2 RAWIMP, by
// its value modulo 3), then INFO.VEC, the file to import and the console
// answers, separated by the byte 0x1e; without answers the import takes the
// defaults of its dialogue.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "baseimp/run.hpp"
#include "common/fields.hpp"
#include "common/record_file.hpp"
#include "common/stop.hpp"
#include "fuzz/fuzz_support.hpp"
#include "netadj/project_file.hpp"
#include "rawimp/run.hpp"
#include "solnimp/run.hpp"

namespace {

using namespace korval;

struct Importer {
  ProgramBody run;
  std::string_view imported_file;
  std::string_view default_answers;
  std::initializer_list<std::string_view> owned;
};

const Importer kImporters[] = {
    {baseimp::Run, "GEO.TXT", "INFO.VEC\n1\nGEO.TXT\n\n", {"INFO.VEC", "REPORT", "TEMP.PPP"}},
    {solnimp::Run, "REPORT.TXT", "REPORT\n\n\n", {"INFO.VEC", "OPUS.VEC"}},
    {rawimp::Run, "JOB.RW5", "0.01 1\nJOB\n\n", {"INFO.VEC"}},
};

// What the adjustment reads from INFO.VEC: whether it read the file to its
// end, the names of its control points and the number of its vectors. Lines
// of blanks and tabs only read as a control point without a name, or as a
// vector between two names of blanks and tabs; RAWIMP's tidying drops such
// lines, so stations with such names are left out.
struct AdjustmentInput {
  bool complete = false;
  std::vector<std::string> control_names;
  size_t vectors = 0;
};

bool IsWhitespaceName(const std::string& name) { return name.find_first_not_of(" \t") == std::string::npos; }

AdjustmentInput ReadAsAdjustment(const std::filesystem::path& path) {
  AdjustmentInput input;
  const auto file = RecordFile::Open(path, OpenMode::kExisting);
  if (!file) return input;
  fuzz::RunReader([&](Session& session) {
    netadj::Network network;
    netadj::ReadProjectFile(session, *file, 2, network);
    const auto name_of = [&](int station) -> const std::string& {
      return network.stations[static_cast<size_t>(station)].name;
    };
    for (const netadj::ControlPoint& point : network.control) {
      if (!IsWhitespaceName(name_of(point.station))) input.control_names.push_back(name_of(point.station));
    }
    for (const netadj::Vector& vector : network.vectors) {
      if (!IsWhitespaceName(name_of(vector.from)) || !IsWhitespaceName(name_of(vector.to))) ++input.vectors;
    }
    input.complete = true;
  });
  return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::FuzzProject project;
  if (size < 1) return 0;
  const Importer& importer = kImporters[data[0] % 3];
  const std::string_view text = fuzz::AsText(data + 1, size - 1);
  const std::vector<std::string_view> pieces = fuzz::SplitPieces(text, 3);
  project.Reset();
  project.Write("INFO.VEC", pieces[0]);
  project.Write(importer.imported_file, pieces[1]);
  const AdjustmentInput before = ReadAsAdjustment(project.dir() / "INFO.VEC");

  const std::string_view answers = pieces[2].empty() ? importer.default_answers : pieces[2];
  const int status = project.Run(importer.run, answers, importer.owned, !fuzz::CarriesNonFiniteText(text));

  // (Far from the limits of the adjustment, which an import may reach.)
  if (status != 0 || !before.complete || before.vectors > 9000 || before.control_names.size() > 650) return 0;
  const AdjustmentInput after = ReadAsAdjustment(project.dir() / "INFO.VEC");
  FUZZ_REQUIRE(after.complete);
  FUZZ_REQUIRE(after.vectors >= before.vectors);
  FUZZ_REQUIRE(after.control_names.size() >= before.control_names.size());
  FUZZ_REQUIRE(std::equal(before.control_names.begin(), before.control_names.end(), after.control_names.begin()));
  return 0;
}
