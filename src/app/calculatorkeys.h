#pragma once

#include <vector>

namespace holvane::app {

// One design calculator: the content key that names it, its window class,
// the code kept in CalcState while it is embedded, its menu caption and the
// title its menu item shows.
struct CalculatorKey {
    const char *key;
    const char *window;
    int code;
    const char *menuCaption;
    const char *title;
};

// The fifteen calculators, in the order of the key table.
const std::vector<CalculatorKey> &calculatorKeys();
// The entries whose key equals `key` exactly (UTF-8).
std::vector<CalculatorKey> calculatorsForKey(const char *key);
const CalculatorKey *calculatorByWindow(const char *window);

// The menu's two groups, by window class, in menu order.
const std::vector<const char *> &locatingCalculatorMenu();
const std::vector<const char *> &clampingCalculatorMenu();

} // namespace holvane::app
