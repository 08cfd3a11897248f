#include "netadj/project_file.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using testing::RunWithAnswers;
using testing::TempProject;

// A control record written column by column, independently of the reader's
// layout.
std::string ControlLine(const std::string& name, int mark = 0, char flag = ' ', double lat_sigma = 0.01,
                        double lon_sigma = 0.01, double height_sigma = 0.02) {
  char line[128];
  std::snprintf(line, sizeof line, "%c%-8s %2d %2d %8.5f%8.4f %3d %2d %8.5f%8.4f%12.4f%8.4f %1d", flag, name.c_str(),
                40, 0, 0.0, lat_sigma, 77, 30, 0.0, lon_sigma, 100.0, height_sigma, mark);
  return line;
}

std::string VectorLine(const std::string& from, const std::string& to, char flag = ' ', double dx = 10.0,
                       double sigma = 0.01) {
  char line[128];
  std::snprintf(line, sizeof line, "%c%-8s %-8s%13.4f%7.4f%13.4f%7.4f%13.4f%7.4f", flag, from.c_str(), to.c_str(), dx,
                sigma, -20.0, sigma, 30.0, sigma);
  return line;
}

struct Loaded {
  testing::RunResult run;
  Network network;
};

Loaded Load(const std::vector<std::string>& lines, int datum = geodesy::kNad83) {
  TempProject project;
  project.Write("INFO.VEC", lines);
  Loaded loaded;
  loaded.run = RunWithAnswers(
      project,
      [&](Session& session) {
        RecordFile* info_vec = session.Open("INFO.VEC", OpenMode::kExisting);
        ASSERT_NE(info_vec, nullptr);
        ReadProjectFile(session, *info_vec, datum, loaded.network);
      },
      {});
  return loaded;
}

int CountLines(const std::vector<std::string>& lines, const std::string& text) {
  int count = 0;
  for (const std::string& line : lines) count += line == text ? 1 : 0;
  return count;
}

const std::string kIgnored = " LINE IGNORED IN INPUT FILE";

TEST(ProjectFile, ReadsControlThenVectorsIntoStationsInOrderOfAppearance) {
  const Loaded loaded = Load({
      ControlLine("CTRL1"),
      ControlLine("CTRL2", 1),
      VectorLine("NEW1", "NEW2"),
      VectorLine("CTRL2", "NEW1"),
      VectorLine("NEW3", "CTRL1"),
  });
  ASSERT_EQ(loaded.run.exit_status, 0);
  const Network& network = loaded.network;
  std::vector<std::string> names;
  for (const Station& station : network.stations) names.push_back(station.name);
  EXPECT_EQ(names, (std::vector<std::string>{"CTRL1   ", "CTRL2   ", "NEW1    ", "NEW2    ", "NEW3    "}));
  ASSERT_EQ(network.control.size(), 2u);
  EXPECT_EQ(network.control[1].station, 1);
  ASSERT_EQ(network.vectors.size(), 3u);
  EXPECT_EQ(network.vectors[0].from, 2);
  EXPECT_EQ(network.vectors[0].to, 3);
  EXPECT_EQ(network.vectors[1].from, 1);
  EXPECT_EQ(network.vectors[2].from, 4);
  EXPECT_EQ(network.vectors[2].to, 0);
  EXPECT_DOUBLE_EQ(network.vectors[0].dx, 10.0);
  EXPECT_DOUBLE_EQ(network.vectors[0].dy, -20.0);
  EXPECT_DOUBLE_EQ(network.vectors[0].dz, 30.0);
  EXPECT_DOUBLE_EQ(network.vectors[0].wx, 1.0 / (0.01 * 0.01));
}

