// Whole runs of the adjustment in a temporary project, checked by the
// report's columns against an independent dense least-squares adjustment.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "netadj/run.hpp"
#include "tests/netadj/end_to_end_support.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using e2e::DenseAdjustment;
using e2e::ReportedStation;
using korval::testing::RunResult;
using korval::testing::TempProject;

constexpr double kSecondsTolerance = 0.0000051;  // 5 decimals of arc-second, rounded
constexpr double kMetresTolerance = 0.000051;     // 4 decimals of a metre, rounded

struct Outcome {
  RunResult result;
  std::vector<std::string> report;
};

Outcome Adjust(const TempProject& project, const std::vector<std::string>& info_vec, const std::string& korval_inf,
           const std::vector<std::string>& answers = {""}) {
  project.Write("INFO.VEC", info_vec);
  project.Write("KORVAL.INF", {korval_inf});
  Outcome run;
  run.result = korval::testing::RunWithAnswers(project, korval::netadj::Run, answers);
  run.report = project.Lines("OUT.VEC");
  return run;
}

// Every reported station agrees with the dense adjustment: position to the
// printed digit, 95 % errors within a tenth of a millimetre of the local
// projection of the dense standard errors.
void ExpectStationsMatch(const std::vector<ReportedStation>& list, const DenseAdjustment& dense, double multiplier) {
  ASSERT_EQ(list.size(), dense.names().size());
  std::set<std::string> seen;
  for (const ReportedStation& s : list) {
    SCOPED_TRACE(s.name);
    const size_t i = dense.Index(s.name);
    ASSERT_LT(i, dense.names().size());
    seen.insert(s.name);
    const geodesy::Geodetic g = dense.Position(i);
    EXPECT_NEAR(s.latitude * 3600, g.latitude * 180 / e2e::kPi * 3600, kSecondsTolerance);
    EXPECT_NEAR(s.longitude_west * 3600, -g.longitude * 180 / e2e::kPi * 3600, kSecondsTolerance);
    EXPECT_NEAR(s.height, g.height, kMetresTolerance);
    const auto errors = dense.LocalErrors(i, multiplier);
    EXPECT_NEAR(s.north, errors[0], 1e-4);
    EXPECT_NEAR(s.east, errors[1], 1e-4);
    EXPECT_NEAR(s.up, errors[2], 1e-4);
  }
  EXPECT_EQ(seen.size(), list.size());
}

// The vector residual lines of one pass: flag and sign by the dense residuals.
void ExpectResidualLinesMatch(const std::vector<std::string>& report, size_t heading, const DenseAdjustment& dense) {
  for (size_t m = 0; m < dense.vector_count(); ++m) {
    const std::string& line = report[heading + 3 + m];
    double size2 = 0, variance = 0;
    for (size_t c = 0; c < 3; ++c) {
      size2 += dense.VectorResidual(m, c) * dense.VectorResidual(m, c);
      variance += 1.0 / dense.VectorWeight(m, c);
    }
    const double size = std::sqrt(size2);
    const double shown = ParseDecimal(Columns(line, 37, 9), 4).value_or(-1);
    EXPECT_NEAR(std::fabs(shown), size, kMetresTolerance) << line;
    const double snooping = size / std::sqrt(variance);
    if (std::fabs(snooping - 3.0) > 1e-6) {
      EXPECT_EQ(Columns(line, 56, 1), snooping >= 3.0 ? "*" : " ") << line;
      EXPECT_EQ(Columns(line, 61, 1), Columns(line, 56, 1)) << line;
    }
    EXPECT_NEAR(ParseDecimal(Columns(line, 57, 4), 1).value_or(-1), snooping, 0.051) << line;
  }
}

size_t FindLine(const std::vector<std::string>& lines, const std::string& text, size_t from = 0) {
  for (size_t i = from; i < lines.size(); ++i) {
    if (lines[i] == text) return i;
  }
  return lines.size();
}

