#pragma once

#include <QImage>

#include <string>
#include <vector>

namespace holvane::pack {

// One variable of a formula's legend: its name, what it means, its unit.
struct LegendEntry {
    std::string name;
    std::string meaning;
    std::string unit;
};

// Parses "P=压强[MPa]; F=压力[N]; K=安全系数": entries between ";", each
// name "=" meaning, the unit in brackets when there is one. False, with
// `error` set, when an entry is malformed or a name comes twice.
bool parseLegend(const std::string &text, std::vector<LegendEntry> &legend, std::string &error);

// The picture of a formula with its legend: the formula on top, then one
// line a variable ("F — 压力，N"). 400 pixels wide and at least 250 high, so
// that the whole key picture covers it.
QImage renderFormulaPicture(const std::string &formula, const std::vector<LegendEntry> &legend);

} // namespace holvane::pack
