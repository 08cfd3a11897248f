// SOLNIMP run end to end in a temporary project with scripted answers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "common/project_records.hpp"
#include "common/record_file.hpp"
#include "solnimp/run.hpp"
#include "tests/support/project.hpp"

namespace korval::solnimp {
namespace {

using testing::RunWithAnswers;
using testing::TempProject;
using testing::TestSource;

struct Station {
  std::string name;
  double x, y, z;
};

// A solution report with the coordinate list `stations` (solved station last)
// and the solved station's position from each reference station.
std::vector<std::string> Report(const std::vector<Station>& stations, const std::vector<Station>& positions) {
  std::vector<std::string> lines = {" SOLUTION REPORT", "", "     FINAL COORDINATES", "  NAME   X Y Z"};
  char buffer[128];
  for (const Station& s : stations) {
    std::snprintf(buffer, sizeof buffer, "  %-8s%13.3f %13.3f %13.3f", s.name.c_str(), s.x, s.y, s.z);
    lines.emplace_back(buffer);
  }
  lines.insert(lines.end(), {"", "   ITRF position of the solved station", "      X Y Z"});
  for (const Station& p : positions) {
    std::snprintf(buffer, sizeof buffer, "     %15.3f%15.3f%15.3f     %s", p.x, p.y, p.z, p.name.c_str());
    lines.emplace_back(buffer);
  }
  lines.emplace_back("");
  return lines;
}

VectorRecord VectorAt(const std::vector<std::string>& lines, size_t index) {
  VectorRecord record;
  EXPECT_TRUE(ParseVectorRecord(lines.at(index), record)) << lines.at(index);
  return record;
}

ControlRecord ControlAt(const std::vector<std::string>& lines, size_t index) {
  ControlRecord record;
  EXPECT_TRUE(ParseControlRecord(lines.at(index), record)) << lines.at(index);
  return record;
}

double Seconds(long long degrees, long long minutes, double seconds) {
  return degrees * 3600.0 + minutes * 60.0 + seconds;
}

TEST(Solnimp, SolutionReportGivesControlRecordsAndVectorsInBothFiles) {
  TempProject project;
  project.CopyIn(TestSource("solnimp/fixtures/BM42.TXT"), "BM42.TXT");
  const auto result = RunWithAnswers(project, solnimp::Run, {"BM42", "N", ""});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(result.console));
  EXPECT_EQ(result.lines.back(), "Stop - Program terminated.");
  EXPECT_NE(result.console.find(" UNKNOWN STATION NAME IN OPUS-RS IS BM42    \r\n"), std::string::npos);

  const auto opus = project.Lines("OPUS.VEC");
  ASSERT_EQ(opus.size(), 6u);
  struct Expected {
    const char* name;
    double latitude, longitude, height;  // seconds of arc (north, west), metres
  };
  // Positions of the reference stations from their coordinates by an
  // iterated (exact) conversion on the same ellipsoid.
  const Expected expected[] = {{"KRV1    ", Seconds(40, 5, 12.345662), Seconds(105, 14, 3.210972), 1650.1237},
                               {"TLMN    ", Seconds(39, 52, 44.102028), Seconds(104, 58, 31.908761), 1712.4560},
                               {"PSGR    ", Seconds(40, 21, 5.555535), Seconds(105, 32, 48.123443), 2210.9874}};
  for (size_t k = 0; k < 3; ++k) {
    const ControlRecord c = ControlAt(opus, k);
    EXPECT_EQ(c.flag, ' ');
    EXPECT_EQ(c.name, expected[k].name);
    EXPECT_NEAR(Seconds(c.latitude_degrees, c.latitude_minutes, c.latitude_seconds), expected[k].latitude, 2e-5);
    EXPECT_NEAR(Seconds(c.longitude_degrees, c.longitude_minutes, c.longitude_seconds), expected[k].longitude, 2e-5);
    EXPECT_NEAR(c.height, expected[k].height, 2e-4);
    EXPECT_EQ(c.latitude_sd, 0.0001);
    EXPECT_EQ(c.longitude_sd, 0.0001);
    EXPECT_EQ(c.height_sd, 0.0001);
    EXPECT_EQ(c.last_control_mark, k == 2 ? 1 : 0);
  }
  EXPECT_EQ(opus[0].substr(0, 24), " KRV1     40  5 12.34566");
  EXPECT_EQ(opus[3], " KRV1     BM42        7228.2450 0.0062    4637.1430 0.0062    7447.7110 0.0062");
  EXPECT_EQ(opus[4], " TLMN     BM42      -10232.7150 0.0135   24763.1620 0.0135   25095.5150 0.0135");
  EXPECT_EQ(opus[5], " PSGR     BM42       27953.8160 0.0138  -20320.2840 0.0138  -15371.2000 0.0138");
  // A new project holds exactly the records of the solution.
  EXPECT_EQ(project.Lines("INFO.VEC"), opus);
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(project.ReadRaw("INFO.VEC")));
}

