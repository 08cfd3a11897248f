#include "netadj/ordering.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "netadj/ordering_neighbours.hpp"
#include "netadj/ordering_rcm.hpp"
#include "netadj/ordering_reduce.hpp"
#include "tests/netadj/ordering_test_networks.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using testing::MakeGridNetwork;
using testing::MakeNetwork;
using testing::RecordOrder;
using ::korval::testing::RunWithAnswers;
using ::korval::testing::TempProject;

struct Ordered {
  ::korval::testing::RunResult run;
  BandInfo info;
  Network network;
  std::vector<int> band_lines;      // the widths printed
  std::vector<std::string> report;  // OUT.VEC
};

Ordered Order(const Network& network, OrderingMethod method = OrderingMethod::kFast) {
  TempProject project;
  Ordered ordered;
  ordered.network = network;
  ordered.run = RunWithAnswers(
      project,
      [&](Session& session) {
        RecordFile* temp_ppp = session.Open("TEMP.PPP", OpenMode::kUnknown);
        RecordFile* report = session.Open("OUT.VEC", OpenMode::kUnknown);
        ordered.info = OrderStations(session, ordered.network, *temp_ppp, *report, method);
      },
      {});
  for (const std::string& line : ordered.run.lines) {
    // A band wider than the three columns of its line is written as asterisks.
    if (line.rfind(" BAND IS ", 0) == 0) {
      ordered.band_lines.push_back(line.substr(9, 3) == "***" ? 1000 : std::atoi(line.substr(9, 3).c_str()));
    }
  }
  ordered.report = project.Lines("OUT.VEC");
  return ordered;
}

int LargestSpan(const Network& network) {
  int span = 0;
  for (const Vector& v : network.vectors) span = std::max(span, std::abs(v.from - v.to));
  return span;
}

// The network as names: every vector by the names of its ends, every control
// point by its station's name. Renumbering must not change it.
std::multiset<std::tuple<std::string, std::string, double>> VectorsByName(const Network& network) {
  std::multiset<std::tuple<std::string, std::string, double>> vectors;
  for (const Vector& v : network.vectors) {
    vectors.emplace(network.stations[static_cast<size_t>(v.from)].name, network.stations[static_cast<size_t>(v.to)].name,
                    v.dx);
  }
  return vectors;
}

std::vector<std::string> ControlByName(const Network& network) {
  std::vector<std::string> names;
  for (const ControlPoint& c : network.control) names.push_back(network.stations[static_cast<size_t>(c.station)].name);
  return names;
}

TEST(OrderStations, ChainNumberedOutOfOrderEndsWithTwoBandLinesOfOne) {
  // Vectors 1-5, 5-2, 2-4, 4-3.
  const Network chain = MakeNetwork(5, 1, {{0, 4}, {4, 1}, {1, 3}, {3, 2}});
  const Ordered ordered = Order(chain);
  ASSERT_EQ(ordered.run.exit_status, 0);
  ASSERT_GE(ordered.band_lines.size(), 2u);
  EXPECT_EQ(ordered.band_lines[ordered.band_lines.size() - 1], 1);
  EXPECT_EQ(ordered.band_lines[ordered.band_lines.size() - 2], 1);
  EXPECT_EQ(ordered.run.lines,
            (std::vector<std::string>{" BAND IS   3 STATIONS", " BAND IS   1 STATIONS", " BAND IS   1 STATIONS",
                                      "Stop - Program terminated."}));
  EXPECT_EQ(ordered.info.band, 1);
  EXPECT_EQ(ordered.info.terms, 4 * 1 + 5);
  EXPECT_EQ(LargestSpan(ordered.network), 1);
  EXPECT_EQ(VectorsByName(ordered.network), VectorsByName(chain));
  EXPECT_EQ(ControlByName(ordered.network), ControlByName(chain));
}

