#include "common/project_records.hpp"

namespace korval {

Values ToValues(const ControlRecord& r) {
  return Values{r.flag,           r.name,           r.latitude_degrees,  r.latitude_minutes,
                r.latitude_seconds, r.latitude_sd,  r.longitude_degrees, r.longitude_minutes,
                r.longitude_seconds, r.longitude_sd, r.height,           r.height_sd,
                r.last_control_mark};
}

Values ToValues(const VectorRecord& r) {
  return Values{r.flag, r.from, r.to, r.dx, r.sx, r.dy, r.sy, r.dz, r.sz};
}

ControlRecord ControlFromValues(const Values& v) {
  ControlRecord r;
  r.flag = v.Char(0);
  r.name = v.Text(1);
  r.latitude_degrees = v.Int(2);
  r.latitude_minutes = v.Int(3);
  r.latitude_seconds = v.Real(4);
  r.latitude_sd = v.Real(5);
  r.longitude_degrees = v.Int(6);
  r.longitude_minutes = v.Int(7);
  r.longitude_seconds = v.Real(8);
  r.longitude_sd = v.Real(9);
  r.height = v.Real(10);
  r.height_sd = v.Real(11);
  r.last_control_mark = v.Int(12);
  return r;
}

VectorRecord VectorFromValues(const Values& v) {
  VectorRecord r;
  r.flag = v.Char(0);
  r.from = v.Text(1);
  r.to = v.Text(2);
  r.dx = v.Real(3);
  r.sx = v.Real(4);
  r.dy = v.Real(5);
  r.sy = v.Real(6);
  r.dz = v.Real(7);
  r.sz = v.Real(8);
  return r;
}

std::string FormatControlRecord(const ControlRecord& record) { return FormatLine(kControlRecord, ToValues(record)); }

std::string FormatVectorRecord(const VectorRecord& record) { return FormatLine(kVectorRecord, ToValues(record)); }

bool ParseControlRecord(std::string_view line, ControlRecord& record) {
  Values values;
  if (ParseLine(kControlRecord, line, values) != ReadStatus::kOk) return false;
  record = ControlFromValues(values);
  return true;
}

bool ParseVectorRecord(std::string_view line, VectorRecord& record) {
  Values values;
  if (ParseLine(kVectorRecord, line, values) != ReadStatus::kOk) return false;
  record = VectorFromValues(values);
  return true;
}

bool IsEndMark(std::string_view line) {
  VectorRecord record;
  if (!ParseVectorRecord(line, record)) return false;
  return record.flag == ' ' && record.from == kEndMarkName && record.to != record.from;
}

size_t VectorSectionStart(const std::vector<std::string>& lines) {
  for (size_t k = 0; k < lines.size(); ++k) {
    ControlRecord record;
    if (!ParseControlRecord(lines[k], record) || record.flag != ' ') continue;  // an ignored line
    if (record.last_control_mark != 0) return k + 1;
  }
  return lines.size();
}

size_t VectorInsertionPoint(const std::vector<std::string>& lines) {
  for (size_t k = VectorSectionStart(lines); k < lines.size(); ++k) {
    if (IsEndMark(lines[k])) return k;
  }
  return lines.size();
}

VectorAppender::VectorAppender(RecordFile& file) : file_(file) {
  const std::vector<std::string>& lines = file.lines();
  const size_t insertion = VectorInsertionPoint(lines);
  tail_.assign(lines.begin() + static_cast<std::ptrdiff_t>(insertion), lines.end());
  file_.SeekEnd();
  for (size_t k = 0; k < tail_.size(); ++k) file_.Backspace();
}

void VectorAppender::Append(const VectorRecord& record) { AppendLine(FormatVectorRecord(record)); }

void VectorAppender::AppendLine(std::string_view line) {
  // Writing drops the records after the position, so the tail is written
  // again behind the new record and the position stepped back in front of it.
  file_.WriteLine(line);
  for (const std::string& kept : tail_) file_.WriteLine(kept);
  for (size_t k = 0; k < tail_.size(); ++k) file_.Backspace();
}

}  // namespace korval