TEST(Solnimp, ThreeStationsGiveTwoControlRecordsAndTwoVectors) {
  TempProject project;
  project.Write("RS.TXT", Report({{"A", 1000000.0, -4800000.0, 4100000.0},
                                  {"B", 1010000.0, -4800000.0, 4100000.0},
                                  {"S", 1005000.0, -4800000.0, 4100000.0}},
                                 {{"A", 1005000.0, -4800000.0, 4100000.0}, {"B", 1005000.0, -4800000.0, 4100000.0}}));
  RunWithAnswers(project, solnimp::Run, {"RS", "", ""});
  const auto opus = project.Lines("OPUS.VEC");
  ASSERT_EQ(opus.size(), 4u);
  EXPECT_EQ(ControlAt(opus, 0).name, "A       ");
  EXPECT_EQ(ControlAt(opus, 0).last_control_mark, 0);
  EXPECT_EQ(ControlAt(opus, 1).name, "B       ");
  EXPECT_EQ(ControlAt(opus, 1).last_control_mark, 1);
  const VectorRecord a = VectorAt(opus, 2);
  const VectorRecord b = VectorAt(opus, 3);
  EXPECT_EQ(a.from + a.to, "A       S       ");
  EXPECT_EQ(b.from + b.to, "B       S       ");
  EXPECT_DOUBLE_EQ(a.dx, 5000.0);
  EXPECT_DOUBLE_EQ(b.dx, -5000.0);
  // 0.005 m + 0.5 ppm of 5 km, shared over three components.
  EXPECT_EQ(FormatDecimal(a.sx, 7, 4), FormatDecimal(0.0075 / std::sqrt(3.0), 7, 4));
}

TEST(Solnimp, SigmaOfATenKilometreVectorIsConstantPlusPpmOverRootThree) {
  TempProject project;
  project.Write("TEN.TXT", Report({{"A", 1000000.0, -4800000.0, 4100000.0}, {"S", 0, 0, 0}},
                                  {{"A", 1000000.0, -4800000.0, 4110000.0}}));
  RunWithAnswers(project, solnimp::Run, {"TEN", "n", ""});
  const VectorRecord v = VectorAt(project.Lines("OPUS.VEC"), 1);
  EXPECT_DOUBLE_EQ(v.dz, 10000.0);
  EXPECT_EQ(project.Lines("OPUS.VEC")[1].substr(31, 7), " 0.0058");
  EXPECT_EQ(v.sx, v.sy);
  EXPECT_EQ(v.sy, v.sz);
}

