// Test projects for CIRCUIT: INFO.VEC and VECTOR.COR written record by record,
// and whole runs of the program with scripted answers.
#pragma once

#include <string>
#include <vector>

#include "tests/support/project.hpp"

namespace korval::circuit::testing {

using korval::testing::RunResult;
using korval::testing::TempProject;

struct TestVector {
  std::string from, to;
  double dx = 0, dy = 0, dz = 0;           // metres
  double sx = 0.005, sy = 0.005, sz = 0.005;  // metres
  char flag = ' ';
};

struct GridPoint {
  std::string name;
  double x = 0, y = 0;
};

// The vector between two grid points, taking the grid coordinates as DX and
// DY (the program does not tie the vectors to the grid), plus `error`.
TestVector Between(const std::vector<GridPoint>& grid, const std::string& from, const std::string& to,
                   double error_x = 0, double error_y = 0, double error_z = 0);

// A control record of INFO.VEC; `last` sets the last-control mark.
std::string ControlRecord(const std::string& name, bool last);
std::string VectorRecord(const TestVector& vector);
std::string GridRecord(const GridPoint& point);

// INFO.VEC with one control record and the vectors; VECTOR.COR with the points.
void WriteProject(const TempProject& project, const std::vector<TestVector>& vectors,
                  const std::vector<GridPoint>& grid);

// Runs CIRCUIT in the project with the answers, one per console line.
RunResult RunCircuit(const TempProject& project, const std::vector<std::string>& answers);

// A station name made of a prefix and a number, as "R" and 12 give "R12".
std::string Numbered(const std::string& prefix, int number);

// Index of the first line equal to `line` at or after `from`; -1 when none.
int FindLine(const std::vector<std::string>& lines, const std::string& line, size_t from = 0);
// Number of lines equal to `line`.
int CountLines(const std::vector<std::string>& lines, const std::string& line);

}  // namespace korval::circuit::testing
