// Sideshot removal and the automatic loop search, through whole runs and
// through the search phases on hand-built networks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "circuit/adjacency.hpp"
#include "circuit/mesh_trace.hpp"
#include "circuit/short_loops.hpp"
#include "common/fields.hpp"
#include "tests/circuit/circuit_project.hpp"

namespace korval::circuit::testing {
namespace {

// The lines of LOOP.VEC after the comparison summary.
std::vector<std::string> LoopSection(const TempProject& project) {
  const std::vector<std::string> report = project.Lines("LOOP.VEC");
  const int opening = FindLine(report, " AUTOMATIC LOOP CLOSURES FOLLOW");
  if (opening < 0) return {};
  // Up to the totals, which begin with an empty line.
  const auto end = std::find(report.begin() + opening, report.end(), std::string());
  return std::vector<std::string>(report.begin() + opening + 2, end);
}

std::vector<TestVector> Chain(const std::vector<GridPoint>& grid, const std::vector<std::string>& names) {
  std::vector<TestVector> vectors;
  for (size_t k = 0; k + 1 < names.size(); ++k) vectors.push_back(Between(grid, names[k], names[k + 1]));
  return vectors;
}

const std::vector<GridPoint> kTriangle = {{"A", 0, 0}, {"B", 1000, 0}, {"C", 1000, 1000}};

TEST(AutomaticSearch, ASingleTriangleIsClosedFromTheFirstStart) {
  TempProject project;
  WriteProject(project,
               {Between(kTriangle, "A", "B"), Between(kTriangle, "B", "C"),
                Between(kTriangle, "C", "A", 0.003, -0.004)},
               kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", ""});
  const std::vector<std::string> expected = {
      " A        B        C        A       ",
      " CLOSURE =   0.0050 M.  PPM =      1.5  1/      682842",
      " ************",
      "      1 LOOP CLOSURES FOUND AUTOMATICALLY",
      " ALL NON-SIDESHOT VECTORS HAVE BEEN IDENTIFIED ON LOOP CLOSURES",
      " ****************",
  };
  EXPECT_EQ(LoopSection(project), expected);
  EXPECT_GE(FindLine(run.lines, " NO SIDESHOTS FOUND SO ALL VECTORS WILL BE USED"), 0);
  EXPECT_GE(FindLine(run.lines, "      1 LOOP CLOSURES FOUND AUTOMATICALLY"), 0);
  EXPECT_GE(FindLine(run.lines, " ALL NON-SIDESHOT VECTORS HAVE BEEN IDENTIFIED ON LOOP CLOSURES"), 0);
}

TEST(AutomaticSearch, TheSquareWithItsDiagonalGivesItsTwoTrianglesInOrder) {
  const std::vector<GridPoint> grid = {{"A", 0, 0}, {"B", 100, 0}, {"C", 100, 100}, {"D", 0, 100}};
  TempProject project;
  WriteProject(project,
               {Between(grid, "A", "B"), Between(grid, "B", "C"), Between(grid, "C", "D", 0, 0.003),
                Between(grid, "D", "A"), Between(grid, "A", "C", 0.002)},
               grid);
  RunCircuit(project, {"0 0", ""});
  const std::vector<std::string> expected = {
      " A        B        C        A       ",
      " CLOSURE =   0.0020 M.  PPM =      5.9  1/      170711",
      " ************",
      " A        D        C        A       ",
      " CLOSURE =   0.0036 M.  PPM =     10.6  1/       94693",
      " ************",
      "      2 LOOP CLOSURES FOUND AUTOMATICALLY",
      " ALL NON-SIDESHOT VECTORS HAVE BEEN IDENTIFIED ON LOOP CLOSURES",
      " ****************",
  };
  EXPECT_EQ(LoopSection(project), expected);
}

TEST(AutomaticSearch, TheWalkKeepsToTheSharpestRightTurnAndPhaseTwoClosesWhatItLeft) {
  // A square A B C D with a roof E over C-D. From A the walk turns at C to E
  // (the sharper right turn than D), comes down to D and closes on A by the
  // chord D-A: the outline. The walks from C-D then meet only vectors walked on
  // their first turn; the triangle search closes C D E.
  const std::vector<GridPoint> grid = {{"A", 0, 0}, {"B", 100, 0}, {"C", 100, 100}, {"D", 0, 100}, {"E", 50, 150}};
  TempProject project;
  WriteProject(project,
               {Between(grid, "A", "B"), Between(grid, "B", "C"), Between(grid, "C", "D"), Between(grid, "D", "A"),
                Between(grid, "C", "E"), Between(grid, "E", "D")},
               grid);
  RunCircuit(project, {"0 0", ""});
  const std::vector<std::string> section = LoopSection(project);
  ASSERT_GE(section.size(), 7u);
  EXPECT_EQ(section[0], " A        B        C        E        D        A       ");
  EXPECT_EQ(section[3], " C        D        E        C       ");
  EXPECT_EQ(section[6], "      2 LOOP CLOSURES FOUND AUTOMATICALLY");
}

TEST(AutomaticSearch, ALongLoopIsWrittenEightStationsToALine) {
  std::vector<GridPoint> ring;
  std::vector<std::string> names;
  for (int k = 0; k < 10; ++k) {
    const double angle = k * 0.6283185307179586;
    ring.push_back({Numbered("R", k + 1), 1000 * std::sin(angle), 1000 * std::cos(angle)});
    names.push_back(ring.back().name);
  }
  names.push_back("R1");
  TempProject project;
  WriteProject(project, Chain(ring, names), ring);
  RunCircuit(project, {"0 0", ""});
  const std::vector<std::string> section = LoopSection(project);
  ASSERT_GE(section.size(), 5u);
  EXPECT_EQ(section[0], " R1       R2       R3       R4       R5       R6       R7       R8      ");
  EXPECT_EQ(section[1], " R9       R10      R1      ");
  EXPECT_EQ(section[2].substr(0, 22), " CLOSURE =   0.0000 M.");
  EXPECT_EQ(section[4], "      1 LOOP CLOSURES FOUND AUTOMATICALLY");
}

TEST(AutomaticSearch, AZeroMisclosureIsShownAtTheFloorAndTheTotalsFillWithAsterisks) {
  TempProject project;
  WriteProject(project, {Between(kTriangle, "A", "B"), Between(kTriangle, "B", "C"), Between(kTriangle, "C", "A")},
               kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", ""});
  const std::vector<std::string> section = LoopSection(project);
  ASSERT_GE(section.size(), 2u);
  // 0.00001 m over 3414.2 m.
  EXPECT_EQ(section[1], " CLOSURE =   0.0000 M.  PPM =      0.0  1/   341421356");
  // The automatic closures enter the totals before their floor: a total of 0.
  EXPECT_GE(FindLine(run.lines, " TOTAL EVALUATED LOOP DISTANCES =          3414.2 M."), 0) << run.console;
  EXPECT_GE(FindLine(run.lines, " OVERALL PRECISION IS      0.00 PPM  (1 / ************)"), 0);
  EXPECT_EQ(run.lines.back(), "SUCCESSFUL PROGRAM TERMINATION");
}

TEST(AutomaticSearch, LoopsWithinToleranceAreCountedButNotWritten) {
  TempProject project;
  WriteProject(project,
               {Between(kTriangle, "A", "B"), Between(kTriangle, "B", "C"),
                Between(kTriangle, "C", "A", 0.003, -0.004)},
               kTriangle);
  const RunResult run = RunCircuit(project, {".02 10", ""});
  const std::vector<std::string> expected = {
      "      1 LOOP CLOSURES FOUND AUTOMATICALLY",
      "     0 OF THESE LOOP CLOSURES EXCEED INPUT TOLERANCE",
      " ALL NON-SIDESHOT VECTORS HAVE BEEN IDENTIFIED ON LOOP CLOSURES",
      " ****************",
  };
  EXPECT_EQ(LoopSection(project), expected);
  EXPECT_GE(FindLine(run.lines, "     0 OF THESE LOOP CLOSURES EXCEED INPUT TOLERANCE"), 0);
}

TEST(Sideshots, SingleAndChainedSideshotsAreRemovedPassByPass) {
  const std::vector<GridPoint> grid = {{"A", 0, 0},      {"B", 1000, 0},  {"C", 1000, 1000},
                                       {"D", 1500, 1500}, {"E", 2000, 1500}, {"F", 1500, -500}};
  TempProject project;
  WriteProject(project,
               {Between(grid, "A", "B"), Between(grid, "C", "D"), Between(grid, "B", "C"), Between(grid, "D", "E"),
                Between(grid, "C", "A"), Between(grid, "B", "F")},
               grid);
  const RunResult run = RunCircuit(project, {"0 0", "D", ""});
  const std::vector<std::string> section = LoopSection(project);
  ASSERT_GE(section.size(), 4u);
  EXPECT_EQ(section[0], " SIDESHOT VECTOR D        - E        ELIMINATED FROM ANALYSIS");
  EXPECT_EQ(section[1], " SIDESHOT VECTOR B        - F        ELIMINATED FROM ANALYSIS");
  EXPECT_EQ(section[2], " SIDESHOT VECTOR C        - D        ELIMINATED FROM ANALYSIS");
  EXPECT_EQ(section[3], " A        B        C        A       ");
  EXPECT_GE(FindLine(run.lines, "    3 SIDESHOT VECTORS WILL NOT BE USED IN ANALYSIS"), 0);
  // The stations of the sideshots are gone from the table.
  const int not_found = FindLine(run.lines, " STATION NOT FOUND - TRY AGAIN");
  ASSERT_GE(not_found, 0);
  EXPECT_EQ(run.lines[not_found + 1], " SORRY - COULD NOT COMPLETE LOOP CLOSURE");
}

TEST(Sideshots, ANetworkWithoutLoopsIsAllSideshotsAndEndsWithoutTotals) {
  const std::vector<GridPoint> grid = {{"A", 0, 0}, {"B", 1000, 0}, {"C", 1000, 1000}, {"D", 0, 1000}};
  TempProject project;
  WriteProject(project, {Between(grid, "A", "B"), Between(grid, "B", "C"), Between(grid, "B", "D")}, grid);
  const RunResult run = RunCircuit(project, {"0 0", ""});
  EXPECT_GE(FindLine(run.lines, "    3 SIDESHOT VECTORS WILL NOT BE USED IN ANALYSIS"), 0);
  EXPECT_GE(FindLine(run.lines, "      0 LOOP CLOSURES FOUND AUTOMATICALLY"), 0);
  EXPECT_EQ(FindLine(run.lines, " **************************************************"), -1);
  EXPECT_EQ(run.lines.back(), "Stop - Program terminated.");
}

TEST(AutomaticSearch, VectorsOnNoLoopOfTenOrFewerAreNamed) {
  // Two junctions J1, J2 joined by paths of 5, 5 and 6 vectors, drawn nowhere
  // (no VECTOR.COR lines): the mesh walks give up at the junctions, the search
  // closes the loop of 10 vectors and cannot close the loops of 11 and 12.
  std::vector<TestVector> vectors;
  const auto path = [&](const std::string& prefix, int inner) {
    std::vector<std::string> names{"J1"};
    for (int k = 1; k <= inner; ++k) names.push_back(Numbered(prefix, k));
    names.push_back("J2");
    for (size_t k = 0; k + 1 < names.size(); ++k) {
      TestVector vector;
      vector.from = names[k];
      vector.to = names[k + 1];
      vector.dx = 100;
      vectors.push_back(vector);
    }
  };
  path("A", 4);
  path("B", 4);
  path("C", 5);
  TempProject project;
  WriteProject(project, vectors, {});
  const RunResult run = RunCircuit(project, {"0 0", ""});
  std::vector<std::string> expected = {"      1 LOOP CLOSURES FOUND AUTOMATICALLY"};
  for (size_t k = 10; k < 16; ++k) {
    expected.push_back(" VECTOR " + FormatText(vectors[k].from, 8) + " - " + FormatText(vectors[k].to, 8) +
                       " NOT IDENTIFIED ON ANY LOOP");
  }
  const std::vector<std::string> section = LoopSection(project);
  ASSERT_GE(section.size(), 3u);
  EXPECT_EQ(section[0], " J1       A1       A2       A3       A4       J2       B4       B3      ");
  EXPECT_EQ(section[1], " B2       B1       J1      ");
  EXPECT_EQ(std::vector<std::string>(section.begin() + 4, section.end()), expected);
  EXPECT_EQ(FindLine(run.lines, " ALL NON-SIDESHOT VECTORS HAVE BEEN IDENTIFIED ON LOOP CLOSURES"), -1);
}

TEST(AutomaticSearch, StationsMissingFromTheListingStillLetEveryWalkEnd) {
  // A dense network of 16 stations, none of them drawn.
  std::vector<TestVector> vectors;
  const auto name = [](int row, int column) { return Numbered(Numbered("P", row), column); };
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      const auto join = [&](int r, int c) {
        if (r > 3 || c > 3 || c < 0) return;
        TestVector vector;
        vector.from = name(row, column);
        vector.to = name(r, c);
        vector.dx = 500.0 * (c - column) + 0.001 * row;
        vector.dy = 500.0 * (r - row);
        vectors.push_back(vector);
      };
      join(row, column + 1);
      join(row + 1, column);
      join(row + 1, column + 1);
      join(row + 1, column - 1);
    }
  }
  TempProject project;
  WriteProject(project, vectors, {{"ELSEWHER", 1, 1}});
  const RunResult run = RunCircuit(project, {"0 0", ""});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.lines.back(), "SUCCESSFUL PROGRAM TERMINATION");
  EXPECT_GE(FindLine(run.lines, " ALL NON-SIDESHOT VECTORS HAVE BEEN IDENTIFIED ON LOOP CLOSURES"), 0);
}

// ---- The search phases on hand-built networks ----

struct HandNetwork {
  Network network;
  int Station(const std::string& name, double x = 0, double y = 0) {
    const int number = *network.FindOrAddStation(name);
    network.stations[number].x = x;
    network.stations[number].y = y;
    return number;
  }
  void Join(const std::string& from, const std::string& to) {
    Vector vector;
    vector.from = *network.FindStation(from);
    vector.to = *network.FindStation(to);
    vector.d = {1, 1, 1};
    vector.sigma = {0.01, 0.01, 0.01};
    network.vectors.push_back(vector);
  }
  std::string Names(const LoopPath& loop) const {
    std::string names;
    for (const int station : loop.stations) names += TrimRight(network.NameOf(station));
    return names;
  }
};

// The square with its roof, as in the whole run above.
HandNetwork House() {
  HandNetwork house;
  house.Station("A", 0, 0);
  house.Station("B", 100, 0);
  house.Station("C", 100, 100);
  house.Station("D", 0, 100);
  house.Station("E", 50, 150);
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"A", "B"}, {"B", "C"}, {"C", "D"}, {"D", "A"}, {"C", "E"}, {"E", "D"}}) {
    house.Join(from, to);
  }
  return house;
}

