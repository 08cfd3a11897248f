// A realistic project: 30 stations a kilometre and a half apart, triangulated
// by GPS vectors with millimetre noise, one line measured twice, one sideshot,
// and one vector with a blunder of a quarter metre. The search must flag the
// loops through the blunder and no others, and its totals must agree with the
// loops it lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"
#include "tests/circuit/circuit_project.hpp"

namespace korval::circuit::testing {
namespace {

constexpr int kRows = 5;
constexpr int kColumns = 6;
constexpr double kSpacing = 1500.0;  // metres

// A small deterministic generator, so that the network is the same on every
// machine: uniform in [-1, 1).
class Noise {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state_ >> 11) / 4503599627370496.0 - 1.0;
  }

 private:
  std::uint64_t state_ = 20240611;
};

double RoundTo4(double value) { return std::round(value * 10000.0) / 10000.0; }

struct Survey {
  std::vector<GridPoint> grid;                      // local easting/northing, metres
  std::map<std::string, geodesy::Cartesian> earth;  // Earth-centred positions
  std::vector<TestVector> vectors;                  // as written to INFO.VEC
  std::string blunder_from, blunder_to;
};

std::string StationName(int row, int column) { return Numbered(Numbered("S", row), column); }

Survey MakeSurvey() {
  Survey survey;
  Noise noise;
  const double latitude0 = 40.0 * geodesy::kPi / 180.0;
  const double longitude0 = -77.5 * geodesy::kPi / 180.0;
  const double radius = 6378137.0;
  const auto place = [&](const std::string& name, double east, double north) {
    survey.grid.push_back({name, 600000.0 + east, 200000.0 + north});
    const double height = 150.0 + 50.0 * noise.Next();
    survey.earth[name] = geodesy::GeodeticToCartesian(
        latitude0 + north / radius, longitude0 + east / (radius * std::cos(latitude0)), height, geodesy::kNad83);
  };
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      place(StationName(row, column), column * kSpacing + 200.0 * noise.Next(), row * kSpacing + 200.0 * noise.Next());
    }
  }
  place("SIDE", 3.5 * kSpacing, -700.0);

  const auto measure = [&](const std::string& from, const std::string& to, std::array<double, 3> error = {}) {
    const geodesy::Cartesian& a = survey.earth[from];
    const geodesy::Cartesian& b = survey.earth[to];
    TestVector vector;
    vector.from = from;
    vector.to = to;
    vector.dx = RoundTo4(b.x - a.x + 0.001 * noise.Next() + error[0]);
    vector.dy = RoundTo4(b.y - a.y + 0.001 * noise.Next() + error[1]);
    vector.dz = RoundTo4(b.z - a.z + 0.001 * noise.Next() + error[2]);
    vector.sx = vector.sy = vector.sz = 0.004;
    survey.vectors.push_back(vector);
  };
  survey.blunder_from = StationName(1, 1);
  survey.blunder_to = StationName(2, 1);
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const std::string here = StationName(row, column);
      if (column + 1 < kColumns) measure(here, StationName(row, column + 1));
      if (row + 1 < kRows) {
        const std::string north = StationName(row + 1, column);
        if (here == survey.blunder_from && north == survey.blunder_to) {
          measure(here, north, {0.15, -0.12, 0.16});
        } else {
          measure(here, north);
        }
      }
      if (row + 1 < kRows && column + 1 < kColumns) {
        // Diagonals alternate, as a field crew would set them out.
        if ((row + column) % 2 == 0) {
          measure(here, StationName(row + 1, column + 1));
        } else {
          measure(StationName(row + 1, column), StationName(row, column + 1));
        }
      }
    }
  }
  measure(StationName(0, 3), "SIDE");
  measure(StationName(3, 4), StationName(3, 5));  // the line measured again
  return survey;
}

struct FoundLoop {
  std::vector<std::string> stations;
  double closure = 0;  // metres, as printed
};

// The loop records of LOOP.VEC, between the comparison summary and the
// search summary.
std::vector<FoundLoop> ReadLoops(const std::vector<std::string>& report) {
  std::vector<FoundLoop> loops;
  int line = FindLine(report, " AUTOMATIC LOOP CLOSURES FOLLOW");
  if (line < 0) return loops;
  line += 2;
  FoundLoop current;
  for (; line < static_cast<int>(report.size()); ++line) {
    const std::string& text = report[line];
    if (text.find("LOOP CLOSURES FOUND AUTOMATICALLY") != std::string::npos) break;
    if (text.rfind(" SIDESHOT VECTOR ", 0) == 0 || text == " ************") continue;
    if (text.rfind(" CLOSURE = ", 0) == 0) {
      current.closure = std::stod(text.substr(11, 8));
      loops.push_back(current);
      current = FoundLoop{};
      continue;
    }
    for (size_t column = 2; column <= text.size(); column += 9) current.stations.push_back(Columns(text, column, 8));
  }
  return loops;
}

bool RunsThrough(const FoundLoop& loop, const std::string& a, const std::string& b) {
  const std::string from = FormatText(a, 8);
  const std::string to = FormatText(b, 8);
  for (size_t k = 0; k + 1 < loop.stations.size(); ++k) {
    if ((loop.stations[k] == from && loop.stations[k + 1] == to) ||
        (loop.stations[k] == to && loop.stations[k + 1] == from)) {
      return true;
    }
  }
  return false;
}

