// Tidying of the project vector file before vectors are added to it.
#pragma once

#include <string>
#include <vector>

namespace korval::rawimp {

// The lines without those that are entirely blank (empty, or blanks and tabs
// only). Every other line stays as it is, whatever its length or its column 2.
std::vector<std::string> WithoutBlankLines(const std::vector<std::string>& lines);

}  // namespace korval::rawimp
