#include "netadj/parameters.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using testing::RunWithAnswers;
using testing::TempProject;

struct Settled {
  testing::RunResult run;
  Parameters parameters;
};

// Runs the dialogue as the adjustment run does: TEMP.PPP opened first.
Settled Settle(const TempProject& project, const std::vector<std::string>& answers) {
  Settled settled;
  settled.run = RunWithAnswers(
      project,
      [&](Session& session) {
        RecordFile* temp = session.Open("TEMP.PPP", OpenMode::kUnknown);
        ASSERT_NE(temp, nullptr);
        settled.parameters = SettleParameters(session, *temp);
      },
      answers);
  return settled;
}

int Count(const std::vector<std::string>& lines, std::string_view text) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), std::string(text)));
}

// The menu block that follows the last "KORVAL PARAMETERS" line.
std::vector<std::string> LastMenu(const std::vector<std::string>& lines) {
  auto at = std::find(lines.rbegin(), lines.rend(), " KORVAL PARAMETERS");
  if (at == lines.rend()) return {};
  auto start = at.base() - 1;
  return std::vector<std::string>(start, std::min(start + 10, lines.end()));
}

TEST(ParameterDialogue, FirstRunShowsAndStoresTheDefaults) {
  TempProject project;
  const Settled s = Settle(project, {""});
  EXPECT_EQ(s.run.exit_status, 0);
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(s.run.console));
  const std::vector<std::string> expected = {
      " KORVAL PARAMETERS",
      " (1) DATUM IS NAD 83",
      " (2) MINIMALLY CONSTRAINED (USE 1 CONTROL PT.) SOLUTION",
      " (3) ROBUST PROMPT WILL NOT APPEAR",
      " (4) NO STATE PLANE CONVERSION",
      " (5) N.A.",
      " (6) N.A.",
      " (7) NO ELEVATION DETERMINATION",
      " (8) N.A.",
      " ENTER 1-8 OR PRESS ENTER TO ACCEPT PARAMETERS",
  };
  EXPECT_EQ(LastMenu(s.run.lines), expected);

  const auto stored = project.Lines("KORVAL.INF");
  ASSERT_EQ(stored.size(), 1u);
  const std::string& line = stored[0];
  EXPECT_EQ(line, "   2   1   1   1   0   1   1         0.0001");
  const char* integers[] = {"  2", "  1", "  1", "  1", "  0", "  1", "  1"};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(Columns(line, 2 + 4 * k, 3), integers[k]) << k;
  EXPECT_EQ(Columns(line, 29, 15), "         0.0001");
  EXPECT_EQ(project.ReadRaw("KORVAL.INF").substr(line.size()), "\r\n");
}

TEST(ParameterDialogue, LoadingKeepsWhatWasReadAndNormalises) {
  struct Case {
    std::string stored;
    Parameters expected;
  };
  const Case cases[] = {
      // Reading ends at the letter: the rest keep their defaults.
      {"1, 2, 2 X 4 5", {1, 2, 2, 1, 0, 1, 1, 0.0001}},
      // Out of range: datum to 2, the toggles and units/elevation to 1, zone to 1.
      {"  7  9  0  2 -3  8  5        1.5000", {2, 1, 1, 2, 1, 1, 1, 1.5}},
      // A zone above 121 stays as read; state plane off drops the zone.
      {"  2  1  1  2 150  4  3  -28.5", {2, 1, 1, 2, 150, 4, 3, -28.5}},
      {"  2  1  1  1 77  2  1", {2, 1, 1, 1, 0, 2, 1, 0.0001}},
      {"", {}},
  };
  for (const Case& c : cases) {
    TempProject project;
    project.Write("KORVAL.INF", {c.stored});
    const Parameters p = Settle(project, {"X"}).parameters;
    const Parameters& e = c.expected;
    EXPECT_EQ(p.datum, e.datum) << c.stored;
    EXPECT_EQ(p.constraint, e.constraint) << c.stored;
    EXPECT_EQ(p.robust, e.robust) << c.stored;
    EXPECT_EQ(p.state_plane, e.state_plane) << c.stored;
    EXPECT_EQ(p.zone, e.zone) << c.stored;
    EXPECT_EQ(p.units, e.units) << c.stored;
    EXPECT_EQ(p.elevation, e.elevation) << c.stored;
    EXPECT_DOUBLE_EQ(p.separation, e.separation) << c.stored;
  }
}

TEST(ParameterDialogue, MenuLinesFollowTheValues) {
  TempProject project;
  project.Write("KORVAL.INF", {"  1  2  2  2 12  3  3     -28.5000"});
  const Settled s = Settle(project, {""});
  const std::vector<std::string> expected = {
      " KORVAL PARAMETERS",
      " (1) DATUM IS NAD 27",
      " (2) CONSTRAINED (USE ALL CONTROL) SOLUTION",
      " (3) ROBUST PROMPT WILL APPEAR",
      " (4) STATE PLANE CONVERSION WILL BE MADE",
      " (5) STATE PLANE ZONE PICK #  12",
      " (6) N.A. (ONLY SURVEY FEET IN NAD 27)",
      " (7) USE ONE GEOID SEPARATION FOR ALL ELEVATIONS",
      " (8) UNIQUE GEOID SEPARATION IS     -28.5000",
      " ENTER 1-8 OR PRESS ENTER TO ACCEPT PARAMETERS",
  };
  EXPECT_EQ(LastMenu(s.run.lines), expected);

  // Toggling 1 shows the NAD 83 unit line.
  const Settled nad83 = Settle(project, {"1", ""});
  EXPECT_EQ(LastMenu(nad83.run.lines)[6], " (6) STATE PLANE OUTPUT IN METERS AND INT. FEET");
}

