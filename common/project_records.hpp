// The records of the project vector file INFO.VEC, as the import programs
// write them, and the place where new vectors go.
//
// INFO.VEC holds a control section (control records, the last one carrying a
// non-zero mark in column 78) and then a vector section that ends at an
// end-mark record (from-station "0", blank flag) or at the end of the file.
// The adjustment reads nothing after an end mark, so a writer that adds
// vectors puts them in front of it: the end mark stays the last record read.
//
// Both record kinds are 78 columns wide; column 1 is the flag column (blank =
// in use) and readers ignore everything after column 78.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/record.hpp"
#include "common/record_file.hpp"

namespace korval {

// The layouts are inline so that they are ready before any other constant of
// a program that is built from them.

// Control record: a station with a known geodetic position (north latitude,
// west longitude, ellipsoidal height) and the standard deviations of the three.
inline const Layout kControlRecord = {
    Character(),     // 1      flag (blank = in use)
    Text(8),         // 2-9    station name
    Skip(1),         // 10
    Integer(2),      // 11-12  latitude, degrees
    Skip(1),         // 13
    Integer(2),      // 14-15  latitude, minutes
    Skip(1),         // 16
    Decimal(8, 5),   // 17-24  latitude, seconds
    Decimal(8, 4),   // 25-32  standard deviation of the latitude, metres
    Skip(1),         // 33
    Integer(3),      // 34-36  longitude west, degrees
    Skip(1),         // 37
    Integer(2),      // 38-39  longitude west, minutes
    Skip(1),         // 40
    Decimal(8, 5),   // 41-48  longitude west, seconds
    Decimal(8, 4),   // 49-56  standard deviation of the longitude, metres
    Decimal(12, 4),  // 57-68  ellipsoidal height, metres
    Decimal(8, 4),   // 69-76  standard deviation of the height, metres
    Skip(1),         // 77
    Integer(1),      // 78     last-control mark
};

// Vector record: the Earth-centred X, Y, Z differences (to minus from) between
// two stations, each with its standard deviation.
inline const Layout kVectorRecord = {
    Character(),     // 1      flag (blank = in use)
    Text(8),         // 2-9    from-station name
    Skip(1),         // 10
    Text(8),         // 11-18  to-station name
    Decimal(13, 4),  // 19-31  delta X, metres
    Decimal(7, 4),   // 32-38  standard deviation of delta X, metres
    Decimal(13, 4),  // 39-51  delta Y, metres
    Decimal(7, 4),   // 52-58  standard deviation of delta Y, metres
    Decimal(13, 4),  // 59-71  delta Z, metres
    Decimal(7, 4),   // 72-78  standard deviation of delta Z, metres
};

// The columns of a control record that a reader passing over the control
// section needs: the flag, the name and the last-control mark.
inline const Layout kControlMarkRecord = {
    Character(),     // 1      flag (blank = in use)
    Text(8),         // 2-9    station name
    Skip(68),        // 10-77
    Integer(1),      // 78     last-control mark
};

struct ControlRecord {
  char flag = ' ';
  std::string name;              // 8 characters
  long long latitude_degrees = 0;
  long long latitude_minutes = 0;
  double latitude_seconds = 0;   // north latitude
  double latitude_sd = 0;        // metres
  long long longitude_degrees = 0;
  long long longitude_minutes = 0;
  double longitude_seconds = 0;  // west longitude
  double longitude_sd = 0;       // metres
  double height = 0;             // ellipsoidal, metres
  double height_sd = 0;          // metres
  long long last_control_mark = 0;  // 0: more control records follow; other digit: the last one
};

struct VectorRecord {
  char flag = ' ';
  std::string from;  // 8 characters
  std::string to;    // 8 characters
  double dx = 0;     // metres, to minus from
  double sx = 0;     // standard deviation, metres
  double dy = 0;
  double sy = 0;
  double dz = 0;
  double sz = 0;
};

Values ToValues(const ControlRecord& record);
Values ToValues(const VectorRecord& record);
ControlRecord ControlFromValues(const Values& values);
VectorRecord VectorFromValues(const Values& values);

std::string FormatControlRecord(const ControlRecord& record);
std::string FormatVectorRecord(const VectorRecord& record);

// Reads `line` as a control record; false when a numeric field cannot be read.
bool ParseControlRecord(std::string_view line, ControlRecord& record);
bool ParseVectorRecord(std::string_view line, VectorRecord& record);

// The from-station name that marks the end of the vector section.
inline constexpr std::string_view kEndMarkName = "0       ";

// True when the adjustment would end its vector section at `line`: a readable
// vector record with a blank flag, from-station "0" and a different to-station.
bool IsEndMark(std::string_view line);

// Index of the first record of the vector section, found as the adjustment
// finds it: control records are read until an accepted one (readable, blank
// flag) carries a non-zero last-control mark. `lines.size()` when the control
// section never ends.
size_t VectorSectionStart(const std::vector<std::string>& lines);

// Index where new vectors belong: the first end mark of the vector section, or
// the end of the file when it has none.
size_t VectorInsertionPoint(const std::vector<std::string>& lines);

// Adds vector records to an open project file in front of its end mark (at
// its end when there is none). The file holds every record in order after each
// Append, so a stop at any moment saves a complete file.
class VectorAppender {
 public:
  // Takes the file as it is now; its position is moved to the insertion point.
  explicit VectorAppender(RecordFile& file);

  void Append(const VectorRecord& record);
  void AppendLine(std::string_view line);

 private:
  RecordFile& file_;
  std::vector<std::string> tail_;  // the end mark and every record after it
};

}  // namespace korval
