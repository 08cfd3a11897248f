// Fuzzes the reading of fixed-column fields and free-form number entries: no
// crash, no hang, and every value read is finite and writes back without NaN.
#include <cmath>
#include <cstdlib>

#include "common/fields.hpp"
#include "common/free_format.hpp"
#include "common/record.hpp"
#include "fuzz/fuzz_support.hpp"

namespace {

using namespace korval;

const Layout kMixed = {Character(), Text(8), Skip(1), Integer(2), Skip(1), Decimal(8, 5),
                       Decimal(13, 4), NewLine(), Repeat(3, {Skip(1), Text(8)}), Integer(1)};

void Check(double value) {
  FUZZ_REQUIRE(std::isfinite(value));
  fuzz::CheckNoNonFinite(FormatDecimal(value, 13, 4), "a decimal field");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  for (int decimals = 0; decimals <= 8; decimals += 4) {
    if (auto value = ParseDecimal(text, decimals)) Check(*value);
  }
  (void)ParseInteger(text);
  double values[8] = {};
  const ListKind kinds[8] = {ListKind::kInteger, ListKind::kReal, ListKind::kInteger, ListKind::kReal,
                             ListKind::kReal,    ListKind::kReal, ListKind::kReal,    ListKind::kReal};
  ReadListFromText(text, values, kinds);
  for (double value : values) Check(value);
  const auto [first, second] = fuzz::SplitOnce(text, '\n');
  Values record;
  const std::vector<std::string_view> lines{first, second};
  if (ParseRecord(kMixed, lines, record) == ReadStatus::kOk) {
    Check(record.Real(3));
    Check(record.Real(4));
    (void)FormatRecord(kMixed, record);
  }
  return 0;
}