TEST(ParameterDialogue, AnswerFourTwiceTurnsStatePlaneOnWithAZoneAndOffAgain) {
  TempProject project;
  const Settled on = Settle(project, {"4", "12", ""});
  EXPECT_EQ(on.parameters.state_plane, 2);
  EXPECT_EQ(on.parameters.zone, 12);
  EXPECT_EQ(Count(on.run.lines, " INPUT ZONE # OR PRESS ENTER IF YOU WANT LAMBERT ZONES"), 1);
  EXPECT_EQ(Count(on.run.lines, " (5) STATE PLANE ZONE PICK #  12"), 1);

  TempProject again;
  const Settled off = Settle(again, {"4", "12", "4", ""});
  EXPECT_EQ(off.parameters.state_plane, 1);
  EXPECT_EQ(off.parameters.zone, 0);
  EXPECT_EQ(Columns(again.Lines("KORVAL.INF")[0], 14, 7), "  1   0");
}

TEST(ParameterDialogue, ZonePagesOfTheTable) {
  struct Case {
    std::vector<std::string> answers;  // after "4"
    int zone;
    int first_pages;   // times the first page was shown
    int second_pages;  // times the second page was shown
    int first_prompts;
  };
  const Case cases[] = {
      {{"12"}, 12, 1, 0, 1},
      {{"75", "75"}, 75, 1, 1, 1},
      {{"", "50"}, 50, 1, 1, 1},
      {{"12", ""}, 12, 1, 0, 1},
      {{"75", "0", "3"}, 3, 2, 1, 2},
      {{"75", "130", "", "121"}, 121, 2, 2, 2},
      {{"A", "49"}, 49, 1, 0, 2},
      {{"-5", "A", "1.5", "60"}, 60, 1, 1, 1},
      {{"1234", "5"}, 5, 1, 1, 1},  // first three characters: 123
  };
  for (const Case& c : cases) {
    TempProject project;
    std::vector<std::string> answers = {"4"};
    answers.insert(answers.end(), c.answers.begin(), c.answers.end());
    answers.push_back("");
    const Settled s = Settle(project, answers);
    const std::string label = c.answers.front();
    EXPECT_EQ(s.parameters.zone, c.zone) << label;
    EXPECT_EQ(s.parameters.state_plane, 2) << label;
    EXPECT_EQ(Count(s.run.lines, " STATE PLANE ZONES - TRANSVERSE MERCATOR (PICK # 1-49)"), c.first_pages) << label;
    EXPECT_EQ(Count(s.run.lines, " STATE PLANE ZONES - LAMBERT CONFORMAL CONIC (PICK # 50-121)"), c.second_pages)
        << label;
    EXPECT_EQ(Count(s.run.lines, " INPUT ZONE # OR PRESS ENTER IF YOU WANT LAMBERT ZONES"), c.first_prompts) << label;
  }
}

TEST(ParameterDialogue, AZoneChosenWhileStatePlaneIsOffIsDropped) {
  TempProject project;
  const Settled s = Settle(project, {"5", "12", ""});
  EXPECT_EQ(s.parameters.state_plane, 1);
  EXPECT_EQ(s.parameters.zone, 0);
  EXPECT_EQ(LastMenu(s.run.lines)[5], " (5) N.A.");
}

TEST(ParameterDialogue, ZoneAnswerGoesThroughTheWorkFile) {
  TempProject project;
  Settle(project, {"4", "75", " 75", ""});
  EXPECT_EQ(project.Lines("TEMP.PPP"), std::vector<std::string>{" 75"});
  TempProject again;
  Settle(again, {"4", "", "12", ""});
  EXPECT_EQ(again.Lines("TEMP.PPP"), std::vector<std::string>{"12"});
}

TEST(ParameterDialogue, TheFirstPageIsTwentyLinesOfTheTableAsTheyStand) {
  TempProject project;
  std::vector<std::string> table;
  for (int k = 1; k <= 47; ++k) table.push_back(" LINE " + std::to_string(k) + "   ");
  table[2] = " " + std::string(90, 'Z');
  project.Write("TABLE.DAT", table);
  const Settled s = Settle(project, {"5", "7", ""});
  const auto start = std::find(s.run.lines.begin(), s.run.lines.end(), " LINE 1");
  ASSERT_NE(start, s.run.lines.end());
  EXPECT_EQ(*(start + 2), " " + std::string(79, 'Z'));
  EXPECT_EQ(*(start + 19), " LINE 20");
  EXPECT_EQ(*(start + 20), "");
  EXPECT_EQ(*(start + 21), " INPUT ZONE # OR PRESS ENTER IF YOU WANT LAMBERT ZONES");
  EXPECT_EQ(Count(s.run.lines, " LINE 21"), 0);
}