// The first pass over the chain, followed by hand: four moves (up, down, up,
// down) and the first sweep ends at its n-th scan on band 3, the best it saw.
TEST(ReduceBand, FirstPassOverTheChainMakesTheMovesOfTheProcedure) {
  const Network chain = MakeNetwork(5, 1, {{0, 4}, {4, 1}, {1, 3}, {3, 2}});
  for (const ReductionMethod search : {ReductionMethod::kStations, ReductionMethod::kLiteral}) {
    NeighbourLists lists = BuildNeighbourListsLiteral(chain);
    EXPECT_EQ(std::vector<int>(lists.entry.begin() + 1, lists.entry.end()),
              (std::vector<int>{5, 5, 4, 4, 2, 3, 1, 2}));
    const Reduction reduction = ReduceBand(lists, search);
    EXPECT_EQ(reduction.band, 3);
    EXPECT_EQ(reduction.moves, 4);
    EXPECT_EQ(reduction.station_at, (std::vector<int>{0, 3, 5, 4, 2, 1}));
  }
}

TEST(OrderStations, BandsNeverIncreaseAndTheBandIsTheLargestSpan) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    for (const RecordOrder order : {RecordOrder::kRandom, RecordOrder::kSweep}) {
      const Network network = MakeGridNetwork(150 + 40 * static_cast<int>(seed), 7, 480, order, seed).network;
      const Ordered ordered = Order(network);
      ASSERT_EQ(ordered.run.exit_status, 0);
      const std::vector<int>& bands = ordered.band_lines;
      ASSERT_GE(bands.size(), 2u);
      EXPECT_EQ(static_cast<int>(bands.size()), ordered.info.passes);
      for (size_t k = 1; k < bands.size(); ++k) EXPECT_LE(bands[k], bands[k - 1]) << "seed " << seed;
      EXPECT_EQ(bands[bands.size() - 1], bands[bands.size() - 2]);
      EXPECT_EQ(ordered.info.band, bands.back());
      EXPECT_EQ(ordered.info.band, LargestSpan(ordered.network));
      EXPECT_EQ(ordered.info.terms, TermsOf(static_cast<int>(network.stations.size()), ordered.info.band));
      EXPECT_EQ(VectorsByName(ordered.network), VectorsByName(network));
      EXPECT_EQ(ControlByName(ordered.network), ControlByName(network));
    }
  }
}

TEST(OrderStations, FastBookkeepingMakesTheLiteralMovesExactly) {
  for (unsigned seed = 11; seed <= 16; ++seed) {
    for (const RecordOrder order : {RecordOrder::kRandom, RecordOrder::kSweep}) {
      const Network network = MakeGridNetwork(120 + 37 * static_cast<int>(seed % 5), 5, 400, order, seed).network;
      const Ordered fast = Order(network, OrderingMethod::kFast);
      const Ordered literal = Order(network, OrderingMethod::kLiteral);
      EXPECT_EQ(fast.run.lines, literal.run.lines);
      EXPECT_EQ(fast.report, literal.report);
      ASSERT_EQ(fast.network.stations.size(), literal.network.stations.size());
      for (size_t s = 0; s < fast.network.stations.size(); ++s) {
        ASSERT_EQ(fast.network.stations[s].name, literal.network.stations[s].name) << "seed " << seed;
      }
      for (size_t v = 0; v < fast.network.vectors.size(); ++v) {
        EXPECT_EQ(fast.network.vectors[v].from, literal.network.vectors[v].from);
        EXPECT_EQ(fast.network.vectors[v].to, literal.network.vectors[v].to);
      }
    }
  }
}

TEST(NeighbourLists, OneSweepEqualsTheStationByStationScan) {
  Network network = MakeGridNetwork(90, 3, 260, RecordOrder::kRandom, 5).network;
  // Repeated pairs in both directions enter once.
  network.vectors.push_back(network.vectors[3]);
  std::swap(network.vectors.back().from, network.vectors.back().to);
  const NeighbourLists fast = BuildNeighbourLists(network);
  const NeighbourLists literal = BuildNeighbourListsLiteral(network);
  EXPECT_EQ(fast.offset, literal.offset);
  EXPECT_EQ(fast.count, literal.count);
  EXPECT_EQ(fast.entry, literal.entry);
  EXPECT_EQ(fast.neighbour, literal.neighbour);
  EXPECT_EQ(fast.back, literal.back);
  // Each back reference leads to the entry naming the station.
  for (int s = 1; s <= fast.stations; ++s) {
    for (int j = 1; j <= fast.count[s]; ++j) {
      const int v = fast.entry[static_cast<size_t>(fast.At(s, j))];
      EXPECT_EQ(fast.entry[static_cast<size_t>(fast.At(v, fast.back[static_cast<size_t>(fast.At(s, j))]))], s);
    }
  }
}