TEST(EndToEndTest, ConstrainedNetworkAgreesWithDenseAdjustment) {
  TempProject project;
  const auto info = e2e::MakeProject(12, 3, 18, 7);
  const Outcome run = Adjust(project, info, e2e::KorvalInf(2, 1, 1, 0, 1, 1, 0.0001));
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;
  EXPECT_EQ(run.result.lines.back(), "Stop - Program terminated.");
  EXPECT_TRUE(korval::testing::AllLinesEndWithCrLf(project.ReadRaw("OUT.VEC")));

  DenseAdjustment dense(info);
  dense.Solve(false);
  const auto sigma0 = e2e::FiguresAfter(run.report, "STANDARD ERROR OF UNIT WEIGHT IS");
  const auto dof = e2e::FiguresAfter(run.report, "     WITH ");
  ASSERT_EQ(sigma0.size(), 1u);
  EXPECT_NEAR(sigma0[0], dense.sigma0(), 0.00051);
  EXPECT_EQ(dof[0], dense.dof());
  EXPECT_EQ(dense.dof(), 3 * (29 + 3 - 12));
  const auto multiplier = e2e::FiguresAfter(run.report, " D.F. IS ");
  ASSERT_EQ(multiplier.size(), 1u);
  EXPECT_EQ(multiplier[0], 2.51);  // 60 degrees of freedom

  const auto lists = e2e::StationLists(run.report);
  ASSERT_EQ(lists.size(), 1u);
  ExpectStationsMatch(lists[0], dense, multiplier[0]);
  ExpectResidualLinesMatch(run.report, FindLine(run.report, " VECTOR RESIDUALS"), dense);

  // Opening lines, control residuals and the console blocks.
  EXPECT_EQ(run.report[1], " ANALYSIS IS PERFORMED ON THE NAD 83 DATUM ");
  EXPECT_EQ(e2e::CountLines(run.report, "MINIMALLY CONSTRAINED"), 0);
  EXPECT_EQ(e2e::CountLines(run.report, " NUMBER OF CONTROL PTS.  =     3"), 1);
  EXPECT_EQ(e2e::CountLines(run.report, " NUMBER OF STATIONS =    12"), 1);
  EXPECT_EQ(e2e::CountLines(run.report, " NUMBER OF MEASUREMENTS =    29"), 1);
  const size_t control = FindLine(run.report, " CONTROL STATION COORDINATE RESIDUALS AND ERROR ESTIMATES");
  ASSERT_LT(control, run.report.size());
  for (size_t k = 0; k < 3; ++k) {
    const std::string& line = run.report[control + 2 + k];
    const size_t s = dense.Index(Columns(line, 2, 8));
    ASSERT_LT(s, dense.names().size()) << line;
    EXPECT_NEAR(ParseDecimal(Columns(line, 27, 9), 4).value_or(0), 0.005, 1e-9);  // 1/sqrt(weight)
  }
  EXPECT_EQ(e2e::CountLines(run.result.lines, "GPS NETWORK ADJUSTMENT"), 1);
  EXPECT_EQ(e2e::CountLines(run.result.lines, "RMS ERROR IN X"), 1);
  EXPECT_EQ(e2e::CountLines(run.result.lines, "STANDARD ERROR OF UNIT WEIGHT IS"), 1);
  EXPECT_EQ(e2e::CountLines(run.result.lines, "RESULTS OF ADJUSTMENT"), 0);

  // VECTOR.GEO: the stations in the order of the report's list.
  const auto geo = project.Lines("VECTOR.GEO");
  ASSERT_EQ(geo.size(), lists[0].size());
  for (size_t i = 0; i < geo.size(); ++i) EXPECT_EQ(Columns(geo[i], 41, 8), lists[0][i].name);
}

