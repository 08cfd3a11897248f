// Fuzzes the adjustment as a whole program on its inputs: KORVAL.INF,
// INFO.VEC and GEOID.OUT. What is read feeds the ordering, the band solution,
// the statistics, the robust passes the answers ask for, the state plane
// listing and the elevations. No crash, no hang, INFO.VEC and GEOID.OUT left
// as they were, no NaN or Inf in any file written or on the console.
//
// Input: KORVAL.INF, INFO.VEC, GEOID.OUT and the console answers, separated
// by the byte 0x1e; without answers the parameters are accepted as they are.
#include <string>
#include <vector>

#include "fuzz/fuzz_support.hpp"
#include "netadj/run.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace korval;
  static fuzz::FuzzProject project;
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string_view> pieces = fuzz::SplitPieces(text, 4);
  project.Reset();
  project.Write("KORVAL.INF", pieces[0]);
  project.Write("INFO.VEC", pieces[1]);
  project.Write("GEOID.OUT", pieces[2]);
  const std::string_view answers = pieces[3].empty() ? std::string_view("\n") : pieces[3];
  project.Run(netadj::Run, answers, {"TEMP.PPP", "KORVAL.INF", "OUT.VEC", "VECTOR.GEO", "VECTOR.COR"},
              !fuzz::CarriesNonFiniteText(text));
  return 0;
}