TEST(MeshTrace, AWalkStartedOnAVectorWalkedFromTheRightKeepsLeft) {
  HandNetwork house = House();
  const Adjacency adjacency(house.network);
  UsedFlags flags(house.network.vectors.size());
  flags.b[0] = 1;  // A-B walked on its B side: the walk from A to B runs in mode 2
  std::vector<std::string> loops;
  MeshTraceEvents events;
  events.loop_found = [&](const LoopPath& loop) { loops.push_back(house.Names(loop)); };
  TraceMeshes(house.network, adjacency, flags, events);
  EXPECT_EQ(loops, (std::vector<std::string>{"ABCDA", "CEDC"}));
  for (size_t v = 0; v < house.network.vectors.size(); ++v) EXPECT_TRUE(flags.Both(static_cast<int>(v))) << v;
}

TEST(MeshTrace, ATurnAmongCoincidentDirectionsIsNoted) {
  // X and Y stand on one point; Y's vector is finished, so the first turn at
  // C can only take X, and every eligible direction coincided.
  HandNetwork net;
  net.Station("S", 0, -100);
  net.Station("C", 0, 0);
  net.Station("X", 100, 0);
  net.Station("Y", 100, 0);
  net.Join("S", "C");
  net.Join("C", "X");
  net.Join("C", "Y");
  net.Join("X", "S");
  net.Join("Y", "S");
  const Adjacency adjacency(net.network);
  UsedFlags flags(net.network.vectors.size());
  flags.a[2] = flags.b[2] = 1;
  std::vector<std::string> loops;
  std::vector<std::string> turns;
  MeshTraceEvents events;
  events.loop_found = [&](const LoopPath& loop) { loops.push_back(net.Names(loop)); };
  events.ambiguous_turn = [&](int station) { turns.push_back(TrimRight(net.network.NameOf(station))); };
  TraceMeshes(net.network, adjacency, flags, events);
  ASSERT_FALSE(loops.empty());
  EXPECT_EQ(loops[0], "SCXS");
  ASSERT_FALSE(turns.empty());
  EXPECT_EQ(turns[0], "X");
}

