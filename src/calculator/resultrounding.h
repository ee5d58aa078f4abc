#pragma once

#include <string>

namespace holvane::calculator {

// value × scale rounded to the nearest integer (halves to the even
// neighbour) through a signed 64-bit integer, divided by scale again, as
// text: RoundedText(1.0625, 1000) is "1.062". Throws
// formula::ArithmeticError when value × scale leaves the 64-bit range or is
// no number.
std::string RoundedText(double value, int scale);

} // namespace holvane::calculator
