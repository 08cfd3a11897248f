#include "fuzz/fuzz_support.hpp"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

// Undefined behaviour anywhere (the program libraries included, which are
// built with recoverable checks) is a finding: stop at the first report.
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

namespace korval::fuzz {

namespace {

[[noreturn]] void Finding(std::string_view what) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The offset of the first "nan" or "inf" (case as given) that stands alone: a
// printed number has no letters around it, while text brought by the input
// may (a station named INFO, say).
size_t FindStandingWord(std::string_view text, std::string_view word) {
  for (size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const bool letter_before = at > 0 && std::isalpha(static_cast<unsigned char>(text[at - 1]));
    const size_t end = at + word.size();
    const bool letter_after = end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]));
    if (!letter_before && !letter_after) return at;
  }
  return std::string_view::npos;
}

constexpr std::string_view kProjectPrefix = "korval-fuzz-";

std::filesystem::path ScratchRoot() {
  std::error_code error;
  if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

}  // namespace

void PropertyFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, condition);
  std::abort();
}

std::string_view AsText(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

std::pair<std::string_view, std::string_view> SplitOnce(std::string_view text, char separator) {
  const size_t at = text.find(separator);
  if (at == std::string_view::npos) return {text, std::string_view()};
  return {text.substr(0, at), text.substr(at + 1)};
}

std::vector<std::string_view> SplitPieces(std::string_view text, size_t count, char separator) {
  std::vector<std::string_view> pieces;
  std::string_view rest = text;
  bool more = true;
  while (pieces.size() + 1 < count && more) {
    const size_t at = rest.find(separator);
    if (at == std::string_view::npos) {
      pieces.push_back(rest);
      rest = {};
      more = false;
    } else {
      pieces.push_back(rest.substr(0, at));
      rest = rest.substr(at + 1);
    }
  }
  if (more) pieces.push_back(rest);
  pieces.resize(count);
  return pieces;
}

std::unique_ptr<RecordFile> MemoryFile(std::string_view content) {
  std::unique_ptr<RecordFile> file = RecordFile::Scratch();
  for (const std::string& line : SplitRecords(content)) file->WriteLine(line);
  file->Rewind();
  return file;
}

std::string JoinedLines(const RecordFile& file) {
  std::string text;
  for (const std::string& line : file.lines()) {
    text += line;
    text += '\n';
  }
  return text;
}

bool CarriesNonFiniteText(std::string_view text) {
  return text.find("nan") != std::string_view::npos || text.find("inf") != std::string_view::npos;
}

void CheckNoNonFinite(std::string_view text, std::string_view where) {
  for (std::string_view word : {"nan", "inf"}) {
    if (FindStandingWord(text, word) != std::string_view::npos) {
      std::fprintf(stderr, "non-finite number written to %.*s\n", static_cast<int>(where.size()), where.data());
      std::abort();
    }
  }
}

void RunReader(const ProgramBody& body, std::string_view console, bool check_output) {
  std::istringstream in{std::string(console)};
  std::ostringstream out;
  const int status = RunProgram(in, out, ScratchRoot(), body);
  if (status == 2) Finding(out.str());
  if (check_output) CheckNoNonFinite(out.str(), "the console");
}

namespace {

// Project directories of fuzz processes that have ended: libFuzzer leaves by
// _Exit at a finding or at the end of its time, so no destructor removes them.
void RemoveDirectoriesOfEndedProcesses(const std::filesystem::path& root) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(root, ignored)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(kProjectPrefix, 0) != 0) continue;
    const std::string digits = name.substr(kProjectPrefix.size());
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t pid = static_cast<pid_t>(std::stol(digits));
    if (::kill(pid, 0) != 0 && errno == ESRCH) std::filesystem::remove_all(entry.path(), ignored);
  }
}

}  // namespace

FuzzProject::FuzzProject() {
  RemoveDirectoriesOfEndedProcesses(ScratchRoot());
  dir_ = ScratchRoot() / (std::string(kProjectPrefix) + std::to_string(::getpid()));
  std::filesystem::create_directories(dir_);
}

FuzzProject::~FuzzProject() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void FuzzProject::Reset() {
  written_.clear();
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(dir_, ignored)) {
    std::filesystem::remove_all(entry.path(), ignored);
  }
}

void FuzzProject::Write(std::string_view name, std::string_view content) {
  std::ofstream out(dir_ / std::string(name), std::ios::binary | std::ios::trunc);
  out << content;
  written_[std::string(name)] = std::string(content);
}

int FuzzProject::Run(const ProgramBody& body, std::string_view console, std::initializer_list<std::string_view> owned,
                     bool check_output) {
  std::istringstream in{std::string(console)};
  std::ostringstream out;
  const int status = RunProgram(in, out, dir_, body);
  console_output_ = out.str();
  // Exit status 2 is a fault inside the program (an exception that was not a
  // planned stop): a finding whatever the input.
  if (status == 2) Finding(console_output_);

  for (const auto& [name, content] : written_) {
    bool is_owned = false;
    for (std::string_view own : owned) is_owned = is_owned || own == name;
    if (!is_owned && ReadWhole(dir_ / name) != content) Finding("the program changed " + name + ", not its own");
  }
  if (!check_output) return status;
  CheckNoNonFinite(console_output_, "the console");
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(dir_, ignored)) {
    if (!entry.is_regular_file(ignored)) continue;
    const std::string name = entry.path().filename().string();
    CheckNoNonFinite(ReadWhole(entry.path()), name);
  }
  return status;
}

}  // namespace korval::fuzz
