// The end of a program run.
//
// A program stops by throwing ProgramStop from wherever it is; the runner
// (session.hpp) closes every open file and writes the closing line. The
// closing line is written from column 1 exactly as given: the closing text, or
// "Stop - Program terminated." without one. The exit status is 0, except for
// the stop at the end of console input (status 1).
#pragma once

#include <string>
#include <string_view>

namespace korval {

inline constexpr std::string_view kDefaultClosingLine = "Stop - Program terminated.";
inline constexpr std::string_view kEndOfInputMessage = " END OF CONSOLE INPUT - STOP";

struct ProgramStop {
  std::string closing_text;  // empty: the default closing line
  int exit_status = 0;
  bool end_of_input = false;
};

// Stops the program with a closing text, or with the default closing line.
[[noreturn]] inline void Stop(std::string_view closing_text = {}) {
  throw ProgramStop{std::string(closing_text), 0, false};
}

// Stops the program because console input ended where an answer was needed.
[[noreturn]] inline void StopAtEndOfInput() { throw ProgramStop{{}, 1, true}; }

}  // namespace korval
