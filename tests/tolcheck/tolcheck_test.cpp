// TOLCHECK run end to end in a temporary project with scripted answers, on
// hand-made reports written in the adjustment's own columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/fields.hpp"
#include "common/record.hpp"
#include "tests/support/adjustment_report.hpp"
#include "tests/support/project.hpp"
#include "tolcheck/run.hpp"

namespace korval::tolcheck {
namespace {

using testing::ReportBlock;
using testing::RunResult;
using testing::TempProject;

constexpr std::string_view kClosing = "END OF GPS POSITIONAL TOLERANCE ANALYIS";

struct Control {
  std::string name;
  int latitude_degrees = 40, latitude_minutes = 0;
  double latitude_seconds = 0;
  int longitude_degrees = 105, longitude_minutes = 0;
  double longitude_seconds = 0;
  char flag = ' ';
};

// INFO.VEC: the control records (the last one marked) and one vector.
std::vector<std::string> InfoVec(const std::vector<Control>& controls) {
  const Layout record = {Character(), Text(8),       Skip(1), Integer(2),    Skip(1),        Integer(2),
                         Skip(1),     Decimal(8, 5), Decimal(8, 4), Skip(1), Integer(3),     Skip(1),
                         Integer(2),  Skip(1),       Decimal(8, 5), Decimal(8, 4), Decimal(12, 4), Decimal(8, 4),
                         Skip(1),     Integer(1)};
  std::vector<std::string> lines;
  for (size_t i = 0; i < controls.size(); ++i) {
    const Control& c = controls[i];
    lines.push_back(FormatLine(record, {std::string(1, c.flag), c.name, c.latitude_degrees, c.latitude_minutes,
                                        c.latitude_seconds, 0.001, c.longitude_degrees, c.longitude_minutes,
                                        c.longitude_seconds, 0.001, 1500.0, 0.002,
                                        i + 1 == controls.size() ? 1 : 0}));
  }
  lines.push_back(" CTRL1   NEW1           100.0000 0.0050      200.0000 0.0050      300.0000 0.0050");
  return lines;
}

ReportBlock Block(const Control& c) {
  ReportBlock b;
  b.name = c.name;
  b.latitude_degrees = c.latitude_degrees;
  b.latitude_minutes = c.latitude_minutes;
  b.latitude_seconds = c.latitude_seconds;
  b.longitude_degrees = c.longitude_degrees;
  b.longitude_minutes = c.longitude_minutes;
  b.longitude_seconds = c.longitude_seconds;
  b.north_error = 0.0001;
  b.east_error = 0.0001;
  return b;
}

ReportBlock Station(std::string name, int lat_d, int lat_m, double lat_s, int lon_d, int lon_m, double lon_s,
                    double north_error, double east_error) {
  ReportBlock b = testing::BlockAt(std::move(name), lat_d, lat_m, lat_s, lon_d, lon_m, lon_s);
  b.north_error = north_error;
  b.east_error = east_error;
  return b;
}

testing::Lines Report(const std::vector<ReportBlock>& blocks, bool minimal = false) {
  testing::Lines lines = testing::ReportOpening(minimal);
  testing::Append(lines, testing::ReportPass(blocks));
  return lines;
}

RunResult RunTolcheck(const TempProject& project, const std::vector<std::string>& answers = {""}) {
  return testing::RunWithAnswers(project, tolcheck::Run, answers);
}

bool Contains(const std::vector<std::string>& lines, std::string_view line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The control of the 5,000 m example and a station straight north of it.
const Control kCtrl{"CTRL1"};
// 40 02 42.11096 lies 5000.0003 m north of 40 00 00 on the same meridian.
ReportBlock FiveKilometresNorth(std::string name, double actual) {
  return Station(std::move(name), 40, 2, 42.11096, 105, 0, 0.0, actual, actual / 2);
}

TEST(TolcheckTolerance, NoStoredFileShowsTheDefaultsAndStoresThem) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  project.Write("OUT.VEC", Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.01)}));
  const RunResult run = RunTolcheck(project);
  EXPECT_EQ(run.exit_status, 0);
  const std::vector<std::string> expected_start = {
      " COMPUTER PROGRAM TOLCHECK (POSITIONAL TOLERANCE ANALYSIS)",
      " FOR KORVAL THE VECTOR VER. 05-10-99",
      "",
      " POSITIONAL TOLERANCE VALUES ARE ",
      " CONSTANT =     0.0200 METERS",
      " PROPORTIONAL = 1 /    100000.",
      " DO YOU WANT TO CHANGE THEM? <N>"};
  ASSERT_GE(run.lines.size(), expected_start.size());
  EXPECT_EQ(std::vector<std::string>(run.lines.begin(), run.lines.begin() + 7), expected_start);
  EXPECT_EQ(run.lines.back(), kClosing);
  EXPECT_EQ(project.ReadRaw("POS.TOL"), " 0.0200     100000.\r\n");
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(run.console));
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(project.ReadRaw("PT.VEC")));
}