TEST(Solnimp, ErrorModelRefusesAZeroConstantAndAcceptsAZeroPpm) {
  TempProject project;
  project.Write("TEN.TXT", Report({{"A", 1000000.0, -4800000.0, 4100000.0}, {"S", 0, 0, 0}},
                                  {{"A", 1000000.0, -4800000.0, 4110000.0}}));
  const auto result = RunWithAnswers(project, solnimp::Run, {"TEN", "X", "Y", "0 0.5", "-1,2", "0.01, 0", ""});
  int prompts = 0;
  int questions = 0;
  for (const std::string& line : result.lines) {
    prompts += line == " INPUT CONSTANT AND PPM ERROR ESTIMATES (2 VALUES)";
    questions += line == " DO YOU WANT TO CHANGE THEM (Y/N) <N>";
  }
  EXPECT_EQ(prompts, 3);
  EXPECT_EQ(questions, 2);  // the answer X asks again
  const VectorRecord v = VectorAt(project.Lines("OPUS.VEC"), 1);
  EXPECT_NEAR(v.sx, 0.01 / std::sqrt(3.0), 0.00005);  // 0.0058 with no proportional part
}

TEST(Solnimp, SolvedStationNameCanBeReplacedByItsFirstEightCharacters) {
  const std::vector<std::string> report =
      Report({{"A", 1000000.0, -4800000.0, 4100000.0}, {"OLDNAME", 1005000.0, -4800000.0, 4100000.0}},
             {{"A", 1005000.0, -4800000.0, 4100000.0}});
  TempProject project;
  project.Write("R.TXT", report);
  RunWithAnswers(project, solnimp::Run, {"R", "", "NewName123"});
  EXPECT_EQ(VectorAt(project.Lines("OPUS.VEC"), 1).to, "NewName1");

  TempProject kept;
  kept.Write("R.TXT", report);
  RunWithAnswers(kept, solnimp::Run, {"R", "", "   "});
  EXPECT_EQ(VectorAt(kept.Lines("OPUS.VEC"), 1).to, "OLDNAME ");
}

TEST(Solnimp, CoordinateListEndsAfterTenStations) {
  std::vector<Station> stations;
  std::vector<Station> positions;
  for (int k = 1; k <= 11; ++k) {
    stations.push_back({"ST" + std::to_string(k), 1000000.0 + k, -4800000.0, 4100000.0});
  }
  for (int k = 1; k <= 9; ++k) positions.push_back({"", 1000100.0, -4800000.0, 4100000.0});
  TempProject project;
  project.Write("TEN.TXT", Report(stations, positions));
  const auto result = RunWithAnswers(project, solnimp::Run, {"TEN", "", ""});
  EXPECT_NE(result.console.find(" UNKNOWN STATION NAME IN OPUS-RS IS ST10    "), std::string::npos);
  const auto opus = project.Lines("OPUS.VEC");
  ASSERT_EQ(opus.size(), 18u);
  EXPECT_EQ(ControlAt(opus, 8).name, "ST9     ");
  EXPECT_EQ(ControlAt(opus, 8).last_control_mark, 1);
  EXPECT_EQ(VectorAt(opus, 17).from + VectorAt(opus, 17).to, "ST9     ST10    ");
  EXPECT_DOUBLE_EQ(VectorAt(opus, 17).dx, 91.0);
}

TEST(Solnimp, CoordinateLineWithoutThreeNumbersIsPassedOver) {
  std::vector<std::string> report = Report({{"A", 1000000.0, -4800000.0, 4100000.0},
                                            {"BAD", 1000000.0, -4800000.0, 4100000.0},
                                            {"S", 1005000.0, -4800000.0, 4100000.0}},
                                           {{"A", 1005000.0, -4800000.0, 4100000.0}});
  report[5].replace(37, 14, "      NOT SEEN");  // the Z value of BAD
  TempProject project;
  project.Write("R.TXT", report);
  RunWithAnswers(project, solnimp::Run, {"R", "", ""});
  const auto opus = project.Lines("OPUS.VEC");
  ASSERT_EQ(opus.size(), 2u);
  EXPECT_EQ(VectorAt(opus, 1).from + VectorAt(opus, 1).to, "A       S       ");
}

