// Shared helpers of the fuzz targets: splitting the fuzzer's bytes into the
// pieces a target feeds a reader, a scratch project directory, and the checks
// every run must pass (no NaN or Inf written anywhere).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/session.hpp"

namespace korval::fuzz {

// The fuzzer's bytes as text.
std::string_view AsText(const uint8_t* data, size_t size);

// Splits the text at the first occurrence of `separator` (a byte that rarely
// occurs in real input), for targets that need two inputs (for example a file
// and the console answers).
std::pair<std::string_view, std::string_view> SplitOnce(std::string_view text, char separator = '\x1e');

// A project directory reused by every run of one target process; it is emptied
// before each run.
class FuzzProject {
 public:
  FuzzProject();
  void Reset();
  void Write(std::string_view name, std::string_view content);
  // Runs a program body with `console` as its input; traps (aborts) when any
  // file of the project or the console output holds "nan" or "inf" written as
  // a number.
  int Run(const ProgramBody& body, std::string_view console);
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

// Aborts when `text` holds a NaN or Inf as printed by the C++ library.
void CheckNoNonFinite(std::string_view text, std::string_view where);

}  // namespace korval::fuzz
