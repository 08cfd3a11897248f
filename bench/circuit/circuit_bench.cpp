// CIRCUIT on its largest project, from the tolerance question to the totals,
// and the one depth-first search that spends its whole budget.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "bench/circuit/maximal_network.hpp"
#include "circuit/adjacency.hpp"
#include "circuit/run.hpp"
#include "circuit/short_loops.hpp"
#include "common/project_records.hpp"
#include "common/record_file.hpp"
#include "common/session.hpp"

namespace korval::circuit::bench {
namespace {

class ProjectDirectory {
 public:
  ProjectDirectory() {
    std::random_device random;
    dir_ = std::filesystem::temp_directory_path() / ("korval-circuit-bench-" + std::to_string(random()));
    std::filesystem::create_directories(dir_);
  }
  ~ProjectDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  void Write(const std::string& name, const std::vector<std::string>& lines) const {
    std::ofstream out(dir_ / name, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
  }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

void WholeRun(benchmark::State& state) {
  const NetworkFiles files = MaximalNetwork();
  ProjectDirectory project;
  project.Write("INFO.VEC", files.info_vec);
  project.Write("VECTOR.COR", files.vector_cor);
  std::string console;
  for (auto _ : state) {
    std::istringstream in("0 0\n\n");
    std::ostringstream out;
    benchmark::DoNotOptimize(RunProgram(in, out, project.dir(), Run));
    console = out.str();
  }
  size_t unidentified = 0;
  for (size_t at = console.find("NOT IDENTIFIED"); at != std::string::npos; at = console.find("NOT IDENTIFIED", at + 1)) {
    ++unidentified;
  }
  state.counters["vectors"] = static_cast<double>(files.info_vec.size() - 1);
  state.counters["stations"] = static_cast<double>(files.vector_cor.size());
  state.counters["budget_spent"] = static_cast<double>(unidentified);
  if (files.info_vec.size() != 2401 || files.vector_cor.size() != 1000) state.SkipWithError("not the largest project");
  if (unidentified != static_cast<size_t>(files.joining_vectors)) state.SkipWithError("searches did not spend their budget");
}
BENCHMARK(WholeRun)->Unit(benchmark::kMillisecond);

// One search from a joining vector: 50,000 steps and no loop.
void SpentSearch(benchmark::State& state) {
  const NetworkFiles files = MaximalNetwork();
  Network network;
  for (size_t k = 1; k < files.info_vec.size(); ++k) {
    VectorRecord record;
    ParseVectorRecord(files.info_vec[k], record);
    Vector vector;
    vector.from = *network.FindOrAddStation(record.from);
    vector.to = *network.FindOrAddStation(record.to);
    vector.d = {record.dx, record.dy, record.dz};
    network.vectors.push_back(vector);
  }
  const Adjacency adjacency(network);
  const int joining = static_cast<int>(network.vectors.size()) - 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SearchLoopThrough(network, adjacency, joining, {}));
  }
}
BENCHMARK(SpentSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korval::circuit::bench

BENCHMARK_MAIN();
