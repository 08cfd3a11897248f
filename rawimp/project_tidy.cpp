#include "rawimp/project_tidy.hpp"

namespace korval::rawimp {

std::vector<std::string> WithoutBlankLines(const std::vector<std::string>& lines) {
  std::vector<std::string> kept;
  kept.reserve(lines.size());
  for (const std::string& line : lines) {
    if (line.find_first_not_of(" \t") != std::string::npos) kept.push_back(line);
  }
  return kept;
}

}  // namespace korval::rawimp
