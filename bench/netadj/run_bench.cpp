// The whole adjustment run on the largest network the program takes: 3,000
// stations, 700 control points, 9,899 vectors: one pass without state plane
// or elevations, and three passes (two robust re-weightings of vectors and
// control) with state plane output in metres and both feet (the network lies
// in Pennsylvania South, pick number 99). Every iteration runs NETADJ's main procedure in a fresh project
// directory, from the banner to the closing line: parameters, reading
// INFO.VEC, renumbering, the three component solutions, statistics, the
// report and VECTOR.GEO written to disk.
//
// The network comes from tools/make_network.py (written once per benchmark
// process into a temporary folder), its records in the order of a field
// survey and in random order, or from the INFO.VEC named by the environment
// variable KORVAL_BENCH_NETWORK.
//
// Reported counters: the lines of the report, and the peak resident memory of
// the process (VmHWM) after the runs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "common/session.hpp"
#include "netadj/run.hpp"

namespace {

namespace fs = std::filesystem;

fs::path WorkFolder() {
  static const fs::path folder = [] {
    fs::path f = fs::temp_directory_path() / ("korval-run-bench-" + std::to_string(getpid()));
    fs::create_directories(f);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(fs::temp_directory_path() / ("korval-run-bench-" + std::to_string(getpid())), ignored);
    });
    return f;
  }();
  return folder;
}

// The INFO.VEC of the maximal network with its records in the order of a
// field survey that sweeps the area ("sweep") or in random order ("random").
fs::path MaximalNetwork(const std::string& order) {
  if (const char* given = std::getenv("KORVAL_BENCH_NETWORK")) return fs::path(given);
  const fs::path out = WorkFolder() / (order + ".vec");
  if (fs::exists(out)) return out;
  const std::string command = "python3 '" KORVAL_SOURCE_DIR "/tools/make_network.py' --stations 3000 --control 700 "
                              "--vectors 9899 --order " + order + " --output '" + out.string() + "' > /dev/null";
  if (std::system(command.c_str()) != 0 || !fs::exists(out)) {
    throw std::runtime_error("could not make the network with tools/make_network.py");
  }
  return out;
}

// A constrained NAD 83 run, one pass, no state plane or elevations; the
// console accepts the parameters.
struct RunKind {
  const char* parameters;  // KORVAL.INF
  const char* answers;     // console input
};
const RunKind kOnePass = {"   2   2   1   1   0   1   1         0.0001\r\n", "\n"};
// Robust questions on, state plane zone 99 in metres, U.S. survey feet and
// international feet: vectors and control re-weighted twice, then no more.
const RunKind kThreePassesStatePlane = {"   2   2   2   2  99   4   1         0.0001\r\n", "\nY\nY\nY\nY\nN\nN\n"};

// A fresh project: the network and the parameters.
fs::path FreshProject(const std::string& order, const RunKind& kind, int iteration) {
  const fs::path project = WorkFolder() / ("project-" + std::to_string(iteration));
  fs::remove_all(project);
  fs::create_directories(project);
  fs::copy_file(MaximalNetwork(order), project / "INFO.VEC");
  std::ofstream(project / "KORVAL.INF", std::ios::binary) << kind.parameters;
  return project;
}

long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

int CountLines(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  int count = 0;
  while (std::getline(in, line)) ++count;
  return count;
}

void WholeRun(benchmark::State& state, const std::string& order, const RunKind& kind) {
  int iteration = 0;
  int report_lines = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path project = FreshProject(order, kind, iteration++);
    std::istringstream answers(kind.answers);
    std::ostringstream console;
    state.ResumeTiming();
    const int status = korval::RunProgram(answers, console, project, korval::netadj::Run);
    benchmark::DoNotOptimize(status);
    state.PauseTiming();
    if (status != 0 || console.str().find("Stop - Program terminated.") == std::string::npos) {
      state.SkipWithError("the run did not end normally");
    }
    report_lines = CountLines(project / "OUT.VEC");
    fs::remove_all(project);
    state.ResumeTiming();
  }
  state.counters["report_lines"] = report_lines;
  state.counters["peak_rss_MiB"] = static_cast<double>(PeakResidentKiB()) / 1024.0;
}
void BM_WholeRunMaximalNetworkSurveyOrder(benchmark::State& state) { WholeRun(state, "sweep", kOnePass); }
void BM_WholeRunMaximalNetworkRandomOrder(benchmark::State& state) { WholeRun(state, "random", kOnePass); }
void BM_ThreePassesStatePlaneSurveyOrder(benchmark::State& state) {
  WholeRun(state, "sweep", kThreePassesStatePlane);
}
void BM_ThreePassesStatePlaneRandomOrder(benchmark::State& state) {
  WholeRun(state, "random", kThreePassesStatePlane);
}
BENCHMARK(BM_WholeRunMaximalNetworkSurveyOrder)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WholeRunMaximalNetworkRandomOrder)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ThreePassesStatePlaneSurveyOrder)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ThreePassesStatePlaneRandomOrder)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
