#pragma once

namespace holvane::app {
class PageRegistry;
}

namespace holvane::design {

// Registers the fifteen design calculators with the page registry, so that
// ShowPage (page code 5) and the calculator menu create them.
void registerDesignCalculators(app::PageRegistry &pages);

} // namespace holvane::design
