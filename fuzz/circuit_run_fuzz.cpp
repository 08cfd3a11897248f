// Fuzzes the loop analyser as a whole program on its two inputs, INFO.VEC
// and VECTOR.COR: the vectors read feed the repeated-line comparison, the
// sideshot removal, the automatic loop search (bounded by its step budgets)
// and the manual closures. No crash, no hang, INFO.VEC and VECTOR.COR left
// as they were, no NaN or Inf in LOOP.VEC or on the console.
//
// Input: INFO.VEC, VECTOR.COR and the console answers, separated by the byte
// 0x1e; without answers the run takes a tolerance of 2 cm plus 10 ppm and
// walks no manual loop.
#include <string>
#include <vector>

#include "circuit/run.hpp"
#include "fuzz/fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace korval;
  static fuzz::FuzzProject project;
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string_view> pieces = fuzz::SplitPieces(text, 3);
  project.Reset();
  project.Write("INFO.VEC", pieces[0]);
  project.Write("VECTOR.COR", pieces[1]);
  const std::string_view answers = pieces[2].empty() ? std::string_view("0.02 10\n\n\n") : pieces[2];
  project.Run(circuit::Run, answers, {"TEMP.PPP", "LOOP.VEC"}, !fuzz::CarriesNonFiniteText(text));
  return 0;
}
