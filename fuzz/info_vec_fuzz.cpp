// Fuzzes every reading of the project vector file INFO.VEC: the adjustment's
// (with its limits and stops), the loop analyser's, the tolerance checker's,
// the view job's, and the placing of new vectors by the import programs
// (in front of the end mark, after a tidy of blank lines, merged with new
// control records). No crash, no hang, every value finite, and nothing the
// user wrote lost when vectors are added.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "circuit/project_input.hpp"
#include "common/project_records.hpp"
#include "fuzz/fuzz_support.hpp"
#include "look/project_records.hpp"
#include "netadj/project_file.hpp"
#include "rawimp/project_tidy.hpp"
#include "solnimp/project_merge.hpp"
#include "tolcheck/control_names.hpp"

namespace {

using namespace korval;

void Require(bool condition) {
  if (!condition) std::abort();
}

void RequireFinite(double value) { Require(std::isfinite(value)); }

void ReadAsAdjustment(std::string_view text, int datum) {
  fuzz::RunReader([&](Session& session) {
    netadj::Network network;
    const auto file = fuzz::MemoryFile(text);
    netadj::ReadProjectFile(session, *file, datum, network);
    for (const netadj::ControlPoint& point : network.control) {
      for (double value : {point.cx, point.cy, point.cz, point.wx, point.wy, point.wz}) RequireFinite(value);
    }
    for (const netadj::Vector& vector : network.vectors) {
      for (double value : {vector.dx, vector.dy, vector.dz, vector.wx, vector.wy, vector.wz}) RequireFinite(value);
      Require(vector.from != vector.to);
    }
  });
}

void ReadAsLoopAnalyser(std::string_view text) {
  fuzz::RunReader([&](Session& session) {
    circuit::Network network;
    const auto file = fuzz::MemoryFile(text);
    circuit::ReadVectors(*file, session.console(), network);
    for (const circuit::Vector& vector : network.vectors) {
      for (int c = 0; c < 3; ++c) {
        RequireFinite(vector.d[c]);
        Require(vector.sigma[c] >= circuit::kMinimumStandardError);
      }
    }
  });
}

void ReadAsToleranceCheck(std::string_view text) {
  const auto file = fuzz::MemoryFile(text);
  std::vector<std::string> names;
  (void)tolcheck::ReadControlNames(*file, names);
  for (const std::string& name : names) Require(name.size() == 8);
}

void ReadAsViewJob(std::string_view text) {
  const auto file = fuzz::MemoryFile(text);
  if (look::ReadControlRecords(*file)) (void)look::ReadVectorLines(*file);
}

// New vectors go in front of the end mark; every line that was there stays,
// in its order.
void AppendVectors(std::string_view text) {
  const auto file = fuzz::MemoryFile(text);
  const std::vector<std::string> before = file->lines();
  VectorAppender appender(*file);
  VectorRecord added{' ', "NEWFROM ", "NEWTO   ", 1.0, 0.01, -2.0, 0.01, 3.0, 0.01};
  appender.Append(added);
  appender.Append(added);
  const std::vector<std::string>& after = file->lines();
  Require(after.size() == before.size() + 2);
  const size_t at = VectorInsertionPoint(before);
  for (size_t k = 0; k < before.size(); ++k) Require(after[k < at ? k : k + 2] == before[k]);
}

void MergeSolution(std::string_view text) {
  const std::vector<std::string> lines = SplitRecords(text);
  ControlRecord reference;
  reference.name = "REF1";
  reference.latitude_degrees = 40;
  reference.longitude_degrees = 105;
  reference.last_control_mark = 1;
  const std::vector<ControlRecord> controls{reference};
  const std::vector<VectorRecord> vectors{{' ', "REF1    ", "SOLVED  ", 1.0, 0.01, 2.0, 0.01, 3.0, 0.01}};
  const std::vector<std::string> merged = solnimp::MergeIntoProject(lines, controls, vectors);
  // Nothing the user wrote is dropped: at most one control record is added.
  Require(merged.size() == lines.size() + 1 || merged.size() == lines.size() + 2);
}

void TidyForRawImport(std::string_view text) {
  const std::vector<std::string> lines = SplitRecords(text);
  const std::vector<std::string> tidy = rawimp::WithoutBlankLines(lines);
  Require(tidy.size() <= lines.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  ReadAsAdjustment(text, 1);
  ReadAsAdjustment(text, 2);
  ReadAsLoopAnalyser(text);
  ReadAsToleranceCheck(text);
  ReadAsViewJob(text);
  AppendVectors(text);
  MergeSolution(text);
  TidyForRawImport(text);
  return 0;
}