TEST(TolcheckTolerance, StoredValuesOutOfRangeAreCorrectedAndDamagedOnesGiveTheDefaults) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  project.Write("OUT.VEC", Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.01)}));

  project.Write("POS.TOL", {"12 5"});
  RunResult run = RunTolcheck(project);
  EXPECT_TRUE(Contains(run.lines, " CONSTANT =     0.0001 METERS"));
  EXPECT_TRUE(Contains(run.lines, " PROPORTIONAL = 1 /    100000."));
  EXPECT_EQ(project.Lines("POS.TOL"), std::vector<std::string>{" 0.0001     100000."});

  project.Write("POS.TOL", {"-0.5,2000000000"});
  run = RunTolcheck(project);
  EXPECT_TRUE(Contains(run.lines, " CONSTANT =     0.0001 METERS"));
  EXPECT_TRUE(Contains(run.lines, " PROPORTIONAL = 1 /    100000."));

  project.Write("POS.TOL", {"0.0350 abc"});
  run = RunTolcheck(project);
  EXPECT_TRUE(Contains(run.lines, " CONSTANT =     0.0200 METERS"));

  project.Write("POS.TOL", {" 0.0350      50000.", "old second line"});
  run = RunTolcheck(project);
  EXPECT_TRUE(Contains(run.lines, " CONSTANT =     0.0350 METERS"));
  EXPECT_TRUE(Contains(run.lines, " PROPORTIONAL = 1 /     50000."));
  EXPECT_EQ(project.Lines("POS.TOL"), std::vector<std::string>{" 0.0350      50000."});
}

TEST(TolcheckTolerance, NewValuesOutsideTheirRangesAreAskedAgain) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  project.Write("OUT.VEC", Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.01)}));
  const RunResult run = RunTolcheck(project, {"x", "y", "10", "0", "abc", "0.005", "9", "20000"});
  EXPECT_EQ(run.exit_status, 0);
  // The answer x shows the values and the question again.
  EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), " DO YOU WANT TO CHANGE THEM? <N>"), 2);
  EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), " INPUT NEW CONSTANT VALUE IN METERS"), 4);
  EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(),
                       " INPUT NEW DENOMINATOR (X IN 1/X) OF PROPORTIONAL VALUE"),
            2);
  EXPECT_EQ(project.Lines("POS.TOL"), std::vector<std::string>{" 0.0050      20000."});
  const auto listing = project.Lines("PT.VEC");
  ASSERT_GE(listing.size(), 4u);
  EXPECT_EQ(listing[1], " CONSTANT =     0.0050 METERS");
  EXPECT_EQ(listing[2], " PROPORTIONAL = 1/      20000.");
  // 5000.0003 / 20000 + 0.005
  EXPECT_EQ(listing[4], " NEW1         0.0100     0.2550    PASSED ");
}

