// PTEXPORT run end to end: what it takes from OUT.VEC and VECTOR.COR, the
// menus and their answer rules, units and decimals.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "ptexport/run.hpp"
#include "tests/ptexport/export_project.hpp"
#include "tests/support/project.hpp"

namespace korval::ptexport {
namespace {

using test::Block;
using test::GridLine;
using test::OutVec;
using test::VectorCor;
using testing::RunResult;
using testing::TempProject;

RunResult Export(const TempProject& project, int layout, const std::string& unit = "1",
                 const std::string& decimals = "1") {
  return testing::RunWithAnswers(project, ptexport::Run, {"COORD.TXT", "1", unit, decimals, std::to_string(layout)});
}

// The records of the coordinate file, without its two heading lines.
std::vector<std::string> Records(const TempProject& project) {
  std::vector<std::string> lines = project.Lines("COORD.TXT");
  if (lines.size() < 2) return {};
  return std::vector<std::string>(lines.begin() + 2, lines.end());
}

size_t Count(const std::vector<std::string>& lines, std::string_view line) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

// Layout 10 (name, northing, easting, ellipsoid height, elevation, geoid height)
// shows everything the table holds for a station except its position.
std::string Layout10(std::string_view name, double n, double e, double h, double elev, double geoid) {
  std::string record = FormatText(name, 8);
  for (auto [value, width] : {std::pair{n, 13}, {e, 13}, {h, 9}, {elev, 9}, {geoid, 9}}) {
    record += ' ';
    record += FormatDecimal(value, width, 4);
  }
  return record;
}

TEST(PtexportInput, StationsOfBothSourcesAreJoinedByName) {
  TempProject project;
  project.Write("OUT.VEC", OutVec({Block("ONE", 40, 0, 0.0, 105, 0, 0.0, 1600.0),
                                   Block("TWO", 40, 1, 0.0, 105, 1, 0.0, 1610.0)}));
  project.Write("VECTOR.COR", VectorCor({{"TWO", 1000.0, 2000.0}, {"GRIDONLY", 3000.0, 4000.0}}));
  Export(project, 10);
  const std::vector<std::string> expected = {
      // In OUT.VEC only: northing and easting absent, -1000000 in their 13 columns.
      Layout10("ONE", -1000000, -1000000, 1600, -1000000, -1000000),
      Layout10("TWO", 2000, 1000, 1610, -1000000, -1000000),
      Layout10("GRIDONLY", 4000, 3000, -1000000, -1000000, -1000000),
  };
  EXPECT_EQ(Records(project), expected);
  // The absent heights of 9 columns are asterisks.
  EXPECT_EQ(Records(project)[2].substr(36), " ********* ********* *********");

  // A station only in VECTOR.COR has no latitude or longitude either.
  Export(project, 3, "1", "2");
  EXPECT_EQ(Records(project)[2], "GRIDONLY ** ** ******** *** ** ******** ********");
}

TEST(PtexportInput, BlocksOutsideTheAcceptedRangesArePassedOver) {
  TempProject project;
  project.Write("OUT.VEC", OutVec({Block("LAT9", 9, 0, 0.0, 105, 0, 0.0, 1.0),
                                   Block("LAT10", 10, 0, 0.0, 105, 0, 0.0, 2.0),
                                   Block("LAT75", 75, 59, 59.99999, 105, 0, 0.0, 3.0),
                                   Block("LAT76", 76, 0, 0.0, 105, 0, 0.0, 4.0),
                                   Block("LON150", 40, 0, 0.0, 150, 59, 0.0, 5.0),
                                   Block("LON151", 40, 0, 0.0, 151, 0, 0.0, 6.0),
                                   Block("MIN60", 40, 60, 0.0, 105, 0, 0.0, 7.0),
                                   Block("LAST", 40, 0, 0.0, 105, 0, 0.0, 9.0)}));
  Export(project, 3);
  const std::vector<std::string> expected = {
      "LAT10    10  0  0.00000 105  0  0.00000    2.0000",
      "LAT75    75 59 59.99999 105  0  0.00000    3.0000",
      "LON150   40  0  0.00000 150 59  0.00000    5.0000",
      "LAST     40  0  0.00000 105  0  0.00000    9.0000",
  };
  EXPECT_EQ(Records(project), expected);
}

TEST(PtexportInput, OnlyTheFirstStationListIsTakenAndTheElevationsFollowTheLastPass) {
  TempProject project;
  testing::Lines report = OutVec({Block("P1", 40, 0, 0.0, 105, 0, 0.0, 100.0)});
  testing::Append(report, testing::ReportReweighting());
  testing::Append(report, testing::ReportPass({Block("P1", 40, 0, 0.0, 105, 0, 0.0, 999.0)}));
  testing::Append(report, {"", " ALL INFORMATION IS IN THE NAD 83 DATUM", "",
                           "  STATION             X ( M.)      Y ( M.)    SCALE FACTOR    CONVERGENCE"});
  testing::Append(report, testing::ReportIndividualElevations({{"P1", -30.0, 130.0}}));
  project.Write("OUT.VEC", report, /*crlf=*/false);
  Export(project, 4);
  EXPECT_EQ(Records(project), std::vector<std::string>{"P1       40  0  0.00000 105  0  0.00000  100.0000  130.0000  -30.0000"});
}

TEST(PtexportInput, StationsWithoutProvidedGeoidHeightDoNotEndTheElevations) {
  TempProject project;
  project.Write("OUT.VEC", OutVec({Block("A", 40, 0, 0.0, 105, 0, 0.0, 100.0),
                                   Block("B", 40, 0, 0.0, 105, 0, 0.0, 110.0),
                                   Block("C", 40, 0, 0.0, 105, 0, 0.0, 120.0)},
                                  testing::ReportIndividualElevations({{"A", -30.0, 130.0},
                                                                       {"B", 0.0, 0.0},  // no geoid height
                                                                       {"C", -20.5, 140.5},
                                                                       {"EXTRA", 301.0, 10.0},
                                                                       {"HIGH", -20.0, 15001.0},
                                                                       {"NEW", -25.0, 1000.0}})));
  Export(project, 10);
  const std::vector<std::string> expected = {
      Layout10("A", -1000000, -1000000, 100, 130, -30),
      Layout10("B", -1000000, -1000000, 110, -1000000, -1000000),
      Layout10("C", -1000000, -1000000, 120, 140.5, -20.5),
      Layout10("NEW", -1000000, -1000000, -1000000, 1000, -25),
  };
  EXPECT_EQ(Records(project), expected);
}

TEST(PtexportInput, OneAssumedSeparationGivesEveryStationItsElevationAndGeoidHeight) {
  TempProject project;
  project.Write("OUT.VEC", OutVec({Block("A", 40, 0, 0.0, 105, 0, 0.0, 71.5),
                                   Block("B", 40, 0, 0.0, 105, 0, 0.0, 81.5)},
                                  testing::ReportSingleSeparationElevations(-28.5, {{"A", 0, 100.0}, {"B", 0, 110.0}})));
  Export(project, 10);
  const std::vector<std::string> expected = {
      Layout10("A", -1000000, -1000000, 71.5, 100, -28.5),
      Layout10("B", -1000000, -1000000, 81.5, 110, -28.5),
  };
  EXPECT_EQ(Records(project), expected);

  // A separation beyond 300 m keeps the elevations absent.
  project.Write("OUT.VEC", OutVec({Block("A", 40, 0, 0.0, 105, 0, 0.0, 71.5)},
                                  testing::ReportSingleSeparationElevations(-301.0, {{"A", 0, 372.5}})));
  Export(project, 10);
  EXPECT_EQ(Records(project), std::vector<std::string>{Layout10("A", -1000000, -1000000, 71.5, -1000000, -1000000)});
}

TEST(PtexportInput, AnUnreadableLineEndsItsSection) {
  TempProject project;
  testing::Lines report = OutVec({Block("A", 40, 0, 0.0, 105, 0, 0.0, 100.0), Block("B", 40, 0, 0.0, 105, 0, 0.0, 110.0)},
                                 testing::ReportIndividualElevations({{"A", -30.0, 130.0}, {"B", -30.0, 140.0}}));
  report.back().replace(30, 3, "ABC");  // B's elevation
  project.Write("OUT.VEC", report);
  std::vector<std::string> grid = VectorCor({{"A", 1.0, 2.0}, {"B", 3.0, 4.0}});
  grid[0][20] = 'x';
  project.Write("VECTOR.COR", grid);
  Export(project, 10);
  const std::vector<std::string> expected = {
      Layout10("A", -1000000, -1000000, 100, 130, -30),
      Layout10("B", -1000000, -1000000, 110, -1000000, -1000000),
  };
  EXPECT_EQ(Records(project), expected);
}

TEST(PtexportInput, MissingInputsAreReportedAndTheFileHoldsOnlyItsHeadings) {
  TempProject project;
  const RunResult run = Export(project, 8);
  ASSERT_GE(run.lines.size(), 3u);
  EXPECT_EQ(run.lines[0], " PROGRAM PTEXPORT FOR KORVAL THE VECTOR VER. 12-15-00");
  EXPECT_EQ(run.lines[1], " NO OUT.VEC TO GET GEODETIC COORDINATES");
  EXPECT_EQ(run.lines[2], " NO VECTOR.COR TO GET STATE PLANE COORDINATES");
  EXPECT_EQ(run.lines.back(), "Stop - Program terminated.");
  EXPECT_EQ(project.Lines("COORD.TXT"),
            (std::vector<std::string>{"STATION      NORTHING       EASTING", "              METERS         METERS"}));
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(run.console));
}

TEST(PtexportInput, MoreThanEightThousandStationsStopsBeforeTheFileIsOpened) {
  TempProject project;
  std::vector<GridLine> grid;
  for (int i = 0; i < 8001; ++i) {
    std::string name = "G";
    name += std::to_string(i);
    grid.push_back({name, 1.0, 2.0});
  }
  project.Write("VECTOR.COR", VectorCor(grid));
  const RunResult run = Export(project, 8);
  ASSERT_GE(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[run.lines.size() - 2], " MORE THAN 8000 STATIONS - STOP");
  EXPECT_FALSE(project.Exists("COORD.TXT"));

  grid.pop_back();
  project.Write("VECTOR.COR", VectorCor(grid));
  Export(project, 8);
  EXPECT_EQ(Records(project).size(), 8000u);
}

TEST(PtexportUnits, FeetAndThreeDecimals) {
  TempProject project;
  project.Write("OUT.VEC", OutVec({Block("S", 40, 0, 0.0, 105, 0, 0.0, 100.0)},
                                  testing::ReportIndividualElevations({{"S", -30.0, 130.0}})));
  project.Write("VECTOR.COR", VectorCor({{"S", 1234.5671, 1000.0}}));

  Export(project, 10, "2");
  EXPECT_EQ(project.Lines("COORD.TXT")[1],
            "              SUR FT         SUR FT    SUR FT    SUR FT   SUR FT");
  EXPECT_EQ(Records(project)[0], "S            3280.8333     4050.4089  328.0833  426.5083  -98.4250");

  Export(project, 10, "3");
  EXPECT_EQ(Records(project)[0], "S            3280.8399     4050.4170  328.0840  426.5092  -98.4252");

  // Three decimals: 0.0005 is added before the value is rounded (1000.0005
  // is held just below itself in binary and rounds down).
  Export(project, 9, "1", "2");
  EXPECT_EQ(Records(project)[0], "S            1234.568      1000.000");
}

TEST(PtexportLayout16, ConvergenceAndLongLongitudes) {
  TempProject project;
  project.Write("OUT.VEC", OutVec({Block("EAST", 40, 0, 0.0, 99, 59, 59.0, 1.0),
                                   Block("WEST", 40, 0, 0.0, 100, 0, 0.0, 2.0)}));
  project.Write("VECTOR.COR", VectorCor({{"EAST", 1.0, 2.0, 1.00001234, '+', 0, 12, 3.4}}));
  Export(project, 16);
  const auto records = Records(project);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].substr(38), "EAST     40  0  0.00000 99 59 59.00000 1.00001234 + 0 12   3.4");
  // No VECTOR.COR line: scale factor 0, a blank sign and a zero angle; 100
  // degrees do not fit the two columns of this layout.
  EXPECT_EQ(records[1].substr(38), "WEST     40  0  0.00000 **  0  0.00000 0.00000000   0  0   0.0");
}

