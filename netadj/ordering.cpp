#include "netadj/ordering.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "common/record.hpp"
#include "common/stop.hpp"
#include "netadj/ordering_neighbours.hpp"
#include "netadj/ordering_rcm.hpp"
#include "netadj/ordering_reduce.hpp"

namespace korval::netadj {
namespace {

const Layout kBandLine = {Fixed(" BAND IS "), Integer(3), Fixed(" STATIONS")};

const Layout kConnectionWarning = {
    Fixed(" WARNING *** STATION "), Text(8), Fixed(" CONNECTED TO ONLY "), Integer(1), Fixed(" STATIONS"),
};

// One station name per record of the working file.
const Layout kNameRecord = {Text(8)};

// The outcome of one renumbering pass, in the numbering the pass started from.
struct Pass {
  int band = 0;
  std::vector<int> neighbour_count;  // [1..n]
  std::vector<int> new_number;       // [1..n]
};

// Puts station station_at[p] at position p (1-based): control station
// numbers, vector ends and, through the working file, the station table.
void ApplyNumbering(Network& network, RecordFile& temp_ppp, const std::vector<int>& station_at,
                    std::vector<int>& new_number) {
  const int n = static_cast<int>(network.stations.size());
  new_number.assign(static_cast<size_t>(n) + 1, 0);
  for (int p = 1; p <= n; ++p) new_number[static_cast<size_t>(station_at[static_cast<size_t>(p)])] = p;
  for (ControlPoint& point : network.control) point.station = new_number[static_cast<size_t>(point.station) + 1] - 1;
  for (Vector& vector : network.vectors) {
    vector.from = new_number[static_cast<size_t>(vector.from) + 1] - 1;
    vector.to = new_number[static_cast<size_t>(vector.to) + 1] - 1;
  }

  // The names go out in position order and come back as the new table; the
  // rest of each station's record is not yet computed and stays with its slot.
  temp_ppp.Rewind();
  for (int p = 1; p <= n; ++p) {
    temp_ppp.Write(kNameRecord, {network.stations[static_cast<size_t>(station_at[static_cast<size_t>(p)]) - 1].name});
  }
  temp_ppp.TruncateHere();
  temp_ppp.Rewind();
  Values record;
  for (Station& station : network.stations) {
    record.Clear();
    temp_ppp.Read(kNameRecord, record);
    station.name = record.Text(0);
  }
}

Pass RenumberPass(Network& network, RecordFile& temp_ppp, OrderingMethod method) {
  NeighbourLists lists =
      method == OrderingMethod::kFast ? BuildNeighbourLists(network) : BuildNeighbourListsLiteral(network);
  Pass pass;
  pass.neighbour_count = lists.count;
  const Reduction reduction =
      ReduceBand(lists, method == OrderingMethod::kFast ? ReductionMethod::kStations : ReductionMethod::kLiteral);
  // A network without vectors has no band; its stations reach nowhere.
  pass.band = std::max(reduction.band, 0);
  ApplyNumbering(network, temp_ppp, reduction.station_at, pass.new_number);
  return pass;
}

void WriteBandLine(Session& session, int band) { session.console().Write(kBandLine, {band}); }

void WriteConnectionWarnings(const Network& network, const Pass& pass, RecordFile& report) {
  const int n = static_cast<int>(network.stations.size());
  for (int k = 1; k <= n; ++k) {
    const int count = pass.neighbour_count[static_cast<size_t>(k)];
    if (count >= 2) continue;
    const std::string& name = network.stations[static_cast<size_t>(pass.new_number[static_cast<size_t>(k)]) - 1].name;
    report.Write(kConnectionWarning, {name, count});
  }
}

// The half-band moves can settle far above the band a network needs. Where
// their result does not fit the terms, the stations are numbered by reverse
// Cuthill-McKee instead.
int RenumberByReverseCuthillMcKee(Network& network, RecordFile& temp_ppp) {
  const std::vector<int> order = ReverseCuthillMcKee(network);
  std::vector<int> station_at(order.size() + 1, 0);
  for (size_t p = 0; p < order.size(); ++p) station_at[p + 1] = order[p] + 1;
  std::vector<int> new_number;
  ApplyNumbering(network, temp_ppp, station_at, new_number);
  std::vector<int> position(network.stations.size());
  for (size_t s = 0; s < position.size(); ++s) position[s] = static_cast<int>(s);
  return BandOfNumbering(network, position);
}

[[noreturn]] void StopWith(Session& session, std::string_view message) {
  session.console().Say(message);
  Stop();
}

}  // namespace

long long TermsOf(int stations, int band) {
  return static_cast<long long>(stations - 1) * band + stations;
}

BandInfo OrderStations(Session& session, Network& network, RecordFile& temp_ppp, RecordFile& report) {
  return OrderStations(session, network, temp_ppp, report, OrderingMethod::kFast);
}

BandInfo OrderStations(Session& session, Network& network, RecordFile& temp_ppp, RecordFile& report,
                       OrderingMethod method) {
  if (network.control.empty()) {
    StopWith(session, " *** INSUFFICIENT AMOUNT OF CONTROL TO PERFORM THE         ADJUSTMENT ***");
  }
  for (size_t c = 0; c < network.control.size(); ++c) network.control[c].station = static_cast<int>(c);

  BandInfo info;
  int previous_band = 10000;
  Pass pass;
  for (;;) {
    pass = RenumberPass(network, temp_ppp, method);
    ++info.passes;
    WriteBandLine(session, pass.band);
    if (pass.band >= previous_band) break;
    previous_band = pass.band;
  }
  info.band = pass.band;
  WriteConnectionWarnings(network, pass, report);

  const int n = static_cast<int>(network.stations.size());
  info.terms = TermsOf(n, info.band);
  if (info.terms > kMaxTerms) {
    info.band = RenumberByReverseCuthillMcKee(network, temp_ppp);
    info.reverse_cuthill_mckee = true;
    WriteBandLine(session, info.band);
    info.terms = TermsOf(n, info.band);
  }
  if (info.terms > kMaxTerms) StopWith(session, " NUMBER OF TERMS EXCEEDS THE PROGRAM LIMIT-STOP");
  return info;
}

}  // namespace korval::netadj
