// The two outlets of CIRCUIT: the console and the loop report LOOP.VEC. Many
// lines go to both; which one receives a line first is part of what the user
// sees when both are shown side by side, so each call names the order.
#pragma once

#include <string_view>

#include "common/console.hpp"
#include "common/record.hpp"
#include "common/record_file.hpp"

namespace korval::circuit {

class Report {
 public:
  Report(Console& console, RecordFile& file) : console_(console), file_(file) {}

  Console& console() { return console_; }
  RecordFile& file() { return file_; }

  // Lines written exactly as given (leading blank included).
  void ToFile(std::string_view line) { file_.WriteLine(line); }
  void ToFile(const Layout& layout, const Values& values) { file_.Write(layout, values); }
  void ConsoleThenFile(std::string_view line);
  void ConsoleThenFile(const Layout& layout, const Values& values);
  void FileThenConsole(std::string_view line);
  void FileThenConsole(const Layout& layout, const Values& values);

 private:
  Console& console_;
  RecordFile& file_;
};

}  // namespace korval::circuit
