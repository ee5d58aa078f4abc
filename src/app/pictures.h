#pragma once

#include <QImage>
#include <QSize>

namespace holvane::app {

// The program's own pictures, drawn rather than stored.
// The splash picture, 401 x 300 pixels.
QImage splashPicture();
// The cover picture at the given size.
QImage coverPicture(QSize size);

} // namespace holvane::app
