#include "common/record.hpp"

#include <cmath>
#include <stdexcept>

#include "common/fields.hpp"

namespace korval {

Field Text(int width) { return Field{FieldKind::kText, width, 0, {}, {}, 0}; }
Field Character() { return Field{FieldKind::kCharacter, 1, 0, {}, {}, 0}; }
Field Integer(int width) { return Field{FieldKind::kInteger, width, 0, {}, {}, 0}; }
Field Decimal(int width, int decimals) { return Field{FieldKind::kDecimal, width, decimals, {}, {}, 0}; }
Field Skip(int width) { return Field{FieldKind::kSkip, width, 0, {}, {}, 0}; }
Field Fixed(std::string_view text) {
  return Field{FieldKind::kFixed, static_cast<int>(text.size()), 0, std::string(text), {}, 0};
}
Field NewLine() { return Field{FieldKind::kNewLine, 0, 0, {}, {}, 0}; }
Field Repeat(int count, Layout group) { return Field{FieldKind::kRepeat, 0, 0, {}, std::move(group), count}; }

std::string FieldValue::AsText() const {
  if (const auto* text = std::get_if<std::string>(&value_)) return *text;
  if (const auto* whole = std::get_if<long long>(&value_)) return std::to_string(*whole);
  return std::to_string(std::get<double>(value_));
}

long long FieldValue::AsInteger() const {
  if (const auto* whole = std::get_if<long long>(&value_)) return *whole;
  if (const auto* real = std::get_if<double>(&value_)) {
    // Truncation towards zero, as an integer read from a real.
    if (!std::isfinite(*real) || std::fabs(*real) > 9e18) return 0;
    return static_cast<long long>(*real);
  }
  return ParseInteger(std::get<std::string>(value_)).value_or(0);
}

double FieldValue::AsReal() const {
  if (const auto* real = std::get_if<double>(&value_)) return *real;
  if (const auto* whole = std::get_if<long long>(&value_)) return static_cast<double>(*whole);
  return ParseDecimal(std::get<std::string>(value_), 0).value_or(0.0);
}

char Values::Char(size_t index) const {
  const std::string text = At(index).AsText();
  return text.empty() ? ' ' : text[0];
}

const FieldValue& Values::At(size_t index) const {
  if (index >= values_.size()) throw std::out_of_range("record value index out of range");
  return values_[index];
}

namespace {

bool CarriesValue(FieldKind kind) {
  return kind == FieldKind::kText || kind == FieldKind::kCharacter || kind == FieldKind::kInteger ||
         kind == FieldKind::kDecimal;
}

size_t CountValues(const Layout& layout) {
  size_t n = 0;
  for (const Field& field : layout) {
    if (CarriesValue(field.kind)) ++n;
  }
  return n;
}

struct Writer {
  const Values& values;
  size_t next = 0;
  std::vector<std::string> lines{std::string()};

  bool HasValue() const { return next < values.size(); }

  void Put(const Field& field) {
    std::string& line = lines.back();
    switch (field.kind) {
      case FieldKind::kText:
        line += FormatText(HasValue() ? values.Text(next) : std::string(), field.width);
        ++next;
        break;
      case FieldKind::kCharacter:
        line += FormatText(HasValue() ? values.Text(next) : std::string(), 1);
        ++next;
        break;
      case FieldKind::kInteger:
        line += HasValue() ? FormatInteger(values.Int(next), field.width) : std::string(field.width, ' ');
        ++next;
        break;
      case FieldKind::kDecimal:
        line += HasValue() ? FormatDecimal(values.Real(next), field.width, field.decimals)
                           : std::string(field.width, ' ');
        ++next;
        break;
      case FieldKind::kSkip:
        line += std::string(field.width, ' ');
        break;
      case FieldKind::kFixed:
        line += field.fixed;
        break;
      case FieldKind::kNewLine:
        lines.emplace_back();
        break;
      case FieldKind::kRepeat: {
        const size_t per_group = CountValues(field.group);
        for (int k = 0; k < field.count; ++k) {
          if (per_group > 0 && !HasValue()) break;
          for (const Field& inner : field.group) Put(inner);
        }
        break;
      }
    }
  }
};

struct Reader {
  const std::vector<std::string_view>& lines;
  Values& values;
  size_t line = 0;
  int column = 1;

  std::string_view Current() const { return line < lines.size() ? lines[line] : std::string_view(); }

  bool Get(const Field& field) {
    switch (field.kind) {
      case FieldKind::kText:
      case FieldKind::kCharacter:
        values.Add(Columns(Current(), column, field.width));
        column += field.width;
        return true;
      case FieldKind::kInteger: {
        const auto value = ParseInteger(Columns(Current(), column, field.width));
        column += field.width;
        if (!value) return false;
        values.Add(*value);
        return true;
      }
      case FieldKind::kDecimal: {
        const auto value = ParseDecimal(Columns(Current(), column, field.width), field.decimals);
        column += field.width;
        if (!value) return false;
        values.Add(*value);
        return true;
      }
      case FieldKind::kSkip:
      case FieldKind::kFixed:
        column += field.width;
        return true;
      case FieldKind::kNewLine:
        ++line;
        column = 1;
        return true;
      case FieldKind::kRepeat:
        for (int k = 0; k < field.count; ++k) {
          for (const Field& inner : field.group) {
            if (!Get(inner)) return false;
          }
        }
        return true;
    }
    return true;
  }
};

}  // namespace

std::vector<std::string> FormatRecord(const Layout& layout, const Values& values) {
  Writer writer{values};
  for (const Field& field : layout) writer.Put(field);
  return writer.lines;
}

std::string FormatLine(const Layout& layout, const Values& values) {
  std::vector<std::string> lines = FormatRecord(layout, values);
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += lines[i];
  }
  return joined;
}

int LineCount(const Layout& layout) {
  int lines = 1;
  for (const Field& field : layout) {
    if (field.kind == FieldKind::kNewLine) ++lines;
  }
  return lines;
}

ReadStatus ParseRecord(const Layout& layout, const std::vector<std::string_view>& lines, Values& values) {
  values.Clear();
  Reader reader{lines, values};
  for (const Field& field : layout) {
    if (!reader.Get(field)) return ReadStatus::kUnreadable;
  }
  return ReadStatus::kOk;
}

ReadStatus ParseLine(const Layout& layout, std::string_view line, Values& values) {
  const std::vector<std::string_view> lines{line};
  return ParseRecord(layout, lines, values);
}

}  // namespace korval