TEST(TolcheckTest, FiveKilometresFromControlPassesAtTheAllowableAndFailsJustAbove) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  project.Write("OUT.VEC", Report({Block(kCtrl), FiveKilometresNorth("AT", 0.0700), FiveKilometresNorth("ABOVE", 0.0701)}));
  const RunResult run = RunTolcheck(project);
  EXPECT_EQ(run.exit_status, 0);
  const std::vector<std::string> expected = {
      " KORVAL THE VECTOR POSITIONAL TOLERANCE TEST",
      " CONSTANT =     0.0200 METERS",
      " PROPORTIONAL = 1/     100000.",
      "  STATION     ACTUAL  ALLOWABLE    STATUS",
      " AT           0.0700     0.0700    PASSED ",
      " ABOVE        0.0701     0.0700 ** FAILED BY  0.0001 METERS **",
      "",
      "",
      " ** WARNING **    1 OF    2 STATIONS FAIL POSITIONAL TOLERANCE !!!",
      ""};
  EXPECT_EQ(project.Lines("PT.VEC"), expected);
  EXPECT_TRUE(Contains(run.lines, " ** WARNING **    1 OF    2 STATIONS FAIL POSITIONAL TOLERANCE !!!"));
  EXPECT_EQ(run.lines.back(), kClosing);
}

TEST(TolcheckTest, AllPassingStationsEarnTheCongratulations) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  project.Write("PT.VEC", std::vector<std::string>(30, "an old listing line"));
  project.Write("OUT.VEC", Report({FiveKilometresNorth("NEW1", 0.03), Block(kCtrl)}));
  const RunResult run = RunTolcheck(project);
  const auto listing = project.Lines("PT.VEC");
  ASSERT_EQ(listing.size(), 9u);  // the old, longer listing is replaced
  EXPECT_EQ(listing[4], " NEW1         0.0300     0.0700    PASSED ");
  EXPECT_EQ(listing[7], " CONGRATULATIONS - ALL YOUR POINTS PASS POSITIONAL TOLERANCE");
  EXPECT_TRUE(Contains(run.lines, " CONGRATULATIONS - ALL YOUR POINTS PASS POSITIONAL TOLERANCE"));
}

// The distance to the nearest control against GeodSolve (GeographicLib) on
// GRS 80: 8501.081158 m to CTRLA, 23870.682094 m to CTRLB. With the
// denominator 10 the printed allowable shows the distance to the millimetre.
TEST(TolcheckTest, AllowableUsesTheGeodeticDistanceToTheNearestControl) {
  TempProject project;
  const Control b{"CTRLB", 40, 10, 0.0, 105, 10, 0.0};
  const Control a{"CTRLA", 40, 0, 0.0, 105, 0, 0.0};
  const Control set_aside{"CTRLX", 40, 3, 12.0, 104, 55, 43.0, '*'};
  project.Write("INFO.VEC", InfoVec({b, set_aside, a}));
  project.Write("POS.TOL", {" 0.0001         10."});
  project.Write("OUT.VEC", Report({Block(b), Station("T", 40, 3, 12.34567, 104, 55, 43.21098, 0.0150, 0.0250),
                                   Block(a), Block(set_aside)}));
  RunTolcheck(project);
  const auto listing = project.Lines("PT.VEC");
  ASSERT_GE(listing.size(), 6u);
  // CTRLX is set aside in INFO.VEC, so it is a station under test.
  EXPECT_EQ(Columns(listing[4], 2, 8), "T       ");
  EXPECT_EQ(Columns(listing[4], 11, 10), "    0.0250");  // the larger error estimate
  const double allowable = *ParseDecimal(Columns(listing[4], 22, 10), 4);
  EXPECT_NEAR(allowable, 8501.081158 / 10 + 0.0001, 0.00006);
  EXPECT_EQ(Columns(listing[5], 2, 8), "CTRLX   ");
}