TEST(EndToEndTest, MinimallyConstrainedHoldsFirstControlWhateverItsSigmas) {
  TempProject project;
  // Control standard deviations of several metres: the first point is held
  // all the same, and the other control points adjust freely.
  const auto info = e2e::MakeProject(10, 3, 14, 11, nullptr, 4.0);
  const Outcome run = Adjust(project, info, e2e::KorvalInf(1, 1, 1, 0, 1, 1, 0.0001));
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;

  DenseAdjustment dense(info);
  dense.Solve(true);
  EXPECT_EQ(run.report[3], " FOLLOWING ADJUSTMENT IS MINIMALLY CONSTRAINED");
  EXPECT_EQ(e2e::CountLines(run.report, "CONTROL STATION COORDINATE RESIDUALS"), 0);
  const auto sigma0 = e2e::FiguresAfter(run.report, "STANDARD ERROR OF UNIT WEIGHT IS");
  EXPECT_NEAR(sigma0.at(0), dense.sigma0(), 0.00051);
  EXPECT_EQ(e2e::FiguresAfter(run.report, "     WITH ").at(0), 3 * (23 - 10) + 3);
  const auto lists = e2e::StationLists(run.report);
  ASSERT_EQ(lists.size(), 1u);
  ExpectStationsMatch(lists[0], dense, e2e::FiguresAfter(run.report, " D.F. IS ").at(0));
}

TEST(EndToEndTest, NetworkWithoutRedundancy) {
  // A chain held at one control point: as many unknowns as observations.
  TempProject project;
  const auto info = e2e::MakeProject(6, 1, 0, 3);
  const Outcome run = Adjust(project, info, e2e::KorvalInf(1, 1, 1, 0, 1, 1, 0.0001));
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;
  EXPECT_EQ(e2e::FiguresAfter(run.report, "     WITH ").at(0), 0);
  EXPECT_LT(e2e::FiguresAfter(run.report, "STANDARD ERROR OF UNIT WEIGHT IS").at(0), 0.0005);
  EXPECT_EQ(e2e::FiguresAfter(run.report, " D.F. IS ").at(0), 20.0);
  EXPECT_EQ(e2e::CountLines(run.report, " FAILS AT THE 5 % SIGNIFICANCE LEVEL"), 1);
  EXPECT_EQ(e2e::CountLines(run.report, "  0.031 <  0.000 <  1.960"), 1);  // the row of 1 degree of freedom
  const auto lists = e2e::StationLists(run.report);
  ASSERT_EQ(lists.size(), 1u);
  for (const ReportedStation& s : lists[0]) {
    EXPECT_EQ(s.north, 0.0);
    EXPECT_EQ(s.east, 0.0);
    EXPECT_EQ(s.up, 0.0);
  }
}

TEST(EndToEndTest, MultiplierOfTwelveDegreesOfFreedom) {
  TempProject project;
  const auto info = e2e::MakeProject(6, 2, 3, 5);  // 3 (8 + 2 - 6) = 12
  const Outcome run = Adjust(project, info, e2e::KorvalInf(2, 1, 1, 0, 1, 1, 0.0001));
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;
  EXPECT_EQ(e2e::CountLines(run.report,
                            " 95% CONFIDENCE F STATISTIC STANDARD ERROR MULTIPLIER FOR    12 D.F. IS  2.77"),
            1);
  EXPECT_EQ(e2e::CountLines(run.report, "  0.606 <"), 1);  // sqrt(4.404 / 12)
}

