#pragma once

class QWidget;

namespace holvane::app {

class AppContext;

// Creates the handbook shell's small windows of the whole run, the message
// window and the enlarged-picture window, owned by the main window, and
// records them in the context.
void createShellWindows(AppContext &context, QWidget &mainForm);

} // namespace holvane::app