TEST(ReduceBand, ReturnedBandIsTheLargestSpanOfItsNumberingAndNeverWorseThanTheStart) {
  for (unsigned seed = 21; seed <= 30; ++seed) {
    const Network network = MakeGridNetwork(60 + 13 * static_cast<int>(seed % 7), 2, 170, RecordOrder::kRandom, seed).network;
    for (const ReductionMethod search : {ReductionMethod::kStations, ReductionMethod::kLiteral}) {
      NeighbourLists lists = BuildNeighbourLists(network);
      const Reduction reduction = ReduceBand(lists, search);
      std::vector<int> position(network.stations.size());
      for (size_t p = 1; p < reduction.station_at.size(); ++p) {
        position[static_cast<size_t>(reduction.station_at[p]) - 1] = static_cast<int>(p) - 1;
      }
      EXPECT_EQ(reduction.band, BandOfNumbering(network, position));
      EXPECT_LE(reduction.band, LargestSpan(network));
    }
  }
}

TEST(OrderStations, WarnsAboutSpursAndControlOutsideEveryVector) {
  // S1, S3, S4, S5 a loop; S6 a spur on S5; S2 a control point in no vector.
  const Network network = MakeNetwork(6, 2, {{0, 2}, {2, 3}, {3, 4}, {4, 0}, {4, 5}});
  const Ordered ordered = Order(network);
  ASSERT_EQ(ordered.run.exit_status, 0);
  std::vector<std::string> warnings = ordered.report;
  std::sort(warnings.begin(), warnings.end());
  EXPECT_EQ(warnings, (std::vector<std::string>{" WARNING *** STATION S2       CONNECTED TO ONLY 0 STATIONS",
                                                " WARNING *** STATION S6       CONNECTED TO ONLY 1 STATIONS"}));
}

TEST(OrderStations, WithoutControlStopsBeforeAnyBandLine) {
  const Network network = MakeNetwork(3, 0, {{0, 1}, {1, 2}});
  const Ordered ordered = Order(network);
  ASSERT_EQ(ordered.run.lines.size(), 2u);
  EXPECT_EQ(ordered.run.lines[0], " *** INSUFFICIENT AMOUNT OF CONTROL TO PERFORM THE         ADJUSTMENT ***");
  EXPECT_EQ(ordered.run.lines[1], "Stop - Program terminated.");
}

TEST(OrderStations, NetworkWithoutVectorsHasBandZero) {
  const Ordered ordered = Order(MakeNetwork(3, 3, {}));
  ASSERT_EQ(ordered.run.exit_status, 0);
  EXPECT_EQ(ordered.info.band, 0);
  EXPECT_EQ(ordered.info.terms, 3);
  EXPECT_EQ(ordered.band_lines, (std::vector<int>{0, 0}));
}

// A hub with `spokes` spokes and a chain on the last spoke: 3,000 stations
// whose narrowest band is half the spokes, rounded up, which the moves find.
Network HubWithChain(int spokes) {
  std::vector<std::pair<int, int>> ends;
  for (int s = 1; s <= spokes; ++s) ends.emplace_back(0, s);
  for (int s = spokes; s + 1 < 3000; ++s) ends.emplace_back(s, s + 1);
  return MakeNetwork(3000, 1, ends);
}

TEST(TermsLimit, ThreeThousandStationsFitWithBand299AndNotWith300) {
  const Ordered fits = Order(HubWithChain(598));
  EXPECT_EQ(fits.info.band, 299);
  EXPECT_EQ(fits.info.terms, 899701);
  EXPECT_FALSE(fits.info.reverse_cuthill_mckee);
  EXPECT_EQ(fits.run.lines.back(), "Stop - Program terminated.");
  EXPECT_EQ(fits.band_lines, (std::vector<int>{299, 299}));

  // 2999 * 300 + 3000 = 902,700 terms; no numbering does better.
  const Ordered refused = Order(HubWithChain(599));
  EXPECT_EQ(refused.band_lines[0], 300);
  ASSERT_EQ(refused.band_lines.size(), 3u);
  EXPECT_GE(refused.band_lines[2], 300);
  ASSERT_GE(refused.run.lines.size(), 2u);
  EXPECT_EQ(refused.run.lines[refused.run.lines.size() - 2], " NUMBER OF TERMS EXCEEDS THE PROGRAM LIMIT-STOP");
}

