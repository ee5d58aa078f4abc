#pragma once

#include <string>

namespace holvane::app {

// The page type codes of a catalogue node's CFrame.
namespace pagecode {
constexpr int Cover = 0;
constexpr int Curve = 1;
constexpr int Text = 4;
constexpr int Calculator = 5;
constexpr int Picture = 6;
constexpr int EngineeringCalculator = 8;
constexpr int Table = 211;
constexpr int TableAlt = 213;
constexpr int Cards = 212;
constexpr int CardsAlt = 312;
} // namespace pagecode

// A CFrame's text as a page code: decimal digits with an optional sign and
// surrounding blanks. Anything else is a conversion error (AppError) quoting
// the text.
int pageCodeFromText(const std::string &text);

} // namespace holvane::app
