#include "circuit/report.hpp"

namespace korval::circuit {

void Report::ConsoleThenFile(std::string_view line) {
  console_.WriteLine(line);
  file_.WriteLine(line);
}

void Report::ConsoleThenFile(const Layout& layout, const Values& values) {
  console_.Write(layout, values);
  file_.Write(layout, values);
}

void Report::FileThenConsole(std::string_view line) {
  file_.WriteLine(line);
  console_.WriteLine(line);
}

void Report::FileThenConsole(const Layout& layout, const Values& values) {
  file_.Write(layout, values);
  console_.Write(layout, values);
}

}  // namespace korval::circuit
