// Fuzzes the tolerance file POS.TOL and the tolerance dialogue: the stored
// values are read, corrected, shown, perhaps changed by the answers, and
// stored again. Every value is finite and in its range, and what is stored
// reads back as what was settled (to the printed decimals).
//
// Input: POS.TOL, then optionally the console answers, separated by the byte
// 0x1e.
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_support.hpp"
#include "tolcheck/tolerance.hpp"
#include "tolcheck/tolerance_dialogue.hpp"

namespace {

using namespace korval;

void Require(bool condition) {
  if (!condition) std::abort();
}

void RequireUsable(const tolcheck::Tolerance& tolerance) {
  Require(std::isfinite(tolerance.constant) && tolerance.constant >= 0 && tolerance.constant <= 9.9999);
  Require(std::isfinite(tolerance.denominator) && tolerance.denominator >= 10 && tolerance.denominator <= 1e9);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const auto [pos_tol, answers] = fuzz::SplitOnce(text);

  const auto file = fuzz::MemoryFile(pos_tol);
  const tolcheck::Tolerance stored = tolcheck::ReadStoredTolerance(*file);
  RequireUsable(stored);

  fuzz::RunReader(
      [&](Session& session) {
        const tolcheck::Tolerance settled = tolcheck::AskTolerance(session.console(), stored);
        RequireUsable(settled);
        tolcheck::StoreTolerance(*file, settled);
        Require(file->size() == 1);
        file->Rewind();
        const tolcheck::Tolerance again = tolcheck::ReadStoredTolerance(*file);
        Require(std::fabs(again.constant - settled.constant) <= 0.00005 + 1e-12);
        Require(std::fabs(again.denominator - settled.denominator) <= 0.5 + 1e-6 * settled.denominator);
      },
      answers, !fuzz::CarriesNonFiniteText(text));
  return 0;
}
