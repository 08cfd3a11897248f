// Reading the GPS records of raw files: base positions, and rover positions
// with the names of their point records.
//
// The reader has two modes. In base mode it looks for base position records;
// each usable one becomes the base. A rover position record switches it to
// rover mode, and a base position record back to base mode; the record that
// causes a switch is read again in the new mode. In rover mode each usable
// rover position is held until its point record names it: another rover
// position in between replaces it, other records (base positions included)
// are passed over. Unusable records are passed over without a message.
//
// The base found last stays in force from one raw file to the next.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "geodesy/conversions.hpp"
#include "rawimp/raw_record.hpp"

namespace korval::rawimp {

struct Base {
  std::string name;  // 8 characters
  RawPosition position;
  geodesy::Cartesian xyz;
};

struct RoverPoint {
  std::string name;  // 8 characters, from the point record
  geodesy::Cartesian xyz;
};

enum class ReaderMode { kBase, kRover };

class RawReader {
 public:
  // `on_base` is told of each new base; `on_point` of each named rover point,
  // with the base in force (none before the first usable base of the run).
  RawReader(std::function<void(const Base&)> on_base,
            std::function<void(const std::optional<Base>&, const RoverPoint&)> on_point);

  // Reads the records of one raw file from its first, in `mode`.
  void ReadFile(const std::vector<std::string>& lines, ReaderMode mode);

  const std::optional<Base>& base() const { return base_; }

 private:
  // Each returns the index of the next record to read.
  size_t ReadInBaseMode(const std::vector<std::string>& lines, size_t k, ReaderMode& mode);
  size_t ReadInRoverMode(const std::vector<std::string>& lines, size_t k, ReaderMode& mode);

  std::function<void(const Base&)> on_base_;
  std::function<void(const std::optional<Base>&, const RoverPoint&)> on_point_;
  std::optional<Base> base_;
};

}  // namespace korval::rawimp
