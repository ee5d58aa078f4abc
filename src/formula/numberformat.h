#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// The program's two number formats: every number shown or read as text goes
// through them, in the calculators, the grids and the stored tables alike.
namespace holvane::formula {

// Arithmetic that leaves the double range (overflow) or is invalid. The
// evaluator lets it reach its caller, which shows the window's own message.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The general format with 15 significant digits: "2.5", "0.333333333333333",
// "1200", "0.0001", "1E-5", "1E15", "-1.5E-7". Locale-independent.
std::string NumberToText(double value);

// Reads [spaces][+|-]digits[.digits][(E|e)[+|-]digits][spaces], with at least
// one digit before or after the ".". Returns false for anything else. A number
// beyond the double range throws ArithmeticError; one too small becomes 0 or a
// subnormal value.
bool TextToNumber(std::string_view text, double &value);

} // namespace holvane::formula
