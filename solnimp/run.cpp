#include "solnimp/run.hpp"

#include <optional>
#include <string>

#include "common/fields.hpp"
#include "common/project_records.hpp"
#include "common/vector_error_model.hpp"
#include "solnimp/project_merge.hpp"
#include "solnimp/solution_records.hpp"
#include "solnimp/solution_report.hpp"

namespace korval::solnimp {

namespace {

constexpr std::string_view kReportPrompt =
    " INPUT OPUS OUTPUT TEXT FILE NAME (PATH IF NECESSARY, NO EXTENSION AS .TXT ASSUMED)";
constexpr std::string_view kNotFound = " FILE NOT FOUND, TRY AGAIN";
constexpr std::string_view kNoStations = " NO STATIONS IN THE COORDINATE LIST, TRY AGAIN";
const VectorErrorModel kDefaultErrorModel{0.005, 0.5};

// The report named by the answer: the text before the first blank of its 80
// columns, with ".TXT" in place of that blank. Nothing when the 80 columns
// hold no blank or the file cannot be opened.
RecordFile* OpenReport(Session& session, const std::string& answer) {
  const std::string text = Columns(answer, 1, 80);
  const size_t blank = text.find(' ');
  if (blank == std::string::npos) return nullptr;
  return session.Open(text.substr(0, blank) + ".TXT", OpenMode::kExisting);
}

VectorErrorModel AskErrorModel(Console& console) {
  console.Say(" OPUS VECTOR ERROR ESTIMATES WILL BE 0.005 M. PLUS 0.5 PPM");
  if (!console.AskYesNo({" DO YOU WANT TO CHANGE THEM (Y/N) <N>"})) return kDefaultErrorModel;
  return AskVectorErrorModel(console, kDefaultErrorModel);
}

// The solved station's name: the one of the report, or the first 8 characters
// typed when they are not all blank.
void AskSolvedStationName(Console& console, SolutionStation& solved) {
  console.Say(" UNKNOWN STATION NAME IN OPUS-RS IS " + solved.name);
  console.Say(" ENTER DESIRED STATION NAME OR PRESS ENTER TO NOT CHANGE IT");
  const std::string typed = Columns(console.ReadAnswer(), 1, 8);
  if (typed.find_first_not_of(' ') != std::string::npos) solved.name = typed;
}

// One pass of the dialogue over one report; nothing when the report fails
// and the dialogue must start again.
std::optional<SolutionRecords> ImportReport(Session& session) {
  Console& console = session.console();
  console.Say(kReportPrompt);
  RecordFile* report = OpenReport(session, console.ReadAnswer());
  if (report == nullptr) {
    console.Say(kNotFound);
    return std::nullopt;
  }
  const VectorErrorModel model = AskErrorModel(console);
  const std::vector<std::string>& lines = report->lines();

  std::optional<CoordinateList> list = ReadCoordinateList(lines);
  if (!list || list->stations.empty()) {
    session.Close(report);
    console.Say(list ? kNoStations : kNotFound);
    return std::nullopt;
  }
  AskSolvedStationName(console, list->stations.back());

  const auto positions = ReadSolvedPositions(lines, list->next_line, list->stations.size() - 1);
  session.Close(report);
  if (!positions) {
    console.Say(kNotFound);
    return std::nullopt;
  }
  return BuildSolutionRecords(list->stations, *positions, model);
}

RecordFile* OpenProjectFile(Session& session, std::string_view name) {
  RecordFile* file = session.Open(name, OpenMode::kUnknown);
  if (file == nullptr) {
    session.console().Say(" " + std::string(name) + " COULD NOT BE OPENED - STOP");
    Stop();
  }
  return file;
}

void WriteOpusVec(RecordFile& file, const SolutionRecords& records) {
  file.Rewind();
  file.TruncateHere();
  for (const ControlRecord& control : records.controls) file.WriteLine(FormatControlRecord(control));
  for (const VectorRecord& vector : records.vectors) file.WriteLine(FormatVectorRecord(vector));
}

void WriteInfoVec(RecordFile& file, const SolutionRecords& records) {
  const std::vector<std::string> merged = MergeIntoProject(file.lines(), records.controls, records.vectors);
  file.Rewind();
  file.TruncateHere();
  for (const std::string& line : merged) file.WriteLine(line);
}

}  // namespace

void Run(Session& session) {
  std::optional<SolutionRecords> records;
  while (!(records = ImportReport(session))) {
  }
  // Nothing is written before the whole report has been read, so a failed
  // attempt leaves OPUS.VEC and INFO.VEC as they were.
  RecordFile* opus_vec = OpenProjectFile(session, "OPUS.VEC");
  RecordFile* info_vec = OpenProjectFile(session, "INFO.VEC");
  WriteOpusVec(*opus_vec, *records);
  WriteInfoVec(*info_vec, *records);
  // Each file is replaced whole or not at all; a file that could not be
  // written is named on the console and the run ends with a failure status.
  const bool opus_saved = session.Close(opus_vec);
  const bool info_saved = session.Close(info_vec);
  if (!opus_saved || !info_saved) throw ProgramStop{{}, 1, false};
  Stop();
}

}  // namespace korval::solnimp
