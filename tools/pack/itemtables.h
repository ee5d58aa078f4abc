#pragma once

#include <string>

namespace holvane::pack {

// The design calculators' item tables and where each keeps its formula: the
// field position, counted from 0, or -1 for the one table that finds it by
// the name "计算公式". False for a table that is not an item table.
bool itemTableFormulaPosition(const std::string &tableName, int &position);

// True when `key` names a design calculator (a page of type 5).
bool isCalculatorKey(const std::string &key);

} // namespace holvane::pack
