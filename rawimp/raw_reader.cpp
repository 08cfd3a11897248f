#include "rawimp/raw_reader.hpp"

#include <utility>

namespace korval::rawimp {

RawReader::RawReader(std::function<void(const Base&)> on_base,
                     std::function<void(const std::optional<Base>&, const RoverPoint&)> on_point)
    : on_base_(std::move(on_base)), on_point_(std::move(on_point)) {}

void RawReader::ReadFile(const std::vector<std::string>& lines, ReaderMode mode) {
  size_t k = 0;
  while (k < lines.size()) {
    k = mode == ReaderMode::kBase ? ReadInBaseMode(lines, k, mode) : ReadInRoverMode(lines, k, mode);
  }
}

size_t RawReader::ReadInBaseMode(const std::vector<std::string>& lines, size_t k, ReaderMode& mode) {
  const std::string& line = lines[k];
  switch (KindOf(line)) {
    case RecordKind::kRoverPosition:
      mode = ReaderMode::kRover;
      return k;  // read again in rover mode
    case RecordKind::kBasePosition: {
      const std::optional<PointName> name = FindPointName(line);
      if (!name) break;
      const std::optional<RawPosition> position = ParsePosition(line, name);
      if (!position) break;
      base_ = Base{name->name, *position, ToCartesian(*position)};
      on_base_(*base_);
      break;
    }
    default:
      break;
  }
  return k + 1;
}

size_t RawReader::ReadInRoverMode(const std::vector<std::string>& lines, size_t k, ReaderMode& mode) {
  const RecordKind kind = KindOf(lines[k]);
  if (kind == RecordKind::kBasePosition) {
    mode = ReaderMode::kBase;
    return k;  // read again in base mode
  }
  if (kind != RecordKind::kRoverPosition) return k + 1;
  const std::optional<RawPosition> position = ParsePosition(lines[k], std::nullopt);
  if (!position) return k + 1;
  // Look for the point record that names this position.
  for (size_t next = k + 1; next < lines.size(); ++next) {
    const RecordKind next_kind = KindOf(lines[next]);
    if (next_kind == RecordKind::kRoverPosition) return next;  // a newer position replaces this one
    if (next_kind != RecordKind::kPointRecord) continue;
    const std::optional<PointName> name = FindPointName(lines[next]);
    if (!name) continue;
    on_point_(base_, RoverPoint{name->name, ToCartesian(*position)});
    return next + 1;
  }
  return lines.size();
}

}  // namespace korval::rawimp
