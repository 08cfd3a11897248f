// The plot job of a project: what LOOK writes for a viewing program and what
// VIEW reads back.
//
// TEMP.JOB holds the job name; the job itself, "<job name>.LSA", holds one
// station record per control station (its grid position), then one vector
// record per vector line, then two closing records when there was at least one
// vector.
#pragma once

#include <string>
#include <string_view>

#include "common/record.hpp"

namespace korval {

inline constexpr std::string_view kJobNameFileName = "TEMP.JOB";
// The job name as LOOK writes it: 8 characters, blank-filled.
inline constexpr std::string_view kProjectJobName = "VECTOR  ";
inline constexpr std::string_view kProjectJobFileName = "VECTOR.LSA";
// Drawing weight of every vector line.
inline constexpr double kVectorLineWeight = 1.0;

// A control station of the job, at its grid position.
struct JobStation {
  std::string name;   // 8 characters
  double x = 0.0;     // easting, unit of the state plane listing
  double y = 0.0;     // northing
  int last_control_mark = 0;
};

// A vector line of the job, drawn between its two stations.
struct JobVector {
  std::string from;   // 8 characters
  std::string to;
};

// TEMP.JOB: the job name.
extern const Layout kJobNameRecord;

// A control station: name, grid X and Y (unit of the state plane listing) and
// the last-control mark of its project-file record (0, or nonzero for the last
// control station).
extern const Layout kJobStationRecord;

// A vector line between two stations, with its drawing weight.
extern const Layout kJobVectorRecord;

// The two records that close the list of vector lines.
extern const Layout kJobClosingFirstRecord;
extern const Layout kJobClosingSecondRecord;

// The file of a job name: trailing blanks removed, ".LSA" or another extension
// added ("VECTOR  " -> "VECTOR.LSA").
std::string JobFileName(std::string_view job_name, std::string_view extension);

}  // namespace korval
