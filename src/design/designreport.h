#pragma once

#include "design/calcconfig.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace holvane::design {

// A formula split at its first "=": the left part keeps the "="; a formula
// without one is all right part.
std::pair<std::string, std::string> splitFormula(const std::string &formula);

// The distinct names among the tokens of kind "variable", in order of first
// appearance, compared exactly (a and A are two names).
std::vector<std::string> distinctNames(const std::vector<std::string> &variableTokens);

// A computed result text cut to three decimals toward zero, as text with up
// to 15 significant digits. Throws std::runtime_error when the text is no
// number or its thousandfold leaves the signed 64-bit range.
std::string truncateResult(const std::string &resultText);

// The task page's three fields.
struct DesignTask {
    std::string name;
    std::string number;
    std::string designer;
};

// The category lines of a report; `value` reads a field of the current item
// as text, `choice` is the caption of the chosen table (radio buttons).
std::vector<std::string> categoryLines(const CategoryConfig &category,
    const std::function<std::string(const std::string &)> &value, const std::string &choice);

// The DesignReport, line by line: task, category lines, the formula row and
// one line per parameter row (label, value), the result, an empty line and
// the date after 38 spaces.
std::vector<std::string> DesignReport(const MemberConfig &member, const DesignTask &task,
    const std::vector<std::string> &category, const std::vector<std::pair<std::string, std::string>> &rows,
    const std::string &result, const std::string &date);

} // namespace holvane::design
