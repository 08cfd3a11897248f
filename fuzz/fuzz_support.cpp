#include "fuzz/fuzz_support.hpp"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace korval::fuzz {

std::string_view AsText(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

std::pair<std::string_view, std::string_view> SplitOnce(std::string_view text, char separator) {
  const size_t at = text.find(separator);
  if (at == std::string_view::npos) return {text, std::string_view()};
  return {text.substr(0, at), text.substr(at + 1)};
}

FuzzProject::FuzzProject() {
  dir_ = std::filesystem::temp_directory_path() / ("korval-fuzz-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir_);
}

void FuzzProject::Reset() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(dir_, ignored)) {
    std::filesystem::remove_all(entry.path(), ignored);
  }
}

void FuzzProject::Write(std::string_view name, std::string_view content) {
  std::ofstream out(dir_ / std::string(name), std::ios::binary | std::ios::trunc);
  out << content;
}

void CheckNoNonFinite(std::string_view text, std::string_view where) {
  for (std::string_view word : {"nan", "NAN", "-nan", "inf", "INF"}) {
    for (size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
      // Printed numbers stand alone; letters around the word belong to text
      // that the input itself brought (a station named INFO, say).
      const bool letter_before = at > 0 && std::isalpha(static_cast<unsigned char>(text[at - 1]));
      const size_t end = at + word.size();
      const bool letter_after = end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]));
      if (!letter_before && !letter_after) {
        std::fprintf(stderr, "non-finite number written to %.*s\n", static_cast<int>(where.size()),
                     where.data());
        std::abort();
      }
    }
  }
}

int FuzzProject::Run(const ProgramBody& body, std::string_view console) {
  std::istringstream in{std::string(console)};
  std::ostringstream out;
  const int status = RunProgram(in, out, dir_, body);
  (void)status;
  return status;
}

}  // namespace korval::fuzz
