#include "tests/circuit/circuit_project.hpp"

#include <algorithm>

#include "common/project_records.hpp"
#include "circuit/run.hpp"
#include "common/record.hpp"

namespace korval::circuit::testing {

namespace {

const Layout kGridRecordLayout = {
    Skip(1), Text(8), Decimal(23, 4), Decimal(14, 4), Skip(2), Decimal(10, 8),
    Skip(3), Fixed("+  0- 0- 0.0"),
};

}  // namespace

TestVector Between(const std::vector<GridPoint>& grid, const std::string& from, const std::string& to,
                   double error_x, double error_y, double error_z) {
  const auto find = [&](const std::string& name) {
    return *std::find_if(grid.begin(), grid.end(), [&](const GridPoint& p) { return p.name == name; });
  };
  const GridPoint a = find(from);
  const GridPoint b = find(to);
  TestVector vector;
  vector.from = from;
  vector.to = to;
  vector.dx = b.x - a.x + error_x;
  vector.dy = b.y - a.y + error_y;
  vector.dz = error_z;
  return vector;
}

std::string ControlRecord(const std::string& name, bool last) {
  korval::ControlRecord record;
  record.name = name;
  record.latitude_degrees = 40;
  record.longitude_degrees = 77;
  record.latitude_sd = record.longitude_sd = record.height_sd = 0.01;
  record.height = 100;
  record.last_control_mark = last ? 1 : 0;
  return FormatControlRecord(record);
}

std::string VectorRecord(const TestVector& v) {
  return FormatVectorRecord(korval::VectorRecord{v.flag, v.from, v.to, v.dx, v.sx, v.dy, v.sy, v.dz, v.sz});
}

std::string GridRecord(const GridPoint& point) {
  return FormatLine(kGridRecordLayout, {point.name, point.x, point.y, 1.0});
}

void WriteProject(const TempProject& project, const std::vector<TestVector>& vectors,
                  const std::vector<GridPoint>& grid) {
  std::vector<std::string> info{ControlRecord("CTRL", true)};
  for (const TestVector& vector : vectors) info.push_back(VectorRecord(vector));
  project.Write("INFO.VEC", info);
  std::vector<std::string> listing;
  for (const GridPoint& point : grid) listing.push_back(GridRecord(point));
  project.Write("VECTOR.COR", listing);
}

RunResult RunCircuit(const TempProject& project, const std::vector<std::string>& answers) {
  return korval::testing::RunWithAnswers(project, korval::circuit::Run, answers);
}

std::string Numbered(const std::string& prefix, int number) {
  std::string name = prefix;
  name.append(std::to_string(number));
  return name;
}

int FindLine(const std::vector<std::string>& lines, const std::string& line, size_t from) {
  for (size_t i = from; i < lines.size(); ++i) {
    if (lines[i] == line) return static_cast<int>(i);
  }
  return -1;
}

int CountLines(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

}  // namespace korval::circuit::testing
