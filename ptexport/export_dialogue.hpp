// The questions of the export: the file name, then the delimiter, unit,
// decimals and layout menus. Each menu is asked again until its answer is one
// it knows; a blank answer takes the default (entry 1).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/console.hpp"
#include "common/session.hpp"
#include "ptexport/export_writer.hpp"

namespace korval::ptexport {

// The answers each menu knows. The first character of the answer counts for
// the delimiter, unit and decimals menus, the first two for the layout menu.
std::optional<char> DelimiterOfAnswer(std::string_view answer);
struct Unit {
  std::string word;
  double factor;  // units per metre
};
std::optional<Unit> UnitOfAnswer(std::string_view answer);
std::optional<Decimals> DecimalsOfAnswer(std::string_view answer);
std::optional<int> LayoutOfAnswer(std::string_view answer);

// Asks for the name of the coordinate file until one (its first 12
// characters, blanks around it dropped) is not blank and can be opened.
RecordFile* AskCoordinateFile(Session& session);

// The delimiter, unit and decimals menus, in order; the layout stays 1.
ExportChoice AskExportChoice(Console& console);

// The layout menu: "PICK A FORMAT ", one line per layout, "PICK A # <1>".
int AskLayout(Console& console);

}  // namespace korval::ptexport
