// Inputs found by fuzzing, fed again to the reader that went wrong on them.
// Each input is kept under tests/robustness/fuzz_inputs/.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "common/project_records.hpp"
#include "common/record_file.hpp"
#include "common/report_reader.hpp"
#include "common/session.hpp"
#include "common/stop.hpp"
#include "netadj/project_file.hpp"
#include "netadj/run.hpp"
#include "solnimp/project_merge.hpp"
#include "solnimp/run.hpp"
#include "tests/support/project.hpp"

namespace korval {
namespace {

// A fuzz input of several files: the pieces between the bytes 0x1e, after
// `header` bytes that choose what the target does.
std::vector<std::string> FuzzInputPieces(std::string_view name, size_t header) {
  const testing::TempProject scratch;
  scratch.CopyIn(testing::TestSource("robustness/fuzz_inputs/" + std::string(name)), "INPUT");
  const std::string raw = scratch.ReadRaw("INPUT");
  std::vector<std::string> pieces(1);
  for (size_t k = header; k < raw.size(); ++k) {
    if (raw[k] == '\x1e') {
      pieces.emplace_back();
    } else {
      pieces.back() += raw[k];
    }
  }
  return pieces;
}

std::vector<std::string> FuzzInput(std::string_view name) {
  const auto file =
      RecordFile::Open(testing::TestSource("robustness/fuzz_inputs/" + std::string(name)), OpenMode::kExisting);
  if (!file) ADD_FAILURE() << "missing fuzz input " << name;
  return file ? file->lines() : std::vector<std::string>{};
}

// The control points (by name) and vectors (by their ends) that the
// adjustment reads from the lines; `complete` is false when it stopped.
struct AdjustmentView {
  bool complete = false;
  std::vector<std::string> control;
  std::vector<std::string> vectors;
};

AdjustmentView ReadAsAdjustment(const std::vector<std::string>& lines) {
  std::istringstream in;
  std::ostringstream out;
  testing::TempProject project;
  Session session(in, out, project.dir());
  const auto file = RecordFile::Scratch();
  for (const std::string& line : lines) file->WriteLine(line);
  file->Rewind();
  AdjustmentView view;
  netadj::Network network;
  try {
    netadj::ReadProjectFile(session, *file, 2, network);
    view.complete = true;
  } catch (const ProgramStop&) {
  }
  for (const netadj::ControlPoint& point : network.control) {
    view.control.push_back(TrimRight(network.stations[static_cast<size_t>(point.station)].name));
  }
  for (const netadj::Vector& vector : network.vectors) {
    view.vectors.push_back(TrimRight(network.stations[static_cast<size_t>(vector.from)].name) + "-" +
                           TrimRight(network.stations[static_cast<size_t>(vector.to)].name));
  }
  return view;
}

// A control record set aside by its flag while it still carries the
// last-control mark, followed by the record in use that ends the control
// section. The solution's control record used to be put after the set-aside
// record, so that the adjustment read the control station behind it as a
// vector.
TEST(FuzzRegression, SolutionMergeKeepsTheControlSectionOfTheAdjustment) {
  const std::vector<std::string> lines = FuzzInput("merge-set-aside-last-control.vec");
  ControlRecord reference;
  reference.name = "REF1";
  reference.latitude_degrees = 40;
  reference.longitude_degrees = 105;
  reference.latitude_sd = reference.longitude_sd = reference.height_sd = 0.0001;
  reference.last_control_mark = 1;
  const VectorRecord vector{' ', "REF1", "P1", 1.0, 0.01, 2.0, 0.01, 3.0, 0.01};

  const std::vector<std::string> merged = solnimp::MergeIntoProject(lines, {reference}, {vector});

  const AdjustmentView before = ReadAsAdjustment(lines);
  const AdjustmentView after = ReadAsAdjustment(merged);
  ASSERT_TRUE(before.complete);
  ASSERT_TRUE(after.complete);
  EXPECT_EQ(before.control, (std::vector<std::string>{"CTRL2"}));
  EXPECT_EQ(after.control, (std::vector<std::string>{"CTRL2", "REF1"}));
  EXPECT_EQ(after.vectors, (std::vector<std::string>{"CTRL2-P1", "REF1-P1"}));
  // The set-aside record stays set aside, its mark given up to the new last
  // control record.
  ASSERT_EQ(merged.size(), 5u);
  EXPECT_EQ(merged[0], solnimp::WithLastControlMark(lines[0], '0'));
  EXPECT_EQ(merged[1], solnimp::WithLastControlMark(lines[1], '0'));
}

// A solution report whose reference station lies far inside the Earth: its
// control record overflows its fields (asterisks) and cannot be read back.
// That record used to take the last-control mark from the project's own last
// control record, so that the adjustment could no longer find the end of the
// control section ("UNEXPECTED END TO DATA").
TEST(FuzzRegression, SolutionImportKeepsTheMarkOnAReadableControlRecord) {
  const std::vector<std::string> pieces = FuzzInputPieces("solnimp-unwritable-reference-station.bin", 1);
  ASSERT_EQ(pieces.size(), 2u);
  const testing::TempProject project;
  project.WriteRaw("INFO.VEC", pieces[0]);
  project.WriteRaw("REPORT.TXT", pieces[1]);
  const AdjustmentView before = ReadAsAdjustment(project.Lines("INFO.VEC"));
  ASSERT_TRUE(before.complete);

  const testing::RunResult run = testing::RunWithAnswers(project, solnimp::Run, {"REPORT", "", ""});
  ASSERT_EQ(run.exit_status, 0);

  const std::vector<std::string> lines = project.Lines("INFO.VEC");
  const AdjustmentView after = ReadAsAdjustment(lines);
  EXPECT_TRUE(after.complete);
  EXPECT_EQ(after.control, before.control);
  EXPECT_EQ(after.vectors.size(), before.vectors.size() + 1);
  // The unreadable record is kept, marked 0, after the project's own records.
  ASSERT_GE(lines.size(), 2u);
  EXPECT_NE(lines[1].find('*'), std::string::npos);
  EXPECT_EQ(Columns(lines[1], 78, 1), "0");
  EXPECT_EQ(Columns(lines[0], 78, 1), "1");
}

// A control station named STATION: its control residual line holds
// "STATION" and two blanks in columns 2-10 like the heading of the station
// list, and the readers of TOLCHECK and PTEXPORT took the residual lines that
// follow for station blocks.
TEST(FuzzRegression, AStationNamedStationIsNoStationListHeading) {
  EXPECT_TRUE(IsStationHeading(" STATION            LATITUDE             LONGITUDE            HEIGHT"));
  EXPECT_TRUE(IsStationHeading(" STATION                 ELEVATION (M.) ELEVATION (FT.)"));
  EXPECT_FALSE(IsStationHeading(" STATION          0.0002     0.0050    -0.0025     0.0050    -0.0002     0.0100"));
  EXPECT_FALSE(IsStationHeading(" STATION  ST149     0.0091   0.0130  -0.0158   0.0177   0.9     3.2   4902.960"));

  const std::vector<std::string> pieces = FuzzInputPieces("netadj-station-named-station.bin", 0);
  ASSERT_GE(pieces.size(), 4u);
  const testing::TempProject project;
  project.WriteRaw("KORVAL.INF", pieces[0]);
  project.WriteRaw("INFO.VEC", pieces[1]);
  project.WriteRaw("GEOID.OUT", pieces[2]);
  const auto run = testing::RunWithInput(project, netadj::Run, pieces[3]);
  ASSERT_EQ(run.exit_status, 0) << run.console;
  const auto report = RecordFile::Open(project.Path("OUT.VEC"), OpenMode::kExisting);
  const auto positions = RecordFile::Open(project.Path("VECTOR.GEO"), OpenMode::kExisting);
  ASSERT_TRUE(report && positions);
  ASSERT_TRUE(SkipToStationList(*report));
  int read = 0;
  for (const std::string& position : positions->lines()) {
    ReportStation station;
    if (!ReadNextStation(*report, station)) break;
    EXPECT_EQ(station.name, Columns(position, 41, 8));
    ++read;
  }
  EXPECT_GE(read, 3);  // the control stations at least, STATION among them
}

}  // namespace
}  // namespace korval
