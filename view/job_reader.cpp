#include "view/job_reader.hpp"

#include <algorithm>

#include "common/fields.hpp"

namespace korval::view {
namespace {

bool IsUsableFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F;
  });
}

bool IsVectorRecord(const std::string& line) {
  // Column 71 holds the "0" that ends every vector record; station records end at column 56.
  return Columns(line, 71, 1) == "0";
}

bool IsClosingRecord(const std::string& line) {
  static const std::string first = FormatLine(kJobClosingFirstRecord, {});
  static const std::string second = FormatLine(kJobClosingSecondRecord, {});
  const std::string trimmed = TrimRight(line);
  return trimmed == first || trimmed == second;
}

}  // namespace

std::optional<std::string> ReadJobName(RecordFile& job_name_file) {
  job_name_file.Rewind();
  Values values;
  if (job_name_file.Read(kJobNameRecord, values) != ReadStatus::kOk) return std::nullopt;
  std::string name = TrimRight(values.Text(0));
  if (!IsUsableFileName(name)) return std::nullopt;
  return name;
}

ViewJob ReadViewJob(RecordFile& job) {
  ViewJob view_job;
  job.Rewind();
  Values values;
  size_t line_number = 0;
  while (const std::optional<std::string> line = job.ReadLine()) {
    ++line_number;
    if (TrimRight(*line).empty() || IsClosingRecord(*line)) continue;
    if (IsVectorRecord(*line)) {
      if (ParseLine(kJobVectorRecord, *line, values) == ReadStatus::kOk) {
        view_job.vectors.push_back({values.Text(0), values.Text(1)});
        continue;
      }
    } else if (ParseLine(kJobStationRecord, *line, values) == ReadStatus::kOk) {
      view_job.stations.push_back(
          {values.Text(0), values.Real(1), values.Real(2), static_cast<int>(values.Int(3))});
      continue;
    }
    view_job.ignored_lines.push_back(line_number);
  }
  return view_job;
}

}  // namespace korval::view
