// Reads the committed reference tables (CSV with one heading line).
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/project.hpp"

namespace korval::testing {

inline std::vector<std::vector<double>> ReadNumberTable(const std::string& relative) {
  std::ifstream in(TestSource(relative));
  std::vector<std::vector<double>> rows;
  std::string line;
  std::getline(in, line);  // heading
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    std::vector<double> row;
    std::stringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) row.push_back(std::stod(cell));
    rows.push_back(row);
  }
  return rows;
}

}  // namespace korval::testing