TEST(ProjectFile, ControlPositionIsWestLongitudeTurnedEastAndWeightsComeFromTheSigmas) {
  for (const int datum : {geodesy::kNad27, geodesy::kNad83}) {
    const Loaded loaded = Load({ControlLine("CTRL1", 1, ' ', 0.02, 0.0, 0.00004)}, datum);
    ASSERT_EQ(loaded.network.control.size(), 1u);
    const ControlPoint& point = loaded.network.control[0];
    // 40 N, 77 30 W, 100 m.
    const geodesy::Cartesian expected =
        geodesy::GeodeticToCartesian(40.0 * geodesy::kPi / 180.0, -77.5 * geodesy::kPi / 180.0, 100.0, datum);
    EXPECT_NEAR(point.cx, expected.x, 1e-6);
    EXPECT_NEAR(point.cy, expected.y, 1e-6);
    EXPECT_NEAR(point.cz, expected.z, 1e-6);
    EXPECT_LT(point.cy, 0.0);  // west of Greenwich
    EXPECT_DOUBLE_EQ(point.wx, 1.0 / (0.02 * 0.02));
    // 0.0000 and 0.00004 are both raised to 0.0001: weight 1e8.
    EXPECT_DOUBLE_EQ(point.wy, 1.0 / (0.0001 * 0.0001));
    EXPECT_DOUBLE_EQ(point.wz, 1.0 / (0.0001 * 0.0001));
  }
}

TEST(ProjectFile, FirstRecordWithTheMarkIsTheOnlyControlPoint) {
  const Loaded loaded = Load({ControlLine("CTRL1", 1), ControlLine("CTRL2", 1)});
  // The second line then belongs to the vector section and is read with the
  // vector layout, never as control.
  EXPECT_EQ(loaded.network.control.size(), 1u);
}

TEST(ProjectFile, BlankLineIsControlPointInControlSectionAndSkippedSilentlyAmongVectors) {
  const Loaded loaded = Load({ControlLine("CTRL1"), "", ControlLine("CTRL2", 1), "", VectorLine("CTRL1", "CTRL2")});
  EXPECT_EQ(CountLines(loaded.run.lines, kIgnored), 0);
  ASSERT_EQ(loaded.network.control.size(), 3u);
  EXPECT_EQ(loaded.network.stations[1].name, "        ");
  const ControlPoint& blank = loaded.network.control[1];
  const geodesy::Cartesian origin = geodesy::GeodeticToCartesian(0.0, 0.0, 0.0, geodesy::kNad83);
  EXPECT_DOUBLE_EQ(blank.cx, origin.x);
  EXPECT_DOUBLE_EQ(blank.cy, 0.0);
  EXPECT_DOUBLE_EQ(blank.cz, 0.0);
  EXPECT_DOUBLE_EQ(blank.wx, 1e8);
  EXPECT_DOUBLE_EQ(blank.wz, 1e8);
  EXPECT_EQ(loaded.network.vectors.size(), 1u);
}

TEST(ProjectFile, FlaggedAndUnreadableRecordsAreReportedOneByOneAndDoNotCount) {
  std::string unreadable_vector = VectorLine("A", "B");
  unreadable_vector.replace(25, 3, "X.Y");  // inside delta X
  const Loaded loaded = Load({
      ControlLine("CTRL0", 0, '*'),
      ControlLine("CTRL1", 1),
      VectorLine("A", "B", '*'),
      unreadable_vector,
      VectorLine("A", "C"),
  });
  EXPECT_EQ(CountLines(loaded.run.lines, kIgnored), 3);
  ASSERT_EQ(loaded.network.control.size(), 1u);
  EXPECT_EQ(loaded.network.stations[0].name, "CTRL1   ");
  ASSERT_EQ(loaded.network.vectors.size(), 1u);
  EXPECT_EQ(loaded.network.stations.size(), 3u);  // CTRL1, A, C
}

TEST(ProjectFile, VectorFromAStationToItselfIsDroppedSilentlyEvenWhenFlagged) {
  const Loaded loaded = Load({ControlLine("CTRL1", 1), VectorLine("A", "A"), VectorLine("A", "A", '*')});
  EXPECT_EQ(CountLines(loaded.run.lines, kIgnored), 0);
  EXPECT_TRUE(loaded.network.vectors.empty());
  EXPECT_EQ(loaded.network.stations.size(), 1u);
}

