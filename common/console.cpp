#include "common/console.hpp"

#include <istream>
#include <ostream>
#include <vector>

#include "common/stop.hpp"

namespace korval {

std::string ConsoleLine(std::string_view text) {
  if (text.empty() || text.front() == ' ') return std::string(text);
  std::string line(1, ' ');
  line.append(text);
  return line;
}

void Console::Say(std::string_view text) { WriteLine(ConsoleLine(text)); }

void Console::WriteLine(std::string_view text) { out_ << text << "\r\n"; }

void Console::Write(const Layout& layout, const Values& values) {
  for (const std::string& line : FormatRecord(layout, values)) WriteLine(line);
}

std::optional<std::string> Console::ReadLine() {
  out_.flush();
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::string Console::ReadAnswer() {
  std::optional<std::string> line = ReadLine();
  if (!line) StopAtEndOfInput();
  return *line;
}

bool Console::AskYesNo(std::initializer_list<std::string_view> question) {
  for (;;) {
    for (std::string_view line : question) Say(line);
    const std::string answer = ReadAnswer();
    const char first = answer.empty() ? ' ' : answer[0];
    if (first == ' ' || first == 'N' || first == 'n') return false;
    if (first == 'Y' || first == 'y') return true;
  }
}

void Console::AskNumbers(std::initializer_list<std::string_view> prompt, std::span<double> values,
                         const std::function<bool(std::span<const double>)>& accept,
                         std::span<const ListKind> kinds) {
  const std::vector<double> presets(values.begin(), values.end());
  const LineSource source = [this]() { return ReadLine(); };
  for (;;) {
    for (std::string_view line : prompt) Say(line);
    std::copy(presets.begin(), presets.end(), values.begin());
    const ListResult result = ReadList(source, values, kinds);
    if (result.status == ListStatus::kEnd) StopAtEndOfInput();
    if (result.status == ListStatus::kOk && (!accept || accept(values))) return;
  }
}

std::string Console::AskFileName(std::initializer_list<std::string_view> prompt) {
  for (std::string_view line : prompt) Say(line);
  return ReadAnswer();
}

}  // namespace korval
