#include "rawimp/run.hpp"

#include <cmath>
#include <optional>
#include <string>

#include "common/fields.hpp"
#include "common/project_records.hpp"
#include "common/vector_error_model.hpp"
#include "rawimp/project_tidy.hpp"
#include "rawimp/raw_reader.hpp"

namespace korval::rawimp {

namespace {

constexpr std::string_view kNotFound = " .RW5 NOT FOUND - TRY AGAIN";

// The base as shown on the console after " BASE STATION IS ".
const Layout kBaseLine = {
    Skip(1),          // 1
    Text(8),          // 2-9    name
    Skip(1),          // 10
    Integer(2),       // 11-12  latitude, degrees
    Skip(1),          // 13
    Integer(2),       // 14-15  latitude, minutes
    Skip(1),          // 16
    Decimal(9, 5),    // 17-25  latitude, seconds
    Skip(1),          // 26
    Integer(3),       // 27-29  longitude west, degrees
    Skip(1),          // 30
    Integer(2),       // 31-32  longitude west, minutes
    Skip(1),          // 33
    Decimal(9, 5),    // 34-42  longitude west, seconds
    Skip(1),          // 43
    Decimal(10, 4),   // 44-53  height, metres
};

// Opens the raw file named by the first 8 characters of `answer`, with ".RW5"
// after the last of them that is not blank. Nothing when all 8 are blank or
// the file cannot be opened.
RecordFile* OpenRawFile(Session& session, const std::string& answer) {
  const std::string name = TrimRight(Columns(answer, 1, 8));
  if (name.empty()) return nullptr;
  return session.Open(name + ".RW5", OpenMode::kExisting);
}

RecordFile* AskFirstRawFile(Session& session) {
  Console& console = session.console();
  for (;;) {
    console.Say(" INPUT .RW5 FILE NAME (NO EXTENSION)");
    if (RecordFile* raw = OpenRawFile(session, console.ReadAnswer())) return raw;
    console.Say(kNotFound);
  }
}

// The next raw file, or nothing when the user is finished (an answer that
// begins with a blank, or the end of console input).
RecordFile* AskNextRawFile(Session& session) {
  Console& console = session.console();
  for (;;) {
    console.Say(" INPUT A NEW .RW5 FILE NAME (NO EXTENSION)");
    console.Say(" PRESS ENTER IF FINISHED");
    const std::optional<std::string> answer = console.ReadLine();
    if (!answer || Columns(*answer, 1, 1) == " ") return nullptr;
    if (RecordFile* raw = OpenRawFile(session, *answer)) return raw;
    console.Say(kNotFound);
  }
}

// INFO.VEC without its blank lines, ready for vectors to be added.
RecordFile* OpenAndTidyProject(Session& session) {
  session.console().Say(" PREPARING INFO.VEC FOR ADDITIONS - BE PATIENT");
  RecordFile* info_vec = session.Open("INFO.VEC", OpenMode::kUnknown);
  if (info_vec == nullptr) {
    session.console().Say(" INFO.VEC COULD NOT BE OPENED - STOP");
    Stop();
  }
  const std::vector<std::string> tidy = WithoutBlankLines(info_vec->lines());
  if (tidy.size() != info_vec->size()) {
    info_vec->Rewind();
    info_vec->TruncateHere();
    for (const std::string& line : tidy) info_vec->WriteLine(line);
  }
  return info_vec;
}

void ShowBase(Console& console, const Base& base) {
  const RawPosition& p = base.position;
  console.Say(" BASE STATION IS ");
  console.Write(kBaseLine, Values{base.name, p.latitude.degrees, p.latitude.minutes, p.latitude.seconds,
                                  p.longitude.degrees, p.longitude.minutes, p.longitude.seconds, p.height});
}

VectorRecord BaseToPoint(const Base& base, const RoverPoint& point, const VectorErrorModel& model) {
  VectorRecord vector;
  vector.from = base.name;
  vector.to = point.name;
  vector.dx = point.xyz.x - base.xyz.x;
  vector.dy = point.xyz.y - base.xyz.y;
  vector.dz = point.xyz.z - base.xyz.z;
  const double length = std::sqrt(vector.dx * vector.dx + vector.dy * vector.dy + vector.dz * vector.dz);
  vector.sx = vector.sy = vector.sz = model.ComponentSigma(length);
  return vector;
}

}  // namespace

void Run(Session& session) {
  Console& console = session.console();
  const VectorErrorModel model = AskVectorErrorModel(console, VectorErrorModel{});
  RecordFile* raw = AskFirstRawFile(session);
  RecordFile* info_vec = OpenAndTidyProject(session);
  VectorAppender appender(*info_vec);

  RawReader reader([&](const Base& base) { ShowBase(console, base); },
                   [&](const std::optional<Base>& base, const RoverPoint& point) {
                     if (!base) {
                       console.Say(" NO BASE STATION YET - POINT " + point.name + " SKIPPED");
                       return;
                     }
                     const VectorRecord vector = BaseToPoint(*base, point, model);
                     appender.Append(vector);
                     console.WriteLine(FormatVectorRecord(vector));
                   });
  // The first file looks for its base first; later files go on from the base
  // of the files before them.
  ReaderMode mode = ReaderMode::kBase;
  while (raw != nullptr) {
    reader.ReadFile(raw->lines(), mode);
    session.Close(raw);
    mode = ReaderMode::kRover;
    raw = AskNextRawFile(session);
  }
  // INFO.VEC is replaced whole or not at all; when it cannot be written the
  // console says so and the run ends with a failure status.
  if (!session.Close(info_vec)) throw ProgramStop{{}, 1, false};
  Stop();
}

}  // namespace korval::rawimp