TEST(ProjectFile, FlaggedLastControlRecordDoesNotEndTheControlSection) {
  const Loaded loaded = Load({
      ControlLine("CTRL1"),
      ControlLine("CTRL2", 1, '*'),
      VectorLine("CTRL1", "AB"),  // letters where the latitude degrees stand
  });
  EXPECT_EQ(CountLines(loaded.run.lines, kIgnored), 2);
  ASSERT_GE(loaded.run.lines.size(), 2u);
  EXPECT_EQ(loaded.run.lines[loaded.run.lines.size() - 2], " UNEXPECTED END TO DATA");
  EXPECT_EQ(loaded.run.lines.back(), "Stop - Program terminated.");
}

TEST(ProjectFile, OnlyFlaggedRecordsEndWithUnexpectedEndToData) {
  const Loaded loaded = Load({ControlLine("CTRL1", 1, '#'), VectorLine("A", "B", '*')});
  EXPECT_EQ(CountLines(loaded.run.lines, kIgnored), 2);
  EXPECT_EQ(CountLines(loaded.run.lines, " UNEXPECTED END TO DATA"), 1);
  EXPECT_EQ(loaded.run.exit_status, 0);
}

TEST(ProjectFile, EndMarkEndsTheVectorSectionUnlessItIsFlagged) {
  const Loaded loaded = Load({
      ControlLine("CTRL1", 1),
      VectorLine("CTRL1", "A"),
      VectorLine("0", "END", '*'),
      VectorLine("A", "B"),
      VectorLine("0", "END"),
      VectorLine("B", "C"),
      "garbage that would be reported if it were read",
  });
  EXPECT_EQ(CountLines(loaded.run.lines, kIgnored), 1);
  EXPECT_EQ(loaded.network.vectors.size(), 2u);
  EXPECT_EQ(loaded.network.stations.size(), 3u);  // CTRL1, A, B; "0" never became a station
}

TEST(ProjectFile, NamesAreComparedOnAllEightCharactersCaseSensitive) {
  const Loaded loaded = Load({
      ControlLine("CTRL1", 1),
      VectorLine("CTRL1", "ctrl1"),
      VectorLine("CTRL1", " CTRL1"),
      VectorLine("CTRL1", "CTRL1   "),  // the same station: dropped
  });
  EXPECT_EQ(loaded.network.stations.size(), 3u);
  EXPECT_EQ(loaded.network.vectors.size(), 2u);
}

TEST(ProjectFile, RepeatedControlNameKeepsBothAndVectorsFindTheFirst) {
  const Loaded loaded = Load({ControlLine("SAME"), ControlLine("SAME", 1), VectorLine("A", "SAME")});
  EXPECT_EQ(loaded.network.stations.size(), 3u);
  ASSERT_EQ(loaded.network.vectors.size(), 1u);
  EXPECT_EQ(loaded.network.vectors[0].to, 0);
}

TEST(ProjectFile, ColumnsAfterSeventyEightAndLineFeedEndingsAreAccepted) {
  TempProject project;
  project.Write("INFO.VEC", {ControlLine("CTRL1", 1) + "   trailing note 123", VectorLine("CTRL1", "A") + "XYZ"},
                /*crlf=*/false);
  Network network;
  const auto run = RunWithAnswers(
      project,
      [&](Session& session) {
        ReadProjectFile(session, *session.Open("INFO.VEC", OpenMode::kExisting), geodesy::kNad83, network);
      },
      {});
  EXPECT_EQ(CountLines(run.lines, kIgnored), 0);
  ASSERT_EQ(network.vectors.size(), 1u);
  EXPECT_DOUBLE_EQ(network.vectors[0].wz, 1e4);
}

TEST(ProjectFile, ImpliedDecimalsOfAFieldWithoutPoint) {
  // Delta X written "     12345678" with no point: 1234.5678 m.
  std::string line = VectorLine("CTRL1", "A");
  line.replace(18, 13, "     12345678");
  const Loaded loaded = Load({ControlLine("CTRL1", 1), line});
  ASSERT_EQ(loaded.network.vectors.size(), 1u);
  EXPECT_DOUBLE_EQ(loaded.network.vectors[0].dx, 1234.5678);
}

