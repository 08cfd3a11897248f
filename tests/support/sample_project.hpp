// The bundled sample project (examples/sample) adjusted by NETADJ in a
// temporary project directory, for the tests of the programs that work from
// its report. Tests that include this link korval_netadj.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "netadj/run.hpp"
#include "tests/support/project.hpp"

namespace korval::testing {

inline std::filesystem::path SampleFolder() { return std::filesystem::path(KORVAL_SOURCE_DIR) / "examples" / "sample"; }

// Copies the sample into `project` and adjusts it with the sample's console
// answers. `constraint` replaces adjustment parameter 2 of KORVAL.INF when
// given (1 = minimally constrained, 2 = constrained). Returns NETADJ's run.
inline RunResult AdjustSample(const TempProject& project, int constraint = 0) {
  project.CopyIn(SampleFolder() / "INFO.VEC", "INFO.VEC");
  project.CopyIn(SampleFolder() / "KORVAL.INF", "KORVAL.INF");
  if (constraint != 0) {
    std::vector<std::string> parameters = project.Lines("KORVAL.INF");
    // Parameter 2 stands right-aligned in columns 6-8.
    parameters.at(0).replace(5, 3, FormatInteger(constraint, 3));
    project.Write("KORVAL.INF", parameters);
  }
  std::ifstream in(SampleFolder() / "answers.txt", std::ios::binary);
  std::ostringstream answers;
  answers << in.rdbuf();
  return RunWithInput(project, netadj::Run, answers.str());
}

}  // namespace korval::testing