// The misclosure and length of a loop from the vectors as written, with the
// repeated line merged (equal standard errors: the plain mean).
std::pair<double, double> Recompute(const Survey& survey, const FoundLoop& loop) {
  std::array<double, 3> sum{};
  double length = 0;
  for (size_t k = 0; k + 1 < loop.stations.size(); ++k) {
    const std::string a = TrimRight(loop.stations[k]);
    const std::string b = TrimRight(loop.stations[k + 1]);
    std::array<double, 3> mean{};
    int count = 0;
    for (const TestVector& vector : survey.vectors) {
      const double sign = vector.from == a && vector.to == b ? 1.0 : (vector.from == b && vector.to == a ? -1.0 : 0.0);
      if (sign == 0.0) continue;
      mean[0] += sign * vector.dx;
      mean[1] += sign * vector.dy;
      mean[2] += sign * vector.dz;
      ++count;
    }
    EXPECT_GT(count, 0) << a << " " << b;
    if (count == 0) continue;
    for (int c = 0; c < 3; ++c) sum[c] += mean[c] / count;
    length += std::sqrt(mean[0] * mean[0] + mean[1] * mean[1] + mean[2] * mean[2]) / count;
  }
  return {std::sqrt(sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]), length};
}

void WriteSurvey(const TempProject& project, const Survey& survey) { WriteProject(project, survey.vectors, survey.grid); }

TEST(SurveyNetwork, OnlyTheLoopsThroughTheBlunderExceedTheTolerance) {
  const Survey survey = MakeSurvey();

  TempProject all;
  WriteSurvey(all, survey);
  const RunResult shown = RunCircuit(all, {"0 0", ""});
  ASSERT_EQ(shown.lines.back(), "SUCCESSFUL PROGRAM TERMINATION") << shown.console;
  const std::vector<FoundLoop> loops = ReadLoops(all.Lines("LOOP.VEC"));

  TempProject limited;
  WriteSurvey(limited, survey);
  const RunResult flagged_run = RunCircuit(limited, {".02 10", ""});
  const std::vector<FoundLoop> flagged = ReadLoops(limited.Lines("LOOP.VEC"));

  // Most triangles of the network are found (some more than once: a walk
  // along the edge of the network closes on the first chord it meets); the
  // sideshot is not used and the repeated line is compared once.
  EXPECT_GE(loops.size(), 25u);
  EXPECT_GE(FindLine(shown.lines, "    1 SIDESHOT VECTORS WILL NOT BE USED IN ANALYSIS"), 0);
  EXPECT_GE(FindLine(shown.lines, "     1 MULTIPLE LINE COMPARISONS HAVE BEEN MADE"), 0);
  EXPECT_GE(FindLine(flagged_run.lines, "     0 OF     1 MULTIPLE LINE COMPARISONS EXCEED TOLERANCE"), 0);
  EXPECT_GE(FindLine(shown.lines, " ALL NON-SIDESHOT VECTORS HAVE BEEN IDENTIFIED ON LOOP CLOSURES"), 0);

  std::vector<std::vector<std::string>> through_blunder;
  for (const FoundLoop& loop : loops) {
    if (RunsThrough(loop, survey.blunder_from, survey.blunder_to)) {
      through_blunder.push_back(loop.stations);
      EXPECT_GT(loop.closure, 0.2);
    } else {
      EXPECT_LT(loop.closure, 0.02);
    }
  }
  std::vector<std::vector<std::string>> flagged_stations;
  for (const FoundLoop& loop : flagged) flagged_stations.push_back(loop.stations);
  EXPECT_GE(through_blunder.size(), 2u);
  EXPECT_EQ(flagged_stations, through_blunder);

  const std::string found = FormatInteger(static_cast<long long>(loops.size()), 7) + " LOOP CLOSURES FOUND AUTOMATICALLY";
  EXPECT_GE(FindLine(shown.lines, found), 0);
  EXPECT_GE(FindLine(flagged_run.lines, found), 0);
  const std::string exceeding =
      FormatInteger(static_cast<long long>(flagged.size()), 6) + " OF THESE LOOP CLOSURES EXCEED INPUT TOLERANCE";
  EXPECT_GE(FindLine(flagged_run.lines, exceeding), 0);

  // The totals are the sums over the loops listed.
  double total_length = 0;
  double total_closure = 0;
  for (const FoundLoop& loop : loops) {
    const auto [closure, length] = Recompute(survey, loop);
    EXPECT_NEAR(loop.closure, closure, 0.00006);
    total_length += length;
    total_closure += closure;
  }
  const std::vector<std::string> report = all.Lines("LOOP.VEC");
  const int totals = FindLine(report, " **************************************************");
  ASSERT_GT(totals, 0);
  ASSERT_EQ(report.size(), static_cast<size_t>(totals + 4));
  EXPECT_NEAR(std::stod(report[totals + 2].substr(34, 15)), total_length, 0.06);
  EXPECT_NEAR(std::stod(report[totals + 3].substr(22, 9)), total_closure / total_length * 1e6, 0.006);
  EXPECT_NEAR(std::stod(report[totals + 3].substr(42, 12)), total_length / total_closure, 1.0);
}

}  // namespace
}  // namespace korval::circuit::testing
