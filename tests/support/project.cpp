#include "tests/support/project.hpp"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

#include "common/record_file.hpp"

namespace korval::testing {

TempProject::TempProject() {
  static std::atomic<int> counter{0};
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    dir_ = base / ("korval-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(dir_)) break;
  }
}

TempProject::~TempProject() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void TempProject::Write(std::string_view name, const std::vector<std::string>& lines, bool crlf) const {
  std::string content;
  for (const std::string& line : lines) {
    content += line;
    content += crlf ? "\r\n" : "\n";
  }
  WriteRaw(name, content);
}

void TempProject::WriteRaw(std::string_view name, std::string_view content) const {
  std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
  out << content;
}

bool TempProject::Exists(std::string_view name) const { return std::filesystem::exists(Path(name)); }

std::string TempProject::ReadRaw(std::string_view name) const {
  std::ifstream in(Path(name), std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

std::vector<std::string> TempProject::Lines(std::string_view name) const { return SplitRecords(ReadRaw(name)); }

void TempProject::CopyIn(const std::filesystem::path& from, std::string_view name) const {
  std::filesystem::copy_file(from, Path(name), std::filesystem::copy_options::overwrite_existing);
}

RunResult RunWithInput(const TempProject& project, const ProgramBody& body, std::string_view input) {
  std::istringstream in{std::string(input)};
  std::ostringstream out;
  RunResult result;
  result.exit_status = RunProgram(in, out, project.dir(), body);
  result.console = out.str();
  result.lines = SplitRecords(result.console);
  return result;
}

RunResult RunWithAnswers(const TempProject& project, const ProgramBody& body,
                         const std::vector<std::string>& answers) {
  std::string input;
  for (const std::string& answer : answers) input += answer + "\n";
  return RunWithInput(project, body, input);
}

bool AllLinesEndWithCrLf(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return text.empty() || text.back() == '\n';
}

std::filesystem::path TestSource(std::string_view relative) {
  return std::filesystem::path(KORVAL_TEST_SOURCE_DIR) / std::string(relative);
}

}  // namespace korval::testing
