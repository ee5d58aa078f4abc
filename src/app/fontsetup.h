#pragma once

class QApplication;

namespace holvane::app {

// The Windows fonts the windows ask for mapped onto the installed CJK fonts,
// and Qt's own Chinese texts (是/否/确定) loaded. Done once at start.
void installFontsAndTranslation(QApplication &app);

} // namespace holvane::app