TEST(TolcheckTest, ReportOfOnlyControlStationsGivesNoAnalysis) {
  TempProject project;
  const Control b{"CTRLB", 40, 10, 0.0, 105, 10, 0.0};
  project.Write("INFO.VEC", InfoVec({kCtrl, b}));
  project.Write("OUT.VEC", Report({Block(b), Block(kCtrl)}));
  const RunResult run = RunTolcheck(project);
  EXPECT_EQ(project.Lines("PT.VEC"),
            std::vector<std::string>{" NO UNKNOWN STATIONS (ALL CONTROL) SO NO POS. TOL. ANALYSIS"});
  EXPECT_EQ(run.lines.back(), kClosing);
}

TEST(TolcheckTest, ControlStationsMissingFromTheReportAreNotTakenAsNearest) {
  TempProject project;
  const Control far{"FAR", 41, 0, 0.0, 105, 0, 0.0};
  const Control absent{"ABSENT", 40, 2, 42.0, 105, 0, 0.0};
  project.Write("INFO.VEC", InfoVec({absent, far, kCtrl}));
  project.Write("OUT.VEC", Report({Block(far), Block(kCtrl), FiveKilometresNorth("NEW1", 0.01)}));
  RunTolcheck(project);
  EXPECT_EQ(project.Lines("PT.VEC")[4], " NEW1         0.0100     0.0700    PASSED ");

  project.Write("INFO.VEC", InfoVec({absent}));
  const RunResult run = RunTolcheck(project);
  EXPECT_EQ(project.Lines("PT.VEC"),
            std::vector<std::string>{" NO CONTROL STATIONS IN OUT.VEC SO NO POS. TOL. ANALYSIS"});
  EXPECT_TRUE(Contains(run.lines, " NO CONTROL STATIONS IN OUT.VEC SO NO POS. TOL. ANALYSIS"));
}

TEST(TolcheckTest, OnlyTheFirstStationListOfTheReportIsTested) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  testing::Lines report = Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.01)});
  testing::Append(report, testing::ReportReweighting());
  testing::Append(report, testing::ReportPass({Block(kCtrl), FiveKilometresNorth("NEW1", 0.5)}));
  testing::Append(report, testing::ReportIndividualElevations({{"NEW1", -20.0, 1400.0}}));
  project.Write("OUT.VEC", report, /*crlf=*/false);
  RunTolcheck(project);
  const auto listing = project.Lines("PT.VEC");
  EXPECT_EQ(listing[4], " NEW1         0.0100     0.0700    PASSED ");
  EXPECT_EQ(listing[5], "");
}

TEST(TolcheckRefusal, MinimallyConstrainedAdjustmentIsRefused) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  project.Write("OUT.VEC", Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.5)}, /*minimal=*/true));
  const RunResult run = RunTolcheck(project);
  const std::vector<std::string> refusal = {" ERROR - NO POSITIONAL TOLERANCE ALLOWED FROM ",
                                            " MINIMALLY CONSTRAINED ADJUSTMENTS - STOP"};
  EXPECT_EQ(project.Lines("PT.VEC"), refusal);
  ASSERT_GE(run.lines.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(run.lines.end() - 3, run.lines.end() - 1), refusal);
  EXPECT_EQ(run.lines.back(), kClosing);
}

TEST(TolcheckRefusal, TheWordInTheOlderColumnsIsRecognisedAndALaterOneIsNot) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  testing::Lines report = Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.01)});
  report.insert(report.begin() + 1, std::string(40, ' ') + "MINIMALLY CONSTRAINED");
  project.Write("OUT.VEC", report);
  RunTolcheck(project);
  EXPECT_EQ(project.Lines("PT.VEC").size(), 2u);

  report = Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.01)});
  report.insert(report.begin() + 20, " FOLLOWING ADJUSTMENT IS MINIMALLY CONSTRAINED");
  project.Write("OUT.VEC", report);
  RunTolcheck(project);
  EXPECT_EQ(project.Lines("PT.VEC")[0], " KORVAL THE VECTOR POSITIONAL TOLERANCE TEST");
}

