// RAWIMP run end to end in a temporary project with scripted answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "common/project_records.hpp"
#include "common/record_file.hpp"
#include "common/vector_error_model.hpp"
#include "rawimp/run.hpp"
#include "tests/support/project.hpp"

namespace korval::rawimp {
namespace {

using testing::RunWithAnswers;
using testing::TempProject;
using testing::TestSource;

const std::string kControl = " KRV1     40  5 12.34567  0.0001 105 14  3.21098  0.0001   1650.1234  0.0001 1";
const std::string kOldVector = " KRV1     TLMN      -17460.9560 0.0050  -20126.0130 0.0050  -17647.8080 0.0050";
const std::string kEndMark = " 0        END            0.0000 0.0000       0.0000 0.0000       0.0000 0.0000";

// The vectors of the two raw files with c = 0.01 m and p = 1 ppm, computed
// independently from the packed positions written into them.
const std::vector<std::string> kJobVectors = {
    " KRV1     101          854.7990 0.0063     143.9790 0.0063     405.9835 0.0063",
    " KRV1     102         1265.4077 0.0066     338.3132 0.0066     767.2589 0.0066",
    " KRV1     103         1915.2524 0.0071     476.8023 0.0071    1151.4409 0.0071",
    " KRV1     104LONGN      14.2544 0.0060    -237.3330 0.0060    -313.2488 0.0060",
    " KRV1     201         3973.8187 0.0084     779.9120 0.0084    2225.2163 0.0084",
    " LAKE     202         -185.8111 0.0063     671.2143 0.0063     705.5909 0.0063",
};

void CopyJobs(const TempProject& project) {
  project.CopyIn(TestSource("rawimp/fixtures/JOB1.RW5"), "JOB1.RW5");
  project.CopyIn(TestSource("rawimp/fixtures/JOB2.RW5"), "JOB2.RW5");
}

size_t Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

TEST(Rawimp, TwoRawFilesAddTheirVectorsInFrontOfTheEndMark) {
  TempProject project;
  CopyJobs(project);
  project.Write("INFO.VEC", {kControl, "", kOldVector, "   ", kEndMark});
  const auto result = RunWithAnswers(project, rawimp::Run, {"0.01 1", "JOB1", "JOB2", ""});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(result.console));

  std::vector<std::string> expected = {kControl, kOldVector};
  expected.insert(expected.end(), kJobVectors.begin(), kJobVectors.end());
  expected.push_back(kEndMark);
  EXPECT_EQ(project.Lines("INFO.VEC"), expected);

