// Fuzzes the reading of a Geodimeter GPS baseline report: the key lines of
// each baseline, its differences and its standard errors, and the vector
// records written from them. Every value is finite, every standard error
// within the bounds a vector record can hold, and no record holds NaN or Inf.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "baseimp/baseline_report.hpp"
#include "common/project_records.hpp"
#include "fuzz/fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace korval;
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string> lines = SplitRecords(text);
  const bool check_output = !fuzz::CarriesNonFiniteText(text);
  for (const VectorRecord& baseline : baseimp::ExtractBaselines(lines)) {
    for (double value : {baseline.dx, baseline.dy, baseline.dz}) {
      if (!std::isfinite(value)) std::abort();
    }
    for (double sigma : {baseline.sx, baseline.sy, baseline.sz}) {
      if (!(sigma >= baseimp::kSmallestSigma && sigma <= baseimp::kLargestSigma)) std::abort();
    }
    if (baseline.flag != ' ' || baseline.from.size() != 8 || baseline.to.size() != 8) std::abort();
    if (check_output) fuzz::CheckNoNonFinite(FormatVectorRecord(baseline), "the output file");
  }
  return 0;
}