TEST(EndToEndTest, TwoRobustReweightingsGiveThreePasses) {
  TempProject project;
  auto info = e2e::MakeProject(10, 3, 16, 21);
  // A 6 cm blunder on one vector gives the re-weighting something to do.
  std::string& blunder = info[7];
  const double dx = ParseDecimal(Columns(blunder, 19, 13), 4).value();
  blunder.replace(18, 13, FormatDecimal(dx + 0.06, 13, 4));

  // Vectors re-weighted, then the control, then no more.
  const Outcome run = Adjust(project, info, e2e::KorvalInf(2, 2, 1, 0, 1, 1, 0.0001), {"", "y", "n", "n", "y", "n", "n"});
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;
  EXPECT_EQ(e2e::CountLines(run.result.lines, "DO YOU WANT TO RE-WEIGHT (ROBUST) YOUR VECTORS (Y/N)? <N>"), 3);
  EXPECT_EQ(e2e::CountLines(run.result.lines, "DO YOU WANT TO RE-WEIGHT (ROBUST) CONTROL COOR. (Y/N)? <N>"), 3);

  EXPECT_EQ(e2e::CountLines(run.report, "ANALYSIS IS PERFORMED ON THE NAD"), 1);
  EXPECT_EQ(e2e::CountLines(run.report, "GPS NETWORK ADJUSTMENT"), 1);
  EXPECT_EQ(e2e::CountLines(run.report, " RESULTS OF ADJUSTMENT"), 3);
  const size_t vectors_note = FindLine(run.report, " VECTORS HAVE BEEN RE-WEIGHTED IN FOLLOWING ADJUSTMENT");
  const size_t control_note = FindLine(run.report, " CONTROL COORDINATES HAVE BEEN REWEIGHTED IN FOLLOWING ADJUSTMENT");
  const size_t second = FindLine(run.report, " RESULTS OF ADJUSTMENT", FindLine(run.report, " RESULTS OF ADJUSTMENT") + 1);
  const size_t third = FindLine(run.report, " RESULTS OF ADJUSTMENT", second + 1);
  EXPECT_LT(vectors_note, second);
  EXPECT_LT(second, control_note);
  EXPECT_LT(control_note, third);
  EXPECT_EQ(e2e::CountLines(run.report, "RE-WEIGHTED IN FOLLOWING"), 1);
  EXPECT_EQ(e2e::CountLines(run.report, "REWEIGHTED IN FOLLOWING"), 1);

  const auto lists = e2e::StationLists(run.report);
  ASSERT_EQ(lists.size(), 3u);
  const auto sigma0 = e2e::FiguresAfter(run.report, "STANDARD ERROR OF UNIT WEIGHT IS");
  const auto multiplier = e2e::FiguresAfter(run.report, " D.F. IS ");
  ASSERT_EQ(sigma0.size(), 3u);

  DenseAdjustment dense(info);
  dense.Solve(false);
  EXPECT_NEAR(sigma0[0], dense.sigma0(), 0.00051);
  ExpectStationsMatch(lists[0], dense, multiplier[0]);
  dense.ReweightVectors();
  dense.Solve(false);
  EXPECT_NEAR(sigma0[1], dense.sigma0(), 0.00051);
  ExpectStationsMatch(lists[1], dense, multiplier[1]);
  ExpectResidualLinesMatch(run.report, FindLine(run.report, " VECTOR RESIDUALS", second), dense);
  dense.ReweightControl();
  dense.Solve(false);
  EXPECT_NEAR(sigma0[2], dense.sigma0(), 0.00051);
  ExpectStationsMatch(lists[2], dense, multiplier[2]);

  // VECTOR.GEO holds the positions of the last pass.
  const auto geo = project.Lines("VECTOR.GEO");
  ASSERT_EQ(geo.size(), lists[2].size());
  for (size_t i = 0; i < geo.size(); ++i) {
    EXPECT_EQ(Columns(geo[i], 41, 8), lists[2][i].name);
    EXPECT_NEAR(ParseDecimal(Columns(geo[i], 8, 8), 5).value(), std::fmod(lists[2][i].latitude * 3600, 60.0), 1e-5);
  }
}

TEST(EndToEndTest, MinimallyConstrainedRobustPassStartsAtOnce) {
  TempProject project;
  const auto info = e2e::MakeProject(8, 2, 10, 13);
  const Outcome run = Adjust(project, info, e2e::KorvalInf(1, 2, 1, 0, 1, 1, 0.0001), {"", "y", ""});
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;
  EXPECT_EQ(e2e::CountLines(run.result.lines, "CONTROL COOR."), 0);
  EXPECT_EQ(e2e::CountLines(run.report, " RESULTS OF ADJUSTMENT"), 2);
  DenseAdjustment dense(info);
  dense.Solve(true);
  dense.ReweightVectors();
  dense.Solve(true);
  ExpectStationsMatch(e2e::StationLists(run.report).at(1), dense,
                      e2e::FiguresAfter(run.report, " D.F. IS ").at(1));
}

