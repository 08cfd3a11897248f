// The record layouts of CIRCUIT: what it reads from INFO.VEC and VECTOR.COR,
// and every line of the loop report LOOP.VEC and of its console dialogue.
// Each layout reads like the column table of its record.
#pragma once

#include <string_view>

#include "common/record.hpp"

namespace korval::circuit {

// ---- Input records ----

// The vector records of INFO.VEC and the station lines of VECTOR.COR are
// read with the suite's shared layouts (common/project_records.hpp,
// common/grid_positions.hpp).

// Control record of INFO.VEC, read only for its last-control mark.
inline const Layout kLastControlMark = {
    Skip(77),    // 1-77    control station data, passed over
    Integer(1),  // 78      0 or blank: more control records follow
};

// ---- Tolerance heading ----

inline const Layout kConstantLine = {
    Fixed(" CONSTANT = "),  // 1-12
    Decimal(8, 4),          // 13-20   closure constant, metres
    Fixed(" M."),           // 21-23
};

inline const Layout kPpmLimitLine = {
    Fixed(" PPM = "),  // 1-7
    Decimal(8, 1),     // 8-15    PPM limit
};

inline constexpr std::string_view kStarRule = " ********************";

// ---- Repeated-line comparison and automatic loop records ----

inline const Layout kObservationLine = {
    Fixed(" OBS # "),  // 1-7
    Integer(5),        // 8-12    vector number as read
    Skip(1),           // 13
    Text(8),           // 14-21   from-station name
    Fixed(" - "),      // 22-24
    Text(8),           // 25-32   to-station name
};

inline const Layout kClosureLine = {
    Fixed(" CLOSURE = "),  // 1-11
    Decimal(8, 4),         // 12-19   linear closure, metres
    Fixed(" M. "),         // 20-23
    Fixed(" PPM = "),      // 24-30
    Decimal(8, 1),         // 31-38   parts per million
    Fixed("  1/"),         // 39-42
    Integer(12),           // 43-54   1 in N
};

inline constexpr std::string_view kRecordRule = " ************";

inline const Layout kComparisonsMadeLine = {
    Skip(1),     // 1
    Integer(5),  // 2-6     comparisons made
    Fixed(" MULTIPLE LINE COMPARISONS HAVE BEEN MADE"),
};

inline const Layout kComparisonsExceedLine = {
    Skip(1),         // 1
    Integer(5),      // 2-6     comparisons beyond tolerance
    Fixed(" OF "),   // 7-10
    Integer(5),      // 11-15   comparisons made
    Fixed(" MULTIPLE LINE COMPARISONS EXCEED TOLERANCE"),
};

// ---- Sideshots ----

inline const Layout kSideshotLine = {
    Fixed(" SIDESHOT VECTOR "),  // 1-17
    Text(8),                     // 18-25   from-station name
    Fixed(" - "),                // 26-28
    Text(8),                     // 29-36   to-station name
    Fixed(" ELIMINATED FROM ANALYSIS"),
};

inline const Layout kSideshotCountLine = {
    Skip(1),     // 1
    Integer(4),  // 2-5     sideshot vectors removed
    Fixed(" SIDESHOT VECTORS WILL NOT BE USED IN ANALYSIS"),
};

// ---- Automatic loop search ----

// A turn whose eligible directions all coincide.
inline const Layout kAmbiguousTurnLine = {
    Fixed(" AT "),  // 1-4
    Text(8),        // 5-12    station turned to
};

// Up to eight station names of a loop, each after one blank.
inline const Layout kLoopStationsLine = {
    Repeat(8, {Skip(1), Text(8)}),
};
inline constexpr int kLoopStationsPerLine = 8;

inline const Layout kWhyAmIHereLine = {
    Fixed(" WHY AM I HERE ???? "),  // 1-20
    Integer(4),                     // 21-24   path length
};

inline const Layout kLoopsFoundLine = {
    Skip(1),     // 1
    Integer(6),  // 2-7     loops found
    Fixed(" LOOP CLOSURES FOUND AUTOMATICALLY"),
};

inline const Layout kLoopsExceedLine = {
    Skip(1),     // 1
    Integer(5),  // 2-6     loops beyond tolerance
    Fixed(" OF THESE LOOP CLOSURES EXCEED INPUT TOLERANCE"),
};

inline const Layout kUnidentifiedVectorLine = {
    Fixed(" VECTOR "),  // 1-8
    Text(8),            // 9-16    from-station name
    Fixed(" - "),       // 17-19
    Text(8),            // 20-27   to-station name
    Fixed(" NOT IDENTIFIED ON ANY LOOP"),
};

// ---- Manual loop closures ----

inline const Layout kCandidateLine = {
    Skip(1),       // 1
    Fixed("("),    // 2
    Integer(3),    // 3-5     candidate number
    Fixed(")"),    // 6
    Skip(1),       // 7
    Text(8),       // 8-15    station name
};

inline const Layout kStationLine = {
    Skip(1),  // 1
    Text(8),  // 2-9     station name
};

inline constexpr std::string_view kClosureHeading = "    CLOSURE    ERROR ESTIMATE   SNOOP #";

inline const Layout kComponentLine = {
    Skip(1),         // 1
    Character(),     // 2       X, Y or Z
    Skip(1),         // 3
    Decimal(8, 4),   // 4-11    signed sum of the component, metres
    Skip(6),         // 12-17
    Decimal(8, 4),   // 18-25   error estimate, metres
    Skip(6),         // 26-31
    Decimal(6, 1),   // 32-37   test number: |sum| / error estimate
};

inline const Layout kLinearErrorLine = {
    Fixed(" LINEAR ERROR OF CLOSURE = "),  // 1-27
    Decimal(8, 4),                         // 28-35   metres
};

inline const Layout kLoopDistanceLine = {
    Fixed(" LOOP DISTANCE = "),  // 1-17
    Decimal(13, 2),              // 18-30   metres
};

inline const Layout kPrecisionLine = {
    Fixed(" PRECISION IS "),  // 1-14
    Decimal(9, 2),            // 15-23   parts per million
    Fixed(" PPM  (1 / "),     // 24-34
    Decimal(12, 0),           // 35-46   N
    Fixed(")"),               // 47
};

// ---- Totals ----

inline constexpr std::string_view kTotalsRule = " **************************************************";

inline const Layout kTotalDistanceLine = {
    Fixed(" TOTAL EVALUATED LOOP DISTANCES = "),  // 1-34
    Decimal(15, 1),                               // 35-49   metres
    Fixed(" M."),                                 // 50-52
};

inline const Layout kOverallPrecisionLine = {
    Fixed(" OVERALL PRECISION IS "),  // 1-22
    Decimal(9, 2),                    // 23-31   parts per million
    Fixed(" PPM  (1 / "),             // 32-42
    Decimal(12, 0),                   // 43-54   N
    Fixed(")"),                       // 55
};

}  // namespace korval::circuit
