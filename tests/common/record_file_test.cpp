#include "common/record_file.hpp"

#include <gtest/gtest.h>

#include "tests/support/project.hpp"

namespace korval {
namespace {

using testing::TempProject;

TEST(RecordFile, ExistingModeFailsOnMissingFileAndDirectories) {
  TempProject project;
  EXPECT_EQ(RecordFile::Open(project.Path("INFO.VEC"), OpenMode::kExisting), nullptr);
  std::filesystem::create_directory(project.Path("OUT.VEC"));
  EXPECT_EQ(RecordFile::Open(project.Path("OUT.VEC"), OpenMode::kExisting), nullptr);
  EXPECT_EQ(RecordFile::Open(project.Path("OUT.VEC"), OpenMode::kUnknown), nullptr);
}

TEST(RecordFile, UnknownModeCreatesTheFileAtOnce) {
  TempProject project;
  auto file = RecordFile::Open(project.Path("TEMP.PPP"), OpenMode::kUnknown);
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(project.Exists("TEMP.PPP"));
  EXPECT_FALSE(file->ReadLine());
}

TEST(RecordFile, ReadsCrLfAndLfAndWritesCrLf) {
  TempProject project;
  project.WriteRaw("A.DAT", "one\r\ntwo\nthree");
  auto file = RecordFile::Open(project.Path("A.DAT"), OpenMode::kUnknown);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(*file->ReadLine(), "one");
  EXPECT_EQ(*file->ReadLine(), "two");
  EXPECT_EQ(*file->ReadLine(), "three");
  EXPECT_FALSE(file->ReadLine());
  file->WriteLine("four");
  ASSERT_TRUE(file->Save());
  EXPECT_EQ(project.ReadRaw("A.DAT"), "one\r\ntwo\r\nthree\r\nfour\r\n");
}

TEST(RecordFile, WritingAfterRewindDropsTheOlderRecords) {
  TempProject project;
  project.Write("KORVAL.INF", {"old 1", "old 2", "old 3"});
  auto file = RecordFile::Open(project.Path("KORVAL.INF"), OpenMode::kUnknown);
  file->ReadLine();
  file->Rewind();
  file->WriteLine("new");
  ASSERT_TRUE(file->Save());
  EXPECT_EQ(project.Lines("KORVAL.INF"), std::vector<std::string>{"new"});
}

TEST(RecordFile, AFileOnlyReadIsNeverRewritten) {
  TempProject project;
  project.WriteRaw("INFO.VEC", "a\nb\n");  // LF endings stay as the user wrote them
  auto file = RecordFile::Open(project.Path("INFO.VEC"), OpenMode::kExisting);
  while (file->ReadLine()) {
  }
  ASSERT_TRUE(file->Save());
  EXPECT_EQ(project.ReadRaw("INFO.VEC"), "a\nb\n");
}

TEST(RecordFile, AFailedRewriteLeavesTheOldFileWhole) {
  TempProject project;
  project.Write("INFO.VEC", {"control", "vector"});
  const std::string before = project.ReadRaw("INFO.VEC");
  auto file = RecordFile::Open(project.Path("INFO.VEC"), OpenMode::kUnknown);
  file->WriteLine("half of a new file");
  RecordFile::SetSaveFailureForTesting(true);
  EXPECT_FALSE(file->Save());
  RecordFile::SetSaveFailureForTesting(false);
  EXPECT_EQ(project.ReadRaw("INFO.VEC"), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(project.dir()), {}), 1);  // no temporary left
}

TEST(RecordFile, BackspaceStepsBackOneRecord) {
  auto file = RecordFile::Scratch();
  file->WriteLine("EP");
  file->WriteLine("GS");
  file->Rewind();
  file->ReadLine();
  file->ReadLine();
  ASSERT_TRUE(file->Backspace());
  EXPECT_EQ(*file->ReadLine(), "GS");
}

}  // namespace
}  // namespace korval
