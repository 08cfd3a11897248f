// Shared helpers of the fuzz targets: splitting the fuzzer's bytes into the
// pieces a target feeds a reader, in-memory files, a scratch project directory
// for whole-program runs, and the checks every run must pass (no internal
// fault, no NaN or Inf written anywhere, files the program does not own left
// as they were).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/record_file.hpp"
#include "common/session.hpp"

namespace korval::fuzz {

// The byte that separates the pieces of a fuzz input: it never occurs in the
// text files of a project, so a seed made of real files keeps them whole.
inline constexpr char kPieceSeparator = '\x1e';

// The fuzzer's bytes as text.
std::string_view AsText(const uint8_t* data, size_t size);

// Splits the text at the first occurrence of `separator` (a byte that rarely
// occurs in real input), for targets that need two inputs (for example a file
// and the console answers).
std::pair<std::string_view, std::string_view> SplitOnce(std::string_view text, char separator = kPieceSeparator);

// Splits the text into exactly `count` pieces at the separators; pieces that
// the text does not reach are empty, and the last piece keeps any further
// separators.
std::vector<std::string_view> SplitPieces(std::string_view text, size_t count, char separator = kPieceSeparator);

// A scratch file holding `content` split into records (CR LF or LF endings),
// positioned at its first record. Nothing touches the disk.
std::unique_ptr<RecordFile> MemoryFile(std::string_view content);

// The records of a file joined with LF, for the non-finite check.
std::string JoinedLines(const RecordFile& file);

// True when `text` holds the letters "nan" or "inf" anywhere. The programs
// print numbers only in lower case ("%f", "%g"), so a NaN or Inf shows as
// "nan", "-nan", "inf" or "-inf"; an input that carries those letters itself
// may see them copied to the output (a station named "inf", or "xinfo" cut to
// "inf" by a name field), so the output checks are skipped for it. Project
// files are written in upper case, so the checks stay on for real input.
bool CarriesNonFiniteText(std::string_view text);

// Aborts when `text` holds a NaN or Inf as printed by the C++ library: "nan"
// or "inf" with no letter before or after.
void CheckNoNonFinite(std::string_view text, std::string_view where);

// Runs a reader in a session of its own with `console` as its input and an
// unused project directory. A stop of the program (ProgramStop) is a normal
// end; a fault that escapes as an exception aborts (a finding). The console
// output is checked for NaN and Inf unless `check_output` is false.
void RunReader(const ProgramBody& body, std::string_view console = {}, bool check_output = true);

// A project directory reused by every run of one target process, in memory
// backed storage where the machine offers it; it is emptied before each run.
class FuzzProject {
 public:
  FuzzProject();
  ~FuzzProject();
  void Reset();
  void Write(std::string_view name, std::string_view content);
  // Runs a program body with `console` as its input and returns its exit
  // status. Traps (aborts) when the program ends in an internal fault, when a
  // file the program does not own (written by Write and not named in
  // `owned`) has changed, or, unless `check_output` is false, when any file of
  // the project or the console output holds "nan" or "inf" written as a
  // number.
  int Run(const ProgramBody& body, std::string_view console, std::initializer_list<std::string_view> owned = {},
          bool check_output = true);
  const std::filesystem::path& dir() const { return dir_; }
  // The console output of the last run.
  const std::string& console_output() const { return console_output_; }

 private:
  std::filesystem::path dir_;
  std::map<std::string, std::string> written_;
  std::string console_output_;
};

}  // namespace korval::fuzz
