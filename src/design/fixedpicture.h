#pragma once

#include <QPixmap>
#include <string>

namespace holvane::design {

// A fixed picture that belongs to a calculator window (a schematic shown
// whatever the current item), kept with the program as the drawing
// "pictures/<window>/<picture>.svg" and rendered at its own size on white.
// A null pixmap when the window has no such drawing.
QPixmap fixedPicture(const std::string &window, const std::string &picture);

} // namespace holvane::design
