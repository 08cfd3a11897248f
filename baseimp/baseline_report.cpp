#include "baseimp/baseline_report.hpp"

#include <algorithm>
#include <optional>
#include <string_view>

#include "common/fields.hpp"
#include "common/record.hpp"

namespace korval::baseimp {

namespace {

constexpr std::string_view kPointKey = " POINT NUMBER/INFO.: ";
constexpr std::string_view kDeltaKey = " DELTAX,";
constexpr std::string_view kSigmaKey = " SIGMAS (X,Y,Z)..[MM]";

// The coordinate differences of a baseline, metres.
const Layout kDeltaLine = {
    Skip(25),         // 1-25   " DELTAX,DELTAY,DELTAZ: " and blanks
    Decimal(19, 3),   // 26-44  DX
    Decimal(18, 3),   // 45-62  DY
    Decimal(18, 3),   // 63-80  DZ
};

// Their standard errors, millimetres.
const Layout kSigmaLine = {
    Skip(25),         // 1-25   " SIGMAS (X,Y,Z)..[MM]: " and blanks
    Decimal(19, 1),   // 26-44  SX
    Decimal(18, 1),   // 45-62  SY
    Decimal(18, 1),   // 63-80  SZ
};

// Scans the report for the key lines of one baseline after another.
class ReportScanner {
 public:
  explicit ReportScanner(const std::vector<std::string>& lines) : lines_(lines) {}

  // The name of the next point line; nothing at the end of the report.
  std::optional<std::string> NextPointName() {
    for (; next_ < lines_.size(); ++next_) {
      const std::string& line = lines_[next_];
      if (Columns(line, 1, static_cast<int>(kPointKey.size())) == kPointKey) {
        ++next_;
        return Columns(line, 22, 8);
      }
    }
    return std::nullopt;
  }

  // The three values of the next line that begins with `key` and can be read
  // with `layout`; lines that begin so but cannot be read are passed over.
  std::optional<Values> NextValues(std::string_view key, const Layout& layout) {
    Values values;
    for (; next_ < lines_.size(); ++next_) {
      const std::string& line = lines_[next_];
      if (Columns(line, 1, static_cast<int>(key.size())) != key) continue;
      if (ParseLine(layout, line, values) != ReadStatus::kOk) continue;
      ++next_;
      return values;
    }
    return std::nullopt;
  }

 private:
  const std::vector<std::string>& lines_;
  size_t next_ = 0;
};

}  // namespace

double SigmaInMetres(double millimetres) {
  return std::clamp(millimetres / 1000.0, kSmallestSigma, kLargestSigma);
}

std::vector<VectorRecord> ExtractBaselines(const std::vector<std::string>& lines) {
  std::vector<VectorRecord> baselines;
  ReportScanner scanner(lines);
  for (;;) {
    const std::optional<std::string> from = scanner.NextPointName();
    if (!from) break;
    const std::optional<std::string> to = scanner.NextPointName();
    if (!to) break;
    const std::optional<Values> deltas = scanner.NextValues(kDeltaKey, kDeltaLine);
    if (!deltas) break;
    const std::optional<Values> sigmas = scanner.NextValues(kSigmaKey, kSigmaLine);
    if (!sigmas) break;
    VectorRecord record;
    record.from = *from;
    record.to = *to;
    record.dx = deltas->Real(0);
    record.dy = deltas->Real(1);
    record.dz = deltas->Real(2);
    record.sx = SigmaInMetres(sigmas->Real(0));
    record.sy = SigmaInMetres(sigmas->Real(1));
    record.sz = SigmaInMetres(sigmas->Real(2));
    baselines.push_back(record);
  }
  return baselines;
}

}  // namespace korval::baseimp
