#pragma once

class QWidget;

namespace holvane::app {
class AppContext;
}

namespace holvane::calculator {

// Registers the engineering calculator for page code 8: each opening makes a
// new Tjsform; the windows it makes share one CalculatorModule.
void registerCalculatorWindow(app::AppContext &context);

// Creates the calculator's windows of the whole run, the zoom window and the
// report, owned by the main window, and records them in the context.
void createCalculatorWindows(app::AppContext &context, QWidget &mainForm);

} // namespace holvane::calculator
