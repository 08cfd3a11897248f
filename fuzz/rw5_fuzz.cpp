// Fuzzes the .RW5 raw file reading: record kinds, point names, packed angles
// and positions, and the reader's base and rover modes over one file read
// twice (once from base mode, once going on in rover mode, as a second file
// of a run is read). Every position is finite, every name 8 characters, and
// the vector records made from them hold no NaN or Inf.
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "common/project_records.hpp"
#include "common/vector_error_model.hpp"
#include "fuzz/fuzz_support.hpp"
#include "rawimp/raw_reader.hpp"
#include "rawimp/raw_record.hpp"

namespace {

using namespace korval;

void Require(bool condition) {
  if (!condition) std::abort();
}

void RequireFinite(const geodesy::Cartesian& xyz) {
  Require(std::isfinite(xyz.x) && std::isfinite(xyz.y) && std::isfinite(xyz.z));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string> lines = SplitRecords(text);
  const bool check_output = !fuzz::CarriesNonFiniteText(text);

  for (const std::string& line : lines) {
    (void)rawimp::KindOf(line);
    const std::optional<rawimp::PointName> name = rawimp::FindPointName(line);
    if (name) Require(name->name.size() == 8 && name->first_column >= 1 && name->last_column >= name->first_column);
    if (const auto position = rawimp::ParsePosition(line, name)) RequireFinite(rawimp::ToCartesian(*position));
  }

  const VectorErrorModel model{0.01, 1.0};
  rawimp::RawReader reader(
      [&](const rawimp::Base& base) {
        Require(base.name.size() == 8);
        RequireFinite(base.xyz);
      },
      [&](const std::optional<rawimp::Base>& base, const rawimp::RoverPoint& point) {
        Require(point.name.size() == 8);
        RequireFinite(point.xyz);
        if (!base) return;
        VectorRecord vector{' ', base->name, point.name, point.xyz.x - base->xyz.x, 0,
                            point.xyz.y - base->xyz.y, 0, point.xyz.z - base->xyz.z, 0};
        const double length = std::sqrt(vector.dx * vector.dx + vector.dy * vector.dy + vector.dz * vector.dz);
        vector.sx = vector.sy = vector.sz = model.ComponentSigma(length);
        if (check_output) fuzz::CheckNoNonFinite(FormatVectorRecord(vector), "INFO.VEC");
      });
  reader.ReadFile(lines, rawimp::ReaderMode::kBase);
  reader.ReadFile(lines, rawimp::ReaderMode::kRover);
  return 0;
}
