#include "view/grid_unit.hpp"

#include <array>

namespace korval::view {

GridUnit GridUnitOfDatum(std::optional<long long> datum_code) {
  if (!datum_code) return {"grid units", 0.0};
  if (*datum_code == 1) return {"US ft", 1200.0 / 3937.0};
  return {"m", 1.0};
}

std::optional<long long> ReadDatumCode(RecordFile& parameters) {
  parameters.Rewind();
  std::array<double, 1> datum{0.0};
  const std::array<ListKind, 1> kinds{ListKind::kInteger};
  const ListResult result = parameters.ReadList(datum, kinds);
  if (result.status != ListStatus::kOk || result.assigned != 1) return std::nullopt;
  return static_cast<long long>(datum[0]);
}

}  // namespace korval::view
