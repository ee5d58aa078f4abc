#pragma once

#include <QFont>

class QApplication;

namespace holvane::app {

// The Windows fonts the windows ask for mapped onto the installed CJK fonts,
// and Qt's own Chinese texts (是/否/确定) loaded. Done once at start.
void installFontsAndTranslation(QApplication &app);

// The form font "宋体" at a pixel size, as the windows' captions use it.
QFont songtiFont(int pixels, bool bold = false);

} // namespace holvane::app
