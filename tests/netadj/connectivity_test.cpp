#include "netadj/connectivity.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "netadj/band_solver.hpp"
#include "tests/netadj/ordering_test_networks.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using testing::MakeNetwork;
using ::korval::testing::RunWithAnswers;
using ::korval::testing::TempProject;

struct Checked {
  ::korval::testing::RunResult run;
  std::vector<std::string> report;
  bool returned = false;
};

Checked Check(const Network& network, bool minimally_constrained) {
  TempProject project;
  Checked checked;
  checked.run = RunWithAnswers(
      project,
      [&](Session& session) {
        RecordFile* report = session.Open("OUT.VEC", OpenMode::kUnknown);
        CheckConnectionToControl(session, network, minimally_constrained, *report);
        checked.returned = true;
      },
      {});
  checked.report = project.Lines("OUT.VEC");
  return checked;
}

TEST(Connectivity, ConnectedNetworkPassesSilently) {
  const Checked checked = Check(MakeNetwork(4, 1, {{0, 1}, {2, 1}, {3, 2}}), false);
  EXPECT_TRUE(checked.returned);
  EXPECT_EQ(checked.run.lines, std::vector<std::string>{"Stop - Program terminated."});
  EXPECT_TRUE(checked.report.empty());
}

TEST(Connectivity, IsolatedGroupIsNamedStationByStationAndStopsTheRun) {
  // S1-S2 held; S3-S4-S5 float.
  const Checked checked = Check(MakeNetwork(5, 1, {{0, 1}, {2, 3}, {4, 3}}), false);
  EXPECT_FALSE(checked.returned);
  const std::vector<std::string> named = {
      " *** STATION S3       HAS NO CONNECTION TO CONTROL",
      " *** STATION S4       HAS NO CONNECTION TO CONTROL",
      " *** STATION S5       HAS NO CONNECTION TO CONTROL",
  };
  std::vector<std::string> console = named;
  console.push_back("NETWORK CANNOT BE ADJUSTED - PREMATURE STOP");
  EXPECT_EQ(checked.run.lines, console);
  EXPECT_EQ(checked.report, named);
  EXPECT_EQ(checked.run.exit_status, 0);
}

TEST(Connectivity, MinimallyConstrainedHoldsOnlyTheFirstControlPoint) {
  // Control points S1 and S2; S2 is in no vector.
  const Network network = MakeNetwork(4, 2, {{0, 2}, {2, 3}});
  EXPECT_TRUE(Check(network, false).returned);
  const Checked minimal = Check(network, true);
  EXPECT_FALSE(minimal.returned);
  EXPECT_EQ(minimal.report, std::vector<std::string>{" *** STATION S2       HAS NO CONNECTION TO CONTROL"});
  // Held only through the second control point: cut off when minimally constrained.
  EXPECT_EQ(StationsWithoutControl(MakeNetwork(4, 2, {{1, 2}, {2, 3}}), true), (std::vector<int>{1, 2, 3}));
}

TEST(Connectivity, WeightlessVectorsAndControlHoldNothing) {
  Network network = MakeNetwork(3, 1, {{0, 1}, {1, 2}});
  network.vectors[1].wz = 0.0;
  EXPECT_EQ(StationsWithoutControl(network, false), std::vector<int>{2});
  network.vectors[1].wz = 1.0;
  network.control[0].wy = 0.0;
  EXPECT_EQ(StationsWithoutControl(network, false), (std::vector<int>{0, 1, 2}));
  // The minimally constrained hold does not use the record's weights.
  EXPECT_TRUE(StationsWithoutControl(network, true).empty());
}

}  // namespace
}  // namespace korval::netadj
