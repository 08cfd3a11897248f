#include "tolcheck/control_names.hpp"

namespace korval::tolcheck {

namespace {

// The columns of a control record that the control names need.
const Layout kControlRecord = {
    Character(),   // 1      flag (blank = in use)
    Text(8),       // 2-9    station name
    Skip(68),      // 10-77
    Integer(1),    // 78     last-control mark
};

}  // namespace

ControlSection ReadControlNames(RecordFile& info_vec, std::vector<std::string>& names) {
  names.clear();
  Values record;
  for (;;) {
    if (info_vec.Read(kControlRecord, record) != ReadStatus::kOk) return ControlSection::kIncomplete;
    if (record.Char(0) != ' ') continue;
    names.push_back(record.Text(1));
    if (record.Int(2) != 0) return ControlSection::kComplete;
  }
}

}  // namespace korval::tolcheck
