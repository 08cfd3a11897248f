// CIRCUIT from its start to the comparison summary: the tolerance, the
// reading of INFO.VEC and VECTOR.COR, and the comparison and merge of
// repeated lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/circuit/circuit_project.hpp"

namespace korval::circuit::testing {
namespace {

using korval::testing::AllLinesEndWithCrLf;

const std::vector<GridPoint> kTriangle = {{"A", 0, 0}, {"B", 1000, 0}, {"C", 1000, 1000}};

TEST(CircuitStart, BannerToleranceQuestionAndHeadingOfAllClosures) {
  TempProject project;
  WriteProject(project, {}, {});
  const RunResult run = RunCircuit(project, {"0 0", ""});
  ASSERT_GE(run.lines.size(), 6u);
  EXPECT_EQ(run.lines[0], " COMPUTER PROGRAM CIRCUIT VER. 05-13-99");
  EXPECT_EQ(run.lines[1], " KORVAL THE VECTOR SOFTWARE SUITE");
  EXPECT_EQ(run.lines[2], "");
  EXPECT_EQ(run.lines[3], " INPUT A CLOSURE CONSTANT AND PPM LIMIT (2 VALUES)");
  EXPECT_EQ(run.lines[4], " IF PPM IS EXCEEDED THEN CONSTANT WILL BE TESTED (EXAMPLE .02 10)");
  EXPECT_EQ(run.lines[5], " TO SHOW ALL CLOSURES ENTER TWO ZEROES");
  const std::vector<std::string> report = project.Lines("LOOP.VEC");
  ASSERT_GE(report.size(), 4u);
  EXPECT_EQ(report[0], " ALL LOOP CLOSURES AND MULTIPLE LINE MEASUREMENTS WILL BE SHOWN");
  EXPECT_EQ(report[1], " ********************");
  EXPECT_EQ(report[2], " BEGINNING MULTIPLE LINE MEASUREMENT COMPARISONS");
  EXPECT_EQ(report[3], " ********************");
  EXPECT_TRUE(AllLinesEndWithCrLf(run.console));
  EXPECT_TRUE(AllLinesEndWithCrLf(project.ReadRaw("LOOP.VEC")));
  EXPECT_TRUE(project.Exists("TEMP.PPP"));
}

TEST(CircuitStart, ToleranceHeadingStatesTheLimitsAndRefusedEntriesAskAgain) {
  TempProject project;
  WriteProject(project, {}, {});
  const RunResult run = RunCircuit(project, {"-1 10", "abc", ".02, 10", ""});
  EXPECT_EQ(CountLines(run.lines, " INPUT A CLOSURE CONSTANT AND PPM LIMIT (2 VALUES)"), 3);
  const std::vector<std::string> report = project.Lines("LOOP.VEC");
  ASSERT_GE(report.size(), 6u);
  EXPECT_EQ(report[0], " LOOP AND MULTIPLE LINE MEASUREMENT CLOSURE PRINTOUT LIMITS ");
  EXPECT_EQ(report[1], " CONSTANT =   0.0200 M.");
  EXPECT_EQ(report[2], " PPM =     10.0");
  EXPECT_EQ(report[3], " ********************");
  EXPECT_EQ(report[4], " BEGINNING MULTIPLE LINE MEASUREMENT COMPARISONS");
}

TEST(CircuitStart, ValuesLeftOutOfTheEntryKeepTheirPresets) {
  TempProject project;
  WriteProject(project, {}, {});
  RunCircuit(project, {",25", ""});
  const std::vector<std::string> report = project.Lines("LOOP.VEC");
  ASSERT_GE(report.size(), 3u);
  EXPECT_EQ(report[1], " CONSTANT =   0.0100 M.");
  EXPECT_EQ(report[2], " PPM =     25.0");
}

TEST(CircuitStart, EndOfConsoleInputAtTheToleranceStopsWithoutAnswer) {
  TempProject project;
  WriteProject(project, {}, {});
  const RunResult run = RunCircuit(project, {});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.lines.back().empty() ? run.lines[run.lines.size() - 2] : run.lines.back(),
            " END OF CONSOLE INPUT - STOP");
}

TEST(CircuitStart, MissingInfoVecStopsBeforeAnyQuestion) {
  TempProject project;
  const RunResult run = RunCircuit(project, {"0 0"});
  EXPECT_EQ(FindLine(run.lines, " EITHER INFO.VEC OR VECTOR.COR NOT FOUND - ERROR!"), 3);
  EXPECT_EQ(FindLine(run.lines, "INCOMPLETE DATA FOUND - PREMATURE STOP"), 4);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_FALSE(project.Exists("LOOP.VEC"));
}

TEST(CircuitStart, MissingVectorCorStopsAfterTheComparisonsAreWritten) {
  TempProject project;
  WriteProject(project, {Between(kTriangle, "A", "B"), Between(kTriangle, "A", "B", 0.002)}, {});
  std::filesystem::remove(project.Path("VECTOR.COR"));
  const RunResult run = RunCircuit(project, {"0 0"});
  EXPECT_GE(FindLine(run.lines, " EITHER INFO.VEC OR VECTOR.COR NOT FOUND - ERROR!"), 0);
  EXPECT_EQ(run.lines.back(), "INCOMPLETE DATA FOUND - PREMATURE STOP");
  EXPECT_EQ(FindLine(run.lines, "     1 MULTIPLE LINE COMPARISONS HAVE BEEN MADE"), -1);
  const std::vector<std::string> report = project.Lines("LOOP.VEC");
  EXPECT_GE(FindLine(report, " OBS #     2 A        - B       "), 0);
}

TEST(CircuitStart, AnExistingLoopReportIsReplaced) {
  TempProject project;
  WriteProject(project, {}, {});
  project.Write("LOOP.VEC", std::vector<std::string>(40, " OLD REPORT LINE"));
  RunCircuit(project, {"0 0", ""});
  EXPECT_EQ(FindLine(project.Lines("LOOP.VEC"), " OLD REPORT LINE"), -1);
}

// Three measurements of one line, the third reversed.
std::vector<TestVector> ThreeMeasurementsOfAB() {
  TestVector first = Between(kTriangle, "A", "B");
  TestVector second = Between(kTriangle, "A", "B", 0.0130);
  second.sx = 0.010;
  TestVector third = Between(kTriangle, "B", "A", -0.0042);
  return {first, Between(kTriangle, "B", "C"), second, Between(kTriangle, "C", "A"), third};
}

TEST(RepeatedLines, EveryPairIsComparedAndAReversedMeasurementIsAdded) {
  TempProject project;
  WriteProject(project, ThreeMeasurementsOfAB(), kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", ""});
  const std::vector<std::string> report = project.Lines("LOOP.VEC");
  const std::vector<std::string> expected = {
      " OBS #     1 A        - B       ",
      " OBS #     3 A        - B       ",
      " CLOSURE =   0.0130 M.  PPM =     13.0  1/       76924",
      " ************",
      " OBS #     1 A        - B       ",
      " OBS #     5 B        - A       ",
      " CLOSURE =   0.0042 M.  PPM =      4.2  1/      238096",
      " ************",
      " OBS #     3 A        - B       ",
      " OBS #     5 B        - A       ",
      " CLOSURE =   0.0088 M.  PPM =      8.8  1/      113636",
      " ************",
      "     3 MULTIPLE LINE COMPARISONS HAVE BEEN MADE",
      " AUTOMATIC LOOP CLOSURES FOLLOW",
      " ********************",
  };
  ASSERT_GE(report.size(), 4 + expected.size());
  for (size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(report[4 + k], expected[k]) << k;
  EXPECT_GE(FindLine(run.lines, "     3 MULTIPLE LINE COMPARISONS HAVE BEEN MADE"), 0);
  EXPECT_GE(FindLine(run.lines, " AUTOMATIC LOOP CLOSURES FOLLOW"), 0);
}

TEST(RepeatedLines, TheMergedLineIsTheMeanWeightedByOneOverSigma) {
  TempProject project;
  WriteProject(project, ThreeMeasurementsOfAB(), kTriangle);
  // The triangle walked by hand shows the merged line in its X closure: the
  // mean 1000.00428 minus 1000, and the merged error 0.005 / sqrt(3).
  const RunResult run = RunCircuit(project, {"0 0", "A", "1", ""});
  EXPECT_GE(FindLine(run.lines, " X   0.0043        0.0076         0.6"), 0) << run.console;
  EXPECT_GE(FindLine(run.lines, " Y   0.0000        0.0076         0.0"), 0);
  // One loop only: the merged line counts once.
  EXPECT_GE(FindLine(run.lines, "      1 LOOP CLOSURES FOUND AUTOMATICALLY"), 0);
}

TEST(RepeatedLines, IdenticalMeasurementsCloseAtTheFloorNotAtZero) {
  TempProject project;
  WriteProject(project, {Between(kTriangle, "A", "B"), Between(kTriangle, "A", "B")}, kTriangle);
  RunCircuit(project, {"0 0", ""});
  const std::vector<std::string> report = project.Lines("LOOP.VEC");
  const int closure = FindLine(report, " OBS #     2 A        - B       ") + 1;
  ASSERT_GT(closure, 0);
  // 0.00001 m on 1000 m: 0.01 PPM, 1 in 1e8 (to the last unit of the division).
  EXPECT_EQ(report[closure].substr(0, 46), " CLOSURE =   0.0000 M.  PPM =      0.0  1/    ");
  EXPECT_NEAR(std::stod(report[closure].substr(42)), 1e8, 1.0);
}

TEST(RepeatedLines, OnlyComparisonsBeyondBothLimitsAreWritten) {
  const std::vector<GridPoint> grid = {{"A", 0, 0}, {"B", 1000, 0}, {"C", 5000, 0}, {"D", 0, 1000}};
  TempProject project;
  WriteProject(project,
               {Between(grid, "A", "B"), Between(grid, "A", "B", 0.015),   // 15 PPM, below the constant
                Between(grid, "A", "D"), Between(grid, "A", "D", 0.025),   // 25 PPM and 0.025 m: written
                Between(grid, "A", "C"), Between(grid, "A", "C", 0.030)},  // 6 PPM, below the limit
               grid);
  const RunResult run = RunCircuit(project, {".02 10", ""});
  const std::vector<std::string> report = project.Lines("LOOP.VEC");
  EXPECT_EQ(FindLine(report, " OBS #     2 A        - B       "), -1);
  EXPECT_EQ(FindLine(report, " OBS #     6 A        - C       "), -1);
  EXPECT_GE(FindLine(report, " OBS #     4 A        - D       "), 0);
  EXPECT_GE(FindLine(report, "     1 OF     3 MULTIPLE LINE COMPARISONS EXCEED TOLERANCE"), 0);
  EXPECT_GE(FindLine(run.lines, "     1 OF     3 MULTIPLE LINE COMPARISONS EXCEED TOLERANCE"), 0);
}

TEST(RepeatedLines, MergedStandardErrorsAreRaisedToOneMillimetre) {
  TempProject project;
  std::vector<TestVector> vectors;
  for (int k = 0; k < 3; ++k) {
    TestVector repeat = Between(kTriangle, "A", "B");
    repeat.sx = repeat.sy = repeat.sz = 0.001;  // 0.001 / sqrt(3) would be 0.0006
    vectors.push_back(repeat);
  }
  for (TestVector side : {Between(kTriangle, "B", "C"), Between(kTriangle, "C", "A")}) {
    side.sx = side.sy = side.sz = 0.002;
    vectors.push_back(side);
  }
  WriteProject(project, vectors, kTriangle);
  const RunResult run = RunCircuit(project, {"0 0", "A", "1", ""});
  // sqrt(0.001^2 + 0.002^2 + 0.002^2) = 0.0030
  EXPECT_GE(FindLine(run.lines, " X   0.0000        0.0030         0.0"), 0) << run.console;
}

TEST(RepeatedLines, ZeroStandardErrorsAreRaisedSoTheMeanStaysFinite) {
  TempProject project;
  TestVector first = Between(kTriangle, "A", "B");
  TestVector second = Between(kTriangle, "A", "B", 0.002);
  first.sx = first.sy = first.sz = 0;
  second.sx = second.sy = second.sz = 0;
  TestVector side = Between(kTriangle, "B", "C");
  side.sx = 0;
  // A record cut short after its DZ: its last standard error reads as 0.
  std::string cut_short = VectorRecord(Between(kTriangle, "C", "A")).substr(0, 71);
  std::vector<std::string> info{ControlRecord("CTRL", true), VectorRecord(first), VectorRecord(second),
                                VectorRecord(side), cut_short};
  WriteProject(project, {}, kTriangle);
  project.Write("INFO.VEC", info);
  const RunResult run = RunCircuit(project, {"0 0", "A", "1", ""});
  EXPECT_EQ(run.console.find("NAN"), std::string::npos);
  EXPECT_EQ(run.console.find("nan"), std::string::npos);
  EXPECT_EQ(run.console.find("****  "), std::string::npos);
  // Equal weights: the mean is 1000.001; merged error 0.0001 / sqrt(2) raised
  // to 0.001; X error sqrt(0.001^2 + 0.0001^2 + 0.005^2).
  EXPECT_GE(FindLine(run.lines, " X   0.0010        0.0051         0.2"), 0) << run.console;
  EXPECT_GE(FindLine(run.lines, " Z   0.0000        0.0051         0.0"), 0);
  EXPECT_EQ(run.lines.back(), "SUCCESSFUL PROGRAM TERMINATION");
}

TEST(VectorReading, FlaggedRecordsAreIgnoredEntirelyAndBadOnesReported) {
  TempProject project;
  TestVector flagged = Between(kTriangle, "A", "B");
  flagged.from = "Z";
  flagged.flag = '*';
  std::string bad = VectorRecord(Between(kTriangle, "A", "B"));
  bad.replace(24, 3, "X.Y");
  WriteProject(project, {}, kTriangle);
  project.Write("INFO.VEC", {ControlRecord("CTRL", true), VectorRecord(flagged), bad,
                             VectorRecord(Between(kTriangle, "A", "B")), VectorRecord(Between(kTriangle, "B", "C")),
                             VectorRecord(Between(kTriangle, "C", "A"))});
  const RunResult run = RunCircuit(project, {"0 0", "Z", ""});
  EXPECT_EQ(CountLines(run.lines, " BAD LINE OF INPUT FOUND"), 1);
  EXPECT_GE(FindLine(run.lines, " STATION NOT FOUND - TRY AGAIN"), 0);
  EXPECT_GE(FindLine(run.lines, "      1 LOOP CLOSURES FOUND AUTOMATICALLY"), 0);
}

TEST(VectorReading, ControlSectionWithoutLastMarkYieldsNoVectors) {
  TempProject project;
  WriteProject(project, {}, kTriangle);
  project.Write("INFO.VEC", {ControlRecord("CTRL", false), VectorRecord(Between(kTriangle, "A", "B")),
                             VectorRecord(Between(kTriangle, "B", "C")), VectorRecord(Between(kTriangle, "C", "A"))});
  const RunResult run = RunCircuit(project, {"0 0", ""});
  EXPECT_GE(FindLine(run.lines, "     0 MULTIPLE LINE COMPARISONS HAVE BEEN MADE"), 0);
  EXPECT_GE(FindLine(run.lines, "      0 LOOP CLOSURES FOUND AUTOMATICALLY"), 0);
  EXPECT_EQ(run.lines.back(), "Stop - Program terminated.");
}

TEST(VectorReading, TheEndMarkEndsTheVectorsAndLfLinesAreRead) {
  TempProject project;
  TestVector end_mark;
  end_mark.from = "0";
  end_mark.to = "END";
  WriteProject(project, {}, kTriangle);
  project.Write("INFO.VEC",
                {ControlRecord("CTRL", true), VectorRecord(Between(kTriangle, "A", "B")),
                 VectorRecord(Between(kTriangle, "B", "C")), VectorRecord(Between(kTriangle, "C", "A")),
                 VectorRecord(end_mark), VectorRecord(Between(kTriangle, "A", "B", 0.5))},
                /*crlf=*/false);
  const RunResult run = RunCircuit(project, {"0 0", ""});
  EXPECT_GE(FindLine(run.lines, "     0 MULTIPLE LINE COMPARISONS HAVE BEEN MADE"), 0);
  EXPECT_GE(FindLine(run.lines, "      1 LOOP CLOSURES FOUND AUTOMATICALLY"), 0);
}

TEST(VectorReading, OverfullTablesStopWithAMessage) {
  {
    TempProject project;
    std::vector<TestVector> vectors;
    for (int k = 0; k < 2401; ++k) vectors.push_back(Between(kTriangle, "A", "B"));
    vectors.resize(2401, Between(kTriangle, "A", "B"));
    WriteProject(project, vectors, kTriangle);
    const RunResult run = RunCircuit(project, {"0 0"});
    EXPECT_GE(FindLine(run.lines, " MAXIMUM NUMBER OF VECTORS EXCEEDED - STOP"), 0);
    EXPECT_EQ(run.lines.back(), "INCOMPLETE DATA FOUND - PREMATURE STOP");
  }
  {
    TempProject project;
    std::vector<TestVector> vectors(51, Between(kTriangle, "A", "B"));
    WriteProject(project, vectors, kTriangle);
    const RunResult run = RunCircuit(project, {"0 0"});
    EXPECT_GE(FindLine(run.lines, " MORE THAN 50 MEASUREMENTS OF ONE LINE - STOP"), 0);
    EXPECT_EQ(run.lines.back(), "INCOMPLETE DATA FOUND - PREMATURE STOP");
  }
  {
    TempProject project;
    std::vector<TestVector> vectors(50, Between(kTriangle, "A", "B"));
    WriteProject(project, vectors, kTriangle);
    const RunResult run = RunCircuit(project, {"0 0", ""});
    EXPECT_GE(FindLine(run.lines, "  1225 MULTIPLE LINE COMPARISONS HAVE BEEN MADE"), 0);
  }
  {
    TempProject project;
    std::vector<TestVector> vectors;
    for (int k = 0; k < 501; ++k) {
      TestVector vector;
      vector.from = Numbered("F", k);
      vector.to = Numbered("T", k);
      vector.dx = 1;
      vectors.push_back(vector);
    }
    WriteProject(project, vectors, {});
    const RunResult run = RunCircuit(project, {"0 0"});
    EXPECT_GE(FindLine(run.lines, " MAXIMUM NUMBER OF STATIONS EXCEEDED - STOP"), 0);
    EXPECT_EQ(run.lines.back(), "Stop - Program terminated.");
  }
}

TEST(VectorReading, GridCoordinatesSkipHeadingsAndTheLastRecordOfANameWins) {
  // The square A B C D with its diagonal A-C drawn two ways: the walk from A
  // towards B turns at C by the drawing, so a wrong position of D would send
  // it elsewhere. Here only the order of loops shows that D was placed last.
  const std::vector<GridPoint> grid = {{"A", 0, 0}, {"B", 100, 0}, {"C", 100, 100}, {"D", 0, 100}};
  TempProject project;
  WriteProject(project,
               {Between(grid, "A", "B"), Between(grid, "B", "C"), Between(grid, "C", "D"), Between(grid, "D", "A"),
                Between(grid, "A", "C")},
               grid);
  std::vector<std::string> listing = project.Lines("VECTOR.COR");
  listing.insert(listing.begin(), "  STATION             X ( M.)      Y ( M.)    SCALE FACTOR    CONVERGENCE");
  listing.insert(listing.begin() + 1, GridRecord({"D", -999.5, 7777.25}));
  project.Write("VECTOR.COR", listing);
  const RunResult run = RunCircuit(project, {"0 0", ""});
  EXPECT_GE(FindLine(run.lines, "      2 LOOP CLOSURES FOUND AUTOMATICALLY"), 0);
  EXPECT_EQ(run.lines.back(), "SUCCESSFUL PROGRAM TERMINATION");
}

}  // namespace
}  // namespace korval::circuit::testing