TEST(Solnimp, OnlyTheSolvedStationLeavesAnEmptyOpusVecAndTheProjectAsItWas) {
  TempProject project;
  project.Write("R.TXT", Report({{"S", 1005000.0, -4800000.0, 4100000.0}}, {}));
  project.Write("OPUS.VEC", {"an older solution"});
  project.Write("INFO.VEC", {" A        40  0  0.00000  0.0001 105  0  0.00000  0.0001   1600.0000  0.0001 1",
                             " A        B              1.0000 0.0010       2.0000 0.0010       3.0000 0.0010"});
  RunWithAnswers(project, solnimp::Run, {"R", "", ""});
  EXPECT_EQ(project.ReadRaw("OPUS.VEC"), "");
  const auto info = project.Lines("INFO.VEC");
  ASSERT_EQ(info.size(), 2u);
  EXPECT_EQ(info[0], " A        40  0  0.00000  0.0001 105  0  0.00000  0.0001   1600.0000  0.0001 1");
  EXPECT_EQ(info[1], " A        B              1.0000 0.0010       2.0000 0.0010       3.0000 0.0010  ");
}

TEST(Solnimp, EveryFailureRestartsTheDialogueAndLeavesTheFilesUntouched) {
  TempProject project;
  project.Write("NOLIST.TXT", {" A REPORT WITHOUT ITS LIST"});
  project.Write("EMPTY.TXT", {"     FINAL COORDINATES", "  NAME", ""});
  std::vector<std::string> bad_position = Report({{"A", 1000000.0, -4800000.0, 4100000.0}, {"S", 0, 0, 0}},
                                                  {{"A", 1000000.0, -4800000.0, 4110000.0}});
  bad_position[9].replace(8, 3, "X.Y");
  project.Write("BADPOS.TXT", bad_position);
  std::vector<std::string> cut = bad_position;
  cut.resize(9);  // ends right after the line that follows the position key
  project.Write("CUT.TXT", cut);
  project.Write("GOOD.TXT", Report({{"A", 1000000.0, -4800000.0, 4100000.0}, {"S", 0, 0, 0}},
                                   {{"A", 1000000.0, -4800000.0, 4110000.0}}));
  const std::string no_blank(80, 'X');
  const auto result = RunWithAnswers(
      project, solnimp::Run,
      {"MISSING", no_blank, "NOLIST", "", "EMPTY", "", "BADPOS", "", "", "CUT", "", "", "GOOD  ignored", "", ""});
  int not_found = 0;
  int error_model = 0;
  for (const std::string& line : result.lines) {
    not_found += line == " FILE NOT FOUND, TRY AGAIN";
    error_model += line == " OPUS VECTOR ERROR ESTIMATES WILL BE 0.005 M. PLUS 0.5 PPM";
  }
  EXPECT_EQ(not_found, 5);
  EXPECT_EQ(error_model, 5);  // asked again after each report that was found
  EXPECT_NE(result.console.find(" NO STATIONS IN THE COORDINATE LIST, TRY AGAIN\r\n"), std::string::npos);
  EXPECT_EQ(project.Lines("OPUS.VEC").size(), 2u);
  EXPECT_EQ(result.lines.back(), "Stop - Program terminated.");
}

TEST(Solnimp, AbandonedDialogueCreatesNoProjectFile) {
  TempProject project;
  project.Write("NOLIST.TXT", {" A REPORT WITHOUT ITS LIST"});
  const auto result = RunWithAnswers(project, solnimp::Run, {"NOLIST", ""});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.lines.back(), " END OF CONSOLE INPUT - STOP");
  EXPECT_FALSE(project.Exists("INFO.VEC"));
  EXPECT_FALSE(project.Exists("OPUS.VEC"));
}

}  // namespace
}  // namespace korval::solnimp
