#include "common/console.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "common/session.hpp"
#include "tests/support/project.hpp"

namespace korval {
namespace {

using testing::RunWithAnswers;
using testing::RunWithInput;
using testing::TempProject;

struct Answer {
  std::string input;
  bool yes;
  int questions;  // times the question was written
};

TEST(YesNoQuestion, FirstCharacterDecidesAndOtherLettersRepeat) {
  const Answer cases[] = {
      {"\n", false, 1}, {"n\n", false, 1}, {"NO\n", false, 1}, {" y\n", false, 1},
      {"y\n", true, 1}, {"Yes\n", true, 1}, {"X\ny\n", true, 2}, {"?\nq\n\n", false, 3},
  };
  for (const Answer& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out;
    Console console(in, out);
    EXPECT_EQ(console.AskYesNo({"DO YOU WANT TO CHANGE THEM? <N>"}), c.yes) << c.input;
    std::string text = out.str();
    int count = 0;
    for (size_t at = text.find("CHANGE"); at != std::string::npos; at = text.find("CHANGE", at + 1)) ++count;
    EXPECT_EQ(count, c.questions) << c.input;
    EXPECT_EQ(text.substr(0, 34), " DO YOU WANT TO CHANGE THEM? <N>\r\n");
  }
}

TEST(NumberEntry, ReadsTwoValuesAndRepeatsThePromptOnLetters) {
  std::istringstream in("abc\n0.02, 10\n");
  std::ostringstream out;
  Console console(in, out);
  double values[2] = {0.01, 10};
  console.AskNumbers({"INPUT CONSTANT AND PPM ERROR ESTIMATES (2 VALUES)"}, values);
  EXPECT_DOUBLE_EQ(values[0], 0.02);
  EXPECT_DOUBLE_EQ(values[1], 10.0);
  EXPECT_EQ(out.str(),
            " INPUT CONSTANT AND PPM ERROR ESTIMATES (2 VALUES)\r\n"
            " INPUT CONSTANT AND PPM ERROR ESTIMATES (2 VALUES)\r\n");
}

TEST(NumberEntry, RangeRefusalRepeatsThePrompt) {
  std::istringstream in("-1 5\n1\n5\n");
  std::ostringstream out;
  Console console(in, out);
  double values[2] = {0, 0};
  console.AskNumbers({"TWO VALUES"}, values, [](std::span<const double> v) { return v[0] >= 0; });
  EXPECT_DOUBLE_EQ(values[0], 1.0);
  EXPECT_DOUBLE_EQ(values[1], 5.0);
}

TEST(ProgramStop, ClosingLineFromColumnOneAndStatusZero) {
  TempProject project;
  auto plain = RunWithAnswers(project, [](Session&) {}, {});
  EXPECT_EQ(plain.exit_status, 0);
  EXPECT_EQ(plain.console, "Stop - Program terminated.\r\n");
  auto texted = RunWithAnswers(project, [](Session&) { Stop("SUCCESSFUL PROGRAM TERMINATION"); }, {});
  EXPECT_EQ(texted.exit_status, 0);
  EXPECT_EQ(texted.console, "SUCCESSFUL PROGRAM TERMINATION\r\n");
}

TEST(ProgramStop, EndOfConsoleInputStopsWithStatusOneInsteadOfAskingForever) {
  TempProject project;
  auto run = RunWithInput(
      project,
      [](Session& session) {
        RecordFile* file = session.Open("PT.VEC", OpenMode::kUnknown);
        file->WriteLine(" first record");
        session.console().AskYesNo({"DO YOU WANT TO CHANGE THEM? <N>"});
        file->WriteLine(" never written");
      },
      "X\n");
  EXPECT_EQ(run.exit_status, 1);
  ASSERT_EQ(run.lines.size(), 3u);
  EXPECT_EQ(run.lines[2], " END OF CONSOLE INPUT - STOP");
  EXPECT_EQ(project.Lines("PT.VEC"), std::vector<std::string>{" first record"});
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(run.console));
}

TEST(ProgramStop, AnInternalFaultLeavesProjectFilesUntouched) {
  TempProject project;
  project.Write("INFO.VEC", {"old"});
  auto run = RunWithAnswers(
      project,
      [](Session& session) {
        RecordFile* file = session.Open("INFO.VEC", OpenMode::kUnknown);
        file->WriteLine("half");
        throw std::runtime_error("broken");
      },
      {});
  EXPECT_EQ(run.exit_status, 2);
  EXPECT_EQ(project.Lines("INFO.VEC"), std::vector<std::string>{"old"});
}

TEST(ProgramStop, AFileThatCannotBeWrittenIsNoSuccess) {
  TempProject project;
  project.Write("LOOP.VEC", {"old report"});
  RecordFile::SetSaveFailureForTesting(true);
  auto run = RunWithAnswers(
      project,
      [](Session& session) { session.Open("LOOP.VEC", OpenMode::kUnknown)->WriteLine(" new report"); }, {});
  RecordFile::SetSaveFailureForTesting(false);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.lines[0], " COULD NOT WRITE LOOP.VEC - FILE LEFT AS IT WAS");
  EXPECT_EQ(run.lines[1], "Stop - Program terminated.");
  EXPECT_EQ(project.Lines("LOOP.VEC"), std::vector<std::string>{"old report"});
}

TEST(DataFiles, TheProjectCopyWinsOverTheInstalledOne) {
  TempProject project;
  project.Write("ZONE.DAT", {"MY OWN ZONE"});
  auto run = RunWithAnswers(
      project,
      [](Session& session) {
        RecordFile* zones = session.OpenDataFile("ZONE.DAT");
        ASSERT_NE(zones, nullptr);
        session.console().Say(*zones->ReadLine());
        EXPECT_EQ(session.OpenDataFile("NO-SUCH.DAT"), nullptr);
      },
      {});
  EXPECT_EQ(run.lines[0], " MY OWN ZONE");
}

}  // namespace
}  // namespace korval
