// A temporary project directory for tests, and whole-program runs in it with
// scripted console answers.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/session.hpp"

namespace korval::testing {

class TempProject {
 public:
  TempProject();
  ~TempProject();
  TempProject(const TempProject&) = delete;
  TempProject& operator=(const TempProject&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  std::filesystem::path Path(std::string_view name) const { return dir_ / std::string(name); }

  // Writes a file from lines, each ended with CR LF (or LF when `crlf` is false).
  void Write(std::string_view name, const std::vector<std::string>& lines, bool crlf = true) const;
  void WriteRaw(std::string_view name, std::string_view content) const;
  bool Exists(std::string_view name) const;
  // The file's raw bytes.
  std::string ReadRaw(std::string_view name) const;
  // The file's lines without their endings.
  std::vector<std::string> Lines(std::string_view name) const;
  // Copies a file into the project under `name`.
  void CopyIn(const std::filesystem::path& from, std::string_view name) const;

 private:
  std::filesystem::path dir_;
};

struct RunResult {
  int exit_status = 0;
  std::string console;                // everything written, CR LF endings kept
  std::vector<std::string> lines;     // the console split into lines
};

// Runs a program body in `project` with `answers` as console input (each
// answer one line).
RunResult RunWithAnswers(const TempProject& project, const ProgramBody& body,
                         const std::vector<std::string>& answers);

// Same, with raw console input text.
RunResult RunWithInput(const TempProject& project, const ProgramBody& body, std::string_view input);

// True when every line of `text` ends with CR LF.
bool AllLinesEndWithCrLf(std::string_view text);

// Path of a file under tests/.
std::filesystem::path TestSource(std::string_view relative);

}  // namespace korval::testing
