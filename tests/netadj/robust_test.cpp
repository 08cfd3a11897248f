#include "netadj/robust.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "common/stop.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

TEST(RobustWeightTest, MovesStandardDeviationHalfwayToResidual) {
  // s = 0.010 with residual -0.030: s' = 0.020, weight 2,500.
  EXPECT_NEAR(RobustWeight(1.0 / (0.010 * 0.010), -0.030), 2500.0, 1e-8);
  // A zero residual halves the standard deviation: four times the weight.
  EXPECT_NEAR(RobustWeight(400.0, 0.0), 1600.0, 1e-9);
  EXPECT_EQ(RobustWeight(0.0, 0.5), 0.0);
}

Network SmallNetwork() {
  Network n;
  n.stations.resize(2);
  n.stations[0].x = 100.0;
  n.stations[1].x = 110.03;  // adjusted dX 10.03 against 10.00 observed
  n.stations[1].y = -0.01;
  Vector v;
  v.from = 0;
  v.to = 1;
  v.dx = 10.0;
  v.wx = v.wy = v.wz = 1e4;  // 1 cm
  n.vectors = {v};
  ControlPoint c;
  c.station = 1;
  c.cx = 110.0;  // 3 cm from the adjusted X
  c.cy = -0.01;
  c.wx = c.wy = c.wz = 1e4;
  n.control = {c};
  return n;
}

TEST(RobustWeightTest, ReweightsEveryComponentWithItsOwnResidual) {
  Network n = SmallNetwork();
  ReweightVectors(n);
  EXPECT_NEAR(n.vectors[0].wx, 2500.0, 1e-6);   // residual 3 cm
  EXPECT_NEAR(n.vectors[0].wy, 10000.0, 1e-6);  // residual -1 cm
  EXPECT_NEAR(n.vectors[0].wz, 40000.0, 1e-6);  // no residual
  EXPECT_EQ(n.control[0].wx, 1e4);

  ReweightControl(n);
  EXPECT_NEAR(n.control[0].wx, 2500.0, 1e-6);
  EXPECT_NEAR(n.control[0].wy, 40000.0, 1e-6);
}

struct Dialogue {
  bool another = false;
  std::string console;
  std::vector<std::string> report;
  Network network;
};

Dialogue Ask(const std::string& answers, bool minimally_constrained) {
  std::istringstream in(answers);
  std::ostringstream out;
  Console console(in, out);
  korval::testing::TempProject project;
  auto report = RecordFile::Open(project.Path("OUT.VEC"), OpenMode::kUnknown);
  Dialogue d;
  d.network = SmallNetwork();
  d.another = OfferRobustReweighting(console, *report, d.network, minimally_constrained);
  d.console = out.str();
  d.report = report->lines();
  return d;
}

const char kVectorQuestion[] = " DO YOU WANT TO RE-WEIGHT (ROBUST) YOUR VECTORS (Y/N)? <N>\r\n";
const char kControlQuestion[] = " DO YOU WANT TO RE-WEIGHT (ROBUST) CONTROL COOR. (Y/N)? <N>\r\n";

TEST(RobustQuestionsTest, MinimallyConstrainedAsksOnlyForVectors) {
  const Dialogue yes = Ask("y\n", true);
  EXPECT_TRUE(yes.another);
  EXPECT_EQ(yes.console, kVectorQuestion);
  EXPECT_EQ(yes.report, (std::vector<std::string>{"", " VECTORS HAVE BEEN RE-WEIGHTED IN FOLLOWING ADJUSTMENT", ""}));
  EXPECT_NEAR(yes.network.vectors[0].wx, 2500.0, 1e-6);
  EXPECT_EQ(yes.network.control[0].wx, 1e4);

  const Dialogue no = Ask("\n", true);
  EXPECT_FALSE(no.another);
  EXPECT_TRUE(no.report.empty());
  EXPECT_EQ(no.network.vectors[0].wx, 1e4);
}

TEST(RobustQuestionsTest, ConstrainedAsksForControlToo) {
  const Dialogue none = Ask("n\nN\n", false);
  EXPECT_FALSE(none.another);
  EXPECT_EQ(none.console, std::string(kVectorQuestion) + kControlQuestion);

  const Dialogue vectors = Ask("Y\n\n", false);
  EXPECT_TRUE(vectors.another);
  EXPECT_EQ(vectors.report.size(), 3u);

  // X repeats the question; the control answer alone starts a new pass.
  const Dialogue control = Ask("X\nn\nmaybe\ny\n", false);
  EXPECT_TRUE(control.another);
  EXPECT_EQ(control.console, std::string(kVectorQuestion) + kVectorQuestion + kControlQuestion + kControlQuestion);
  EXPECT_EQ(control.report,
            (std::vector<std::string>{"", " CONTROL COORDINATES HAVE BEEN REWEIGHTED IN FOLLOWING ADJUSTMENT", ""}));
  EXPECT_EQ(control.network.vectors[0].wx, 1e4);
  EXPECT_NEAR(control.network.control[0].wx, 2500.0, 1e-6);

  const Dialogue both = Ask("y\ny\n", false);
  EXPECT_TRUE(both.another);
  EXPECT_EQ(both.report.size(), 6u);
}

TEST(RobustQuestionsTest, EndOfInputStops) {
  EXPECT_THROW(Ask("", true), ProgramStop);
}

}  // namespace
}  // namespace korval::netadj
