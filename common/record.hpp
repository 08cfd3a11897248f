// Record layouts as data, and the one engine that writes and reads them.
//
// A layout is the column table of a record written down as a list of fields:
//
//   const Layout kVectorRecord = {
//       Character(),      // 1      flag
//       Text(8),          // 2-9    from-station name
//       Skip(1),          // 10
//       Text(8),          // 11-18  to-station name
//       Decimal(13, 4),   // 19-31  delta X, metres
//       ...
//   };
//
// Text, Character, Integer and Decimal fields carry values; Skip, Fixed and
// NewLine carry none. A Repeat(count, group) field repeats a group of fields up
// to `count` times on one line. The values of a record are held in a `Values`
// list, one entry per value-bearing field in layout order.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korval {

enum class FieldKind { kText, kCharacter, kInteger, kDecimal, kSkip, kFixed, kNewLine, kRepeat };

struct Field {
  FieldKind kind = FieldKind::kSkip;
  int width = 0;
  int decimals = 0;
  std::string fixed;           // the text of a Fixed field
  std::vector<Field> group;    // the fields of a Repeat field
  int count = 0;               // the repetitions of a Repeat field
};

using Layout = std::vector<Field>;

Field Text(int width);
Field Character();
Field Integer(int width);
Field Decimal(int width, int decimals);
Field Skip(int width);
Field Fixed(std::string_view text);
Field NewLine();
Field Repeat(int count, Layout group);

// One field value: text (Text and Character fields), a whole number (Integer
// fields) or a real (Decimal fields). Numbers of either kind may be written to
// either numeric field.
class FieldValue {
 public:
  FieldValue(const char* text) : value_(std::string(text)) {}
  FieldValue(std::string text) : value_(std::move(text)) {}
  FieldValue(std::string_view text) : value_(std::string(text)) {}
  FieldValue(char c) : value_(std::string(1, c)) {}
  FieldValue(int number) : value_(static_cast<long long>(number)) {}
  FieldValue(long number) : value_(static_cast<long long>(number)) {}
  FieldValue(long long number) : value_(number) {}
  FieldValue(double number) : value_(number) {}

  std::string AsText() const;
  long long AsInteger() const;
  double AsReal() const;

 private:
  std::variant<std::string, long long, double> value_;
};

// The values of one record, in the order of the layout's value-bearing fields.
class Values {
 public:
  Values() = default;
  Values(std::initializer_list<FieldValue> values) : values_(values) {}

  std::string Text(size_t index) const { return At(index).AsText(); }
  char Char(size_t index) const;
  long long Int(size_t index) const { return At(index).AsInteger(); }
  double Real(size_t index) const { return At(index).AsReal(); }

  size_t size() const { return values_.size(); }
  void Add(FieldValue value) { values_.push_back(std::move(value)); }
  void Clear() { values_.clear(); }

 private:
  const FieldValue& At(size_t index) const;
  std::vector<FieldValue> values_;
};

// Writes a record. Returns one string per output line (a layout without NewLine
// fields gives one line), without line endings. Missing values write blanks
// (text) or are left out of a repeated group.
std::vector<std::string> FormatRecord(const Layout& layout, const Values& values);

// The same, for a layout that writes a single line.
std::string FormatLine(const Layout& layout, const Values& values);

// Number of lines that a record of `layout` occupies.
int LineCount(const Layout& layout);

enum class ReadStatus { kOk, kEndOfFile, kUnreadable };

// Reads a record from `lines` (as many lines as the layout spans; short lines
// read as blanks). Returns kUnreadable when a numeric field cannot be read;
// `values` then holds the fields read before it.
ReadStatus ParseRecord(const Layout& layout, const std::vector<std::string_view>& lines, Values& values);

// The same for a single-line layout.
ReadStatus ParseLine(const Layout& layout, std::string_view line, Values& values);

}  // namespace korval
