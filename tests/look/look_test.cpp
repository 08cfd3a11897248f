// LOOK from the project files to the plot job.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "look/run.hpp"
#include "tests/support/project.hpp"

namespace korval::look {
namespace {

using testing::AllLinesEndWithCrLf;
using testing::RunResult;
using testing::RunWithAnswers;
using testing::TempProject;

constexpr const char* kClosingLine = " TYPE VIEW AND PRESS ENTER - SELECT PROJECT VECTOR";
constexpr const char* kNotFound = " ERROR - VECTOR.COR OR INFO.VEC NOT FOUND";

std::string Name(std::string_view name) {
  std::string padded(name);
  padded.resize(8, ' ');
  return padded;
}

// A control record of the project file (position and standard deviations in
// columns 10-77 are of no interest to the view job).
std::string Control(std::string_view name, char mark = '0', char flag = ' ') {
  return std::string(1, flag) + Name(name) + " 39 12 34.56789  0.0010  77 30 12.34567  0.0010    123.4560  0.0020 " +
         mark;
}

std::string Vector(std::string_view from, std::string_view to, char flag = ' ') {
  return std::string(1, flag) + Name(from) + " " + Name(to) + "   -1234.5678 0.0010     567.1234 0.0010" +
         "      -8.9012 0.0020";
}

// A line of the state plane listing.
std::string Grid(std::string_view name, double x, double y) {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%23.4f%14.4f", x, y);
  std::string line = " ";
  line += Name(name);
  line += numbers;
  line += "  0.99991234   +  0-12-34.5";
  return line;
}

std::string Blanks(int count) { return std::string(count, ' '); }

RunResult RunLook(const TempProject& project) { return RunWithAnswers(project, Run, {}); }

// Expects the closing records: their characters at the columns the viewer
// looks for, blanks elsewhere.
void ExpectClosingRecords(const std::string& first, const std::string& second) {
  EXPECT_EQ(first, " 0" + Blanks(18) + "0" + Blanks(18) + "0" + Blanks(20) + "0  0  0.00 1");
  EXPECT_EQ(first.size(), 72u);
  EXPECT_EQ(second, " 0" + Blanks(25) + "0" + Blanks(27) + "0  0    .00   1");
  EXPECT_EQ(second.size(), 70u);
}

TEST(LookJob, WritesControlStationsVectorsAndClosingRecords) {
  TempProject project;
  project.Write("INFO.VEC", {Control("NORTH"), Control("SOUTH", '1'), Vector("NORTH", "P1"), Vector("P1", "SOUTH")});
  project.Write("VECTOR.COR", {Grid("NORTH", 612345.67891, 234567.1234), Grid("P1", 612000.0, 234000.0),
                               Grid("SOUTH", 611000.0, 230000.0004)});

  const RunResult run = RunLook(project);

  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.lines, std::vector<std::string>{kClosingLine});
  const std::vector<std::string> job = project.Lines("VECTOR.LSA");
  ASSERT_EQ(job.size(), 6u);
  EXPECT_EQ(job[0], " NORTH   " + Blanks(15) + "612345.679" + Blanks(7) + "234567.123" + Blanks(4) + "0");
  EXPECT_EQ(job[1], " SOUTH   " + Blanks(15) + "611000.000" + Blanks(7) + "230000.000" + Blanks(4) + "1");
  EXPECT_EQ(job[2], " NORTH   " + Blanks(18) + "P1      " + Blanks(25) + " 1.000" + Blanks(4) + "0");
  EXPECT_EQ(job[3], " P1      " + Blanks(18) + "SOUTH   " + Blanks(25) + " 1.000" + Blanks(4) + "0");
  ExpectClosingRecords(job[4], job[5]);
  EXPECT_TRUE(AllLinesEndWithCrLf(project.ReadRaw("VECTOR.LSA")));
  EXPECT_EQ(project.ReadRaw("TEMP.JOB"), "VECTOR  \r\n");
}

TEST(LookJob, ReplacesEarlierJobFiles) {
  TempProject project;
  project.Write("INFO.VEC", {Control("A", '1'), Vector("A", "B")}, /*crlf=*/false);
  project.Write("VECTOR.COR", {Grid("A", 1.0, 2.0)}, /*crlf=*/false);
  project.Write("VECTOR.LSA", std::vector<std::string>(20, " OLD JOB LINE"));
  project.Write("TEMP.JOB", {"OLDNAME ", "SECOND"});

  EXPECT_EQ(RunLook(project).exit_status, 0);

  EXPECT_EQ(project.Lines("VECTOR.LSA").size(), 4u);
  EXPECT_EQ(project.ReadRaw("TEMP.JOB"), "VECTOR  \r\n");
}

TEST(LookStations, OnlyControlStationsPlacedByTheListingAreWritten) {
  TempProject project;
  project.Write("INFO.VEC", {Control("A"), Control("LOST"), Control("B", '7'), Vector("A", "C"), Vector("C", "B")});
  // C is in the listing but only a vector end; LOST is not in it at all.
  project.Write("VECTOR.COR", {Grid("C", 5.0, 5.0), Grid("B", 3.0, 4.0), Grid("A", 1.0, 2.0)});

  RunLook(project);

  const std::vector<std::string> job = project.Lines("VECTOR.LSA");
  ASSERT_EQ(job.size(), 6u);
  EXPECT_EQ(job[0].substr(0, 9), " A       ");
  EXPECT_EQ(job[1].substr(0, 9), " B       ");
  EXPECT_EQ(job[1].back(), '7');
  EXPECT_EQ(job[2].substr(0, 9), " A       ");  // the vectors follow
}

TEST(LookStations, FirstOfTwoEqualNamesInTheListingIsUsed) {
  TempProject project;
  project.Write("INFO.VEC", {Control("TWICE", '1')});
  project.Write("VECTOR.COR", {Grid("TWICE", 100.0, 200.0), Grid("TWICE", 900.0, 800.0)});

  RunLook(project);

  const std::vector<std::string> job = project.Lines("VECTOR.LSA");
  ASSERT_EQ(job.size(), 1u);
  EXPECT_NE(job[0].find("100.000"), std::string::npos);
  EXPECT_NE(job[0].find("200.000"), std::string::npos);
}

TEST(LookStations, NamesCompareOnAllEightCharactersAndCase) {
  TempProject project;
  project.Write("INFO.VEC", {Control("Ab"), Control(" AB", '1')});
  project.Write("VECTOR.COR", {Grid("AB", 1.0, 1.0), Grid("ab", 2.0, 2.0), Grid("AB ", 3.0, 3.0)});

  RunLook(project);

  EXPECT_TRUE(project.Lines("VECTOR.LSA").empty());
}

TEST(LookStations, UnreadableListingLineLeavesOutOnlyItsOwnStation) {
  TempProject project;
  project.Write("INFO.VEC", {Control("FAR"), Control("NEAR", '1')});
  project.Write("VECTOR.COR", {" FAR     " + std::string(37, '*') + "  0.99990000   +  0-00-00.0",
                               Grid("NEAR", 10.0, 20.0)});

  RunLook(project);

  const std::vector<std::string> job = project.Lines("VECTOR.LSA");
  ASSERT_EQ(job.size(), 1u);
  EXPECT_EQ(job[0].substr(0, 9), " NEAR    ");
}

TEST(LookStations, SetAsideControlRecordDoesNotEndTheControlSection) {
  TempProject project;
  // The marked record is set aside, so the section runs on to the next mark;
  // the record between them is still a control station.
  project.Write("INFO.VEC", {Control("A"), Control("OUT", '1', '*'), Control("B", '1'), Vector("A", "B")});
  project.Write("VECTOR.COR", {Grid("A", 1.0, 1.0), Grid("OUT", 2.0, 2.0), Grid("B", 3.0, 3.0)});

  RunLook(project);

  const std::vector<std::string> job = project.Lines("VECTOR.LSA");
  ASSERT_EQ(job.size(), 5u);
  EXPECT_EQ(job[0].substr(0, 9), " A       ");
  EXPECT_EQ(job[1].substr(0, 9), " B       ");
}

TEST(LookVectors, SkipsSwitchedOffBlankAndZeroEndsWithoutEndingTheList) {
  TempProject project;
  project.Write("INFO.VEC", {Control("A", '1'), Vector("A", "B", '*'), Vector("0", "A"), Vector("A", "0"),
                             Vector("A", ""), "", Vector("B", "C"), Vector("0A", "C")});
  project.Write("VECTOR.COR", {Grid("A", 1.0, 1.0)});

  RunLook(project);

  const std::vector<std::string> job = project.Lines("VECTOR.LSA");
  ASSERT_EQ(job.size(), 5u);
  EXPECT_EQ(job[1].substr(0, 35), " B       " + Blanks(18) + "C       ");
  EXPECT_EQ(job[2].substr(0, 35), " 0A      " + Blanks(18) + "C       ");
  ExpectClosingRecords(job[3], job[4]);
}

TEST(LookVectors, NoUsableVectorMeansNoClosingRecords) {
  TempProject project;
  project.Write("INFO.VEC", {Control("A"), Control("B", '1'), Vector("A", "B", '*'), Vector("0", "B")});
  project.Write("VECTOR.COR", {Grid("A", 1.0, 1.0), Grid("B", 2.0, 2.0)});

  EXPECT_EQ(RunLook(project).lines, std::vector<std::string>{kClosingLine});

  EXPECT_EQ(project.Lines("VECTOR.LSA").size(), 2u);
}

TEST(LookFailure, MissingFileEndsWithTheMessageAndTheClosingText) {
  for (const char* missing : {"INFO.VEC", "VECTOR.COR"}) {
    TempProject project;
    if (std::string(missing) != "INFO.VEC") project.Write("INFO.VEC", {Control("A", '1')});
    if (std::string(missing) != "VECTOR.COR") project.Write("VECTOR.COR", {Grid("A", 1.0, 1.0)});

    const RunResult run = RunLook(project);

    EXPECT_EQ(run.exit_status, 0) << missing;
    EXPECT_EQ(run.lines, (std::vector<std::string>{kNotFound, kClosingLine})) << missing;
    EXPECT_FALSE(project.Exists("VECTOR.LSA")) << missing;
    EXPECT_FALSE(project.Exists("TEMP.JOB")) << missing;
  }
}

TEST(LookFailure, ProjectEndingBeforeItsLastControlLeavesTheEarlierJob) {
  const std::vector<std::vector<std::string>> broken_projects = {
      {Control("A"), Control("B")},                       // no last-control mark
      {Control("A"), Control("B", 'X'), Control("C", '1')},  // mark that is no digit
      {},
  };
  for (const std::vector<std::string>& info : broken_projects) {
    TempProject project;
    project.Write("INFO.VEC", info);
    project.Write("VECTOR.COR", {Grid("A", 1.0, 1.0)});
    project.Write("VECTOR.LSA", {" EARLIER JOB"});

    const RunResult run = RunLook(project);

    EXPECT_EQ(run.lines, (std::vector<std::string>{kNotFound, kClosingLine}));
    EXPECT_EQ(project.Lines("VECTOR.LSA"), std::vector<std::string>{" EARLIER JOB"});
    EXPECT_EQ(project.ReadRaw("TEMP.JOB"), "VECTOR  \r\n");
  }
}

}  // namespace
}  // namespace korval::look