TEST(EndToEndTest, ElevationsFromGeoidHeights) {
  TempProject project;
  const auto info = e2e::MakeProject(8, 2, 8, 17);
  DenseAdjustment dense(info);
  dense.Solve(false);
  // Geoid heights for some stations only; a name that is no station.
  const auto& names = dense.names();
  project.Write("GEOID.OUT", {FormatText("", 31) + FormatDecimal(-16.5, 9, 3) + names[0],
                              FormatText("", 31) + FormatDecimal(-16.731, 9, 3) + names[3],
                              FormatText("", 31) + FormatDecimal(-17.0, 9, 3) + "NOWHERE"});
  const Outcome run = Adjust(project, info, e2e::KorvalInf(2, 1, 1, 0, 1, 2, 0.0001));
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;

  const size_t heading = FindLine(run.report, " GPS DERIVED ELEVATIONS USING INDIVIDUAL GEOID HEIGHTS");
  ASSERT_LT(heading, run.report.size());
  const auto list = e2e::StationLists(run.report).at(0);
  ASSERT_EQ(run.report.size(), heading + 2 + list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    const std::string& line = run.report[heading + 2 + i];
    EXPECT_EQ(Columns(line, 2, 8), list[i].name);  // the order of the station list
    const size_t s = dense.Index(list[i].name);
    if (s != 0 && s != 3) {
      EXPECT_EQ(line, " " + list[i].name + "  NO PROVIDED GEOID HEIGHT");
      continue;
    }
    const double n = s == 0 ? -16.5 : -16.731;
    const double elevation = dense.Position(s).height - n;
    EXPECT_NEAR(ParseDecimal(Columns(line, 15, 9), 4).value(), n, 1e-9);
    EXPECT_NEAR(ParseDecimal(Columns(line, 29, 10), 4).value(), elevation, kMetresTolerance);
    EXPECT_NEAR(ParseDecimal(Columns(line, 43, 10), 4).value(), elevation * 3937 / 1200, kMetresTolerance);
  }
}

TEST(EndToEndTest, ElevationsFromOneSeparation) {
  TempProject project;
  const auto info = e2e::MakeProject(8, 2, 8, 19);
  const Outcome run = Adjust(project, info, e2e::KorvalInf(2, 1, 1, 0, 1, 3, -16.9));
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;
  const size_t heading =
      FindLine(run.report, " GPS DERIVED ELEVATIONS IN FEET - ASSUMED GEOID HEIGHT OF  -16.9000 METERS");
  ASSERT_LT(heading, run.report.size());
  const auto list = e2e::StationLists(run.report).at(0);
  ASSERT_EQ(run.report.size(), heading + 3 + list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    const std::string& line = run.report[heading + 3 + i];
    EXPECT_EQ(Columns(line, 2, 8), list[i].name);
    EXPECT_NEAR(ParseDecimal(Columns(line, 29, 10), 4).value(), list[i].height + 16.9, 1.1e-4);
  }
}

TEST(EndToEndTest, MissingGeoidFileEndsAfterTheLastPass) {
  TempProject project;
  const auto info = e2e::MakeProject(6, 2, 4, 23);
  const Outcome run = Adjust(project, info, e2e::KorvalInf(2, 1, 1, 0, 1, 2, 0.0001));
  EXPECT_EQ(run.result.exit_status, 0);
  const std::string message = " GEOID.OUT NOT FOUND - NO ELEVATIONS COMPUTED";
  ASSERT_GE(run.result.lines.size(), 2u);
  EXPECT_EQ(run.result.lines[run.result.lines.size() - 2], message);
  EXPECT_EQ(run.result.lines.back(), "Stop - Program terminated.");
  EXPECT_EQ(run.report.back(), message);
  EXPECT_EQ(e2e::StationLists(run.report).size(), 1u);
}

TEST(EndToEndTest, MissingProjectFileStops) {
  TempProject project;
  project.Write("KORVAL.INF", {e2e::KorvalInf(2, 1, 1, 0, 1, 1, 0.0001)});
  const RunResult result = korval::testing::RunWithAnswers(project, korval::netadj::Run, {""});
  EXPECT_EQ(result.exit_status, 0);
  ASSERT_GE(result.lines.size(), 2u);
  EXPECT_EQ(result.lines[result.lines.size() - 2], " INFO.VEC NOT FOUND - STOP");
  EXPECT_EQ(result.lines.back(), "Stop - Program terminated.");
  EXPECT_EQ(result.lines[0], " COMPUTER PROGRAM \"KORVAL THE VECTOR\" VER. 1.02 04-10-99");
}