// The largest network of the program with its records in random order: the
// half-band moves settle far above what the network needs.
TEST(OrderStations, FallsBackToReverseCuthillMcKeeWhenTheMovesDoNotFit) {
  const Network network = MakeGridNetwork(3000, 700, 9899, RecordOrder::kRandom, 1).network;
  const Ordered ordered = Order(network);
  ASSERT_EQ(ordered.run.exit_status, 0) << ordered.run.console;
  EXPECT_TRUE(ordered.info.reverse_cuthill_mckee);
  const std::vector<int>& bands = ordered.band_lines;
  ASSERT_GE(bands.size(), 3u);
  // The moves' last two lines are equal and too wide; the fallback's follows.
  EXPECT_EQ(bands[bands.size() - 2], bands[bands.size() - 3]);
  EXPECT_GT(TermsOf(3000, bands[bands.size() - 2]), kMaxTerms);  // at least 300, maybe asterisks
  EXPECT_EQ(bands.back(), ordered.info.band);
  EXPECT_LE(ordered.info.terms, kMaxTerms);
  EXPECT_EQ(ordered.info.band, LargestSpan(ordered.network));
  EXPECT_EQ(VectorsByName(ordered.network), VectorsByName(network));
  EXPECT_EQ(ControlByName(ordered.network), ControlByName(network));
  EXPECT_EQ(ordered.run.lines.back(), "Stop - Program terminated.");
}

TEST(OrderStations, NetworkThatFitsNeverNeedsTheFallback) {
  const Network network = MakeGridNetwork(3000, 700, 9899, RecordOrder::kSweep, 7).network;
  const Ordered ordered = Order(network);
  EXPECT_FALSE(ordered.info.reverse_cuthill_mckee);
  EXPECT_EQ(ordered.info.band, ordered.band_lines.back());
  EXPECT_EQ(static_cast<int>(ordered.band_lines.size()), ordered.info.passes);
}

TEST(OrderStations, StarThatNoNumberingFitsStillStopsWithTheTermsMessage) {
  std::vector<std::pair<int, int>> spokes;
  for (int s = 1; s < 3000; ++s) spokes.emplace_back(0, s);
  const Ordered ordered = Order(MakeNetwork(3000, 1, spokes));
  ASSERT_GE(ordered.run.lines.size(), 2u);
  EXPECT_EQ(ordered.run.lines[ordered.run.lines.size() - 2], " NUMBER OF TERMS EXCEEDS THE PROGRAM LIMIT-STOP");
  EXPECT_EQ(ordered.run.lines.back(), "Stop - Program terminated.");
  EXPECT_GE(ordered.band_lines.size(), 3u);
}

}  // namespace
}  // namespace korval::netadj

namespace korval::netadj {
namespace {

// The station-based bookkeeping must return the literal numbering on networks
// of every shape: grids in field order and in random order (where passes end
// after a second sweep), and sparse ones with spurs and stations far apart.
TEST(ReduceBand, StationBookkeepingReturnsTheLiteralNumbering) {
  int second_sweeps = 0;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    const RecordOrder order = seed % 2 ? RecordOrder::kRandom : RecordOrder::kSweep;
    const int stations = 20 + static_cast<int>((seed * 37) % 180);
    const int vectors = stations + static_cast<int>((seed * 53) % (2 * stations));
    const Network network = MakeGridNetwork(stations, 1 + static_cast<int>(seed % 4), vectors, order, seed).network;
    NeighbourLists for_stations = BuildNeighbourLists(network);
    NeighbourLists for_literal = BuildNeighbourLists(network);
    const Reduction fast = ReduceBand(for_stations, ReductionMethod::kStations);
    const Reduction literal = ReduceBand(for_literal, ReductionMethod::kLiteral);
    EXPECT_EQ(fast.band, literal.band) << "seed " << seed;
    EXPECT_EQ(fast.station_at, literal.station_at) << "seed " << seed;
    if (literal.moves > fast.moves) ++second_sweeps;
  }
  EXPECT_GT(second_sweeps, 5);  // the shortcut of the second sweep was exercised
}

}  // namespace
}  // namespace korval::netadj
