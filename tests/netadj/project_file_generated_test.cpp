// The network generator of tools/ against the program's own reader and solver:
// its records must read without a complaint, and its control positions and
// vectors must describe one consistent network.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "geodesy/ellipsoid.hpp"
#include "netadj/band_solver.hpp"
#include "netadj/connectivity.hpp"
#include "netadj/ordering.hpp"
#include "netadj/project_file.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using ::korval::testing::RunWithAnswers;
using ::korval::testing::TempProject;

TEST(ProjectFileGenerated, GeneratedNetworkReadsOrdersAndAdjustsOntoItsControl) {
  if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not available";
  for (const std::string order : {"random", "sweep"}) {
    TempProject project;
    const std::string command = "python3 '" KORVAL_SOURCE_DIR "/tools/make_network.py' --stations 300 --control 40 "
                                "--vectors 950 --seed 5 --order " + order + " --output '" +
                                project.Path("INFO.VEC").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(::korval::testing::AllLinesEndWithCrLf(project.ReadRaw("INFO.VEC")));

    Network network;
    const auto run = RunWithAnswers(
        project,
        [&](Session& session) {
          RecordFile* info_vec = session.Open("INFO.VEC", OpenMode::kExisting);
          RecordFile* temp_ppp = session.OpenScratch();
          RecordFile* report = session.Open("OUT.VEC", OpenMode::kUnknown);
          ReadProjectFile(session, *info_vec, geodesy::kNad83, network);
          const BandInfo band = OrderStations(session, network, *temp_ppp, *report);
          CheckConnectionToControl(session, network, false, *report);
          for (const Component c : {Component::kX, Component::kY, Component::kZ}) {
            AdjustComponent(session, *report, network, c, band, false);
          }
        },
        {});
    ASSERT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.console.find("LINE IGNORED"), std::string::npos) << order;
    EXPECT_EQ(network.stations.size(), 300u);
    EXPECT_EQ(network.control.size(), 40u);
    EXPECT_EQ(network.vectors.size(), 950u);
    // Vectors carry 5 mm + 1 ppm of noise: the adjusted control stations stay
    // within a few centimetres of their control positions.
    for (const ControlPoint& point : network.control) {
      const Station& station = network.stations[static_cast<size_t>(point.station)];
      EXPECT_LT(std::hypot(station.x - point.cx, station.y - point.cy, station.z - point.cz), 0.05) << order;
    }
  }
}

}  // namespace
}  // namespace korval::netadj
