// The records of INFO.VEC and the place where the importers add vectors.
#include "common/project_records.hpp"

#include <gtest/gtest.h>

#include "tests/support/project.hpp"

namespace korval {
namespace {

ControlRecord Control(const std::string& name, int mark, char flag = ' ') {
  ControlRecord c;
  c.flag = flag;
  c.name = name;
  c.latitude_degrees = 40;
  c.latitude_minutes = 5;
  c.latitude_seconds = 12.34567;
  c.latitude_sd = 0.0001;
  c.longitude_degrees = 105;
  c.longitude_minutes = 14;
  c.longitude_seconds = 3.21098;
  c.longitude_sd = 0.0001;
  c.height = 1650.1234;
  c.height_sd = 0.0001;
  c.last_control_mark = mark;
  return c;
}

VectorRecord Vector(const std::string& from, const std::string& to) {
  VectorRecord v;
  v.from = from;
  v.to = to;
  v.dx = -17460.956;
  v.sx = v.sy = v.sz = 0.005;
  return v;
}

TEST(ProjectRecords, LayoutsKeepTheirColumns) {
  EXPECT_EQ(FormatControlRecord(Control("KRV1", 1)),
            " KRV1     40  5 12.34567  0.0001 105 14  3.21098  0.0001   1650.1234  0.0001 1");
  EXPECT_EQ(FormatVectorRecord(Vector("KRV1", "TLMN")),
            " KRV1     TLMN      -17460.9560 0.0050       0.0000 0.0050       0.0000 0.0050");
  VectorRecord read;
  ASSERT_TRUE(ParseVectorRecord(FormatVectorRecord(Vector("KRV1", "TLMN")) + "  a note", read));
  EXPECT_EQ(read.to, "TLMN    ");
  EXPECT_DOUBLE_EQ(read.dx, -17460.956);
}

TEST(ProjectRecords, EndMarkIsReadAsTheAdjustmentReadsIt) {
  EXPECT_TRUE(IsEndMark(FormatVectorRecord(Vector("0", "END"))));
  EXPECT_TRUE(IsEndMark(" 0        X"));
  EXPECT_FALSE(IsEndMark(" 0        0"));                            // equal names: skipped, not an end
  EXPECT_FALSE(IsEndMark("*0        END"));                          // set aside
  EXPECT_FALSE(IsEndMark(" 00       END"));
  EXPECT_FALSE(IsEndMark(" 0        END      1.2.3"));               // unreadable
}

TEST(ProjectRecords, VectorSectionBeginsAfterTheAcceptedLastControlRecord) {
  const std::string end_mark = FormatVectorRecord(Vector("0", "END"));
  // A flagged record's mark does not end the control section.
  const std::vector<std::string> lines = {FormatControlRecord(Control("A", 1, '*')), FormatControlRecord(Control("B", 0)),
                                          "NOTE", FormatControlRecord(Control("C", 2)),
                                          FormatVectorRecord(Vector("A", "C")), end_mark,
                                          FormatVectorRecord(Vector("B", "C")), end_mark};
  EXPECT_EQ(VectorSectionStart(lines), 4u);
  EXPECT_EQ(VectorInsertionPoint(lines), 5u);
  // Without a last-control mark there is no vector section to add to but the end.
  const std::vector<std::string> open = {FormatControlRecord(Control("A", 0)), end_mark};
  EXPECT_EQ(VectorInsertionPoint(open), 2u);
  EXPECT_EQ(VectorInsertionPoint({}), 0u);
}

TEST(ProjectRecords, AppenderKeepsTheEndMarkLastAfterEveryVector) {
  testing::TempProject project;
  const std::string end_mark = FormatVectorRecord(Vector("0", "END"));
  const std::string set_aside = FormatVectorRecord(Vector("A", "OLD"));
  project.Write("INFO.VEC", {FormatControlRecord(Control("A", 1)), end_mark, set_aside});
  auto file = RecordFile::Open(project.Path("INFO.VEC"), OpenMode::kUnknown);
  ASSERT_NE(file, nullptr);
  VectorAppender appender(*file);
  appender.Append(Vector("A", "P1"));
  EXPECT_EQ(file->lines(), (std::vector<std::string>{FormatControlRecord(Control("A", 1)),
                                                     FormatVectorRecord(Vector("A", "P1")), end_mark, set_aside}));
  appender.Append(Vector("A", "P2"));
  ASSERT_EQ(file->size(), 5u);
  EXPECT_EQ(file->lines()[2], FormatVectorRecord(Vector("A", "P2")));
  EXPECT_EQ(file->lines()[3], end_mark);
  ASSERT_TRUE(file->Save());
  EXPECT_EQ(project.Lines("INFO.VEC"), file->lines());
}

TEST(ProjectRecords, AppenderAddsAtTheEndWithoutAnEndMark) {
  testing::TempProject project;
  project.Write("INFO.VEC", {FormatControlRecord(Control("A", 1))});
  auto file = RecordFile::Open(project.Path("INFO.VEC"), OpenMode::kUnknown);
  VectorAppender appender(*file);
  appender.Append(Vector("A", "P1"));
  appender.Append(Vector("A", "P2"));
  EXPECT_EQ(file->lines().back(), FormatVectorRecord(Vector("A", "P2")));
  EXPECT_EQ(file->size(), 3u);
}

}  // namespace
}  // namespace korval
