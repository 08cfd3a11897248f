// Merging the records of one solution into the project vector file.
//
// Reference stations that the project does not know yet join its control
// section; those it knows keep their records as they are. The vectors join the
// vector section in front of its end mark, so that the adjustment reads them.
// Nothing the user wrote is dropped: control-section lines that cannot be read
// as control records stay where they are, and long lines stay whole.
#pragma once

#include <string>
#include <vector>

#include "common/project_records.hpp"

namespace korval::solnimp {

// Width to which the lines after the control section are filled with blanks.
inline constexpr size_t kKeptLineWidth = 80;

// The new content of INFO.VEC from its present lines.
//
// The control section is read from the first line up to the control record
// that ends it for the adjustment: the first one in use (flag blank) whose
// last-control mark is not 0. (A file without one ends it at the first record
// with a mark, set aside or not.) Each reference station whose 8-character
// name is not among its records is added after them. The control records are
// written with the last-control mark 1 on the final one and 0 on all others;
// only column 78 of an existing record changes. An added record whose position
// does not fit its fields (asterisks) cannot be read, so it never takes the
// mark. The lines after the control section follow, each filled to 80
// columns, with the new vectors in front of the first end mark (after all of
// them when there is none).
std::vector<std::string> MergeIntoProject(const std::vector<std::string>& lines,
                                          const std::vector<ControlRecord>& reference_controls,
                                          const std::vector<VectorRecord>& vectors);

// `line` with its last-control mark (column 78) set to `mark`; a shorter line
// is filled with blanks first, and columns after 78 stay.
std::string WithLastControlMark(std::string line, char mark);

}  // namespace korval::solnimp