TEST(EndToEndTest, StationListsFollowTheRenumberedOrder) {
  // A chain whose file order is scrambled. In the report's order, the ends of
  // every vector lie within the band of the renumbering, which is narrower
  // than the band of the file's order.
  TempProject project;
  const auto info = e2e::MakeProject(9, 1, 0, 29);
  const Outcome run = Adjust(project, info, e2e::KorvalInf(2, 1, 1, 0, 1, 3, -16.9));
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;
  int band = -1;
  for (const std::string& line : run.result.lines) {
    if (line.rfind(" BAND IS ", 0) == 0) band = static_cast<int>(ParseInteger(Columns(line, 10, 3)).value_or(-1));
  }
  ASSERT_GT(band, 0);

  const auto list = e2e::StationLists(run.report).at(0);
  std::vector<std::string> listed;
  for (const auto& s : list) listed.push_back(s.name);
  std::vector<std::string> file_order = {Columns(info[0], 2, 8)};
  for (size_t i = 1; i < info.size(); ++i) {
    for (const std::string& name : {Columns(info[i], 2, 8), Columns(info[i], 11, 8)}) {
      if (std::find(file_order.begin(), file_order.end(), name) == file_order.end()) file_order.push_back(name);
    }
  }
  auto band_of = [&](const std::vector<std::string>& order) {
    long widest = 0;
    for (size_t i = 1; i < info.size(); ++i) {
      const auto from = std::find(order.begin(), order.end(), Columns(info[i], 2, 8));
      const auto to = std::find(order.begin(), order.end(), Columns(info[i], 11, 8));
      EXPECT_TRUE(from != order.end() && to != order.end());
      widest = std::max(widest, static_cast<long>(std::labs(from - to)));
    }
    return widest;
  };
  EXPECT_EQ(band_of(listed), band);
  EXPECT_GT(band_of(file_order), band);

  // VECTOR.GEO and the elevations follow the same order.
  const auto geo = project.Lines("VECTOR.GEO");
  ASSERT_EQ(geo.size(), listed.size());
  const size_t elevations = FindLine(run.report, " STATION                 ELEVATION (M.) ELEVATION (FT.)");
  ASSERT_EQ(run.report.size(), elevations + 1 + listed.size());
  for (size_t i = 0; i < listed.size(); ++i) {
    EXPECT_EQ(Columns(geo[i], 41, 8), listed[i]);
    EXPECT_EQ(Columns(run.report[elevations + 1 + i], 2, 8), listed[i]);
  }
}

TEST(EndToEndTest, ZeroLengthVectorWritesNoInvalidNumber) {
  TempProject project;
  auto info = e2e::MakeProject(6, 2, 4, 31);
  // A second mark at the end of the first chain vector, observed from the
  // first mark as the same point.
  const std::string& first = info[2];
  const std::string twin = "TWIN";
  std::array<double, 3> d{}, sd{};
  for (size_t c = 0; c < 3; ++c) {
    d[c] = ParseDecimal(Columns(first, 19 + 20 * static_cast<int>(c), 13), 4).value();
    sd[c] = ParseDecimal(Columns(first, 32 + 20 * static_cast<int>(c), 7), 4).value();
  }
  info.push_back(e2e::VectorRecord(Columns(first, 2, 8), twin, d, sd));
  info.push_back(e2e::VectorRecord(Columns(first, 11, 8), twin, {0, 0, 0}, {0.005, 0.005, 0.008}));
  const Outcome run = Adjust(project, info, e2e::KorvalInf(2, 1, 1, 0, 1, 1, 0.0001));
  ASSERT_EQ(run.result.exit_status, 0) << run.result.console;
  for (const std::string& line : run.report) {
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
  }
  const size_t heading = FindLine(run.report, " VECTOR RESIDUALS");
  const std::string& zero = run.report[heading + 3 + info.size() - 2 - 1];
  EXPECT_EQ(Columns(zero, 11, 8), FormatText(twin, 8));
  EXPECT_EQ(Columns(zero, 62, 7), "    0.0");
  EXPECT_EQ(Columns(zero, 69, 11), "      0.000");
}

}  // namespace
}  // namespace korval::netadj