TEST(MeshTrace, AWalkLongerThanFiftyStationsIsAbandoned) {
  HandNetwork ring;
  for (int k = 0; k < 51; ++k) ring.Station(Numbered("R", k), k, 0);
  for (int k = 0; k < 51; ++k) ring.Join(Numbered("R", k), Numbered("R", (k + 1) % 51));
  const Adjacency adjacency(ring.network);
  UsedFlags flags(ring.network.vectors.size());
  int loops = 0;
  MeshTraceEvents events;
  events.loop_found = [&](const LoopPath&) { ++loops; };
  TraceMeshes(ring.network, adjacency, flags, events);
  EXPECT_EQ(loops, 0);

  HandNetwork shorter;
  for (int k = 0; k < 49; ++k) shorter.Station(Numbered("R", k), k, 0);
  for (int k = 0; k < 49; ++k) shorter.Join(Numbered("R", k), Numbered("R", (k + 1) % 49));
  const Adjacency shorter_adjacency(shorter.network);
  UsedFlags shorter_flags(shorter.network.vectors.size());
  TraceMeshes(shorter.network, shorter_adjacency, shorter_flags, events);
  EXPECT_EQ(loops, 1);
}

TEST(ShortLoops, TheTriangleTakesTheFirstNeighbourWithAWayBack) {
  HandNetwork net;
  for (const char* name : {"F", "T", "U", "W"}) net.Station(name);
  net.Join("F", "T");
  net.Join("T", "U");  // U has no vector to F
  net.Join("T", "W");
  net.Join("W", "F");
  net.Join("U", "W");
  const Adjacency adjacency(net.network);
  const std::optional<LoopPath> triangle = FindTriangle(net.network, adjacency, 0);
  ASSERT_TRUE(triangle);
  EXPECT_EQ(net.Names(*triangle), "FTWF");
  EXPECT_EQ(triangle->vectors, (std::vector<int>{0, 2, 3}));
  // The depth-first search goes the first way it can: over U.
  const std::optional<LoopPath> searched = SearchLoopThrough(net.network, adjacency, 0, {});
  ASSERT_TRUE(searched);
  EXPECT_EQ(net.Names(*searched), "FTUWF");
}

