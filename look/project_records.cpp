#include "look/project_records.hpp"

#include "common/project_records.hpp"
#include "common/record.hpp"

namespace korval::look {
namespace {

// The columns of a vector record that the view job needs.
const Layout kVectorEndsRecord = {
    Character(),   // 1      flag (blank = in use)
    Text(8),       // 2-9    from-station name
    Skip(1),       // 10
    Text(8),       // 11-18  to-station name
};

constexpr char kInUse = ' ';
constexpr std::string_view kBlankName = "        ";

bool CanBeDrawn(const std::string& name) { return name != kBlankName && name != kEndMarkName; }

}  // namespace

std::optional<std::vector<ControlRecord>> ReadControlRecords(RecordFile& project) {
  std::vector<ControlRecord> controls;
  Values values;
  while (project.Read(kControlMarkRecord, values) == ReadStatus::kOk) {
    if (values.Char(0) != kInUse) continue;
    const ControlRecord control{values.Text(1), static_cast<int>(values.Int(2))};
    controls.push_back(control);
    if (control.last_control_mark != 0) return controls;
  }
  return std::nullopt;
}

std::vector<JobVector> ReadVectorLines(RecordFile& project) {
  std::vector<JobVector> vectors;
  Values values;
  while (project.Read(kVectorEndsRecord, values) == ReadStatus::kOk) {
    if (values.Char(0) != kInUse) continue;
    JobVector vector{values.Text(1), values.Text(2)};
    if (CanBeDrawn(vector.from) && CanBeDrawn(vector.to)) vectors.push_back(std::move(vector));
  }
  return vectors;
}

}  // namespace korval::look
