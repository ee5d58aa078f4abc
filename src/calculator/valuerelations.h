#pragma once

#include <functional>
#include <string>

namespace holvane::calculator {

// The value relations of a library formula, "D>d>d1,L>l": groups between ","
// and names between ">". Within a group no value may be smaller than a value
// further right; equal values pass. `valueOf` gives a name's value (0 for a
// name the grid does not list) and throws when its text is no number.
bool RelationsHold(const std::string &relations, const std::function<double(const std::string &)> &valueOf);

} // namespace holvane::calculator
