// Fuzzes the reading of an online positioning solution report: the
// coordinate list, the solved positions, and the control and vector records
// built from them and merged into a project file. No crash, no hang, and no
// NaN or Inf in any record written.
#include <cstdlib>
#include <string>
#include <vector>

#include "common/project_records.hpp"
#include "common/vector_error_model.hpp"
#include "fuzz/fuzz_support.hpp"
#include "solnimp/project_merge.hpp"
#include "solnimp/solution_records.hpp"
#include "solnimp/solution_report.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace korval;
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string> lines = SplitRecords(text);

  const std::optional<solnimp::CoordinateList> list = solnimp::ReadCoordinateList(lines);
  if (!list || list->stations.empty()) return 0;
  if (list->stations.size() > solnimp::kMaxSolutionStations || list->next_line > lines.size()) std::abort();
  const auto positions = solnimp::ReadSolvedPositions(lines, list->next_line, list->stations.size() - 1);
  if (!positions) return 0;
  if (positions->size() != list->stations.size() - 1) std::abort();

  const solnimp::SolutionRecords records =
      solnimp::BuildSolutionRecords(list->stations, *positions, VectorErrorModel{0.005, 0.5});
  const std::vector<std::string> project = {
      " CTRL     40 00  0.00000  0.0001 105 00  0.00000  0.0001   1500.0000  0.0001 1"};
  const std::vector<std::string> merged = solnimp::MergeIntoProject(project, records.controls, records.vectors);
  if (fuzz::CarriesNonFiniteText(text)) return 0;
  for (const std::string& line : merged) fuzz::CheckNoNonFinite(line, "INFO.VEC");
  return 0;
}