TEST(PtexportDialogue, MenuAnswerRules) {
  TempProject project;
  project.Write("VECTOR.COR", VectorCor({{"S", 1.0, 2.0}}));
  // A blank file name and one that names a folder are asked for again; the
  // delimiter answer 5 asks again; the unit answer 4 asks again; the decimals
  // answer 3 means three decimals; " 1" and "17" ask the layout again, "1 "
  // selects layout 1... here with "8 " for layout 8.
  std::filesystem::create_directory(project.Path("FOLDER"));
  const RunResult run = testing::RunWithAnswers(
      project, ptexport::Run, {"   ", "FOLDER", "  COORD.TXT     ignored", "5", "2", "4", "", "3", " 1", "17", "8 "});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(Count(run.lines, " WHAT DO YOU WANT YOUR COORDINATE FILE NAME TO BE?"), 3u);
  EXPECT_EQ(Count(run.lines, " (2) COMMA DELIMITED"), 2u);
  EXPECT_EQ(Count(run.lines, " (3) INTERNATIONAL (PRETEND) FEET"), 2u);
  EXPECT_EQ(Count(run.lines, " (2) 3 PLACES PAST THE DECIMAL .001"), 1u);
  EXPECT_EQ(Count(run.lines, " PICK A FORMAT "), 3u);
  EXPECT_EQ(Records(project), std::vector<std::string>{"S       ,       2.001,        1.000"});

  // A blank answer everywhere: space delimited metres, four decimals, layout 1.
  testing::RunWithAnswers(project, ptexport::Run, {"COORD.TXT", "", "", "", ""});
  EXPECT_EQ(project.Lines("COORD.TXT")[0].substr(0, 30), "STATION     LATITUDE       LON");
  EXPECT_EQ(Records(project)[0].substr(40), "*********        2.0000        1.0000 ********* *********");

  // "1" followed by text selects layout 1 as well; "4" means four decimals.
  testing::RunWithAnswers(project, ptexport::Run, {"COORD.TXT", "1x", "1", "4", "1 and more"});
  EXPECT_EQ(Records(project)[0].substr(40), "*********        2.0000        1.0000 ********* *********");

  // Console input that ends inside the menus stops the program.
  const RunResult cut = testing::RunWithAnswers(project, ptexport::Run, {"COORD.TXT", "1"});
  EXPECT_EQ(cut.exit_status, 1);
}

}  // namespace
}  // namespace korval::ptexport