TEST(ShortLoops, TheSearchGivesUpWhenItsStepBudgetIsSpent) {
  // From T a dense cluster of 12 stations is tried first; the way back to F
  // over Q comes last among T's entries.
  HandNetwork net;
  net.Station("F");
  net.Station("T");
  net.Join("F", "T");
  for (int a = 0; a < 12; ++a) net.Station(Numbered("K", a));
  for (int a = 0; a < 12; ++a) {
    for (int b = a + 1; b < 12; ++b) net.Join(Numbered("K", a), Numbered("K", b));
  }
  net.Join("T", "K0");
  net.Station("Q");
  net.Join("T", "Q");
  net.Join("Q", "F");
  const Adjacency adjacency(net.network);
  int lost = 0;
  EXPECT_FALSE(SearchLoopThrough(net.network, adjacency, 0, [&](int) { ++lost; }));
  EXPECT_EQ(lost, 0);

  // With a smaller cluster the search gets through it and back over Q.
  HandNetwork small;
  small.Station("F");
  small.Station("T");
  small.Join("F", "T");
  for (int a = 0; a < 5; ++a) small.Station(Numbered("K", a));
  for (int a = 0; a < 5; ++a) {
    for (int b = a + 1; b < 5; ++b) small.Join(Numbered("K", a), Numbered("K", b));
  }
  small.Join("T", "K0");
  small.Station("Q");
  small.Join("T", "Q");
  small.Join("Q", "F");
  const Adjacency small_adjacency(small.network);
  const std::optional<LoopPath> loop = SearchLoopThrough(small.network, small_adjacency, 0, {});
  ASSERT_TRUE(loop);
  EXPECT_EQ(small.Names(*loop), "FTQF");
}

}  // namespace
}  // namespace korval::circuit::testing
