#include "baseimp/run.hpp"

#include <array>
#include <optional>
#include <string>

#include "baseimp/baseline_report.hpp"
#include "common/fields.hpp"
#include "common/project_records.hpp"

namespace korval::baseimp {

namespace {

// Widths of the names the user gives, characters.
constexpr int kFileNameWidth = 20;
constexpr int kNameListNameWidth = 12;

enum class NameSource { kKeyboard = 1, kNameList = 2 };

// The first `width` characters of an answer, without the blanks that fill it.
std::string NameFrom(const std::string& answer, int width) { return TrimRight(Columns(answer, 1, width)); }

RecordFile* AskOutputFile(Session& session) {
  for (;;) {
    session.console().Say(" INPUT THE FILE NAME WHERE VECTORS WILL GO");
    const std::string name = NameFrom(session.console().ReadAnswer(), kFileNameWidth);
    if (RecordFile* file = session.Open(name, OpenMode::kUnknown)) return file;
  }
}

NameSource AskNameSource(Console& console) {
  std::array<double, 1> pick{0};
  const std::array<ListKind, 1> kinds{ListKind::kInteger};
  console.AskNumbers({" ARE GEODIMETER FILE NAMES READ FROM ", " (1) KEYBOARD OR", " (2) FILE ", " PICK A #"}, pick,
                     [](std::span<const double> v) { return v[0] == 1.0 || v[0] == 2.0; }, kinds);
  return pick[0] == 1.0 ? NameSource::kKeyboard : NameSource::kNameList;
}

RecordFile* AskNameList(Session& session) {
  for (;;) {
    session.console().Say(" WHAT IS THE FILE NAME CONTAINING THE GEODIMETER FILE NAMES?");
    const std::string name = NameFrom(session.console().ReadAnswer(), kNameListNameWidth);
    if (RecordFile* file = session.Open(name, OpenMode::kExisting)) return file;
  }
}

// The console line and its copy in REPORT.
void Log(Console& console, RecordFile& report, std::string_view line) {
  console.WriteLine(line);
  report.WriteLine(line);
}

class Importer {
 public:
  Importer(Session& session, RecordFile& output, RecordFile& report)
      : session_(session), console_(session.console()), appender_(output), report_(report) {}

  // Appends the baselines of one report; a report that cannot be opened is
  // logged and passed over.
  void ImportReport(const std::string& name) {
    RecordFile* geodimeter = session_.Open(name, OpenMode::kExisting);
    if (geodimeter == nullptr) {
      Log(console_, report_, " COULD NOT READ THAT FILE");
      Log(console_, report_, "");
      Log(console_, report_, " OOPS - COULD NOT PERFORM REQUIRED TASK");
      Log(console_, report_, "");
      return;
    }
    for (const VectorRecord& baseline : ExtractBaselines(geodimeter->lines())) {
      console_.WriteLine(FormatVectorRecord(baseline));
      appender_.Append(baseline);
    }
    session_.Close(geodimeter);
  }

 private:
  Session& session_;
  Console& console_;
  VectorAppender appender_;
  RecordFile& report_;
};

// Saves the output file and REPORT and stops; a file that cannot be saved is
// named on the console and ends the run with a failure status.
[[noreturn]] void Finish(Session& session, RecordFile* output, RecordFile* report) {
  const bool output_saved = session.Close(output);
  const bool report_saved = session.Close(report);
  if (!output_saved || !report_saved) throw ProgramStop{{}, 1, false};
  Stop();
}

}  // namespace

void Run(Session& session) {
  Console& console = session.console();
  session.Open("TEMP.PPP", OpenMode::kUnknown);  // created for the suite's working files, not used here
  RecordFile* report = session.Open("REPORT", OpenMode::kUnknown);
  if (report == nullptr) {
    console.Say(" REPORT COULD NOT BE OPENED - STOP");
    Stop();
  }
  RecordFile* output = AskOutputFile(session);
  const NameSource source = AskNameSource(console);
  RecordFile* name_list = source == NameSource::kNameList ? AskNameList(session) : nullptr;
  Importer importer(session, *output, *report);
  for (;;) {
    console.Say(" INPUT NEXT GEODIMETER OUTPUT FILE NAME");
    console.Say(" PRESS ENTER IF FINISHED");
    std::optional<std::string> answer;
    if (name_list != nullptr) {
      answer = name_list->ReadLine();
      if (!answer) Finish(session, output, report);  // the end of the list
    } else {
      answer = console.ReadAnswer();
    }
    const std::string name = NameFrom(*answer, kFileNameWidth);
    if (name.empty()) Finish(session, output, report);
    Log(console, *report, " " + name);
    importer.ImportReport(name);
  }
}

}  // namespace korval::baseimp
