#include "tolcheck/tolerance_listing.hpp"

#include <string>

#include "geodesy/inverse.hpp"

namespace korval::tolcheck {

namespace {

const Layout kProportionalLine = {Fixed(" PROPORTIONAL = 1/ "), Decimal(11, 0)};
constexpr std::string_view kTitle = " KORVAL THE VECTOR POSITIONAL TOLERANCE TEST";
constexpr std::string_view kColumnHeading = "  STATION     ACTUAL  ALLOWABLE    STATUS";

const Layout kPassedLine = {
    Skip(1),            // 1
    Text(8),            // 2-9    station name
    Skip(1),            // 10
    Decimal(10, 4),     // 11-20  actual, metres
    Skip(1),            // 21
    Decimal(10, 4),     // 22-31  allowable, metres
    Fixed("    PASSED "),  // 32-42
};

const Layout kFailedLine = {
    Skip(1),            // 1
    Text(8),            // 2-9    station name
    Skip(1),            // 10
    Decimal(10, 4),     // 11-20  actual, metres
    Skip(1),            // 21
    Decimal(10, 4),     // 22-31  allowable, metres
    Fixed(" ** FAILED BY "),  // 32-45
    Decimal(7, 4),      // 46-52  actual minus allowable, metres
    Fixed(" METERS **"),
};

const Layout kWarningLine = {
    Fixed(" ** WARNING ** "), Integer(4), Fixed(" OF "), Integer(4),
    Fixed(" STATIONS FAIL POSITIONAL TOLERANCE !!!"),
};

constexpr std::string_view kAllUnknownMissing = " NO UNKNOWN STATIONS (ALL CONTROL) SO NO POS. TOL. ANALYSIS";
constexpr std::string_view kNoControlInReport = " NO CONTROL STATIONS IN OUT.VEC SO NO POS. TOL. ANALYSIS";
constexpr std::string_view kCongratulations = " CONGRATULATIONS - ALL YOUR POINTS PASS POSITIONAL TOLERANCE";

// The summary block: two empty lines, the verdict line, an empty line.
template <typename Sink>
void WriteSummary(Sink& sink, const std::string& verdict) {
  sink.WriteLine("");
  sink.WriteLine("");
  sink.WriteLine(verdict);
  sink.WriteLine("");
}

}  // namespace

std::optional<double> DistanceToNearestControl(const std::vector<AdjustedStation>& control,
                                               const AdjustedStation& station) {
  std::optional<double> nearest;
  for (const AdjustedStation& known : control) {
    if (!known.in_report) continue;
    const double distance =
        geodesy::GeodeticInverse(known.latitude, known.longitude, station.latitude, station.longitude).distance;
    if (!nearest || distance < *nearest) nearest = distance;
  }
  return nearest;
}

int WriteToleranceListing(RecordFile& listing, Console& console, const Tolerance& tolerance,
                          const AdjustedStations& stations) {
  listing.Rewind();
  if (stations.under_test.empty()) {
    listing.WriteLine(kAllUnknownMissing);
    return 0;
  }
  if (!DistanceToNearestControl(stations.control, stations.under_test.front())) {
    listing.WriteLine(kNoControlInReport);
    console.Say(kNoControlInReport);
    return 0;
  }
  listing.WriteLine(kTitle);
  listing.Write(ConstantLine(), {tolerance.constant});
  listing.Write(kProportionalLine, {tolerance.denominator});
  listing.WriteLine(kColumnHeading);

  int failures = 0;
  for (const AdjustedStation& station : stations.under_test) {
    const double allowable = Allowable(tolerance, *DistanceToNearestControl(stations.control, station));
    if (station.actual <= allowable) {
      listing.Write(kPassedLine, {station.name, station.actual, allowable});
    } else {
      listing.Write(kFailedLine, {station.name, station.actual, allowable, station.actual - allowable});
      ++failures;
    }
  }

  const int tested = static_cast<int>(stations.under_test.size());
  if (failures == 0) {
    WriteSummary(listing, std::string(kCongratulations));
    WriteSummary(console, std::string(kCongratulations));
  } else {
    const std::string warning = FormatLine(kWarningLine, {failures, tested});
    WriteSummary(console, warning);
    WriteSummary(listing, warning);
  }
  return failures;
}

}  // namespace korval::tolcheck
