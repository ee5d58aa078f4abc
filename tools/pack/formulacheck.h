#pragma once

#include <string>
#include <vector>

namespace holvane::pack {

// The checks a formula of the content passes before it is packed. Each
// returns an empty text when the formula is sound, otherwise what is wrong.

// A design calculator item: the field text ("W=K*F"), whose right side the
// shared evaluator computes, and the item's initial values, one a variable.
// The right side must tokenize within the token list, hold no space (that
// evaluator reads a space as part of a name), split no Chinese character,
// have at most 19 distinct variables and no more than the initial values,
// and evaluate to a finite number with those values.
std::string checkItemFormula(const std::string &formula, const std::vector<std::string> &initialValues);

// An engineering calculator formula ("P=F/A"), tokenized by the calculator's
// own evaluator (spaces skipped). `variables` receives its distinct
// variables in order of first appearance.
std::string checkLibraryFormula(const std::string &formula, std::vector<std::string> &variables);

// The part after the first "=", or the whole text without one.
std::string rightSide(const std::string &formula);

} // namespace holvane::pack