// --- limits -----------------------------------------------------------------

// "C12", "S7": a letter and a number.
std::string Named(char letter, int number) {
  std::string name(1, letter);
  name += std::to_string(number);
  return name;
}

std::vector<std::string> ControlSection(int count, bool mark_last) {
  std::vector<std::string> lines;
  for (int k = 1; k <= count; ++k) lines.push_back(ControlLine(Named('C', k), mark_last && k == count ? 1 : 0));
  return lines;
}

TEST(ProjectFileLimits, SevenHundredControlPointsFitAndTheSevenHundredFirstStops) {
  const Loaded fits = Load(ControlSection(700, true));
  EXPECT_EQ(fits.network.control.size(), 700u);
  EXPECT_EQ(CountLines(fits.run.lines, " MAXIMUM NUMBER OF CONTROL POINTS EXCEEDED - STOP"), 0);

  std::vector<std::string> too_many = ControlSection(701, true);
  const Loaded stopped = Load(too_many);
  EXPECT_EQ(stopped.network.control.size(), 700u);
  ASSERT_GE(stopped.run.lines.size(), 2u);
  EXPECT_EQ(stopped.run.lines[stopped.run.lines.size() - 2], " MAXIMUM NUMBER OF CONTROL POINTS EXCEEDED - STOP");
  EXPECT_EQ(stopped.run.lines.back(), "Stop - Program terminated.");
}

TEST(ProjectFileLimits, ThreeThousandStationsFitAndTheNextStops) {
  std::vector<std::string> lines = ControlSection(1, true);
  // C1 and 2,999 new stations in a chain.
  for (int k = 1; k <= 2999; ++k) {
    lines.push_back(VectorLine(k == 1 ? "C1" : Named('S', k - 1), Named('S', k)));
  }
  const Loaded fits = Load(lines);
  EXPECT_EQ(fits.network.stations.size(), 3000u);
  EXPECT_EQ(fits.network.vectors.size(), 2999u);

  lines.push_back(VectorLine("S2999", "S3000"));
  const Loaded stopped = Load(lines);
  EXPECT_EQ(stopped.network.stations.size(), 3000u);
  EXPECT_EQ(stopped.run.lines[stopped.run.lines.size() - 2], " MAXIMUM NUMBER OF STATIONS EXCEEDED - STOP");
}

TEST(ProjectFileLimits, NineThousandEightHundredNinetyNineVectorsFitAndTheNextStops) {
  std::vector<std::string> lines = ControlSection(1, true);
  for (int k = 1; k <= 9899; ++k) lines.push_back(VectorLine("C1", Named('S', k % 50)));
  const Loaded fits = Load(lines);
  EXPECT_EQ(fits.network.vectors.size(), 9899u);
  EXPECT_EQ(fits.run.exit_status, 0);
  EXPECT_EQ(CountLines(fits.run.lines, " TOO MANY OBSERVATIONS - STOP"), 0);

  lines.push_back(VectorLine("C1", "S1"));
  const Loaded stopped = Load(lines);
  EXPECT_EQ(stopped.run.lines[stopped.run.lines.size() - 2], " TOO MANY OBSERVATIONS - STOP");
}

TEST(FindStation, PadsTheNameAndAppendsOnlyNewNames) {
  TempProject project;
  Network network;
  RunWithAnswers(
      project,
      [&](Session& session) {
        EXPECT_EQ(FindStation(session, network, "A"), 0);
        EXPECT_EQ(FindStation(session, network, "B       "), 1);
        EXPECT_EQ(FindStation(session, network, "A       "), 0);
      },
      {});
  ASSERT_EQ(network.stations.size(), 2u);
  EXPECT_EQ(network.stations[0].name, "A       ");
}

}  // namespace
}  // namespace korval::netadj
