// Loops walked by hand: the candidates offered, the choice prompt, the loop
// report, and the totals that end the run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "circuit/manual_loops.hpp"
#include "tests/circuit/circuit_project.hpp"

namespace korval::circuit::testing {
namespace {

const std::vector<GridPoint> kTriangle = {{"A", 0, 0}, {"B", 1000, 0}, {"C", 1000, 1000}};

std::vector<TestVector> MisclosedTriangle() {
  return {Between(kTriangle, "A", "B"), Between(kTriangle, "B", "C"), Between(kTriangle, "C", "A", 0.003, -0.004)};
}

// The console lines from the first start prompt on.
std::vector<std::string> ManualPart(const RunResult& run) {
  const int first = FindLine(run.lines, " BEGINNING MANUAL ENTRY LOOP CLOSURE COMPUTATIONS");
  if (first < 0) return {};
  return std::vector<std::string>(run.lines.begin() + first + 2, run.lines.end());
}

const std::vector<std::string> kClosureOfTheTriangle = {
    "",
    "    CLOSURE    ERROR ESTIMATE   SNOOP #",
    " X   0.0030        0.0087         0.3",
    " Y  -0.0040        0.0087         0.5",
    " Z   0.0000        0.0087         0.0",
    "",
    " LINEAR ERROR OF CLOSURE =   0.0050",
    " LOOP DISTANCE =       3414.21",
    " PRECISION IS      1.46 PPM  (1 /      682843.)",
};

TEST(ManualLoops, TheTriangleIsWalkedWithOneQuestionAndReported) {
  TempProject project;
  WriteProject(project, MisclosedTriangle(), kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", "A", "1", ""});
  std::vector<std::string> expected = {
      " LOOP CLOSURE COMPUTATIONS",
      " INPUT A BEGINNING STATION  (ENTER IF FINISHED)",
      " PICK NEXT STATION IN LOOP",
      " (  1) B       ",
      " (  2) C       ",
      " PICK A # (ENTER Q TO LEAVE THIS COMPUTATION <1>",
      "",
      " **** IDENTIFIED LOOP CLOSURE",
      " STATIONS",
      " A       ",
      " B       ",
      " C       ",
      " A       ",
  };
  expected.insert(expected.end(), kClosureOfTheTriangle.begin(), kClosureOfTheTriangle.end());
  for (const char* line : {" LOOP CLOSURE COMPUTATIONS", " INPUT A BEGINNING STATION  (ENTER IF FINISHED)", "",
                           " **************************************************", "",
                           " TOTAL EVALUATED LOOP DISTANCES =          6828.4 M.",
                           " OVERALL PRECISION IS      1.46 PPM  (1 /      682843.)",
                           "SUCCESSFUL PROGRAM TERMINATION"}) {
    expected.push_back(line);
  }
  EXPECT_EQ(ManualPart(run), expected);

  // The report holds the same loop after the automatic part, then the totals.
  const std::vector<std::string> report = project.Lines("LOOP.VEC");
  const int loop = FindLine(report, " **** IDENTIFIED LOOP CLOSURE");
  ASSERT_GT(loop, 0);
  EXPECT_EQ(report[loop - 1], "");
  const std::vector<std::string> block(report.begin() + loop + 6, report.begin() + loop + 15);
  EXPECT_EQ(block, kClosureOfTheTriangle);
  EXPECT_EQ(report.back(), " OVERALL PRECISION IS      1.46 PPM  (1 /      682843.)");
  EXPECT_TRUE(korval::testing::AllLinesEndWithCrLf(project.ReadRaw("LOOP.VEC")));
}

TEST(ManualLoops, ChoicesOutsideTheListAskAgainAndAnEmptyAnswerTakesTheFirst) {
  TempProject project;
  WriteProject(project, MisclosedTriangle(), kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", "A", "0", "3", "two", "2.5", "   ", ""});
  EXPECT_EQ(CountLines(run.lines, " PICK A # (ENTER Q TO LEAVE THIS COMPUTATION <1>"), 5);
  EXPECT_EQ(CountLines(run.lines, " (  2) C       "), 5);
  const int stations = FindLine(run.lines, " STATIONS");
  ASSERT_GT(stations, 0);
  EXPECT_EQ(run.lines[stations + 2], " B       ");
  // The last choice typed is left in the work file.
  EXPECT_EQ(project.Lines("TEMP.PPP"), (std::vector<std::string>{"2.5"}));
}

TEST(ManualLoops, AFreeFormChoicePicksItsCandidate) {
  TempProject project;
  WriteProject(project, MisclosedTriangle(), kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", "A", " 2, ", ""});
  const int stations = FindLine(run.lines, " STATIONS");
  ASSERT_GT(stations, 0);
  EXPECT_EQ(run.lines[stations + 2], " C       ");
  EXPECT_EQ(run.lines[stations + 3], " B       ");
}

TEST(ManualLoops, QLeavesTheWalkAndTheTotalsStayThoseOfTheAutomaticLoops) {
  TempProject project;
  WriteProject(project, MisclosedTriangle(), kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", "A", "Q", "B", "q", ""});
  EXPECT_EQ(CountLines(run.lines, " SORRY - COULD NOT COMPLETE LOOP CLOSURE"), 2);
  EXPECT_EQ(FindLine(run.lines, " **** IDENTIFIED LOOP CLOSURE"), -1);
  EXPECT_GE(FindLine(run.lines, " TOTAL EVALUATED LOOP DISTANCES =          3414.2 M."), 0);
}

TEST(ManualLoops, AnUnknownStartIsReportedAndAskedAgain) {
  TempProject project;
  WriteProject(project, MisclosedTriangle(), kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", "NOWHERE", ""});
  const int not_found = FindLine(run.lines, " STATION NOT FOUND - TRY AGAIN");
  ASSERT_GT(not_found, 0);
  EXPECT_EQ(run.lines[not_found + 1], " SORRY - COULD NOT COMPLETE LOOP CLOSURE");
  EXPECT_EQ(run.lines[not_found + 2], " LOOP CLOSURE COMPUTATIONS");
}

TEST(ManualLoops, AZeroMisclosureIsReportedAtATenthOfAMillimetre) {
  TempProject project;
  WriteProject(project, {Between(kTriangle, "A", "B"), Between(kTriangle, "B", "C"), Between(kTriangle, "C", "A")},
               kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", "A", "", ""});
  EXPECT_GE(FindLine(run.lines, " LINEAR ERROR OF CLOSURE =   0.0001"), 0);
  // N is ten thousand times the loop length of 3414.2136 m.
  EXPECT_GE(FindLine(run.lines, " PRECISION IS      0.03 PPM  (1 /    34142136.)"), 0);
  // The automatic loop adds 0 to the total closure, the manual one 0.0001.
  EXPECT_GE(FindLine(run.lines, " OVERALL PRECISION IS      0.01 PPM  (1 /    68284271.)"), 0);
}

TEST(ManualLoops, AWalkWithNowhereToGoCannotBeCompleted) {
  // Two triangles that share X: from A over X into the other triangle there
  // is no way back to A.
  const std::vector<GridPoint> grid = {{"A", 0, 0}, {"B", 0, 100}, {"X", 100, 50}, {"C", 200, 0}, {"D", 200, 100}};
  TempProject project;
  WriteProject(project,
               {Between(grid, "A", "B"), Between(grid, "B", "X"), Between(grid, "X", "A"), Between(grid, "X", "C"),
                Between(grid, "C", "D"), Between(grid, "D", "X")},
               grid);
  const RunResult run = RunCircuit(project, {"0 0", "A", "2", "2", ""});
  const std::vector<std::string> manual = ManualPart(run);
  // At X (after A) the candidates are B, C and D: A is barred while the loop
  // holds two stations. C then leads only to D, and D only back to X.
  EXPECT_GE(FindLine(manual, " (  3) D       "), 0);
  EXPECT_EQ(FindLine(manual, " STATIONS"), -1);
  EXPECT_EQ(CountLines(manual, " SORRY - COULD NOT COMPLETE LOOP CLOSURE"), 1);
}

TEST(ManualLoops, ALoopOfMoreThanFiftyStationsIsRefused) {
  std::vector<TestVector> vectors;
  for (int k = 0; k < 60; ++k) {
    TestVector vector;
    vector.from = Numbered("R", k);
    vector.to = Numbered("R", (k + 1) % 60);
    vector.dx = 100;
    vectors.push_back(vector);
  }
  TempProject project;
  WriteProject(project, vectors, {});
  const RunResult run = RunCircuit(project, {"0 0", "R0", "1", ""});
  EXPECT_GE(FindLine(run.lines, " LOOP TOO LONG - COULD NOT COMPLETE LOOP CLOSURE"), 0);
  EXPECT_EQ(FindLine(run.lines, " STATIONS"), -1);
  // Too long for the automatic search as well: no loop at all, no totals.
  EXPECT_EQ(run.lines.back(), "Stop - Program terminated.");
}

TEST(ManualLoops, MoreThanFiftyCandidatesAreRefused) {
  std::vector<TestVector> vectors;
  for (int k = 0; k < 52; ++k) {
    TestVector spoke;
    spoke.from = "HUB";
    spoke.to = Numbered("R", k);
    spoke.dx = 100;
    vectors.push_back(spoke);
    TestVector rim;
    rim.from = Numbered("R", k);
    rim.to = Numbered("R", (k + 1) % 52);
    rim.dy = 10;
    vectors.push_back(rim);
  }
  TempProject project;
  WriteProject(project, vectors, {});
  const RunResult run = RunCircuit(project, {"0 0", "HUB", ""});
  const std::vector<std::string> manual = ManualPart(run);
  EXPECT_EQ(FindLine(manual, " LOOP TOO LONG - COULD NOT COMPLETE LOOP CLOSURE"), 2);
  EXPECT_EQ(FindLine(manual, " PICK NEXT STATION IN LOOP"), -1);
}

TEST(ManualCandidates, TheStartIsBarredOnlyAsTheThirdStation) {
  const std::vector<GridPoint> grid = {{"A", 0, 0}, {"B", 100, 0}, {"C", 100, 100}, {"D", 0, 100}};
  Network network;
  for (const GridPoint& point : grid) network.FindOrAddStation(point.name);
  for (const auto& [from, to] : std::vector<std::pair<int, int>>{{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 2}}) {
    Vector vector;
    vector.from = from;
    vector.to = to;
    network.vectors.push_back(vector);
  }
  const auto stations = [](const std::vector<Candidate>& candidates) {
    std::vector<int> list;
    for (const Candidate& candidate : candidates) list.push_back(candidate.station);
    return list;
  };
  EXPECT_EQ(stations(CandidatesAfter(network, {0})), (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(stations(CandidatesAfter(network, {0, 2})), (std::vector<int>{1, 3}));
  EXPECT_EQ(stations(CandidatesAfter(network, {0, 2, 3})), (std::vector<int>{0}));
  EXPECT_EQ(stations(CandidatesAfter(network, {1, 0, 2})), (std::vector<int>{1, 3}));
  EXPECT_EQ(CandidatesAfter(network, {0, 2, 3})[0].vector, 3);
}

}  // namespace
}  // namespace korval::circuit::testing