TEST(ParameterDialogue, TableTooShortForAPageStops) {
  TempProject project;
  project.Write("TABLE.DAT", std::vector<std::string>(25, " ZONE"));
  // The first page is there; the second is cut short.
  const Settled s = Settle(project, {"4", "", ""});
  EXPECT_EQ(s.run.lines.back(), "TABLE.DAT IS TOO SHORT - PREMATURE STOP");
  EXPECT_FALSE(project.Exists("KORVAL.INF") && !project.Lines("KORVAL.INF").empty());
}

TEST(ParameterDialogue, UnitsAndElevationsWithNad27OnlyWriteNotes) {
  TempProject project;
  project.Write("KORVAL.INF", {"  1  1  1  1  0  2  2"});
  const Settled s = Settle(project, {"6", "7", ""});
  const std::vector<std::string>& lines = s.run.lines;
  auto note = std::find(lines.begin(), lines.end(), " N.A. - NAD27 OUTPUT ONLY IN SURVEY FEET");
  ASSERT_NE(note, lines.end());
  EXPECT_EQ(*(note - 1), "");
  EXPECT_EQ(*(note + 1), "");
  EXPECT_EQ(*(note + 2), " NEED TO DEFINE STATE PLANE AS OUTPUT BEFORE UNITS DEFINED");
  EXPECT_EQ(*(note + 3), " NEED TO DEFINE A STATE PLANE ZONE BEFORE UNITS DEFINED");
  EXPECT_EQ(Count(lines, " IN NAD 27 STATE PLANE COOR. ONLY OUTPUT IN SURVEY FT."), 1);
  EXPECT_EQ(Count(lines, " PICK A # (1-4) <1>") + Count(lines, " PICK A # (1-3) <1>"), 0);
  EXPECT_EQ(s.parameters.units, 2);
  EXPECT_EQ(s.parameters.elevation, 2);
}

TEST(ParameterDialogue, UnitsAndElevationMenus) {
  TempProject project;
  project.Write("KORVAL.INF", {"  2  1  1  2 60  1  1"});
  EXPECT_EQ(Settle(project, {"6", "4", ""}).parameters.units, 4);
  EXPECT_EQ(Settle(project, {"6", "9", ""}).parameters.units, 1);
  EXPECT_EQ(Settle(project, {"6", "3x", ""}).parameters.units, 3);
  EXPECT_EQ(Settle(project, {"7", "3", ""}).parameters.elevation, 3);
  EXPECT_EQ(Settle(project, {"7", "", ""}).parameters.elevation, 1);
}

TEST(ParameterDialogue, SeparationEntry) {
  TempProject project;
  EXPECT_DOUBLE_EQ(Settle(project, {"8", "0", ""}).parameters.separation, 0.0001);
  EXPECT_DOUBLE_EQ(Settle(project, {"8", "-0.00004", ""}).parameters.separation, 0.0001);
  const Settled s = Settle(project, {"8", "abc", "-28.5", ""});
  EXPECT_DOUBLE_EQ(s.parameters.separation, -28.5);
  EXPECT_EQ(Count(s.run.lines, " INPUT AVERAGE PROJECT GEOID SEPARATION (USUALLY NEGATIVE)"), 2);
  // Shown only once the elevations use one separation.
  EXPECT_EQ(LastMenu(s.run.lines)[8], " (8) N.A.");
  EXPECT_EQ(Columns(project.Lines("KORVAL.INF")[0], 29, 15), "       -28.5000");
  const Settled shown = Settle(project, {"7", "3", ""});
  EXPECT_EQ(LastMenu(shown.run.lines)[8], " (8) UNIQUE GEOID SEPARATION IS     -28.5000");
}

TEST(ParameterDialogue, AnyOtherAnswerAcceptsAndTogglesSwitch) {
  TempProject project;
  const Settled s = Settle(project, {"1", "2", "3", "X"});
  EXPECT_EQ(s.parameters.datum, 1);
  EXPECT_EQ(s.parameters.constraint, 2);
  EXPECT_EQ(s.parameters.robust, 2);
  EXPECT_EQ(Count(s.run.lines, " KORVAL PARAMETERS"), 4);
  EXPECT_EQ(project.Lines("KORVAL.INF")[0], "   1   2   2   1   0   1   1         0.0001");
}

TEST(ParameterDialogue, EndOfInputBeforeAcceptingLeavesTheFileAsItWas) {
  TempProject project;
  project.Write("KORVAL.INF", {"  1  2  2  1  0  1  1  5.0"});
  const Settled s = Settle(project, {"1", "2"});
  EXPECT_EQ(s.run.exit_status, 1);
  EXPECT_EQ(project.Lines("KORVAL.INF"), std::vector<std::string>{"  1  2  2  1  0  1  1  5.0"});
}

}  // namespace
}  // namespace korval::netadj
