#include "solnimp/project_merge.hpp"

#include <algorithm>
#include <optional>

#include "common/fields.hpp"

namespace korval::solnimp {

namespace {

constexpr size_t kMarkColumn = 78;

// One line of the control section: a control record (its name known) or a line
// that cannot be read as one, kept as it stands.
struct ControlSectionLine {
  std::string text;
  bool is_record = false;
  std::string name;
};

std::string FilledTo(std::string line, size_t width) {
  if (line.size() < width) line.resize(width, ' ');
  return line;
}

// The index after the last line of the control section. The section ends
// where the adjustment ends it: at the first record in use (flag blank) whose
// last-control mark is not 0. A record set aside by its flag does not end it,
// even when it carries a mark; otherwise the control records after it would
// land behind the new last control record, where the adjustment reads them as
// vectors. A file without such a record ends its section at the first record
// with a mark, set aside or not, and else at its end.
size_t ControlSectionEnd(const std::vector<std::string>& lines) {
  std::optional<size_t> first_marked;
  for (size_t k = 0; k < lines.size(); ++k) {
    ControlRecord record;
    if (!ParseControlRecord(lines[k], record) || record.last_control_mark == 0) continue;
    if (record.flag == ' ') return k + 1;
    if (!first_marked) first_marked = k + 1;
  }
  return first_marked.value_or(lines.size());
}

}  // namespace

std::string WithLastControlMark(std::string line, char mark) {
  line = FilledTo(std::move(line), kMarkColumn);
  line[kMarkColumn - 1] = mark;
  return line;
}

std::vector<std::string> MergeIntoProject(const std::vector<std::string>& lines,
                                          const std::vector<ControlRecord>& reference_controls,
                                          const std::vector<VectorRecord>& vectors) {
  const size_t section_end = ControlSectionEnd(lines);
  std::vector<ControlSectionLine> control_section;
  for (size_t k = 0; k < section_end; ++k) {
    ControlRecord record;
    if (ParseControlRecord(lines[k], record)) {
      control_section.push_back({lines[k], true, record.name});
    } else {
      control_section.push_back({lines[k], false, {}});
    }
  }
  size_t next = section_end;

  for (const ControlRecord& reference : reference_controls) {
    const std::string name = FormatText(reference.name, 8);
    const bool known = std::any_of(control_section.begin(), control_section.end(),
                                   [&](const ControlSectionLine& held) {
                                     return held.is_record && held.name == name;
                                   });
    if (known) continue;
    ControlRecord added = reference;
    added.flag = ' ';
    added.last_control_mark = 0;
    const std::string text = FormatControlRecord(added);
    // A position too large for its fields is written as asterisks. Such a
    // record cannot be read back, so it must not carry the last-control mark:
    // the adjustment would pass over it and never find the end of the control
    // section. It stays in the file, marked 0, like any unreadable line.
    ControlRecord written;
    control_section.push_back({text, ParseControlRecord(text, written), name});
  }

  std::vector<std::string> merged;
  auto last_record = std::find_if(control_section.rbegin(), control_section.rend(),
                                  [](const ControlSectionLine& held) { return held.is_record; });
  const ControlSectionLine* final_record = last_record == control_section.rend() ? nullptr : &*last_record;
  for (const ControlSectionLine& held : control_section) {
    if (!held.is_record) {
      merged.push_back(held.text);
    } else {
      merged.push_back(WithLastControlMark(held.text, &held == final_record ? '1' : '0'));
    }
  }

  bool vectors_written = false;
  auto write_vectors = [&]() {
    for (const VectorRecord& vector : vectors) merged.push_back(FormatVectorRecord(vector));
    vectors_written = true;
  };
  for (; next < lines.size(); ++next) {
    if (!vectors_written && IsEndMark(lines[next])) write_vectors();
    merged.push_back(FilledTo(lines[next], kKeptLineWidth));
  }
  if (!vectors_written) write_vectors();
  return merged;
}

}  // namespace korval::solnimp
