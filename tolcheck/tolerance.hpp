// The positional tolerance: a constant plus a proportional part of the
// distance to the nearest control station, and its record in POS.TOL, which
// carries it from one run to the next.
#pragma once

#include "common/record.hpp"
#include "common/record_file.hpp"

namespace korval::tolcheck {

struct Tolerance {
  double constant = 0.02;        // metres
  double denominator = 100000;   // X of the proportional part 1/X
};

// Ranges of values typed by the user: constant 0.00001 to 9.9999 m,
// denominator 10 to 1,000,000,000.
bool IsAcceptableConstant(double constant);
bool IsAcceptableDenominator(double denominator);

// Stored values out of range are replaced: a constant below 0 or above 9.9999
// by 0.0001, a denominator below 10 or above 1,000,000,000 by 100,000.
Tolerance CorrectStoredTolerance(Tolerance stored);

// The allowable horizontal standard deviation (metres) of a station `distance`
// metres from its nearest control station.
double Allowable(const Tolerance& tolerance, double distance);

// The line " CONSTANT = " with the constant (10 columns, 4 decimals) and
// " METERS", on the console and in the listing.
const Layout& ConstantLine();

// POS.TOL: the constant in columns 1-7 (4 decimals), a blank, the denominator
// in columns 9-19 (no decimals). Read back in free format.
const Layout& ToleranceRecord();

// The tolerance stored in POS.TOL, corrected; the defaults when the file is
// empty or its numbers cannot be read.
Tolerance ReadStoredTolerance(RecordFile& file);

// Rewrites POS.TOL from its start with `tolerance`.
void StoreTolerance(RecordFile& file, const Tolerance& tolerance);

}  // namespace korval::tolcheck
