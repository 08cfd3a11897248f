// Key searches, packed angles and the reader's base and rover modes.
#include "rawimp/raw_record.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "rawimp/raw_reader.hpp"

namespace korval::rawimp {
namespace {

void ExpectAngle(double packed, int degrees, int minutes, double seconds) {
  const PackedAngle angle = SplitPackedAngle(packed);
  EXPECT_EQ(angle.degrees, degrees) << packed;
  EXPECT_EQ(angle.minutes, minutes) << packed;
  EXPECT_NEAR(angle.seconds, seconds, 1e-9) << packed;
}

TEST(PackedAngle, SplitsIntoDegreesMinutesAndSeconds) {
  ExpectAngle(40.123456789, 40, 12, 34.56789);
  ExpectAngle(105.123456, 105, 12, 34.56);
  // Whole minutes: no slip to 28 minutes 99.999999 seconds.
  ExpectAngle(40.29, 40, 29, 0.0);
  ExpectAngle(40.59, 40, 59, 0.0);
  ExpectAngle(105.0001, 105, 0, 1.0);
  ExpectAngle(39.0, 39, 0, 0.0);
  // Digits beyond 1e-8 arc-second that round to a whole degree carry into it.
  ExpectAngle(40.99999999999999, 41, 0, 0.0);
}

TEST(RawRecord, KindIsTheFirstTwoColumnsInUpperCase) {
  EXPECT_EQ(KindOf("BP,PNA"), RecordKind::kBasePosition);
  EXPECT_EQ(KindOf("EP,LA1"), RecordKind::kRoverPosition);
  EXPECT_EQ(KindOf("GS,PN1"), RecordKind::kPointRecord);
  EXPECT_EQ(KindOf("bp,PNA"), RecordKind::kOther);
  EXPECT_EQ(KindOf(" BP,PNA"), RecordKind::kOther);
  EXPECT_EQ(KindOf(""), RecordKind::kOther);
}

TEST(RawRecord, PointNameRunsToTheFirstBlankOrComma) {
  EXPECT_EQ(FindPointName("GS,PN101,N 100")->name, "101     ");
  EXPECT_EQ(FindPointName("GS,PN101 N 100")->name, "101     ");
  EXPECT_EQ(FindPointName("GS,PN104LONGNAME,N 1")->name, "104LONGN");
  EXPECT_EQ(FindPointName("GS,PN7")->name, "7       ");  // ended by the blanks that fill the line
  EXPECT_FALSE(FindPointName("GS,N 100,E 200"));
  // A name that runs to column 150 has no end.
  EXPECT_FALSE(FindPointName("GS,PN" + std::string(145, 'A')));
  EXPECT_TRUE(FindPointName("GS,PN" + std::string(144, 'A')));
}

TEST(RawRecord, PositionFromCommaSeparatedKeys) {
  const auto base = FindPointName("BP,PNKRV1,LA40.123456789,LN-105.123456,HT1650.1234,AG2.0");
  const auto position = ParsePosition("BP,PNKRV1,LA40.123456789,LN-105.123456,HT1650.1234,AG2.0", base);
  ASSERT_TRUE(position);
  EXPECT_EQ(position->latitude.minutes, 12);
  EXPECT_NEAR(position->latitude.seconds, 34.56789, 1e-9);
  EXPECT_EQ(position->longitude.degrees, 105);
  EXPECT_NEAR(position->longitude.seconds, 34.56, 1e-9);
  EXPECT_DOUBLE_EQ(position->height, 1650.1234);
}

TEST(RawRecord, WestLongitudeWhateverItsSign) {
  const auto west = ParsePosition("EP,LA40.1,LN-105.123456,HT10", std::nullopt);
  const auto plain = ParsePosition("EP,LA40.1,LN105.123456,HT10", std::nullopt);
  ASSERT_TRUE(west && plain);
  const auto a = ToCartesian(*west);
  const auto b = ToCartesian(*plain);
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(a.z, b.z);
  EXPECT_LT(a.y, 0.0);  // west of Greenwich
}

TEST(RawRecord, UnusablePositions) {
  EXPECT_FALSE(ParsePosition("EP,LN105.1,HT10", std::nullopt));            // no latitude
  EXPECT_FALSE(ParsePosition("EP,LA40.1,HT10", std::nullopt));             // no longitude
  EXPECT_FALSE(ParsePosition("EP,LA40.1,LN105.1", std::nullopt));          // no height
  EXPECT_FALSE(ParsePosition("EP,LA0.0,LN105.1,HT10", std::nullopt));      // latitude not above 0
  EXPECT_FALSE(ParsePosition("EP,LA-40.1,LN105.1,HT10", std::nullopt));
  EXPECT_FALSE(ParsePosition("EP,LA40.1,LN0,HT10", std::nullopt));         // longitude 0
  EXPECT_FALSE(ParsePosition("EP,LA40.1,LN105.1,HTX", std::nullopt));      // height unreadable
  EXPECT_FALSE(ParsePosition("EP,LA,LN105.1,HT10", std::nullopt));         // latitude empty
  EXPECT_FALSE(ParsePosition("EP,LA1e300,LN105.1,HT10", std::nullopt));    // no angle
  // The longitude key is looked for after the latitude key only.
  EXPECT_FALSE(ParsePosition("EP,LN105.1,LA40.1,HT10", std::nullopt));
  EXPECT_TRUE(ParsePosition("EP,LA40.1 LN105.1 HT-10", std::nullopt));
}

TEST(RawRecord, NamesHoldingKeyLettersAreReadLikeAnyOther) {
  for (const std::string line : {"BP,PNLAKE,LA40.063,LN105.12,HT1702.0", "BP,PNHTOWN,LA40.063,LN105.12,HT1702.0",
                                 "BP,PNLNX,LA40.063,LN105.12,HT1702.0", "BP,LA40.063,LN105.12,PNHTOWN,HT1702.0"}) {
    const auto name = FindPointName(line);
    ASSERT_TRUE(name) << line;
    const auto position = ParsePosition(line, name);
    ASSERT_TRUE(position) << line;
    EXPECT_EQ(position->latitude.minutes, 6) << line;
    EXPECT_NEAR(position->latitude.seconds, 30.0, 1e-9) << line;
    EXPECT_DOUBLE_EQ(position->height, 1702.0) << line;
  }
}

// Runs a reader from base mode over records and lists what it reported.
std::vector<std::string> Read(const std::vector<std::string>& lines) {
  std::vector<std::string> events;
  RawReader reader([&](const Base& base) { events.push_back("base " + base.name); },
                   [&](const std::optional<Base>& base, const RoverPoint& point) {
                     events.push_back((base ? base->name : std::string("none    ")) + " to " + point.name);
                   });
  reader.ReadFile(lines, ReaderMode::kBase);
  return events;
}

const std::string kBase = "BP,PNBASE,LA40.05,LN105.14,HT1650.0";
const std::string kOther = "BP,PNOTHER,LA40.06,LN105.15,HT1650.0";
const std::string kRover = "EP,LA40.0530,LN105.1330,HT1633.5";

TEST(RawReader, RoverPositionIsNamedByTheNextPointRecord) {
  EXPECT_EQ(Read({kBase, kRover, "--note", "LS,HR2.0", "GS,PN101,N 1"}),
            (std::vector<std::string>{"base BASE    ", "BASE     to 101     "}));
}

TEST(RawReader, NewerRoverPositionReplacesTheOneNotYetNamed) {
  std::vector<geodesy::Cartesian> points;
  RawReader local(nullptr, [&](const std::optional<Base>&, const RoverPoint& p) { points.push_back(p.xyz); });
  local.ReadFile({kRover, "EP,LA40.0545,LN105.1315,HT1640.25", "GS,PN102"}, ReaderMode::kRover);
  ASSERT_EQ(points.size(), 1u);
  const auto second = ParsePosition("EP,LA40.0545,LN105.1315,HT1640.25", std::nullopt);
  EXPECT_EQ(points[0].z, ToCartesian(*second).z);
}

TEST(RawReader, BaseBetweenRoverPositionAndPointRecordIsPassedOver) {
  EXPECT_EQ(Read({kBase, kRover, kOther, "GS,PN103", kRover, "GS,PN104"}),
            (std::vector<std::string>{"base BASE    ", "BASE     to 103     ", "BASE     to 104     "}));
  // After the point, a base position switches back and becomes the base.
  EXPECT_EQ(Read({kBase, kRover, "GS,PN103", kOther, kRover, "GS,PN104"}),
            (std::vector<std::string>{"base BASE    ", "BASE     to 103     ", "base OTHER   ",
                                      "OTHER    to 104     "}));
}

TEST(RawReader, UnusableRecordsArePassedOver) {
  EXPECT_EQ(Read({"BP,PNBASE,LN105.14,HT1650.0", kBase, "EP,LA40.05,HT1", "GS,PN1", kRover, "GS,N 1", "GS,PN2"}),
            (std::vector<std::string>{"base BASE    ", "BASE     to 2       "}));
}

TEST(RawReader, PointsBeforeAnyBaseHaveNone) {
  EXPECT_EQ(Read({kRover, "GS,PN1", kBase, kRover, "GS,PN2"}),
            (std::vector<std::string>{"none     to 1       ", "base BASE    ", "BASE     to 2       "}));
}

TEST(RawReader, BaseStaysInForceForTheNextFileInRoverMode) {
  std::vector<std::string> events;
  RawReader reader([&](const Base& base) { events.push_back("base " + base.name); },
                   [&](const std::optional<Base>& base, const RoverPoint& point) {
                     events.push_back((base ? base->name : std::string("none    ")) + " to " + point.name);
                   });
  reader.ReadFile({kBase}, ReaderMode::kBase);
  reader.ReadFile({"GS,PN0", kRover, "GS,PN1"}, ReaderMode::kRover);
  EXPECT_EQ(events, (std::vector<std::string>{"base BASE    ", "BASE     to 1       "}));
  // A file that ends while a position waits for its name gives no point.
  reader.ReadFile({kRover, "--end"}, ReaderMode::kRover);
  EXPECT_EQ(events.size(), 2u);
}

}  // namespace
}  // namespace korval::rawimp
