// BASEIMP run end to end in a temporary project with scripted answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "baseimp/baseline_report.hpp"
#include "baseimp/run.hpp"
#include "common/record_file.hpp"
#include "tests/support/project.hpp"

namespace korval::baseimp {
namespace {

using testing::RunWithAnswers;
using testing::TempProject;
using testing::TestSource;

const std::string kControl = " KRV1     40  5 12.34567  0.0001 105 14  3.21098  0.0001   1650.1234  0.0001 1";
const std::string kEndMark = " 0        END            0.0000 0.0000       0.0000 0.0000       0.0000 0.0000";
const std::string kGeo1First = " KRV1     101          854.7990 0.0032     143.9790 0.0041     405.9840 0.0036";
const std::string kGeo1Second = " 101      102          410.6090 0.0028     194.3340 0.0039     361.2750 0.0031";
const std::string kGeo2 = " MESA-RID T7         -1234.5680 0.0001    2345.678099.9999   -3456.7810 0.0032";

void CopyReports(const TempProject& project) {
  project.CopyIn(TestSource("baseimp/fixtures/GEO1.TXT"), "GEO1.TXT");
  project.CopyIn(TestSource("baseimp/fixtures/GEO2.TXT"), "GEO2.TXT");
}

size_t Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

TEST(Baseimp, TwoBaselinesOfAReportGoInFrontOfTheEndMarkInFileOrder) {
  TempProject project;
  CopyReports(project);
  project.Write("INFO.VEC", {kControl, kEndMark});
  const auto result = RunWithAnswers(project, baseimp::Run, {"INFO.VEC", "1", "GEO1.TXT", ""});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(result.console));
  EXPECT_EQ(project.Lines("INFO.VEC"), (std::vector<std::string>{kControl, kGeo1First, kGeo1Second, kEndMark}));
  const std::vector<std::string> console = {
      " INPUT THE FILE NAME WHERE VECTORS WILL GO",
      " ARE GEODIMETER FILE NAMES READ FROM ",
      " (1) KEYBOARD OR",
      " (2) FILE ",
      " PICK A #",
      " INPUT NEXT GEODIMETER OUTPUT FILE NAME",
      " PRESS ENTER IF FINISHED",
      " GEO1.TXT",
      kGeo1First,
      kGeo1Second,
      " INPUT NEXT GEODIMETER OUTPUT FILE NAME",
      " PRESS ENTER IF FINISHED",
      "Stop - Program terminated.",
  };
  EXPECT_EQ(result.lines, console);
  EXPECT_EQ(project.Lines("REPORT"), std::vector<std::string>{" GEO1.TXT"});
  EXPECT_TRUE(project.Exists("TEMP.PPP"));
}

TEST(Baseimp, StandardErrorsInMillimetresBecomeMetresWithinBounds) {
  EXPECT_EQ(SigmaInMetres(0.0), 0.0001);
  EXPECT_EQ(SigmaInMetres(150000.0), 99.9999);
  EXPECT_DOUBLE_EQ(SigmaInMetres(3.2), 0.0032);
  EXPECT_EQ(SigmaInMetres(-4.0), 0.0001);
}

TEST(Baseimp, OddReportLinesAreHandledAsTheKeysSay) {
  // The second report: a long from-name, an unreadable difference line and
  // standard errors of 0.0, 150,000 and 3.2 mm, then a baseline that the end
  // of the report cuts off.
  TempProject project;
  CopyReports(project);
  RunWithAnswers(project, baseimp::Run, {"VECTORS.NEW", "1", "GEO2.TXT", ""});
  EXPECT_EQ(project.Lines("VECTORS.NEW"), std::vector<std::string>{kGeo2});
}

TEST(Baseimp, ReportThatCannotBeReadIsLoggedAndTheImportGoesOn) {
  TempProject project;
  CopyReports(project);
  const auto result = RunWithAnswers(project, baseimp::Run, {"OUT.VEC", "1", "NOSUCH.TXT", "GEO1.TXT", "  "});
  const std::vector<std::string> failure = {" NOSUCH.TXT", " COULD NOT READ THAT FILE", "",
                                            " OOPS - COULD NOT PERFORM REQUIRED TASK", "", " GEO1.TXT"};
  EXPECT_EQ(project.Lines("REPORT"), failure);
  EXPECT_NE(std::search(result.lines.begin(), result.lines.end(), failure.begin(), failure.end() - 1),
            result.lines.end());
  EXPECT_EQ(project.Lines("OUT.VEC"), (std::vector<std::string>{kGeo1First, kGeo1Second}));
}

TEST(Baseimp, NamesFromANameListUntilItsEnd) {
  TempProject project;
  CopyReports(project);
  project.Write("NAMES.LST", {"GEO1.TXT", "MISSING.TXT", "GEO2.TXT"});
  project.Write("INFO.VEC", {kControl, kGeo1First});
  const auto result = RunWithAnswers(project, baseimp::Run, {"INFO.VEC", "2", "NOLIST", "NAMES.LST"});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(Count(result.lines, " WHAT IS THE FILE NAME CONTAINING THE GEODIMETER FILE NAMES?"), 2u);
  EXPECT_EQ(Count(result.lines, " INPUT NEXT GEODIMETER OUTPUT FILE NAME"), 4u);
  EXPECT_EQ(Count(result.lines, " COULD NOT READ THAT FILE"), 1u);
  const auto info = project.Lines("INFO.VEC");
  ASSERT_EQ(info.size(), 5u);  // a vector already there is appended again
  EXPECT_EQ(info[2], kGeo1First);
  EXPECT_EQ(info[4], kGeo2);
  EXPECT_EQ(result.lines.back(), "Stop - Program terminated.");
}

TEST(Baseimp, MenuAndOutputQuestionsAreAskedAgain) {
  TempProject project;
  std::filesystem::create_directory(project.Path("ADIR"));
  const auto result = RunWithAnswers(project, baseimp::Run, {"ADIR", "", "NEW.VEC", "3", "x", "1.5", "1", ""});
  EXPECT_EQ(Count(result.lines, " INPUT THE FILE NAME WHERE VECTORS WILL GO"), 3u);
  EXPECT_EQ(Count(result.lines, " PICK A #"), 4u);
  // Enter at the first name ends at once; the new output file is empty.
  EXPECT_TRUE(project.Exists("NEW.VEC"));
  EXPECT_EQ(project.ReadRaw("NEW.VEC"), "");
  EXPECT_EQ(result.exit_status, 0);
}

TEST(Baseimp, InterruptedRewriteLeavesTheOldOutputFile) {
  TempProject project;
  CopyReports(project);
  project.Write("INFO.VEC", {kControl, kEndMark});
  const std::string before = project.ReadRaw("INFO.VEC");
  RecordFile::SetSaveFailureForTesting(true);
  const auto result = RunWithAnswers(project, baseimp::Run, {"INFO.VEC", "1", "GEO1.TXT", ""});
  RecordFile::SetSaveFailureForTesting(false);
  EXPECT_EQ(project.ReadRaw("INFO.VEC"), before);
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(Count(result.lines, " COULD NOT WRITE INFO.VEC - FILE LEFT AS IT WAS"), 1u);
}

}  // namespace
}  // namespace korval::baseimp