TEST(TolcheckFailure, MissingOrIncompleteInputEndsWithoutAnalysis) {
  const std::string message = " NO OUT.VEC OR INFO.VEC SO NO POSITIONAL TOLERANCE";
  {
    TempProject project;  // no files at all: not even the banner
    const RunResult run = RunTolcheck(project);
    EXPECT_EQ(run.lines, (std::vector<std::string>{message, std::string(kClosing)}));
    EXPECT_FALSE(project.Exists("PT.VEC"));
    EXPECT_FALSE(project.Exists("POS.TOL"));
  }
  {
    TempProject project;  // INFO.VEC without its last-control record
    std::vector<std::string> info = InfoVec({kCtrl});
    info[0][77] = '0';
    project.Write("INFO.VEC", info);
    project.Write("OUT.VEC", Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.01)}));
    project.Write("PT.VEC", {"kept"});
    const RunResult run = RunTolcheck(project);
    EXPECT_TRUE(Contains(run.lines, message));
    EXPECT_EQ(run.lines.back(), kClosing);
    EXPECT_EQ(project.Lines("PT.VEC"), std::vector<std::string>{"kept"});
  }
  {
    TempProject project;  // an unreadable last-control mark
    std::vector<std::string> info = InfoVec({kCtrl});
    info[0][77] = 'X';
    project.Write("INFO.VEC", info);
    project.Write("OUT.VEC", Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.01)}));
    EXPECT_TRUE(Contains(RunTolcheck(project).lines, message));
  }
  {
    TempProject project;  // a report without the station heading
    project.Write("INFO.VEC", InfoVec({kCtrl}));
    project.Write("OUT.VEC", testing::ReportOpening(false));
    const RunResult run = RunTolcheck(project);
    EXPECT_TRUE(Contains(run.lines, message));
    EXPECT_EQ(run.lines.back(), kClosing);
  }
}

TEST(TolcheckFailure, MoreThanThreeThousandStationsStopsWithoutTouchingTheListing) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  std::vector<ReportBlock> blocks = {Block(kCtrl)};
  for (int i = 0; i < 3000; ++i) {
    std::string name = "N";
    name += std::to_string(i);
    blocks.push_back(FiveKilometresNorth(name, 0.01));
  }
  project.Write("OUT.VEC", Report(blocks));
  project.Write("PT.VEC", {"old listing"});
  const RunResult run = RunTolcheck(project);
  EXPECT_EQ(run.exit_status, 0);
  ASSERT_GE(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[run.lines.size() - 2], " MORE THAN 3000 STATIONS IN OUT.VEC - STOP");
  EXPECT_EQ(run.lines.back(), kClosing);
  EXPECT_EQ(project.Lines("PT.VEC"), std::vector<std::string>{"old listing"});

  blocks.pop_back();  // 1 control and 2999 under test fill the tables exactly
  project.Write("OUT.VEC", Report(blocks));
  RunTolcheck(project);
  EXPECT_EQ(project.Lines("PT.VEC").size(), 4u + 2999u + 4u);
}

TEST(TolcheckFailure, AStationBlockThatCannotBeReadEndsTheList) {
  TempProject project;
  project.Write("INFO.VEC", InfoVec({kCtrl}));
  testing::Lines report = Report({Block(kCtrl), FiveKilometresNorth("NEW1", 0.01), FiveKilometresNorth("NEW2", 0.01)});
  // The error estimate of NEW2 overflowed its field.
  report.back().replace(23, 9, "*********");
  project.Write("OUT.VEC", report);
  RunTolcheck(project);
  const auto listing = project.Lines("PT.VEC");
  EXPECT_EQ(listing[4], " NEW1         0.0100     0.0700    PASSED ");
  EXPECT_EQ(listing[5], "");
}

}  // namespace
}  // namespace korval::tolcheck
