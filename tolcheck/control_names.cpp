#include "tolcheck/control_names.hpp"

#include "common/project_records.hpp"

namespace korval::tolcheck {

ControlSection ReadControlNames(RecordFile& info_vec, std::vector<std::string>& names) {
  names.clear();
  Values record;
  for (;;) {
    if (info_vec.Read(kControlMarkRecord, record) != ReadStatus::kOk) return ControlSection::kIncomplete;
    if (record.Char(0) != ' ') continue;
    names.push_back(record.Text(1));
    if (record.Int(2) != 0) return ControlSection::kComplete;
  }
}

}  // namespace korval::tolcheck
