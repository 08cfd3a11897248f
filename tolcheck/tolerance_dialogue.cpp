#include "tolcheck/tolerance_dialogue.hpp"

#include <array>
#include <string>

namespace korval::tolcheck {

namespace {

const Layout kProportionalLine = {Fixed(" PROPORTIONAL = 1 /"), Decimal(11, 0)};

double AskOneNumber(Console& console, std::string_view prompt, double preset, bool (*acceptable)(double)) {
  std::array<double, 1> value = {preset};
  console.AskNumbers({prompt}, value, [acceptable](std::span<const double> v) { return acceptable(v[0]); });
  return value[0];
}

}  // namespace

Tolerance AskTolerance(Console& console, const Tolerance& current) {
  const std::string constant = FormatLine(ConstantLine(), {current.constant});
  const std::string proportional = FormatLine(kProportionalLine, {current.denominator});
  const bool change = console.AskYesNo(
      {" POSITIONAL TOLERANCE VALUES ARE ", constant, proportional, " DO YOU WANT TO CHANGE THEM? <N>"});
  if (!change) return current;
  Tolerance typed;
  typed.constant = AskOneNumber(console, " INPUT NEW CONSTANT VALUE IN METERS", current.constant,
                                IsAcceptableConstant);
  typed.denominator = AskOneNumber(console, " INPUT NEW DENOMINATOR (X IN 1/X) OF PROPORTIONAL VALUE",
                                   current.denominator, IsAcceptableDenominator);
  return typed;
}

}  // namespace korval::tolcheck
