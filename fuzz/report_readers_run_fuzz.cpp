// Fuzzes the two programs that work from the adjustment report as whole
// programs: TOLCHECK on OUT.VEC, INFO.VEC and POS.TOL, and PTEXPORT on OUT.VEC
// and VECTOR.COR. No crash, no hang, the report, the project file and the
// listing left as they were, no NaN or Inf in PT.VEC, POS.TOL or the
// coordinate file.
//
// Input: one byte choosing the program (even TOLCHECK, odd PTEXPORT), then
// OUT.VEC, INFO.VEC, VECTOR.COR, POS.TOL and the console answers, separated by
// the byte 0x1e. Without answers TOLCHECK keeps the stored tolerance and
// PTEXPORT writes COORD.TXT in the layout, unit and decimals that the
// choosing byte names (answers may name any file of the project for the
// coordinates).
#include <string>
#include <vector>

#include "fuzz/fuzz_support.hpp"
#include "ptexport/run.hpp"
#include "tolcheck/run.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace korval;
  static fuzz::FuzzProject project;
  if (size < 1) return 0;
  const uint8_t choice = data[0];
  const std::string_view text = fuzz::AsText(data + 1, size - 1);
  const std::vector<std::string_view> pieces = fuzz::SplitPieces(text, 5);
  project.Reset();
  project.Write("OUT.VEC", pieces[0]);
  project.Write("INFO.VEC", pieces[1]);
  project.Write("VECTOR.COR", pieces[2]);
  project.Write("POS.TOL", pieces[3]);
  const bool check_output = !fuzz::CarriesNonFiniteText(text);

  if (choice % 2 == 0) {
    const std::string_view answers = pieces[4].empty() ? std::string_view("\n") : pieces[4];
    project.Run(tolcheck::Run, answers, {"POS.TOL", "PT.VEC"}, check_output);
    return 0;
  }
  // Layout 1 to 16, unit 1 to 3 and decimals 1 or 2 from the choosing byte.
  const int layout = 1 + (choice >> 1) % 16;
  const int unit = 1 + (choice >> 5) % 3;
  const int decimals = 1 + (choice >> 7);
  if (pieces[4].empty()) {
    const std::string answers = "COORD.TXT\n1\n" + std::to_string(unit) + "\n" + std::to_string(decimals) + "\n" +
                                std::to_string(layout) + "\n";
    project.Run(ptexport::Run, answers, {"COORD.TXT"}, check_output);
  } else {
    // The answers name the coordinate file, which may be any file of the
    // project.
    project.Run(ptexport::Run, pieces[4], {"COORD.TXT", "OUT.VEC", "INFO.VEC", "VECTOR.COR", "POS.TOL"},
                check_output);
  }
  return 0;
}