  const std::vector<std::string> console = {
      " INPUT CONSTANT AND PPM ERROR ESTIMATES (2 VALUES)",
      " INPUT .RW5 FILE NAME (NO EXTENSION)",
      " PREPARING INFO.VEC FOR ADDITIONS - BE PATIENT",
      " BASE STATION IS ",
      " KRV1     40  5  12.34567 105 14   3.21098  1650.1234",
      kJobVectors[0],
      kJobVectors[1],
      kJobVectors[2],
      kJobVectors[3],
      " INPUT A NEW .RW5 FILE NAME (NO EXTENSION)",
      " PRESS ENTER IF FINISHED",
      kJobVectors[4],
      " BASE STATION IS ",
      " LAKE     40  6  30.00000 105 12   0.00000  1702.0000",
      kJobVectors[5],
      " INPUT A NEW .RW5 FILE NAME (NO EXTENSION)",
      " PRESS ENTER IF FINISHED",
      "Stop - Program terminated.",
  };
  EXPECT_EQ(result.lines, console);
}

TEST(Rawimp, MissingProjectFileHoldsOnlyTheVectors) {
  TempProject project;
  CopyJobs(project);
  RunWithAnswers(project, rawimp::Run, {"0.01,1", "JOB1    and more", ""});
  EXPECT_EQ(project.Lines("INFO.VEC"), std::vector<std::string>(kJobVectors.begin(), kJobVectors.begin() + 4));
}

TEST(Rawimp, TidyingRemovesOnlyBlankLines) {
  TempProject project;
  CopyJobs(project);
  const std::string leading_blank = "  KRV2    40  5 12.34567  0.0001 105 14  3.21098  0.0001   1650.1234  0.0001 0";
  const std::string long_vector = kOldVector + "  re-observed 2011-04-07";
  project.Write("INFO.VEC", {leading_blank, kControl, "", "\t", long_vector, "          "});
  RunWithAnswers(project, rawimp::Run, {"0.01 1", "JOB1", ""});
  const auto info = project.Lines("INFO.VEC");
  ASSERT_EQ(info.size(), 7u);
  EXPECT_EQ(info[0], leading_blank);
  EXPECT_EQ(info[1], kControl);
  EXPECT_EQ(info[2], long_vector);
  EXPECT_EQ(info[3], kJobVectors[0]);
}

TEST(Rawimp, ErrorModelNeedsAConstantAboveZero) {
  TempProject project;
  CopyJobs(project);
  const auto result = RunWithAnswers(project, rawimp::Run, {"0 0.5", "-0.01 1", "a b", "0.01", "0", "JOB1", ""});
  EXPECT_EQ(Count(result.lines, " INPUT CONSTANT AND PPM ERROR ESTIMATES (2 VALUES)"), 4u);
  const auto info = project.Lines("INFO.VEC");
  ASSERT_EQ(info.size(), 4u);
  EXPECT_EQ(info[0].substr(31, 7), FormatDecimal(0.01 / std::sqrt(3.0), 7, 4));
}

TEST(Rawimp, SigmaOfAFiveKilometreVector) {
  const VectorErrorModel model{0.01, 1.0};
  EXPECT_EQ(FormatDecimal(model.ComponentSigma(5000.0), 7, 4), " 0.0087");
  EXPECT_EQ(FormatDecimal(VectorErrorModel{0.005, 0.5}.ComponentSigma(10000.0), 7, 4), " 0.0058");
}

TEST(Rawimp, FileNamesThatCannotBeOpenedAreAskedAgain) {
  TempProject project;
  CopyJobs(project);
  project.Write("INFO.VEC", {kControl});
  const auto result = RunWithAnswers(project, rawimp::Run, {"0.01 1", "", "NOSUCH", "JOB1", "JOB3", "JOB2", " JOB2"});
  EXPECT_EQ(Count(result.lines, " .RW5 NOT FOUND - TRY AGAIN"), 3u);
  EXPECT_EQ(Count(result.lines, " PREPARING INFO.VEC FOR ADDITIONS - BE PATIENT"), 1u);
  // An answer that begins with a blank ends the run.
  EXPECT_EQ(project.Lines("INFO.VEC").size(), 1u + kJobVectors.size());
  EXPECT_EQ(result.lines.back(), "Stop - Program terminated.");
}

TEST(Rawimp, EndOfInputAtTheNextFileQuestionKeepsTheVectors) {
  TempProject project;
  CopyJobs(project);
  const auto result = RunWithAnswers(project, rawimp::Run, {"0.01 1", "JOB1"});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(project.Lines("INFO.VEC").size(), 4u);
}

TEST(Rawimp, EndOfInputBeforeTheFirstFileLeavesNoProjectFile) {
  TempProject project;
  const auto result = RunWithAnswers(project, rawimp::Run, {"0.01 1", "NOSUCH"});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_FALSE(project.Exists("INFO.VEC"));
}

TEST(Rawimp, RoverPointBeforeAnyBaseIsSkippedWithAMessage) {
  TempProject project;
  project.Write("EARLY.RW5", {"JB,NMEARLY", "EP,LA40.0530,LN105.1330,HT1633.5", "GS,PN99,N 1",
                              "BP,PNBASE,LA40.05,LN105.13,HT1650.0", "EP,LA40.0530,LN105.1330,HT1633.5",
                              "GS,PN100,N 1"});
  const auto result = RunWithAnswers(project, rawimp::Run, {"0.01 1", "EARLY", ""});
  EXPECT_EQ(Count(result.lines, " NO BASE STATION YET - POINT 99       SKIPPED"), 1u);
  const auto info = project.Lines("INFO.VEC");
  ASSERT_EQ(info.size(), 1u);
  EXPECT_EQ(info[0].substr(0, 18), " BASE     100     ");
}

TEST(Rawimp, InterruptedRewriteLeavesTheOldInfoVec) {
  TempProject project;
  CopyJobs(project);
  project.Write("INFO.VEC", {kControl, "", kOldVector, kEndMark});
  const std::string before = project.ReadRaw("INFO.VEC");
  RecordFile::SetSaveFailureForTesting(true);
  const auto result = RunWithAnswers(project, rawimp::Run, {"0.01 1", "JOB1", ""});
  RecordFile::SetSaveFailureForTesting(false);
  EXPECT_EQ(project.ReadRaw("INFO.VEC"), before);
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(Count(result.lines, " COULD NOT WRITE INFO.VEC - FILE LEFT AS IT WAS"), 1u);
  for (const auto& entry : std::filesystem::directory_iterator(project.dir())) {
    EXPECT_EQ(entry.path().filename().string().find("tmp"), std::string::npos) << entry.path();
  }
}

}  // namespace
}  // namespace korval::rawimp
