// Writing and reading of single fixed-column fields.
//
// Every file and console line of the suite is made of these fields. The rules
// are those of the old fixed-format records that surveyors' tools exchange:
//  - text fields are left-aligned and cut or blank-filled to their width;
//  - integer and decimal fields are right-aligned; a number that does not fit
//    fills the whole field with asterisks (so does a value that is not finite:
//    no NaN or Inf ever reaches a file);
//  - on reading, blanks inside a numeric field are ignored, an all-blank field
//    reads as 0, a decimal field without a point takes its last d digits as
//    decimals, and an exponent introduced by E or D is accepted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korval {

// Text of exactly `width` characters: `value` cut or filled with blanks on the right.
std::string FormatText(std::string_view value, int width);

// Right-aligned integer of `width` columns; asterisks when it does not fit.
std::string FormatInteger(long long value, int width);

// Right-aligned decimal of `width` columns rounded to `decimals` places, always
// with a decimal point. A value between -1 and 1 gets a leading zero when the
// width allows it and goes without it otherwise. A value that rounds to zero is
// written without a minus sign. Asterisks when it does not fit or is not finite.
std::string FormatDecimal(double value, int width, int decimals);

// Reads an integer field. Blanks are ignored anywhere; an all-blank field is 0.
// Returns nothing when the field holds anything but an optional sign and digits,
// or a number beyond the range of long long.
std::optional<long long> ParseInteger(std::string_view field);

// Reads a decimal field with `decimals` implied decimals. Blanks are ignored
// anywhere; an all-blank field is 0; without a decimal point the last
// `decimals` digits are the decimals; an exponent (E or D, optional sign,
// digits, or a bare signed power after the mantissa) is accepted. Returns
// nothing when the field cannot be read or its value is not finite.
std::optional<double> ParseDecimal(std::string_view field, int decimals);

// The `width` columns of `line` that begin at column `first` (1-based); columns
// beyond the end of the line read as blanks.
std::string Columns(std::string_view line, int first, int width);

// Removes trailing blanks.
std::string TrimRight(std::string_view text);

}  // namespace korval
