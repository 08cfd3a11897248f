// The text console of a program: its lines out and the user's answers in, and
// the few kinds of question that every program asks.
//
// Output lines end with CR LF. A console line begins with one blank: `Say`
// writes that blank before a text that does not already begin with one.
// Answers are read as whole lines (CR LF or LF). When console input has ended
// where a question needs an answer, the program stops with
// " END OF CONSOLE INPUT - STOP" and exit status 1 instead of asking forever.
#pragma once

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/free_format.hpp"
#include "common/record.hpp"

namespace korval {

class Console {
 public:
  Console(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

  // One console line with its leading blank (added unless `text` has one).
  void Say(std::string_view text);
  // One line exactly as given (a closing line, a record, an empty line).
  void WriteLine(std::string_view text);
  void EmptyLine() { WriteLine(""); }
  // A record of `layout`, one console line per layout line.
  void Write(const Layout& layout, const Values& values);

  // The next answer line without its ending; nothing when input has ended.
  std::optional<std::string> ReadLine();
  // The next answer line; stops the program when input has ended.
  std::string ReadAnswer();

  // Writes the question lines and reads answers until one begins with a blank,
  // N, n (No: false) or Y, y (Yes: true); an empty line is No.
  bool AskYesNo(std::initializer_list<std::string_view> question);

  // Number entry: writes the prompt lines and reads `values.size()` numbers
  // separated by blanks or commas over one line or more. The prompt is written
  // again when the entry cannot be read or `accept` refuses the values; values
  // that the entry leaves out (a slash, two commas) keep what they held.
  void AskNumbers(std::initializer_list<std::string_view> prompt, std::span<double> values,
                  const std::function<bool(std::span<const double>)>& accept = {},
                  std::span<const ListKind> kinds = {});

  // File-name entry: writes the prompt lines and returns the answer line.
  std::string AskFileName(std::initializer_list<std::string_view> prompt);

  std::ostream& out() { return out_; }

 private:
  std::istream& in_;
  std::ostream& out_;
};

// The leading-blank rule of console and report lines.
std::string ConsoleLine(std::string_view text);

}  // namespace korval
