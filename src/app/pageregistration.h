#pragma once

namespace holvane::app {

class AppContext;

// Registers every page frame and calculator window that exists with the
// context's page registry. Each page issue adds its line here.
void registerPages(AppContext &context);

} // namespace holvane::app
