#include "ptexport/export_dialogue.hpp"

#include <vector>

#include "common/fields.hpp"

namespace korval::ptexport {

namespace {

// U.S. survey feet and international feet per metre.
constexpr double kSurveyFeetPerMetre = 3937.0 / 1200.0;
constexpr double kInternationalFeetPerMetre = 10000.0 / 3048.0;

constexpr std::size_t kFileNameLength = 12;
constexpr std::string_view kPickLine = "PICK A # <1>";

char FirstCharacter(std::string_view answer) { return answer.empty() ? ' ' : answer.front(); }

// Writes the menu lines and reads answers until `meaning` knows one.
template <typename Meaning>
auto AskMenu(Console& console, const std::vector<std::string_view>& lines, Meaning meaning) {
  for (;;) {
    for (std::string_view line : lines) console.Say(line);
    if (auto chosen = meaning(console.ReadAnswer())) return *chosen;
  }
}

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return TrimRight(text.substr(first));
}

}  // namespace

std::optional<char> DelimiterOfAnswer(std::string_view answer) {
  switch (FirstCharacter(answer)) {
    case ' ':
    case '1': return ' ';
    case '2': return ',';
    default: return std::nullopt;
  }
}

std::optional<Unit> UnitOfAnswer(std::string_view answer) {
  switch (FirstCharacter(answer)) {
    case ' ':
    case '1': return Unit{"METERS", 1.0};
    case '2': return Unit{"SUR FT", kSurveyFeetPerMetre};
    case '3': return Unit{"INT FT", kInternationalFeetPerMetre};
    default: return std::nullopt;
  }
}

std::optional<Decimals> DecimalsOfAnswer(std::string_view answer) {
  switch (FirstCharacter(answer)) {
    case ' ':
    case '1':
    case '4': return Decimals::kFour;
    case '2':
    case '3': return Decimals::kThree;
    default: return std::nullopt;
  }
}

std::optional<int> LayoutOfAnswer(std::string_view answer) {
  const std::string first_two = Columns(answer, 1, 2);
  if (first_two == "  ") return 1;
  for (int layout = 1; layout <= kLayoutCount; ++layout) {
    if (first_two == FormatText(std::to_string(layout), 2)) return layout;
  }
  return std::nullopt;
}

RecordFile* AskCoordinateFile(Session& session) {
  for (;;) {
    const std::string answer =
        session.console().AskFileName({"WHAT DO YOU WANT YOUR COORDINATE FILE NAME TO BE?"});
    const std::string name = Trimmed(std::string_view(answer).substr(0, kFileNameLength));
    if (name.empty()) continue;
    if (RecordFile* file = session.Open(name, OpenMode::kUnknown)) return file;
  }
}

ExportChoice AskExportChoice(Console& console) {
  ExportChoice choice;
  choice.delimiter = AskMenu(console, {"DO YOU WANT ", "(1) SPACE DELIMITED OR", "(2) COMMA DELIMITED", kPickLine},
                             DelimiterOfAnswer);
  const Unit unit = AskMenu(console,
                            {"DO YOU WANT LINEAR UNITS IN", "(1) METERS", "(2) SURVEY (REAL) FEET",
                             "(3) INTERNATIONAL (PRETEND) FEET", kPickLine},
                            UnitOfAnswer);
  choice.unit_word = unit.word;
  choice.unit_factor = unit.factor;
  choice.decimals = AskMenu(console,
                            {"DO YOU WANT LINEAR UNITS TO BE", "(1) 4 PLACES PAST THE DECIMAL .0001",
                             "(2) 3 PLACES PAST THE DECIMAL .001", kPickLine},
                            DecimalsOfAnswer);
  return choice;
}

int AskLayout(Console& console) {
  std::vector<std::string_view> lines = {"PICK A FORMAT "};
  for (const ExportLayout& layout : ExportLayouts()) lines.push_back(layout.menu_entry);
  lines.push_back(kPickLine);
  return AskMenu(console, lines, LayoutOfAnswer);
}

}  // namespace korval::ptexport
